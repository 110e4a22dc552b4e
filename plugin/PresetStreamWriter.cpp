#include "plugin/PresetStreamWriter.h"

#include <utf8/cpp17.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "plugin/PresetStreamFormat.h"

namespace kandrel {

void TPresetStreamWriter::WriteLittleEndian(uint64_t Value, int Bytes) {
    for (int i = 0; i < Bytes; ++i) FBytes.push_back(static_cast<uint8_t>(Value >> (8 * i)));
}

void TPresetStreamWriter::WriteSignature() {
    for (const uint8_t byte : kPresetSignature) FBytes.push_back(byte);
}

void TPresetStreamWriter::WriteInteger(int32_t Value) {
    const auto bits = static_cast<uint32_t>(Value);
    if (Value >= -128 && Value <= 127) {
        FBytes.push_back(ptInt8);
        WriteLittleEndian(bits, 1);
    } else if (Value >= -32768 && Value <= 32767) {
        FBytes.push_back(ptInt16);
        WriteLittleEndian(bits, 2);
    } else {
        FBytes.push_back(ptInt32);
        WriteLittleEndian(bits, 4);
    }
}

void TPresetStreamWriter::WriteFloat(float Value) {
    FBytes.push_back(ptExtended);
    const std::array<uint8_t, 10> extended = DoubleToExtended(static_cast<double>(Value));
    FBytes.insert(FBytes.end(), extended.begin(), extended.end());
}

void TPresetStreamWriter::WriteText(std::string_view Text) {
    std::string repaired;
    if (!utf8::is_valid(Text)) {
        repaired = utf8::replace_invalid(Text);
        Text = repaired;
    }
    if (Text.size() > UINT32_MAX) throw std::length_error("text too long for a preset");
    const std::u16string units = utf8::utf8to16(Text);
    if (Text.size() >= 2 * units.size()) {
        FBytes.push_back(ptWString);
        WriteLittleEndian(units.size(), 4);
        for (const char16_t unit : units) WriteLittleEndian(unit, 2);
        return;
    }
    const bool ascii = std::all_of(Text.begin(), Text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        FBytes.push_back(ptUtf8String);
        WriteLittleEndian(Text.size(), 4);
    } else if (Text.size() <= 255) {
        FBytes.push_back(ptString);
        WriteLittleEndian(Text.size(), 1);
    } else {
        FBytes.push_back(ptLString);
        WriteLittleEndian(Text.size(), 4);
    }
    FBytes.insert(FBytes.end(), Text.begin(), Text.end());
}

}  // namespace kandrel
