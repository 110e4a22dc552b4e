// A private settings store for one test, so that tests neither see nor touch
// the user's settings, whatever they write: on Windows this process's
// HKEY_CURRENT_USER is mapped onto a fresh scratch key; on Linux
// XDG_CONFIG_HOME names a fresh temporary folder. Restored when it goes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kandrel::test {

class TSettingsScratch {
public:
    TSettingsScratch();
    ~TSettingsScratch();
    TSettingsScratch(const TSettingsScratch&) = delete;
    TSettingsScratch& operator=(const TSettingsScratch&) = delete;

    // The plug-in's store: the key Software\Ostrik88\Kandrel, or the ini file.
    bool StoreExists() const;
    // Its "Config" section: the sub-key, or a "[Config]" line in the file.
    bool ConfigExists() const;
    // "Config"/"Style" as stored text; nothing when missing or not text.
    std::optional<std::string> StoredStyle() const;
    // Sets "Config"/"Style" behind the plug-in's back.
    void StoreStyle(std::string_view Text);
#if defined(_WIN32)
    // A "Style" value that is not text (REG_DWORD).
    void StoreStyleAsNumber(uint32_t Value);
#endif

private:
    struct TState;
    std::unique_ptr<TState> FState;
};

}  // namespace kandrel::test
