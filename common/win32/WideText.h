// UTF-8 <-> UTF-16 for the Windows calls. Invalid UTF-8 becomes U+FFFD, so a
// damaged name never fails the conversion.
#pragma once

#include <windows.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kandrel::win32 {

// Text in CodePage (UTF-8 unless told otherwise, e.g. CP_ACP) as UTF-16.
inline std::wstring Widen(std::string_view Text, UINT CodePage = CP_UTF8) {
    if (Text.empty()) return {};
    if (Text.size() > INT_MAX) throw std::length_error("text too long");
    const int length = static_cast<int>(Text.size());
    const int size = MultiByteToWideChar(CodePage, 0, Text.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CodePage, 0, Text.data(), length, wide.data(), size);
    return wide;
}

inline std::string Narrow(std::wstring_view Wide) {
    if (Wide.empty()) return {};
    if (Wide.size() > INT_MAX / 3) throw std::length_error("text too long");
    const int length = static_cast<int>(Wide.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, Wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, Wide.data(), length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

}  // namespace kandrel::win32
