// Texts stored in the system's ANSI code page (older preset files) as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kandrel {

// Windows: the system ANSI code page; elsewhere there is no such setting and
// the bytes are read as Windows code page 1252. Never fails on any byte sequence.
std::string AnsiToUtf8(std::string_view Ansi);

}  // namespace kandrel
