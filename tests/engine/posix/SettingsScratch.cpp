#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/engine/SettingsScratch.h"
#include "tests/support/TempFolder.h"

namespace kandrel::test {

struct TSettingsScratch::TState {
    TTempFolder Folder;
    std::optional<std::string> PreviousXdg;
    std::filesystem::path IniFile() const { return Folder.Path() / "Ostrik88" / "Kandrel.ini"; }
    std::string Text() const {
        std::ifstream in(IniFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

TSettingsScratch::TSettingsScratch() : FState(std::make_unique<TState>()) {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) FState->PreviousXdg = xdg;
    setenv("XDG_CONFIG_HOME", FState->Folder.Path().c_str(), 1);
}

TSettingsScratch::~TSettingsScratch() {
    if (FState->PreviousXdg)
        setenv("XDG_CONFIG_HOME", FState->PreviousXdg->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

bool TSettingsScratch::StoreExists() const { return std::filesystem::exists(FState->IniFile()); }

bool TSettingsScratch::ConfigExists() const { return FState->Text().find("[Config]") != std::string::npos; }

std::optional<std::string> TSettingsScratch::StoredStyle() const {
    // Enough for the files these tests make and the plug-in writes.
    const std::string text = FState->Text();
    const size_t section = text.find("[Config]\n");
    if (section == std::string::npos) return std::nullopt;
    const size_t entry = text.find("\nStyle=", section + 8);
    if (entry == std::string::npos) return std::nullopt;
    const size_t end = text.find('\n', entry + 1);
    return text.substr(entry + 7, end == std::string::npos ? std::string::npos : end - entry - 7);
}

void TSettingsScratch::StoreStyle(std::string_view Text) {
    std::filesystem::create_directories(FState->IniFile().parent_path());
    std::ofstream(FState->IniFile(), std::ios::binary) << "[Config]\nStyle=" << Text << "\n";
}

}  // namespace kandrel::test
