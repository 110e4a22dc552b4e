#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "common/JovCommon.h"
#include "common/QuotedFileName.h"

namespace kandrel {

// There are no drive letters here: the volume in question is the file system
// that holds Path, found through Path's nearest existing folder (a path that
// does not exist yet lives on the volume of its parent).
bool IsDriveReady(std::string_view Path) {
    if (Path.find('\0') != std::string_view::npos) return false;
    std::string folder(Path.empty() ? std::string_view(".") : Path);
    for (;;) {
        struct statvfs info;
        if (statvfs(folder.c_str(), &info) == 0) return true;
        if (errno != ENOENT && errno != ENOTDIR) return false;  // the volume itself did not answer
        const size_t slash = folder.find_last_of('/');
        std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
        if (parent == folder) return false;
        folder = std::move(parent);
    }
}

bool SafeFileExists(std::string_view FileName) {
    const std::string_view name = UnquotedFileName(FileName);
    // A NUL would end the name early and test some other file.
    if (name.empty() || name.find('\0') != std::string_view::npos) return false;
    struct stat info;
    return stat(std::string(name).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string GetDocumentsFolder() {
    const auto withoutTrailingSlashes = [](std::string Folder) {
        while (Folder.size() > 1 && Folder.back() == '/') Folder.pop_back();
        return Folder;
    };
    // Only an absolute folder: a relative one would depend on the host's working folder.
    if (const char* documents = std::getenv("XDG_DOCUMENTS_DIR"); documents != nullptr && *documents == '/')
        return withoutTrailingSlashes(documents);
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        const std::string folder = withoutTrailingSlashes(home);
        return (folder == "/" ? "" : folder) + "/Documents";
    }
    return {};
}

}  // namespace kandrel
