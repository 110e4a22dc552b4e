// The reusable plug-in base: named parameter values, the current preset's
// name, learn mode, and the create/destroy order every plug-in of this family
// shares. The plug-in class fills the empty hooks.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "plugin/JovMidiCC.h"
#include "plugin/JovVSTParameterValues.h"
#include "vst2/VSTModule.h"

namespace kandrel {

class TVSTPluginBase : public vst2::TVSTModule {
public:
    TVSTPluginBase() = default;
    ~TVSTPluginBase() override;

    // --- fields (user-interface thread unless said otherwise) ---
    std::string PresetName;
    std::unique_ptr<TMidiCCList> MidiCCList;
    std::unique_ptr<TVSTParameterValues> ParameterValues;
    std::string PresetsFolder;
    int32_t Skin = 0;
    std::string PluginVersion;

    // 0 none, 1 learn a controller, 2 set a controller number, 3 learn a note.
    // Any thread.
    uint8_t MidiLearnMode() const noexcept { return FMidiLearnMode.load(std::memory_order_relaxed); }
    // Stores the mode (also when unchanged); any mode but 1 forgets the waiting parameter.
    void SetMidiLearnMode(uint8_t Mode) noexcept;
    // The parameter waiting for a controller in mode 1; empty while none. Kept
    // as a parameter index so the processing thread reads it without a string.
    std::string MidiLearnParameter() const;
    // User-interface thread (a control was clicked). A name that no parameter has waits for nothing.
    void SetMidiLearnParameter(std::string_view Name) noexcept;

    // --- virtual operations ---
    virtual void ApplySkin() {}
    virtual void RegisterParameterValues() {}
    virtual void AfterPresetReset() {}
    virtual void ReadSettings() {}
    virtual void WriteSettings() {}
    virtual std::string GetButtonCaption(const std::string& /*ParameterName*/, int32_t /*Value*/) { return {}; }

    // --- presets ---
    // Empty name, every value back to its default, no controller assignments.
    void ResetPreset();
    // Tells an open editor when the name really changes.
    void SetPresetName(const std::string& Name);
    // The start-up state: the init preset once presets exist, else the defaults.
    void LoadInitPreset();

    // The store's value at Index, 0 outside it. Any thread.
    float ParameterValue(int32_t Index) const noexcept;

protected:
    void VSTModuleCreate() override;
    void VSTModuleDestroy() override;
    float VSTModuleGetChunkParameter(int32_t Index) override { return ParameterValue(Index); }
    void VSTModuleEditIdle() override;
    void VSTModuleEditGetSize(int16_t& Width, int16_t& Height) override;
    void VSTModuleProcess32Replacing(const float* const* Inputs, float* const* Outputs,
                                     int32_t SampleFrames) noexcept override;
    // Controller learning and mapping run here, before the plug-in's own handling.
    void VSTModuleProcessMidi(const vst2::VstMidiEvent& MidiEvent) noexcept override;

private:
    // Learns or maps one control change. Processing thread.
    void LearnController(int32_t Controller) noexcept;
    void MapController(int32_t Controller, int32_t Value) noexcept;

    std::atomic<uint8_t> FMidiLearnMode{0};
    std::atomic<int32_t> FMidiLearnParameterIndex{-1};
};

}  // namespace kandrel
