#include "common/AnsiText.h"

#include <utf8/cpp17.h>

#include <array>
#include <cstdint>
#include <iterator>

namespace kandrel {

namespace {

// Bytes 0x80-0x9F of Windows code page 1252, the ANSI code page of Western
// Windows systems where such texts come from; the five bytes it leaves
// undefined keep their own code points, as Windows maps them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

// Linux has no ANSI code page: texts in it come from Windows systems, read
// here as code page 1252 (the rest of which is Latin-1).
std::string AnsiToUtf8(std::string_view Ansi) {
    std::string utf8;
    utf8.reserve(Ansi.size());
    for (const char c : Ansi) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            utf8 += c;
        else if (byte < 0xA0)
            utf8::append(kWindows1252High[byte - 0x80], std::back_inserter(utf8));
        else
            utf8::append(byte, std::back_inserter(utf8));
    }
    return utf8;
}

}  // namespace kandrel
