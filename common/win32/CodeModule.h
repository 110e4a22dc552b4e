// The module (DLL or program file) that holds the calling code: inside a
// plug-in that is the plug-in library, while GetModuleHandle(nullptr) would
// name the host. Any thread.
#pragma once

#include <windows.h>

namespace kandrel::win32 {

inline HMODULE CodeModule() noexcept {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&CodeModule), &module);
    return module;
}

}  // namespace kandrel::win32
