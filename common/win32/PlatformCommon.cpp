#include <windows.h>

#include "common/JovCommon.h"
#include "common/win32/WideText.h"

namespace kandrel {

namespace {

UINT BoxType(TMsgDlgType Kind, TMsgDlgButtons Buttons) {
    UINT type = Buttons == mbYesNo ? MB_YESNO : MB_OK;
    switch (Kind) {
        case TMsgDlgType::Warning: type |= MB_ICONWARNING; break;
        case TMsgDlgType::Error: type |= MB_ICONERROR; break;
        case TMsgDlgType::Information: type |= MB_ICONINFORMATION; break;
        case TMsgDlgType::Confirmation: type |= MB_ICONQUESTION; break;
        case TMsgDlgType::Custom: break;
    }
    return type | MB_TASKMODAL;
}

}  // namespace

std::string LocaleDecimalSeparator() {
    wchar_t text[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) <= 1) return ".";
    char utf8[32] = {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return n > 1 ? std::string(utf8) : std::string(".");
}

int32_t ShowMessageBox(const void*, const std::string& Text, const std::string& Title, TMsgDlgType Kind,
                       TMsgDlgButtons Buttons) {
    // Callers run inside the host's calls, where no exception may escape; a box
    // that cannot be shown answers as if declined, so nothing is done unasked.
    try {
        const int result =
            MessageBoxW(nullptr, win32::Widen(Text).c_str(), win32::Widen(Title).c_str(), BoxType(Kind, Buttons));
        if (result != 0) return result;
    } catch (...) {
    }
    return Buttons == mbYesNo ? mrNo : mrOk;
}

}  // namespace kandrel
