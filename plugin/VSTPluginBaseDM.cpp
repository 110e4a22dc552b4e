#include "plugin/VSTPluginBaseDM.h"

namespace kandrel {

TVSTPluginBase::~TVSTPluginBase() = default;

void TVSTPluginBase::VSTModuleCreate() {
    SetMidiLearnMode(0);
    ParameterValues = std::make_unique<TVSTParameterValues>(*this);
    ReadSettings();
    RegisterParameterValues();
    LoadInitPreset();
}

void TVSTPluginBase::VSTModuleDestroy() { ParameterValues.reset(); }

void TVSTPluginBase::SetMidiLearnMode(uint8_t Mode) noexcept {
    FMidiLearnMode.store(Mode, std::memory_order_relaxed);
    if (Mode != 1 && !MidiLearnParameter.empty()) MidiLearnParameter.clear();
}

float TVSTPluginBase::ParameterValue(int32_t Index) const noexcept {
    const TVSTParameterValue* item = ParameterValues ? ParameterValues->ItemAt(Index) : nullptr;
    return item != nullptr ? item->Value() : 0.0f;
}

void TVSTPluginBase::ResetPreset() {
    SetPresetName("");
    if (ParameterValues) ParameterValues->ResetToDefaults();
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

void TVSTPluginBase::VSTModuleProcessMidi(const vst2::VstMidiEvent&) noexcept {}

}  // namespace kandrel
