// Builds preset streams and their containers byte by byte, the way tests state
// what a reader must accept and what the writer must produce. Only the
// extended-float encoding is shared with the product (it is checked on its own
// against known bytes).
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kandrel::test {

class TPresetBytes {
public:
    TPresetBytes& Raw(std::initializer_list<uint8_t> Bytes);
    TPresetBytes& Signature();                 // "TPF0"
    TPresetBytes& List() { return Raw({0x01}); }
    TPresetBytes& End() { return Raw({0x00}); }
    TPresetBytes& Int(int32_t Value);          // smallest integer form
    TPresetBytes& Extended(double Value);      // 0x05
    TPresetBytes& Double(double Value);        // 0x15
    TPresetBytes& Int64(int64_t Value);        // 0x13
    TPresetBytes& Ansi(std::string_view Text); // 0x06
    TPresetBytes& LongAnsi(std::string_view Text);  // 0x0C
    TPresetBytes& Wide(std::u16string_view Text);   // 0x12
    TPresetBytes& Utf8(std::string_view Text);      // 0x14
    // Little-endian length-less number of Bytes bytes.
    TPresetBytes& Number(uint64_t Value, int Bytes);

    const std::vector<uint8_t>& Bytes() const { return FBytes; }
    // "mmst", the payload length, the payload.
    std::vector<uint8_t> Container() const;

private:
    std::vector<uint8_t> FBytes;
};

// A whole state as the preset stream holds it.
struct TPresetState {
    std::string Name;  // empty or ASCII
    int32_t FilterType = 1;
    // When not empty, written as the filter type's value instead of FilterType.
    std::vector<uint8_t> FilterTypeBytes;
    std::vector<std::array<double, 7>> Bands;
    std::vector<std::pair<std::string, int32_t>> Assignments;
};

// Kandrel's defaults: filter type 1, band 1 active over the whole range, bands 2-5 off.
TPresetState DefaultState();
// The stream of State as the writer lays it out: signature, header ("1.00",
// the name, two empty texts), the body (filter type, band lists), and the
// controller list.
TPresetBytes PresetStream(const TPresetState& State);
// The same up to and with the body's closing 0x00, without the controller list.
TPresetBytes PresetStreamUpToControllers(const TPresetState& State);

}  // namespace kandrel::test
