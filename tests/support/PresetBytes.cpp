#include "tests/support/PresetBytes.h"

#include <bit>

#include "plugin/PresetStreamFormat.h"

namespace kandrel::test {

TPresetBytes& TPresetBytes::Raw(std::initializer_list<uint8_t> Bytes) {
    FBytes.insert(FBytes.end(), Bytes.begin(), Bytes.end());
    return *this;
}

TPresetBytes& TPresetBytes::Number(uint64_t Value, int Bytes) {
    for (int i = 0; i < Bytes; ++i) FBytes.push_back(static_cast<uint8_t>(Value >> (8 * i)));
    return *this;
}

TPresetBytes& TPresetBytes::Signature() { return Raw({'T', 'P', 'F', '0'}); }

TPresetBytes& TPresetBytes::Int(int32_t Value) {
    if (Value >= -128 && Value <= 127) return Raw({0x02}).Number(static_cast<uint32_t>(Value), 1);
    if (Value >= -32768 && Value <= 32767) return Raw({0x03}).Number(static_cast<uint32_t>(Value), 2);
    return Raw({0x04}).Number(static_cast<uint32_t>(Value), 4);
}

TPresetBytes& TPresetBytes::Extended(double Value) {
    const std::array<uint8_t, 10> bytes = DoubleToExtended(Value);
    Raw({0x05});
    FBytes.insert(FBytes.end(), bytes.begin(), bytes.end());
    return *this;
}

TPresetBytes& TPresetBytes::Double(double Value) { return Raw({0x15}).Number(std::bit_cast<uint64_t>(Value), 8); }

TPresetBytes& TPresetBytes::Int64(int64_t Value) { return Raw({0x13}).Number(static_cast<uint64_t>(Value), 8); }

TPresetBytes& TPresetBytes::Ansi(std::string_view Text) {
    Raw({0x06}).Number(Text.size(), 1);
    FBytes.insert(FBytes.end(), Text.begin(), Text.end());
    return *this;
}

TPresetBytes& TPresetBytes::LongAnsi(std::string_view Text) {
    Raw({0x0C}).Number(Text.size(), 4);
    FBytes.insert(FBytes.end(), Text.begin(), Text.end());
    return *this;
}

TPresetBytes& TPresetBytes::Wide(std::u16string_view Text) {
    Raw({0x12}).Number(Text.size(), 4);
    for (const char16_t unit : Text) Number(unit, 2);
    return *this;
}

TPresetBytes& TPresetBytes::Utf8(std::string_view Text) {
    Raw({0x14}).Number(Text.size(), 4);
    FBytes.insert(FBytes.end(), Text.begin(), Text.end());
    return *this;
}

std::vector<uint8_t> TPresetBytes::Container() const {
    TPresetBytes container;
    container.Raw({'m', 'm', 's', 't'}).Number(FBytes.size(), 4);
    std::vector<uint8_t> bytes = container.Bytes();
    bytes.insert(bytes.end(), FBytes.begin(), FBytes.end());
    return bytes;
}

TPresetState DefaultState() {
    TPresetState state;
    state.Bands.push_back({1, 0, 127, 0, 127, 0, 0});
    for (int band = 2; band <= 5; ++band) state.Bands.push_back({0, 0, 127, 0, 127, 0, 0});
    return state;
}

TPresetBytes PresetStreamUpToControllers(const TPresetState& State) {
    TPresetBytes bytes;
    bytes.Signature().List().Ansi("1.00");
    if (State.Name.empty())
        bytes.Wide(u"");
    else
        bytes.Ansi(State.Name);
    bytes.Wide(u"").Wide(u"").End();
    bytes.List().List();
    if (State.FilterTypeBytes.empty())
        bytes.Int(State.FilterType);
    else
        for (const uint8_t byte : State.FilterTypeBytes) bytes.Raw({byte});
    bytes.End().List();
    for (const auto& band : State.Bands) {
        bytes.List();
        for (const double value : band) bytes.Extended(value);
        bytes.End();
    }
    bytes.End().End();
    return bytes;
}

TPresetBytes PresetStream(const TPresetState& State) {
    TPresetBytes bytes = PresetStreamUpToControllers(State);
    bytes.List();
    for (const auto& [name, controller] : State.Assignments) bytes.List().Ansi(name).Int(controller).End();
    bytes.End();
    return bytes;
}

}  // namespace kandrel::test
