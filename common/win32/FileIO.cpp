#include "common/FileIO.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "common/win32/WideText.h"

namespace kandrel {

namespace {

EFileError Failure(const char* What, const std::string& Path, DWORD Error) {
    wchar_t text[256] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, Error, 0, text, 255, nullptr);
    std::string message = win32::Narrow(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    return EFileError(std::string(What) + " \"" + Path + "\". " + message);
}

class THandle {
public:
    explicit THandle(HANDLE Handle) : FHandle(Handle) {}
    ~THandle() { Close(); }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    HANDLE Get() const noexcept { return FHandle; }
    bool Valid() const noexcept { return FHandle != INVALID_HANDLE_VALUE; }
    bool Close() noexcept {
        if (!Valid()) return true;
        const BOOL closed = CloseHandle(FHandle);
        FHandle = INVALID_HANDLE_VALUE;
        return closed != 0;
    }

private:
    HANDLE FHandle;
};

// Path's folder as a prefix for a sibling's name: up to its last separator, or
// its drive ("C:" of "C:x"), or nothing.
std::wstring FolderPrefix(const std::wstring& Path) {
    const size_t separator = Path.find_last_of(L"\\/");
    if (separator != std::wstring::npos) return Path.substr(0, separator + 1);
    return Path.size() >= 2 && Path[1] == L':' ? Path.substr(0, 2) : std::wstring();
}

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::string& Path, uint64_t MaxBytes) {
    const std::wstring wide = win32::Widen(Path);
    if (wide.empty() || wide.find(L'\0') != std::wstring::npos) throw Failure("Cannot open file", Path, ERROR_FILE_NOT_FOUND);
    THandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) throw Failure("Cannot open file", Path, GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) throw Failure("Cannot read file", Path, GetLastError());
    if (size.QuadPart < 0 || static_cast<uint64_t>(size.QuadPart) > MaxBytes)
        throw EFileError("File too large \"" + Path + "\"");
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) throw Failure("Cannot read file", Path, GetLastError());
        if (got == 0) break;  // shrank since the size was taken
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

void WriteFileReplacing(const std::string& Path, const uint8_t* Data, size_t Size) {
    const std::wstring target = win32::Widen(Path);
    if (target.empty() || target.find(L'\0') != std::wstring::npos)
        throw Failure("Cannot create file", Path, ERROR_INVALID_NAME);
    static std::atomic<unsigned> counter{0};
    const std::wstring prefix =
        FolderPrefix(target) + L".kandrel-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    std::wstring temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    DWORD error = 0;
    for (int attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = prefix + std::to_wstring(counter.fetch_add(1)) + L".tmp";
        handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
        }
    }
    if (handle == INVALID_HANDLE_VALUE) throw Failure("Cannot create file", Path, error);
    THandle file(handle);
    error = 0;
    for (size_t done = 0; done < Size && error == 0;) {
        const DWORD want = static_cast<DWORD>(std::min<size_t>(Size - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.Get(), Data + done, want, &written, nullptr)) error = GetLastError();
        else if (written == 0) error = ERROR_WRITE_FAULT;
        else done += written;
    }
    // On disk before the rename, so a crash leaves the old file or the new one.
    if (error == 0 && !FlushFileBuffers(file.Get())) error = GetLastError();
    if (!file.Close() && error == 0) error = GetLastError();
    if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        throw Failure("Cannot write file", Path, error);
    }
}

}  // namespace kandrel
