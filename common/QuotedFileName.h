// The file name inside a user- or file-supplied text: one surrounding pair of
// double quotes and the blanks and control characters around it removed.
#pragma once

#include <string_view>

namespace kandrel {

inline std::string_view UnquotedFileName(std::string_view Name) noexcept {
    if (!Name.empty() && Name.front() == '"') Name.remove_prefix(1);
    if (!Name.empty() && Name.back() == '"') Name.remove_suffix(1);
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!Name.empty() && blank(Name.front())) Name.remove_prefix(1);
    while (!Name.empty() && blank(Name.back())) Name.remove_suffix(1);
    return Name;
}

}  // namespace kandrel
