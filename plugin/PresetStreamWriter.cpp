#include "plugin/PresetStreamWriter.h"

#include <utf8/cpp17.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "common/JovCommon.h"
#include "common/LittleEndian.h"
#include "plugin/PresetStreamFormat.h"

namespace kandrel {

void TPresetStreamWriter::WriteSignature() {
    for (const uint8_t byte : kPresetSignature) FBytes.push_back(byte);
}

void TPresetStreamWriter::WriteInteger(int32_t Value) {
    const auto bits = static_cast<uint32_t>(Value);
    if (Value >= -128 && Value <= 127) {
        FBytes.push_back(ptInt8);
        AppendLittleEndian(FBytes, bits, 1);
    } else if (Value >= -32768 && Value <= 32767) {
        FBytes.push_back(ptInt16);
        AppendLittleEndian(FBytes, bits, 2);
    } else {
        FBytes.push_back(ptInt32);
        AppendLittleEndian(FBytes, bits, 4);
    }
}

void TPresetStreamWriter::WriteFloat(float Value) {
    FBytes.push_back(ptExtended);
    const std::array<uint8_t, 10> extended = DoubleToExtended(static_cast<double>(Value));
    FBytes.insert(FBytes.end(), extended.begin(), extended.end());
}

void TPresetStreamWriter::WriteText(std::string_view Text) {
    const std::string valid = ValidUtf8(Text);
    Text = valid;
    if (Text.size() > UINT32_MAX) throw std::length_error("text too long for a preset");
    const std::u16string units = utf8::utf8to16(Text);
    if (Text.size() >= 2 * units.size()) {
        FBytes.push_back(ptWString);
        AppendLittleEndian(FBytes, units.size(), 4);
        for (const char16_t unit : units) AppendLittleEndian(FBytes, unit, 2);
        return;
    }
    const bool ascii = std::all_of(Text.begin(), Text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        FBytes.push_back(ptUtf8String);
        AppendLittleEndian(FBytes, Text.size(), 4);
    } else if (Text.size() <= 255) {
        FBytes.push_back(ptString);
        AppendLittleEndian(FBytes, Text.size(), 1);
    } else {
        FBytes.push_back(ptLString);
        AppendLittleEndian(FBytes, Text.size(), 4);
    }
    FBytes.insert(FBytes.end(), Text.begin(), Text.end());
}

}  // namespace kandrel
