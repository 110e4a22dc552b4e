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
#include "plugin/JovRegistry.h"
#include "plugin/JovVSTParameterValues.h"
#include "plugin/MemoryStreamChunk.h"
#include "plugin/PresetStreamReader.h"
#include "plugin/PresetStreamWriter.h"
#include "vst2/VSTModule.h"

namespace kandrel {

// Preset files: the preset's name plus this, in PresetsFolder; "init" + this
// gives a new instance its state.
inline constexpr std::string_view kPresetFileExtension = ".ostrik88p";
inline constexpr std::string_view kInitPresetName = "init";

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
    // Makes the style of Skin the active one (StyleManager); a style that
    // cannot be activated shows the "Load Skin" box, and the previous style stays.
    // Called before each editor window is created. User-interface thread.
    virtual void ApplySkin();
    virtual void RegisterParameterValues() {}
    virtual void AfterPresetReset() {}
    // --- settings: SettingsKeyPath(), section "Config" ---
    // "Software\Ostrik88\" + ProductName.
    std::string SettingsKeyPath() const;
    // Skin := "Style" (0 when missing or not a number). Runs during creation.
    virtual void ReadSettings();
    // Stores Skin as "Style"; throws std::runtime_error when it cannot be written.
    virtual void WriteSettings();
    // The plug-in's own entries, read and written with the same open store.
    virtual void ReadExtraSettings(TJovRegIniFile& /*Store*/) {}
    virtual void WriteExtraSettings(TJovRegIniFile& /*Store*/) {}
    // Remembers a newly chosen skin (written only when it differs from Skin);
    // it takes effect at the next ApplySkin.
    void SetSkin(int32_t Index);
    virtual std::string GetButtonCaption(const std::string& /*ParameterName*/, int32_t /*Value*/) { return {}; }
    // The plug-in's part of the preset stream, between the header and the
    // controller list. Throwing EPresetStreamError or any std::exception fails the load or save.
    virtual void ReadPresetBody(TPresetStreamReader& /*Reader*/) {}
    virtual void WritePresetBody(TPresetStreamWriter& /*Writer*/) {}

    // --- presets ---
    // Empty name, every value back to its default, no controller assignments.
    void ResetPreset();
    // Tells an open editor when the name really changes.
    void SetPresetName(const std::string& Name);
    // The start-up state: the init preset when its file exists and loads
    // (with an empty name), else the defaults.
    void LoadInitPreset();
    // Writes the whole state as a preset stream into the chunk's payload. On
    // error the "Save Preset" box over Owner (null: none) and false.
    bool SavePresetToChunk(TMemoryStreamChunk& Chunk, const void* Owner);
    // Resets, then reads the state from the chunk's payload at its position.
    // On error the "Load Preset" box over Owner and false; what was read before
    // the error stays applied. The name stays only when its preset file exists.
    bool LoadPresetFromChunk(TMemoryStreamChunk& Chunk, const void* Owner);
    // The program's chunk events: the host's effGetChunk / effSetChunk.
    void VSTPluginBasePrograms0StoreChunk(int32_t Index, bool isPreset);
    void VSTPluginBasePrograms0LoadChunk(int32_t Index, bool isPreset);

    // The store's value at Index, 0 outside it. Any thread.
    float ParameterValue(int32_t Index) const noexcept;

protected:
    void VSTModuleCreate() override;
    void VSTModuleDestroy() override;
    float VSTModuleGetChunkParameter(int32_t Index) override { return ParameterValue(Index); }
    void VSTModuleEditIdle() override;
    void VSTModuleEditGetSize(int16_t& Width, int16_t& Height) override;
    // The skin is applied first, so the new window takes its colours from it.
    void VSTModuleBeforeEditOpen() override { ApplySkin(); }
    // Closing the window also ends any learn mode it started.
    void VSTModuleAfterEditClose() override { SetMidiLearnMode(0); }
    void ProgramStoreChunk(int32_t Index, bool IsPreset) override { VSTPluginBasePrograms0StoreChunk(Index, IsPreset); }
    void ProgramLoadChunk(int32_t Index, bool IsPreset) override { VSTPluginBasePrograms0LoadChunk(Index, IsPreset); }
    void VSTModuleProcess32Replacing(const float* const* Inputs, float* const* Outputs,
                                     int32_t SampleFrames) noexcept override;
    // Controller learning and mapping run here, before the plug-in's own handling.
    void VSTModuleProcessMidi(const vst2::VstMidiEvent& MidiEvent) noexcept override;

private:
    // Learns or maps one control change. Processing thread. Kept out of the
    // flattened per-event loop: control changes are rare next to notes.
    [[gnu::noinline]] void LearnController(int32_t Controller) noexcept;
    [[gnu::noinline]] void MapController(int32_t Controller, int32_t Value) noexcept;

    std::atomic<uint8_t> FMidiLearnMode{0};
    std::atomic<int32_t> FMidiLearnParameterIndex{-1};
};

}  // namespace kandrel
