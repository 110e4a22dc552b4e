// The settings store in the registry: HKEY_CURRENT_USER\<KeyPath>, a sub-key
// per section, a REG_SZ value per entry.
#include <windows.h>

#include <stdexcept>
#include <vector>

#include "common/win32/WideText.h"
#include "plugin/JovRegistry.h"

namespace kandrel {

struct TJovRegIniFile::TPlatformStore {
    HKEY Key = nullptr;  // null when the key could not be opened or created
    ~TPlatformStore() {
        if (Key != nullptr) RegCloseKey(Key);
    }
};

namespace {

// The value's text; nothing for a missing value or one of another type.
std::optional<std::wstring> QueryText(HKEY Key, const std::wstring& Name) {
    std::vector<wchar_t> buffer(64);
    for (;;) {
        DWORD type = 0;
        auto bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegQueryValueExW(Key, Name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes);
        if (status == ERROR_MORE_DATA) {
            buffer.resize(bytes / sizeof(wchar_t) + 2);
            continue;
        }
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
        // Stored texts need not end with a terminator, and may hold one early.
        const size_t stored = bytes / sizeof(wchar_t);
        size_t length = 0;
        while (length < stored && buffer[length] != L'\0') ++length;
        return std::wstring(buffer.data(), length);
    }
}

}  // namespace

TJovRegIniFile::TJovRegIniFile(const std::string& KeyPath) : FStore(std::make_unique<TPlatformStore>()) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, win32::Widen(KeyPath).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
        FStore->Key = key;
}

TJovRegIniFile::~TJovRegIniFile() = default;

std::optional<std::string> TJovRegIniFile::ReadText(std::string_view Section, std::string_view Name) {
    if (FStore->Key == nullptr) return std::nullopt;
    HKEY section = nullptr;
    if (RegOpenKeyExW(FStore->Key, win32::Widen(Section).c_str(), 0, KEY_READ, &section) != ERROR_SUCCESS)
        return std::nullopt;
    const std::optional<std::wstring> text = QueryText(section, win32::Widen(Name));
    RegCloseKey(section);
    if (!text) return std::nullopt;
    return win32::Narrow(*text);
}

void TJovRegIniFile::WriteString(std::string_view Section, std::string_view Name, std::string_view Value) {
    const std::string failure = "Failed to write the setting '" + std::string(Name) + "'";
    if (FStore->Key == nullptr) throw std::runtime_error(failure);
    HKEY section = nullptr;
    if (RegCreateKeyExW(FStore->Key, win32::Widen(Section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &section, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error(failure);
    const std::wstring text = win32::Widen(Value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    const LSTATUS status = RegSetValueExW(section, win32::Widen(Name).c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    RegCloseKey(section);
    if (status != ERROR_SUCCESS) throw std::runtime_error(failure);
}

}  // namespace kandrel
