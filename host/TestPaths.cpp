#include "host/TestPaths.h"

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "host/Utf8Path.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace kandrel::host {

namespace {

std::filesystem::path ProgramFile() {
#if defined(_WIN32)
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) throw std::runtime_error("cannot find the running program's file");
        if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
#else
    return std::filesystem::read_symlink("/proc/self/exe");
#endif
}

}  // namespace

std::string ProgramFolder() {
    std::filesystem::path folder = ProgramFile().parent_path();
    folder /= "";
    return Utf8FromPath(folder);
}

std::string PluginPathBesideProgram(std::string_view Name) { return ProgramFolder() + std::string(Name); }

std::string ModuleFileName(std::string_view BaseName) {
#if defined(_WIN32)
    return std::string(BaseName) + ".dll";
#else
    return std::string(BaseName) + ".so";
#endif
}

}  // namespace kandrel::host
