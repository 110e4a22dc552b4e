#include <clocale>
#include <cstdio>

#include "common/JovCommon.h"

namespace kandrel {

std::string LocaleDecimalSeparator() {
    const std::lconv* conv = std::localeconv();
    return conv != nullptr && conv->decimal_point != nullptr && *conv->decimal_point ? conv->decimal_point : ".";
}

int32_t ShowMessageBox(const void*, const std::string& Text, const std::string& Title, TMsgDlgType,
                       TMsgDlgButtons Buttons) {
    std::fprintf(stderr, "%s: %s\n", Title.c_str(), Text.c_str());
    return Buttons == mbYesNo ? mrNo : mrOk;
}

}  // namespace kandrel
