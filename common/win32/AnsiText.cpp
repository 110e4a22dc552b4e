#include "common/AnsiText.h"

#include "common/win32/WideText.h"

namespace kandrel {

std::string AnsiToUtf8(std::string_view Ansi) { return win32::Narrow(win32::Widen(Ansi, CP_ACP)); }

}  // namespace kandrel
