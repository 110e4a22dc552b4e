#include "plugin/Plugin.h"

#include <limits>

#include "common/JovCommon.h"

namespace kandrel {

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

// A band's fields in the order of a preset's band list ("Band" + number + field).
constexpr const char* kBandFields[] = {" Active",       " Range From",     " Range To",    " Velocity Min",
                                       " Velocity Max", " Velocity Scale", " Scale Random"};

// Preset data is not clamped, so a stored value may exceed any band field's range.
int32_t RoundToField(float Value) noexcept {
    const int64_t r = RoundSingle(Value);
    if (r > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (r < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

}  // namespace

TVSTPlugin::TVSTPlugin() {
    UniqueID = vst2::FourCharCode('q', 'z', '0', '6');
    EffectName = "Kandrel";
    ProductName = "Kandrel";
    VendorName = "Ostrik88";
    VersionMajor = 1;
    VersionMinor = 0;
    VersionRelease = 0;
    Flags = vst2::effFlagsCanReplacing | vst2::effFlagsProgramChunks | vst2::effFlagsIsSynth;
#if KANDREL_HAS_EDITOR
    Flags |= vst2::effFlagsHasEditor;
#endif
    PlugCategory = vst2::kPlugCategSynth;
    CanDos = {"sendVstEvents", "sendVstMidiEvent", "receiveVstMidiEvent", "2in2out"};
    NumInputs = 0;
    NumOutputs = 2;

    for (const TKandrelParameter& p : KandrelParameters()) {
        vst2::TParameterProperty property;
        property.DisplayName = p.DisplayName;
        property.ShortLabel = p.ShortLabel;
        property.Min = p.Min;
        property.Max = p.Max;
        property.MinInteger = p.MinInteger;
        property.MaxInteger = p.MaxInteger;
        BindHandlers(property, p.Kind);
        ParameterProperties.push_back(std::move(property));
    }
}

TVSTPlugin::~TVSTPlugin() = default;

void TVSTPlugin::BindHandlers(vst2::TParameterProperty& Property, TParameterKind Kind) {
    using Change = void (TVSTPlugin::*)(int32_t, float&) noexcept;
    using Display = void (TVSTPlugin::*)(int32_t, std::string&);
    struct Pair {
        Change OnChange;
        Display OnDisplay;
    };
    static constexpr Pair kHandlers[] = {
        {&TVSTPlugin::FilterType_ParameterChange, &TVSTPlugin::FilterType_CustomParameterDisplay},
        {&TVSTPlugin::Band1_Active_ParameterChange, &TVSTPlugin::Band1_Active_CustomParameterDisplay},
        {&TVSTPlugin::Band1_RangeFrom_ParameterChange, &TVSTPlugin::Band1_RangeFrom_CustomParameterDisplay},
        {&TVSTPlugin::Band1_RangeTo_ParameterChange, &TVSTPlugin::Band1_RangeTo_CustomParameterDisplay},
        {&TVSTPlugin::Band1_VelocityMin_ParameterChange, &TVSTPlugin::Band1_VelocityMin_CustomParameterDisplay},
        {&TVSTPlugin::Band1_VelocityMax_ParameterChange, &TVSTPlugin::Band1_VelocityMax_CustomParameterDisplay},
        {&TVSTPlugin::Band1_VelocityScale_ParameterChange, &TVSTPlugin::Band1_VelocityScale_CustomParameterDisplay},
        {&TVSTPlugin::Band1_Random_ParameterChange, &TVSTPlugin::Band1_Random_CustomParameterDisplay},
    };
    const Pair handlers = kHandlers[static_cast<size_t>(Kind)];
    Property.OnParameterChange = [this, handlers](int32_t Index, float& Value) { (this->*handlers.OnChange)(Index, Value); };
    Property.OnCustomParameterDisplay = [this, handlers](int32_t Index, std::string& PreDefined) {
        (this->*handlers.OnDisplay)(Index, PreDefined);
    };
}

void TVSTPlugin::RegisterParameterValues() {
    for (const TKandrelParameter& p : KandrelParameters()) {
        if (p.Kind == TParameterKind::FilterType)
            ParameterValues->AddValue(p.DisplayName, p.DefaultValue);
        else
            ParameterValues->AddBandValue(p.DisplayName, p.DefaultValue, p.BandIndex);
    }
}

void TVSTPlugin::WritePresetBody(TPresetStreamWriter& Writer) {
    Writer.WriteListBegin();
    Writer.WriteInteger(ParameterValues->GetItem("Filter Type").RoundedValue());
    Writer.WriteListEnd();
    Writer.WriteListBegin();
    std::string name;  // one buffer for all 35 names
    for (int32_t band = 1; band <= Bands->Count(); ++band) {
        const std::string prefix = "Band" + IntToText(band, false);
        Writer.WriteListBegin();
        for (const char* field : kBandFields) {
            name.assign(prefix).append(field);
            Writer.WriteFloat(ParameterValues->GetItem(name).Value());
        }
        Writer.WriteListEnd();
    }
    Writer.WriteListEnd();
}

// Every value goes through SetParameterByName, so its handler runs and the host
// hears of it; a band list beyond the fifth names no parameter and fails.
void TVSTPlugin::ReadPresetBody(TPresetStreamReader& Reader) {
    Reader.ReadListBegin();
    SetParameterByName("Filter Type", Reader.ReadFloat());
    Reader.ReadListEnd();
    Reader.ReadListBegin();
    int32_t band = 0;
    std::string name;  // one buffer for all names
    while (!Reader.EndOfList()) {
        Reader.ReadListBegin();
        ++band;
        const std::string prefix = "Band" + IntToText(band, false);
        for (const char* field : kBandFields) {
            const float value = Reader.ReadFloat();
            name.assign(prefix).append(field);
            SetParameterByName(name, value);
        }
        Reader.ReadListEnd();
    }
    Reader.ReadListEnd();
}

void TVSTPlugin::VSTModuleCreate() {
    PluginVersion = "1.00";
    Bands = std::make_unique<TVelo>();
    TVSTPluginBase::VSTModuleCreate();
}

void TVSTPlugin::VSTModuleDestroy() {
    Bands.reset();
    TVSTPluginBase::VSTModuleDestroy();
}

// --- change handlers ---

TVeloBand* TVSTPlugin::StoreValue(int32_t Index, float Value) noexcept {
    TVSTParameterValue* item = ParameterValues ? ParameterValues->ItemAt(Index) : nullptr;
    if (item == nullptr) return nullptr;
    item->SetValue(Value);
    const int32_t band = item->BandIndex;
    if (!Bands || band < 0 || band >= Bands->Count()) return nullptr;
    return &Bands->GetItem(band);
}

void TVSTPlugin::StoreBandValue(int32_t Index, float Value, TBandField Field) noexcept {
    if (TVeloBand* band = StoreValue(Index, Value)) (band->*Field).store(RoundToField(Value), kRelaxed);
}

void TVSTPlugin::FilterType_ParameterChange(int32_t Index, float& Value) noexcept {
    StoreValue(Index, Value);
    if (Bands) Bands->FilterMode.store(RoundSingle(Value) == 0 ? 0 : 1, kRelaxed);
}

void TVSTPlugin::Band1_Active_ParameterChange(int32_t Index, float& Value) noexcept {
    if (TVeloBand* band = StoreValue(Index, Value)) band->Active.store(RoundSingle(Value) != 0, kRelaxed);
}

void TVSTPlugin::Band1_RangeFrom_ParameterChange(int32_t Index, float& Value) noexcept {
    StoreBandValue(Index, Value, &TVeloBand::RangeFrom);
}
void TVSTPlugin::Band1_RangeTo_ParameterChange(int32_t Index, float& Value) noexcept {
    StoreBandValue(Index, Value, &TVeloBand::RangeTo);
}
void TVSTPlugin::Band1_VelocityMin_ParameterChange(int32_t Index, float& Value) noexcept {
    StoreBandValue(Index, Value, &TVeloBand::VelocityMin);
}
void TVSTPlugin::Band1_VelocityMax_ParameterChange(int32_t Index, float& Value) noexcept {
    StoreBandValue(Index, Value, &TVeloBand::VelocityMax);
}
void TVSTPlugin::Band1_VelocityScale_ParameterChange(int32_t Index, float& Value) noexcept {
    StoreBandValue(Index, Value, &TVeloBand::VelocityScale);
}
void TVSTPlugin::Band1_Random_ParameterChange(int32_t Index, float& Value) noexcept {
    StoreBandValue(Index, Value, &TVeloBand::ScaleRandom);
}

// --- display handlers ---

int32_t TVSTPlugin::RoundedStoredValue(int32_t Index) const noexcept { return RoundToField(ParameterValue(Index)); }

void TVSTPlugin::FilterType_CustomParameterDisplay(int32_t Index, std::string& PreDefined) {
    PreDefined = RoundedStoredValue(Index) == 0 ? "Note Number" : "Incoming Velocity";
}
void TVSTPlugin::Band1_Active_CustomParameterDisplay(int32_t Index, std::string& PreDefined) {
    PreDefined = RoundedStoredValue(Index) == 0 ? "Off" : "On";
}
void TVSTPlugin::Band1_RangeFrom_CustomParameterDisplay(int32_t Index, std::string& PreDefined) {
    PreDefined = IntToAnsiText(RoundedStoredValue(Index), false);
}
void TVSTPlugin::Band1_RangeTo_CustomParameterDisplay(int32_t Index, std::string& PreDefined) {
    PreDefined = IntToAnsiText(RoundedStoredValue(Index), false);
}
void TVSTPlugin::Band1_VelocityMin_CustomParameterDisplay(int32_t Index, std::string& PreDefined) {
    PreDefined = IntToAnsiText(RoundedStoredValue(Index), false);
}
void TVSTPlugin::Band1_VelocityMax_CustomParameterDisplay(int32_t Index, std::string& PreDefined) {
    PreDefined = IntToAnsiText(RoundedStoredValue(Index), false);
}
void TVSTPlugin::Band1_VelocityScale_CustomParameterDisplay(int32_t Index, std::string& PreDefined) {
    PreDefined = IntToAnsiText(RoundedStoredValue(Index), true) + "%";
}
void TVSTPlugin::Band1_Random_CustomParameterDisplay(int32_t Index, std::string& PreDefined) {
    PreDefined = IntToAnsiText(RoundedStoredValue(Index), false);
}

// --- MIDI ---

// Flattened: the whole per-event path becomes one loop body.
[[gnu::flatten]] void TVSTPlugin::VSTModuleProcessEvents(const vst2::VstEvents& Events) noexcept {
    vst2::ForEachMidiEvent(Events, [this](const vst2::VstMidiEvent& MidiEvent) { VSTModuleProcessMidi(MidiEvent); });
}

void TVSTPlugin::VSTModuleProcessMidi(const vst2::VstMidiEvent& MidiEvent) noexcept {
    TVSTPluginBase::VSTModuleProcessMidi(MidiEvent);

    const auto status = static_cast<uint8_t>(MidiEvent.midiData[0]);
    const int32_t kind = status & 0xF0;
    const int32_t channel = status & 0x0F;
    const int32_t d1 = MidiEvent.midiData[1] & 0x7F;
    const int32_t d2 = MidiEvent.midiData[2] & 0x7F;
    const int32_t delta = MidiEvent.deltaFrames;

    switch (kind) {
        case 0x90:
            if (d2 > 0) {
                if (MidiLearnMode() == 3) {
                    // The note belongs to the editor's range box, not to the host.
                    if (vst2::IModuleEditor* editor = EditorForm()) editor->NoteLearned(d1);
                    SetMidiLearnMode(0);
                    return;
                }
                const int32_t velocity = Bands ? Bands->MatchVelocity(d1, d2, Random()) : d2;
                SendNoteOn(channel, d1, velocity, delta);
                return;
            }
            [[fallthrough]];  // a note-on with velocity 0 is a note-off
        case 0x80:
            SendNoteOff(channel, d1, d2, delta);
            return;
        case 0xB0:
            SendControlChange(channel, d1, d2, delta);
            return;
        case 0xA0:
            SendPolyAftertouch(channel, d1, d2, delta);
            return;
        case 0xD0:
            SendChannelAftertouch(channel, d1, delta);
            return;
        case 0xE0:
            SendPitchBend(channel, d1, d2, delta);
            return;
        default:
            return;  // program changes and system messages are dropped
    }
}

}  // namespace kandrel
