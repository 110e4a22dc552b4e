#include "common/AnsiText.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

#include "common/win32/WideText.h"

namespace kandrel {

std::string AnsiToUtf8(std::string_view Ansi) {
    if (Ansi.empty()) return {};
    if (Ansi.size() > INT_MAX) throw std::length_error("text too long");
    const int length = static_cast<int>(Ansi.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, Ansi.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, Ansi.data(), length, wide.data(), size);
    return win32::Narrow(wide);
}

}  // namespace kandrel
