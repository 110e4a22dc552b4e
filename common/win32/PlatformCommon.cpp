#include <windows.h>

#include "common/JovCommon.h"

namespace kandrel {

std::string LocaleDecimalSeparator() {
    wchar_t text[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) <= 1) return ".";
    char utf8[32] = {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return n > 1 ? std::string(utf8) : std::string(".");
}

int32_t ShowMessageBox(const void*, const std::string& Text, const std::string& Title, TMsgDlgType Kind,
                       TMsgDlgButtons Buttons) {
    auto wide = [](const std::string& s) {
        std::wstring w(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, nullptr, 0)), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, w.data(), static_cast<int>(w.size()));
        if (!w.empty()) w.pop_back();
        return w;
    };
    UINT type = Buttons == mbYesNo ? MB_YESNO : MB_OK;
    switch (Kind) {
        case TMsgDlgType::Warning: type |= MB_ICONWARNING; break;
        case TMsgDlgType::Error: type |= MB_ICONERROR; break;
        case TMsgDlgType::Information: type |= MB_ICONINFORMATION; break;
        case TMsgDlgType::Confirmation: type |= MB_ICONQUESTION; break;
        case TMsgDlgType::Custom: break;
    }
    return MessageBoxW(nullptr, wide(Text).c_str(), wide(Title).c_str(), type | MB_TASKMODAL);
}

}  // namespace kandrel
