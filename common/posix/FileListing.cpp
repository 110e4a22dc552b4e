#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <link.h>
#include <locale.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <memory>
#include <utility>

#include "common/DateTimeNumber.h"
#include "common/FileListingPlatform.h"
#include "common/JovCommon.h"

extern char** environ;

namespace kandrel {

namespace {

constexpr int32_t kSpecialEntries = faHidden | faSysFile | faDirectory;

// The attribute bits an entry would have on Windows; -1 when it cannot be
// examined (a dangling link, an entry removed meanwhile).
int32_t EntryAttributes(int FolderFd, const char* Name) {
    struct stat st {};
    if (fstatat(FolderFd, Name, &st, 0) != 0) return -1;  // links count as what they point to
    int32_t attributes = 0;
    if (Name[0] == '.') attributes |= faHidden;
    if (S_ISDIR(st.st_mode))
        attributes |= faDirectory;
    else if (!S_ISREG(st.st_mode))
        attributes |= faSysFile;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes |= faReadOnly;
    return attributes;
}

}  // namespace

namespace platform {

TFolderSearch SearchFolder(const std::string& Folder, const std::string& Mask, int32_t Attributes,
                           std::vector<std::string>& List) {
    TFolderSearch search;
    if (Mask.empty()) return search;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(Folder.c_str()), &closedir);
    if (!dir) return search;
    const int fd = dirfd(dir.get());
    const int32_t excluded = ~Attributes & kSpecialEntries;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (entry == nullptr) {
            search.Ended = errno == 0;
            return search;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || fnmatch(Mask.c_str(), entry->d_name, 0) != 0) continue;
        const int32_t attributes = EntryAttributes(fd, entry->d_name);
        if (attributes < 0 || (attributes & excluded) != 0) continue;
        search.Found = true;
        if ((attributes & faDirectory) == 0) List.emplace_back(name);
    }
}

// By lowercased code points; names equal but for case by their bytes.
void SortIgnoringCase(std::vector<std::string>& List) {
    std::vector<std::pair<std::u32string, std::string>> keyed;
    keyed.reserve(List.size());
    for (std::string& item : List) keyed.emplace_back(LowerCaseCodePoints(item), std::move(item));
    std::sort(keyed.begin(), keyed.end());
    for (size_t i = 0; i < keyed.size(); ++i) List[i] = std::move(keyed[i].second);
}

bool SplitFileMask(const std::string& FileMask, std::string& Folder, std::string_view& Masks) {
    const size_t slash = FileMask.rfind('/');
    if (slash == std::string::npos) return false;
    Folder = FileMask.substr(0, slash + 1);
    Masks = std::string_view(FileMask).substr(slash + 1);
    return true;
}

std::pair<std::string, std::string> FileManagerCommand(const std::string& Folder) { return {"xdg-open", Folder}; }

// The user's own date format: the locale the environment names (LC_ALL,
// LC_TIME, LANG), whether or not the host program ever set its locale; the
// program's current locale when the environment names none that is installed.
std::string FormatShortDate(const std::tm& Date) {
    char text[128];
    size_t length = 0;
    if (locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr))) {
        length = strftime_l(text, sizeof text, "%x", &Date, user);
        freelocale(user);
    } else {
        length = std::strftime(text, sizeof text, "%x", &Date);
    }
    return std::string(text, length);
}

// Through the shell with one argument, which puts it in the
// background and ends at once: we wait only for the shell, the program is
// never left behind as our zombie, and a program that is not on the PATH shows
// in the shell's exit code.
bool StartProgram(const std::string& Program, const std::string& Parameters) {
    static constexpr char kScript[] =
        "command -v \"$1\" >/dev/null 2>&1 || exit 127; \"$1\" \"$2\" </dev/null >/dev/null 2>&1 & exit 0";
    const char* argv[] = {"sh", "-c", kScript, "sh", Program.c_str(), Parameters.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return false;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    // The host's open files (audio devices, sockets) stay out of the file manager.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, "/bin/sh", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    pid_t waited;
    do {
        waited = waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    // A host that ignores SIGCHLD has its children reaped for it: the shell ran.
    if (waited < 0) return errno == ECHILD;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace platform

double GetFileDateTime(const std::string& Path) {
    struct stat st {};
    if (Path.empty() || stat(Path.c_str(), &st) != 0) return 0.0;
    std::tm local{};
    if (localtime_r(&st.st_mtim.tv_sec, &local) == nullptr) return 0.0;
    TCivilDateTime time;
    time.Year = local.tm_year + 1900;
    time.Month = local.tm_mon + 1;
    time.Day = local.tm_mday;
    time.Hour = local.tm_hour;
    time.Minute = local.tm_min;
    time.Second = std::min(local.tm_sec, 59);  // a leap second stays in its minute
    time.Millisecond = static_cast<int32_t>(st.st_mtim.tv_nsec / 1000000);
    return EncodeDateTimeNumber(time);
}

std::string GetFileDateText(const std::string& Path) {
    const TCivilDateTime date = DecodeDateNumber(GetFileDateTime(Path));
    std::tm tm{};
    tm.tm_year = date.Year - 1900;
    tm.tm_mon = date.Month - 1;
    tm.tm_mday = date.Day;
    tm.tm_wday = date.DayOfWeek;
    tm.tm_yday = date.DayOfYear;
    tm.tm_isdst = -1;
    return platform::FormatShortDate(tm);
}

std::string GetBuildDate() {
    Dl_info info{};
    link_map* map = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&GetBuildDate), &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) ==
        0)
        return GetFileDateText("");
    // A library carries the path it was loaded by; the program itself has an empty name.
    if (map != nullptr && map->l_name != nullptr && map->l_name[0] != '\0') return GetFileDateText(map->l_name);
    return GetFileDateText("/proc/self/exe");
}

}  // namespace kandrel
