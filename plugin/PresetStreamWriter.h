// Writes the tagged values of a preset stream, always in the smallest form the
// reader of any release accepts (see PresetStreamFormat.h).
// Thread: whichever thread saves; the writer is not shared.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kandrel {

class TPresetStreamWriter {
public:
    // Appends to Bytes.
    explicit TPresetStreamWriter(std::vector<uint8_t>& Bytes) : FBytes(Bytes) {}

    void WriteSignature();
    void WriteListBegin() { FBytes.push_back(0x01); }
    void WriteListEnd() { FBytes.push_back(0x00); }
    // 8-bit for -128..127, 16-bit for -32768..32767, else 32-bit.
    void WriteInteger(int32_t Value);
    // Always the 80-bit extended form of the exact value.
    void WriteFloat(float Value);
    // UTF-8 text (invalid bytes are written as U+FFFD): UTF-16 when that is no
    // longer than the UTF-8 form's half (the empty text included), else UTF-8
    // when any byte is not ASCII, else a short (up to 255 bytes) or long ASCII text.
    void WriteText(std::string_view Text);

private:
    std::vector<uint8_t>& FBytes;
};

}  // namespace kandrel
