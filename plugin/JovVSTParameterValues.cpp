#include "plugin/JovVSTParameterValues.h"

#include <cmath>
#include <stdexcept>

#include "common/JovCommon.h"
#include "vst2/VSTModule.h"

namespace kandrel {

int32_t TVSTParameterValue::RoundedValue() const noexcept { return static_cast<int32_t>(RoundSingle(Value())); }

void TVSTParameterValue::Assign(const TVSTParameterValue& Source) noexcept {
    DefaultValue = Source.DefaultValue;
    Name = Source.Name;
    BandIndex = Source.BandIndex;
    SetValue(Source.Value());
}

void TVSTParameterValue::ResetToDefault(bool Force) {
    const float value = Value();
    const bool differs = std::isnan(value) || std::isnan(DefaultValue) || value != DefaultValue;
    if (!differs && !Force) return;
    SetValue(DefaultValue);
    vst2::TVSTModule& module = FOwner.Module();
    module.SetParameter(FIndex, module.GetParameter(FIndex));
}

TVSTParameterValue& TVSTParameterValues::AddValue(const std::string& Name, float Value) {
    auto item = std::make_unique<TVSTParameterValue>(*this, Count());
    item->Name = Name;
    item->DefaultValue = Value;
    item->SetValue(Value);
    FItems.push_back(std::move(item));
    return *FItems.back();
}

TVSTParameterValue& TVSTParameterValues::AddBandValue(const std::string& Name, float Value, int32_t Band) {
    TVSTParameterValue& item = AddValue(Name, Value);
    item.BandIndex = Band;
    return item;
}

int32_t TVSTParameterValues::IndexOf(std::string_view Name) const noexcept {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Name == Name) return static_cast<int32_t>(i);
    return -1;
}

int32_t TVSTParameterValues::FindByName(std::string_view Name) const {
    const int32_t index = IndexOf(Name);
    if (index < 0) throw std::runtime_error("TVSTParameterValues.FindByName - No match: " + std::string(Name));
    return index;
}

TVSTParameterValue& TVSTParameterValues::GetItem(int32_t Index) const {
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + IntToText(Index, false) + ")");
    return *FItems[static_cast<size_t>(Index)];
}

void TVSTParameterValues::ResetToDefaults() {
    for (const auto& item : FItems) item->ResetToDefault(true);
    if (!FItems.empty()) FModule.SetParameter(0, FModule.GetParameter(0));
}

}  // namespace kandrel
