#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "common/DateTimeNumber.h"
#include "common/FileListingPlatform.h"
#include "common/JovCommon.h"
#include "common/win32/CodeModule.h"
#include "common/win32/WideText.h"

namespace kandrel {

namespace {

constexpr int32_t kSpecialEntries = faHidden | faSysFile | 0x08 /* volume label */ | faDirectory;

bool IsDelimiter(char C) { return C == '\\' || C == '/' || C == ':'; }

}  // namespace

namespace platform {

TFolderSearch SearchFolder(const std::string& Folder, const std::string& Mask, int32_t Attributes,
                           std::vector<std::string>& List) {
    TFolderSearch search;
    WIN32_FIND_DATAW data{};
    const HANDLE handle = FindFirstFileW(win32::Widen(Folder + Mask).c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE) return search;
    const DWORD excluded = static_cast<DWORD>(~Attributes & kSpecialEntries);
    do {
        if ((data.dwFileAttributes & excluded) != 0) continue;
        search.Found = true;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) List.push_back(win32::Narrow(data.cFileName));
    } while (FindNextFileW(handle, &data));
    search.Ended = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(handle);
    return search;
}

// The user's collation, ignoring case, as the system's own lists sort; names
// equal but for case keep a fixed order (ordinal).
void SortIgnoringCase(std::vector<std::string>& List) {
    std::vector<std::pair<std::wstring, std::string>> keyed;
    keyed.reserve(List.size());
    for (std::string& item : List) keyed.emplace_back(win32::Widen(item), std::move(item));
    std::sort(keyed.begin(), keyed.end(), [](const auto& A, const auto& B) {
        const int order = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, A.first.c_str(), -1,
                                          B.first.c_str(), -1, nullptr, nullptr, 0);
        if (order != CSTR_EQUAL && order != 0) return order == CSTR_LESS_THAN;
        return A.first < B.first;
    });
    for (size_t i = 0; i < keyed.size(); ++i) List[i] = std::move(keyed[i].second);
}

bool SplitFileMask(const std::string& FileMask, std::string& Folder, std::string_view& Masks) {
    const auto last = std::find_if(FileMask.rbegin(), FileMask.rend(), IsDelimiter);
    if (last == FileMask.rend()) return false;
    const size_t folderLength = static_cast<size_t>(FileMask.rend() - last);
    Folder = FileMask.substr(0, folderLength);
    if (Folder.back() != '\\' && Folder.back() != '/') Folder += '\\';  // "C:" names the drive's current folder
    Masks = std::string_view(FileMask).substr(folderLength);
    return true;
}

std::pair<std::string, std::string> FileManagerCommand(const std::string& Folder) {
    return {"explorer.exe", "/e,\"" + Folder + "\""};
}

// Through the shell's "open" verb, as the user would start it.
bool StartProgram(const std::string& Program, const std::string& Parameters) {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", win32::Widen(Program).c_str(),
                                                                win32::Widen(Parameters).c_str(), L"", SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace platform

double GetFileDateTime(const std::string& Path) {
    if (Path.empty()) return 0.0;
    WIN32_FIND_DATAW data{};
    const HANDLE handle = FindFirstFileW(win32::Widen(Path).c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE) return 0.0;
    FindClose(handle);
    SYSTEMTIME utc{}, local{};
    // The offset of the file's own date (summer or winter time), not today's.
    if (!FileTimeToSystemTime(&data.ftLastWriteTime, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return 0.0;
    TCivilDateTime time;
    time.Year = local.wYear;
    time.Month = local.wMonth;
    time.Day = local.wDay;
    time.Hour = local.wHour;
    time.Minute = local.wMinute;
    time.Second = local.wSecond;
    time.Millisecond = local.wMilliseconds;
    return EncodeDateTimeNumber(time);
}

std::string GetFileDateText(const std::string& Path) {
    const TCivilDateTime date = DecodeDateNumber(GetFileDateTime(Path));
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.Year);
    time.wMonth = static_cast<WORD>(date.Month);
    time.wDay = static_cast<WORD>(date.Day);
    time.wDayOfWeek = static_cast<WORD>(date.DayOfWeek);
    wchar_t text[128] = {};
    const int length =
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128, nullptr);
    return length > 1 ? win32::Narrow(std::wstring_view(text, static_cast<size_t>(length - 1))) : std::string();
}

std::string GetBuildDate() {
    // The module this code lives in: the plug-in library inside a host, not the host program.
    const HMODULE module = win32::CodeModule();
    if (module == nullptr) return GetFileDateText("");
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return GetFileDateText("");
    return GetFileDateText(win32::Narrow(std::wstring_view(path, length)));
}

}  // namespace kandrel
