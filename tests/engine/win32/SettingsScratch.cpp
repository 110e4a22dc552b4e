#include <windows.h>

#include <random>
#include <stdexcept>
#include <vector>

#include "common/win32/WideText.h"
#include "tests/engine/SettingsScratch.h"

namespace kandrel::test {

namespace {

constexpr wchar_t kStore[] = L"Software\\Ostrik88\\Kandrel";
constexpr wchar_t kConfig[] = L"Software\\Ostrik88\\Kandrel\\Config";

bool KeyExists(const wchar_t* Path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

struct TSettingsScratch::TState {
    std::wstring ScratchPath;  // under the real HKEY_CURRENT_USER
    HKEY Scratch = nullptr;
};

TSettingsScratch::TSettingsScratch() : FState(std::make_unique<TState>()) {
    std::random_device device;
    FState->ScratchPath = L"Software\\KandrelTests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(device());
    if (RegCreateKeyExW(HKEY_CURRENT_USER, FState->ScratchPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &FState->Scratch, nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, FState->Scratch) != ERROR_SUCCESS)
        throw std::runtime_error("cannot redirect HKEY_CURRENT_USER");
}

TSettingsScratch::~TSettingsScratch() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(FState->Scratch);
    RegDeleteTreeW(HKEY_CURRENT_USER, FState->ScratchPath.c_str());
}

bool TSettingsScratch::StoreExists() const { return KeyExists(kStore); }

bool TSettingsScratch::ConfigExists() const { return KeyExists(kConfig); }

std::optional<std::string> TSettingsScratch::StoredStyle() const {
    wchar_t text[256] = {};
    DWORD bytes = sizeof text - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, kConfig, L"Style", RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return win32::Narrow(text);
}

void TSettingsScratch::StoreStyle(std::string_view Text) {
    const std::wstring wide = win32::Widen(Text);
    RegSetKeyValueW(HKEY_CURRENT_USER, kConfig, L"Style", REG_SZ, wide.c_str(),
                    static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

void TSettingsScratch::StoreStyleAsNumber(uint32_t Value) {
    const DWORD number = Value;
    RegSetKeyValueW(HKEY_CURRENT_USER, kConfig, L"Style", REG_DWORD, &number, sizeof number);
}

}  // namespace kandrel::test
