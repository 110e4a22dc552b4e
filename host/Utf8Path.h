// File names travel through the host as UTF-8 strings; these turn them into
// file-system paths and back without going through the Windows ANSI code page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kandrel::host {

// Throws std::runtime_error for text that is not valid UTF-8 (Windows only;
// elsewhere the bytes are taken as they are).
std::filesystem::path PathFromUtf8(std::string_view Utf8);
std::string Utf8FromPath(const std::filesystem::path& Path);

#if defined(_WIN32)
std::wstring WidenUtf8(std::string_view Utf8);
#endif

}  // namespace kandrel::host
