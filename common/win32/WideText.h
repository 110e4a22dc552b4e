// UTF-8 <-> UTF-16 for the Windows calls. Invalid UTF-8 becomes U+FFFD, so a
// damaged name never fails the conversion.
#pragma once

#include <windows.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kandrel::win32 {

inline std::wstring Widen(std::string_view Utf8) {
    if (Utf8.empty()) return {};
    if (Utf8.size() > INT_MAX) throw std::length_error("text too long");
    const int length = static_cast<int>(Utf8.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), length, wide.data(), size);
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
