#include "plugin/VSTPluginBaseDM.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "common/JovCommon.h"
#include "plugin/StyleManager.h"

namespace kandrel {

namespace {

#if defined(_WIN32)
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

std::string ErrorText(const char* Sentence, const char* Message) {
    return std::string(Sentence) + "\r\n\r\n\"" + Message + "\"";
}

}  // namespace

TVSTPluginBase::~TVSTPluginBase() = default;

void TVSTPluginBase::VSTModuleCreate() {
    MidiCCList = std::make_unique<TMidiCCList>(*this);
    SetMidiLearnMode(0);
    ParameterValues = std::make_unique<TVSTParameterValues>(*this);
    const std::string separator(1, kPathSeparator);
    PresetsFolder = GetDocumentsFolder() + separator + "Ostrik88" + separator + ProductName + separator + "Presets" +
                    separator;
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
    return ParameterDisplayName(FMidiLearnParameterIndex.load(std::memory_order_relaxed));
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

void TVSTPluginBase::LoadInitPreset() {
    const std::string path = PresetsFolder + std::string(kInitPresetName) + std::string(kPresetFileExtension);
    if (SafeFileExists(path)) {
        TMemoryStreamChunk chunk;
        bool opened = false;
        try {
            chunk.LoadFromFile(path);
            opened = true;
        } catch (const std::exception&) {
            // Unreadable, or not a container: start from the defaults, silently
            // (this runs while the host creates the plug-in).
        }
        if (opened && LoadPresetFromChunk(chunk, nullptr)) {
            SetPresetName("");
            SetParameter(0, GetParameter(0));
            return;
        }
    }
    ResetPreset();
}

bool TVSTPluginBase::SavePresetToChunk(TMemoryStreamChunk& Chunk, const void* Owner) {
    try {
        Chunk.Clear();
        Chunk.Stream.reserve(1024);  // a whole preset without assignments in one allocation
        TPresetStreamWriter writer(Chunk.Stream);
        writer.WriteSignature();
        writer.WriteListBegin();
        writer.WriteText(PluginVersion);
        writer.WriteText(PresetName);
        writer.WriteText("");  // reserved
        writer.WriteText("");  // reserved
        writer.WriteListEnd();

        writer.WriteListBegin();
        WritePresetBody(writer);
        writer.WriteListEnd();

        writer.WriteListBegin();
        if (MidiCCList) {
            // The processing thread only appends (learning), so the count taken here stays valid.
            const int32_t count = MidiCCList->Count();
            for (int32_t i = 0; i < count; ++i) {
                const TMidiCCItem& item = MidiCCList->GetItem(i);
                writer.WriteListBegin();
                writer.WriteText(item.ParameterName());
                writer.WriteInteger(item.CC());
                writer.WriteListEnd();
            }
        }
        writer.WriteListEnd();
        return true;
    } catch (const std::exception& error) {
        ShowMessageBox(Owner, ErrorText("Error saving preset.", error.what()), "Save Preset", TMsgDlgType::Warning,
                       mbOK);
        return false;
    }
}

bool TVSTPluginBase::LoadPresetFromChunk(TMemoryStreamChunk& Chunk, const void* Owner) {
    try {
        ResetPreset();
        TPresetStreamReader reader(Chunk.Stream.data(), Chunk.Stream.size(), Chunk.Position);
        reader.ReadSignature();
        reader.ReadListBegin();
        reader.ReadText();  // the writer's version: every version reads alike
        SetPresetName(reader.ReadText());
        reader.ReadText();  // reserved
        reader.ReadText();  // reserved
        reader.ReadListEnd();

        reader.ReadListBegin();
        ReadPresetBody(reader);
        reader.ReadListEnd();

        // Streams without assignments may end with a bare 0x00 instead of an empty list.
        if (!reader.EndOfList()) {
            if (MidiCCList) MidiCCList->Clear();
            reader.ReadListBegin();
            while (!reader.EndOfList()) {
                reader.ReadListBegin();
                const std::string name = reader.ReadText();
                const int32_t controller = reader.ReadInteger();
                reader.ReadListEnd();
                if (MidiCCList) MidiCCList->AssignCC(name, controller);
            }
            reader.ReadListEnd();
        }
        Chunk.Position = reader.Position();

        // A name is kept only while a preset of that name exists to go back to.
        if (!PresetName.empty() && !SafeFileExists(PresetsFolder + PresetName + std::string(kPresetFileExtension)))
            SetPresetName("");
        return true;
    } catch (const std::exception& error) {
        ShowMessageBox(Owner, ErrorText("Error loading preset.", error.what()), "Load Preset", TMsgDlgType::Warning,
                       mbOK);
        return false;
    }
}

void TVSTPluginBase::VSTPluginBasePrograms0StoreChunk(int32_t Index, bool) {
    TMemoryStreamChunk chunk;
    SavePresetToChunk(chunk, nullptr);  // a failed save still hands over a (short) container
    std::vector<uint8_t>& bytes = ProgramChunk(Index);
    bytes.clear();
    chunk.SaveToBytes(bytes);
}

void TVSTPluginBase::VSTPluginBasePrograms0LoadChunk(int32_t Index, bool) {
    const std::vector<uint8_t>& bytes = ProgramChunk(Index);
    if (bytes.size() <= TMemoryStreamChunk::HeaderSize || !ParameterValues) return;
    ParameterValues->ResetToDefaults();
    TMemoryStreamChunk chunk;
    try {
        chunk.LoadFromBytes(bytes.data(), bytes.size());
    } catch (const std::exception&) {
        return;  // not a preset container: the values stay at their defaults
    }
    if (!LoadPresetFromChunk(chunk, nullptr)) ParameterValues->ResetToDefaults();
}

// One store for every instance and project of the plug-in, per user.
std::string TVSTPluginBase::SettingsKeyPath() const { return "Software\\Ostrik88\\" + ProductName; }

void TVSTPluginBase::ReadSettings() {
    TJovRegIniFile store(SettingsKeyPath());
    Skin = store.ReadInteger("Config", "Style", 0);
    ReadExtraSettings(store);
}

void TVSTPluginBase::WriteSettings() {
    TJovRegIniFile store(SettingsKeyPath());
    store.WriteInteger("Config", "Style", Skin);
    WriteExtraSettings(store);
}

void TVSTPluginBase::SetSkin(int32_t Index) {
    if (Index == Skin) return;
    Skin = Index;
    WriteSettings();
}

void TVSTPluginBase::ApplySkin() {
    try {
        StyleManager().SetActiveStyle(SkinStyleName(Skin));
    } catch (const std::exception& error) {
        ShowMessageBox(nullptr, ErrorText("Error loading skin.", error.what()), "Load Skin", TMsgDlgType::Warning,
                       mbOK);
    }
}

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
        AutomateParameter(parameter, VSTModuleGetChunkParameter(parameter));  // the host and the editor hear of it
    } catch (...) {
    }
    if (vst2::IModuleEditor* editor = EditorForm()) {
        // Composed without the heap or the C library's locale: this runs on the processing thread.
        const std::string& name = ParameterProperties[static_cast<size_t>(parameter)].DisplayName;
        constexpr std::string_view separator = " = CC# ";
        char text[96];
        const size_t nameLength = std::min(name.size(), sizeof text - 16);
        std::memcpy(text, name.data(), nameLength);
        std::memcpy(text + nameLength, separator.data(), separator.size());
        const auto written = std::to_chars(text + nameLength + separator.size(), std::end(text), Controller);
        editor->ShowInfo(std::string_view(text, static_cast<size_t>(written.ptr - text)));
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
            AutomateParameter(Parameter, value);
        } catch (...) {
        }
    });
}

}  // namespace kandrel
