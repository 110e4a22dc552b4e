// Kandrel: the plug-in module. Five velocity bands rewrite the velocity of
// every note-on passing through; 36 parameters shape them.
#pragma once

#include <memory>
#include <string>

#include "plugin/KandrelParameters.h"
#include "plugin/VSTPluginBaseDM.h"
#include "plugin/Velo.h"

namespace kandrel {

class TVSTPlugin final : public TVSTPluginBase {
public:
    TVSTPlugin();
    ~TVSTPlugin() override;

    std::unique_ptr<TVelo> Bands;

    void RegisterParameterValues() override;
    // The body of a preset: the rounded filter type, then each band's seven
    // values as they are.
    void ReadPresetBody(TPresetStreamReader& Reader) override;
    void WritePresetBody(TPresetStreamWriter& Writer) override;

    // Change handlers: store the plain value, then the rounded one in the band
    // (or the filter mode). Any thread; allocate nothing, never throw.
    void FilterType_ParameterChange(int32_t Index, float& Value) noexcept;
    void Band1_Active_ParameterChange(int32_t Index, float& Value) noexcept;
    void Band1_RangeFrom_ParameterChange(int32_t Index, float& Value) noexcept;
    void Band1_RangeTo_ParameterChange(int32_t Index, float& Value) noexcept;
    void Band1_VelocityMin_ParameterChange(int32_t Index, float& Value) noexcept;
    void Band1_VelocityMax_ParameterChange(int32_t Index, float& Value) noexcept;
    void Band1_VelocityScale_ParameterChange(int32_t Index, float& Value) noexcept;
    void Band1_Random_ParameterChange(int32_t Index, float& Value) noexcept;

    // Display handlers: the text the host shows for the stored value.
    // User-interface thread.
    void FilterType_CustomParameterDisplay(int32_t Index, std::string& PreDefined);
    void Band1_Active_CustomParameterDisplay(int32_t Index, std::string& PreDefined);
    void Band1_RangeFrom_CustomParameterDisplay(int32_t Index, std::string& PreDefined);
    void Band1_RangeTo_CustomParameterDisplay(int32_t Index, std::string& PreDefined);
    void Band1_VelocityMin_CustomParameterDisplay(int32_t Index, std::string& PreDefined);
    void Band1_VelocityMax_CustomParameterDisplay(int32_t Index, std::string& PreDefined);
    void Band1_VelocityScale_CustomParameterDisplay(int32_t Index, std::string& PreDefined);
    void Band1_Random_CustomParameterDisplay(int32_t Index, std::string& PreDefined);

protected:
    void VSTModuleCreate() override;
    void VSTModuleDestroy() override;
    // Controller handling first, then the band engine. Processing thread.
    void VSTModuleProcessMidi(const vst2::VstMidiEvent& MidiEvent) noexcept override;
    // Runs the handler above for each event without a virtual call per event.
    void VSTModuleProcessEvents(const vst2::VstEvents& Events) noexcept override;

private:
    using TBandField = std::atomic<int32_t> TVeloBand::*;
    // The shared body of the six integer band handlers.
    void StoreBandValue(int32_t Index, float Value, TBandField Field) noexcept;
    // Stores Value in the value store; its band, or null when the index is unknown.
    TVeloBand* StoreValue(int32_t Index, float Value) noexcept;
    // The stored value of Index, rounded.
    int32_t RoundedStoredValue(int32_t Index) const noexcept;
    void BindHandlers(vst2::TParameterProperty& Property, TParameterKind Kind);
};

}  // namespace kandrel
