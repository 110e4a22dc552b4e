#include "host/Utf8Path.h"

#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>

#include "common/win32/WideText.h"
#endif

namespace kandrel::host {

#if defined(_WIN32)

std::wstring WidenUtf8(std::string_view Utf8) {
    if (Utf8.empty()) return {};
    const int size = static_cast<int>(Utf8.size());
    const int count = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, Utf8.data(), size, nullptr, 0);
    if (count <= 0) throw std::runtime_error("'" + std::string(Utf8) + "' is not valid UTF-8");
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, Utf8.data(), size, wide.data(), count);
    return wide;
}

std::filesystem::path PathFromUtf8(std::string_view Utf8) { return std::filesystem::path(WidenUtf8(Utf8)); }

std::string Utf8FromPath(const std::filesystem::path& Path) { return win32::Narrow(Path.native()); }

#else

std::filesystem::path PathFromUtf8(std::string_view Utf8) { return std::filesystem::path(std::string(Utf8)); }

std::string Utf8FromPath(const std::filesystem::path& Path) { return Path.native(); }

#endif

}  // namespace kandrel::host
