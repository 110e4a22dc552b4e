// The per-user settings store: sections holding named entries, kept as text.
// Windows: the registry key HKEY_CURRENT_USER\<KeyPath>, sections are its
// sub-keys and entries their string values. Linux: the ini file
// $XDG_CONFIG_HOME/<KeyPath without "Software\">.ini ("~/.config" when the
// variable is unset), sections and entries as in any ini file, their names
// compared ignoring ASCII case as the registry does.
// Thread: user interface (the module's creation and its skin menu).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kandrel {

class TJovRegIniFile {
public:
    // KeyPath as "Software\Ostrik88\Kandrel". On Windows the key is opened with
    // full access and created when missing (a failure leaves every read at its
    // default); on Linux nothing is created before the first write.
    explicit TJovRegIniFile(const std::string& KeyPath);
    ~TJovRegIniFile();
    TJovRegIniFile(const TJovRegIniFile&) = delete;
    TJovRegIniFile& operator=(const TJovRegIniFile&) = delete;

    // Default when the section or entry is missing, unreadable or not text.
    std::string ReadString(std::string_view Section, std::string_view Name, const std::string& Default);
    // Default when the entry is missing or its text is not a decimal 32-bit
    // integer (blanks around it are allowed, an empty text is not).
    int32_t ReadInteger(std::string_view Section, std::string_view Name, int32_t Default);
    // Creates the section (and the store) when needed and keeps every other
    // section and entry. Throws std::runtime_error when the store cannot be written.
    void WriteString(std::string_view Section, std::string_view Name, std::string_view Value);
    // Stored as decimal text.
    void WriteInteger(std::string_view Section, std::string_view Name, int32_t Value);

private:
    // The registry key or the ini file's path; defined by the platform part.
    struct TPlatformStore;
    std::optional<std::string> ReadText(std::string_view Section, std::string_view Name);
    std::unique_ptr<TPlatformStore> FStore;
};

}  // namespace kandrel
