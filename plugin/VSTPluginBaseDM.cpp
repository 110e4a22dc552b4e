#include "plugin/VSTPluginBaseDM.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace kandrel {

TVSTPluginBase::~TVSTPluginBase() = default;

void TVSTPluginBase::VSTModuleCreate() {
    MidiCCList = std::make_unique<TMidiCCList>(*this);
    SetMidiLearnMode(0);
    ParameterValues = std::make_unique<TVSTParameterValues>(*this);
    ReadSettings();
    RegisterParameterValues();
    LoadInitPreset();
}

void TVSTPluginBase::VSTModuleDestroy() {
    MidiCCList.reset();
    ParameterValues.reset();
}

void TVSTPluginBase::SetMidiLearnMode(uint8_t Mode) noexcept {
    FMidiLearnMode.store(Mode, std::memory_order_relaxed);
    if (Mode != 1) FMidiLearnParameterIndex.store(-1, std::memory_order_relaxed);
}

std::string TVSTPluginBase::MidiLearnParameter() const {
    const int32_t index = FMidiLearnParameterIndex.load(std::memory_order_relaxed);
    return index >= 0 && index < numParams() ? ParameterProperties[static_cast<size_t>(index)].DisplayName
                                             : std::string();
}

void TVSTPluginBase::SetMidiLearnParameter(std::string_view Name) noexcept {
    FMidiLearnParameterIndex.store(ParameterIndexOf(Name), std::memory_order_relaxed);
}

float TVSTPluginBase::ParameterValue(int32_t Index) const noexcept {
    const TVSTParameterValue* item = ParameterValues ? ParameterValues->ItemAt(Index) : nullptr;
    return item != nullptr ? item->Value() : 0.0f;
}

void TVSTPluginBase::ResetPreset() {
    SetPresetName("");
    if (ParameterValues) ParameterValues->ResetToDefaults();
    if (MidiCCList) MidiCCList->Clear();
    AfterPresetReset();
}

void TVSTPluginBase::SetPresetName(const std::string& Name) {
    if (Name == PresetName) return;
    PresetName = Name;
    if (vst2::IModuleEditor* editor = EditorForm()) editor->UpdatePresetName();
}

void TVSTPluginBase::LoadInitPreset() { ResetPreset(); }

void TVSTPluginBase::VSTModuleEditIdle() {
    if (vst2::IModuleEditor* editor = EditorForm()) editor->UpdateControls();
}

void TVSTPluginBase::VSTModuleEditGetSize(int16_t& Width, int16_t& Height) {
    if (vst2::IModuleEditor* editor = EditorForm()) editor->GetSize(Width, Height);
}

void TVSTPluginBase::VSTModuleProcess32Replacing(const float* const*, float* const* Outputs,
                                                 int32_t SampleFrames) noexcept {
    vst2::WriteSilence(Outputs, NumOutputs, SampleFrames);
}

void TVSTPluginBase::VSTModuleProcessMidi(const vst2::VstMidiEvent& MidiEvent) noexcept {
    if ((static_cast<uint8_t>(MidiEvent.midiData[0]) & 0xF0) != 0xB0 || !MidiCCList) return;
    const int32_t controller = MidiEvent.midiData[1] & 0x7F;
    if (MidiLearnMode() == 1)
        LearnController(controller);
    else
        MapController(controller, MidiEvent.midiData[2] & 0x7F);
}

void TVSTPluginBase::LearnController(int32_t Controller) noexcept {
    const int32_t parameter = FMidiLearnParameterIndex.load(std::memory_order_relaxed);
    if (parameter < 0 || parameter >= numParams()) return;  // no control clicked yet
    MidiCCList->AssignCCToIndex(parameter, Controller);
    try {
        SetParameter(parameter, GetParameter(parameter));  // the host and the editor hear of it
    } catch (...) {
    }
    if (vst2::IModuleEditor* editor = EditorForm()) {
        // Composed without the heap: this runs on the processing thread.
        const std::string& name = ParameterProperties[static_cast<size_t>(parameter)].DisplayName;
        char text[96];
        const size_t nameLength = std::min(name.size(), sizeof text - 16);
        std::memcpy(text, name.data(), nameLength);
        const int length = std::snprintf(text + nameLength, sizeof text - nameLength, " = CC# %d", Controller);
        editor->ShowInfo(std::string_view(text, nameLength + static_cast<size_t>(std::max(length, 0))));
    }
    SetMidiLearnMode(0);
}

void TVSTPluginBase::MapController(int32_t Controller, int32_t Value) noexcept {
    MidiCCList->ForEachAssigned(Controller, [&](int32_t Parameter) {
        const vst2::TParameterProperty& p = ParameterProperties[static_cast<size_t>(Parameter)];
        const double min = p.Min;
        const double max = p.Max;
        const auto value = static_cast<float>(min + (std::fabs(min) + std::fabs(max)) * (Value / 127.0));
        try {
            SetParameter(Parameter, value);
        } catch (...) {
        }
    });
}

}  // namespace kandrel
