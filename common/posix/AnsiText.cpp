#include "common/AnsiText.h"

namespace kandrel {

std::string AnsiToUtf8(std::string_view Ansi) {
    std::string utf8;
    utf8.reserve(Ansi.size());
    for (const char c : Ansi) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

}  // namespace kandrel
