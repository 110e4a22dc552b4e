#include <windows.h>
#include <shlobj.h>

#include "common/JovCommon.h"
#include "common/QuotedFileName.h"
#include "common/win32/WideText.h"

namespace kandrel {

namespace {

// The drive part of a path: "C:" of "C:\x\y", "\\server\share" of a network
// path, empty otherwise (the root of the current drive is meant then).
std::wstring_view DrivePart(std::wstring_view Path) {
    if (Path.size() >= 2 && Path[1] == L':') return Path.substr(0, 2);
    if (Path.size() >= 2 && Path[0] == L'\\' && Path[1] == L'\\') {
        const size_t server = Path.find(L'\\', 2);
        if (server == std::wstring_view::npos) return Path;
        const size_t share = Path.find(L'\\', server + 1);
        return Path.substr(0, share);
    }
    return {};
}

// No "insert a disk" box for a missing medium while a query runs.
class TNoCriticalErrorBoxes {
public:
    TNoCriticalErrorBoxes() : FPrevious(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~TNoCriticalErrorBoxes() { SetErrorMode(FPrevious); }
    TNoCriticalErrorBoxes(const TNoCriticalErrorBoxes&) = delete;
    TNoCriticalErrorBoxes& operator=(const TNoCriticalErrorBoxes&) = delete;

private:
    UINT FPrevious;
};

}  // namespace

bool IsDriveReady(std::string_view Path) {
    const std::wstring wide = win32::Widen(Path);
    const std::wstring root = std::wstring(DrivePart(wide)) + L'\\';
    DWORD maxComponentLength = 0;
    DWORD fileSystemFlags = 0;
    TNoCriticalErrorBoxes guard;
    return GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, &maxComponentLength, &fileSystemFlags, nullptr,
                                 0) != 0;
}

bool SafeFileExists(std::string_view FileName) {
    const std::string_view name = UnquotedFileName(FileName);
    // A NUL would end the name early and test some other file.
    if (name.empty() || name.find('\0') != std::string_view::npos) return false;
    if (name.size() >= 3 && name[1] == ':' && name[2] == '\\' && !IsDriveReady(name.substr(0, 3))) return false;
    const std::wstring wide = win32::Widen(name);
    TNoCriticalErrorBoxes guard;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string GetDocumentsFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return win32::Narrow(path);
}

}  // namespace kandrel
