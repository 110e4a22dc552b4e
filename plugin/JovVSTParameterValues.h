// The module's own store of every parameter's current value, by position and
// by name, with its default and the band it feeds.
//
// Items are added once during module creation and never removed, so positions
// stay valid for the module's life. Value is atomic: change handlers write it on
// whichever thread sets the parameter, the host, the preset writer and the
// editor read it on theirs.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vst2 {
class TVSTModule;
}

namespace kandrel {

class TVSTParameterValues;

class TVSTParameterValue {
public:
    TVSTParameterValue(TVSTParameterValues& Owner, int32_t Index) : FOwner(Owner), FIndex(Index) {}

    float DefaultValue = 0.0f;
    std::string Name;
    int32_t BandIndex = 0;

    float Value() const noexcept { return FValue.load(std::memory_order_relaxed); }
    void SetValue(float V) noexcept { FValue.store(V, std::memory_order_relaxed); }
    int32_t Index() const noexcept { return FIndex; }
    // Value rounded to the nearest integer, halves to even.
    int32_t RoundedValue() const noexcept;
    // Copies all four fields.
    void Assign(const TVSTParameterValue& Source) noexcept;
    // Restores the default through the module's SetParameter when the value
    // differs from it (a NaN counts as different) or when Force is set.
    void ResetToDefault(bool Force);

private:
    TVSTParameterValues& FOwner;
    int32_t FIndex;
    std::atomic<float> FValue{0.0f};
};

class TVSTParameterValues {
public:
    explicit TVSTParameterValues(vst2::TVSTModule& Module) : FModule(Module) {}

    TVSTParameterValue& AddValue(const std::string& Name, float Value);
    TVSTParameterValue& AddBandValue(const std::string& Name, float Value, int32_t Band);
    // Position of the first item named exactly Name; throws
    // "TVSTParameterValues.FindByName - No match: <name>".
    int32_t FindByName(std::string_view Name) const;
    // Same search without the error: -1 when none. Allocates nothing.
    int32_t IndexOf(std::string_view Name) const noexcept;
    // By position; throws std::out_of_range outside 0..Count-1.
    TVSTParameterValue& GetItem(int32_t Index) const;
    TVSTParameterValue& GetItem(std::string_view Name) const { return GetItem(FindByName(Name)); }
    // By position without the error: null outside 0..Count-1. For the processing thread.
    TVSTParameterValue* ItemAt(int32_t Index) const noexcept {
        return Index >= 0 && Index < Count() ? FItems[static_cast<size_t>(Index)].get() : nullptr;
    }
    TVSTParameterValue& operator[](int32_t Index) const { return GetItem(Index); }
    TVSTParameterValue& operator[](std::string_view Name) const { return GetItem(Name); }
    int32_t Count() const noexcept { return static_cast<int32_t>(FItems.size()); }
    // Every item back to its default (forced), then parameter 0 once more.
    void ResetToDefaults();

    vst2::TVSTModule& Module() const noexcept { return FModule; }

private:
    vst2::TVSTModule& FModule;
    std::vector<std::unique_ptr<TVSTParameterValue>> FItems;
};

}  // namespace kandrel
