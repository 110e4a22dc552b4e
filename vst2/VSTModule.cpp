#include "vst2/VSTModule.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "common/JovCommon.h"
#include "common/LittleEndian.h"
#include "vst2/EditorFactory.h"

namespace vst2 {

namespace {

// Host buffers for parameter and program texts are nominally 8 bytes and in
// practice 24 to 256; writing more than a host expects corrupts its memory.
// 24 keeps the 20-character parameter names whole.
constexpr size_t kParamTextBytes = 24;
constexpr size_t kProgramNameBytes = 24;
constexpr size_t kEffectNameBytes = 32;
constexpr size_t kVendorTextBytes = 64;
// Longest text we read from a host pointer (names to set, canDo queries).
constexpr size_t kMaxHostTextIn = 256;

constexpr int32_t kVstVersion = 2400;

void CopyToHost(void* Ptr, std::string_view Text, size_t Capacity) noexcept {
    if (Ptr == nullptr || Capacity == 0) return;
    const size_t n = std::min(Text.size(), Capacity - 1);
    std::memcpy(Ptr, Text.data(), n);
    static_cast<char*>(Ptr)[n] = '\0';
}

std::string_view TextFromHost(const void* Ptr) noexcept {
    if (Ptr == nullptr) return {};
    const auto* text = static_cast<const char*>(Ptr);
    return std::string_view(text, strnlen(text, kMaxHostTextIn));
}

// The names of the VST 2.4 capability list; names in the module's CanDos answer 1.
constexpr std::array<std::string_view, 28> kStandardCanDos = {
    "sendVstEvents", "sendVstMidiEvent", "receiveVstEvents", "receiveVstMidiEvent",
    "receiveVstTimeInfo", "sendVstTimeInfo", "offline", "plugAsChannelInsert", "plugAsSend",
    "mixDryWet", "noRealTime", "multipass", "metapass", "1in1out", "1in2out", "2in1out", "2in2out",
    "2in4out", "4in2out", "4in4out", "4in8out", "8in4out", "8in8out", "midiProgramNames",
    "conformsToWindowRules", "LiveWithoutToolbar", "bypass", "ChainPluginAPI"};

TVSTModule* ModuleOf(AEffect* e) noexcept { return TVSTModule::FromEffect(e); }

intptr_t DispatcherThunk(AEffect* e, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) {
    TVSTModule* m = ModuleOf(e);
    if (m == nullptr) return 0;
    // The one request of the processing thread, taken before the general switch.
    if (opcode == effProcessEvents) {
        m->HostProcessEvents(static_cast<const VstEvents*>(ptr));
        return 0;
    }
    try {
        if (opcode == effClose) {
            CloseModule(m);
            return 1;
        }
        return m->Dispatch(opcode, index, value, ptr, opt);
    } catch (...) {
        return 0;
    }
}
void ProcessThunk(AEffect* e, float** in, float** out, int32_t n) {
    if (TVSTModule* m = ModuleOf(e)) m->HostProcess(in, out, n, true);
}
void ProcessReplacingThunk(AEffect* e, float** in, float** out, int32_t n) {
    if (TVSTModule* m = ModuleOf(e)) m->HostProcess(in, out, n, false);
}
void ProcessDoubleThunk(AEffect* e, double** in, double** out, int32_t n) {
    if (TVSTModule* m = ModuleOf(e)) m->HostProcess(in, out, n, false);
}
void SetParameterThunk(AEffect* e, int32_t index, float value) {
    if (TVSTModule* m = ModuleOf(e)) m->HostSetParameter(index, value);
}
float GetParameterThunk(AEffect* e, int32_t index) {
    TVSTModule* m = ModuleOf(e);
    return m != nullptr ? m->HostGetParameter(index) : 0.0f;
}

// What a closed record answers, should a host call it anyway.
intptr_t InertDispatcher(AEffect*, int32_t, int32_t, intptr_t, void*, float) { return 0; }
void InertProcess(AEffect*, float**, float**, int32_t) {}
void InertProcessDouble(AEffect*, double**, double**, int32_t) {}
void InertSetParameter(AEffect*, int32_t, float) {}
float InertGetParameter(AEffect*, int32_t) { return 0.0f; }

std::runtime_error IndexOutOfBounds(int32_t Index) {
    char text[48];
    std::snprintf(text, sizeof text, "Index out of bounds (%d)", static_cast<int>(Index));
    return std::runtime_error(text);
}

}  // namespace

TVSTModule::TVSTModule() : FEffect(std::make_unique<AEffect>()) {
    AEffect& e = *FEffect;
    e = AEffect{};
    e.magic = kEffectMagic;
    e.dispatcher = DispatcherThunk;
    e.process = ProcessThunk;
    e.setParameter = SetParameterThunk;
    e.getParameter = GetParameterThunk;
    e.processReplacing = ProcessReplacingThunk;
    e.processDoubleReplacing = ProcessDoubleThunk;
    e.object = this;
}

TVSTModule::~TVSTModule() = default;

TVSTModule* TVSTModule::FromEffect(AEffect* Effect) noexcept {
    if (Effect == nullptr || Effect->magic != kEffectMagic) return nullptr;
    return static_cast<TVSTModule*>(Effect->object);
}

void TVSTModule::Create() {
    // The settings are complete now; publish them in the record.
    AEffect& e = *FEffect;
    e.numPrograms = 1;
    e.numParams = numParams();
    e.numInputs = NumInputs;
    e.numOutputs = NumOutputs;
    // Without the editor layer there is no window to offer.
    e.flags = EditorFactory() != nullptr ? Flags : (Flags & ~effFlagsHasEditor);
    e.initialDelay = InitialDelay;
    e.ioRatio = IORatio;
    e.uniqueID = UniqueID;
    e.version = VendorVersion();
    try {
        VSTModuleCreate();
    } catch (const std::exception& error) {
        kandrel::ShowMessageBox(nullptr, error.what(), EffectName, kandrel::TMsgDlgType::Error, kandrel::mbOK);
    }
}

void TVSTModule::SetAudioMaster(HostCallback Callback) {
    FAudioMaster = Callback;
    if (CallHost(audioMasterVersion) == 0) throw std::runtime_error("AudioMaster Error");
}

intptr_t TVSTModule::CallHost(int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr, float Opt) noexcept {
    if (FAudioMaster == nullptr) return 0;
    return FAudioMaster(FEffect.get(), Opcode, Index, Value, Ptr, Opt);
}

// --- parameters ---

void TVSTModule::RunParameterChange(int32_t Index, float Value) {
    const TParameterProperty& p = ParameterProperties[static_cast<size_t>(Index)];
    if (p.OnParameterChange) p.OnParameterChange(Index, Value);
    MarkEditorForUpdate();
}

void TVSTModule::SetParameter(int32_t Index, float Value) {
    if (Index < 0 || Index >= numParams()) throw IndexOutOfBounds(Index);
    AutomateParameter(Index, Value);
}

void TVSTModule::AutomateParameter(int32_t Index, float Value) {
    RunParameterChange(Index, Value);
    const float normalized = ParameterProperties[static_cast<size_t>(Index)].Normalize(Value);
    CallHost(audioMasterAutomate, Index, 0, nullptr, normalized);
}

float TVSTModule::GetParameter(int32_t Index) {
    if (Index < 0 || Index >= numParams()) throw IndexOutOfBounds(Index);
    return VSTModuleGetChunkParameter(Index);
}

int32_t TVSTModule::ParameterIndexOf(std::string_view Name) const noexcept {
    for (size_t i = 0; i < ParameterProperties.size(); ++i)
        if (ParameterProperties[i].DisplayName == Name) return static_cast<int32_t>(i);
    return -1;
}

std::string TVSTModule::ParameterDisplayName(int32_t Index) const {
    return Index >= 0 && Index < numParams() ? ParameterProperties[static_cast<size_t>(Index)].DisplayName
                                             : std::string();
}

namespace {
std::runtime_error UnknownParameterName(std::string_view Name) {
    return std::runtime_error("Unknown parameter name: " + std::string(Name));
}
}  // namespace

void TVSTModule::SetParameterByName(std::string_view Name, float Value) {
    const int32_t index = ParameterIndexOf(Name);
    if (index < 0) throw UnknownParameterName(Name);
    SetParameter(index, Value);
}

float TVSTModule::GetParameterByName(std::string_view Name) {
    const int32_t index = ParameterIndexOf(Name);
    if (index < 0) throw UnknownParameterName(Name);
    return GetParameter(index);
}

void TVSTModule::HostSetParameter(int32_t Index, float Normalized) noexcept {
    if (Index < 0 || Index >= numParams()) return;
    try {
        RunParameterChange(Index, ParameterProperties[static_cast<size_t>(Index)].Denormalize(Normalized));
    } catch (...) {
    }
}

float TVSTModule::HostGetParameter(int32_t Index) noexcept {
    if (Index < 0 || Index >= numParams()) return 0.0f;
    try {
        return ParameterProperties[static_cast<size_t>(Index)].Normalize(VSTModuleGetChunkParameter(Index));
    } catch (...) {
        return 0.0f;
    }
}

// --- audio and MIDI ---

template <class Sample>
void TVSTModule::HostProcess(Sample** Inputs, Sample** Outputs, int32_t SampleFrames, bool Accumulating) noexcept {
    if (SampleFrames <= 0) return;
    // Silence added to the host's buffers leaves them as they are.
    if (!Accumulating) {
        if constexpr (std::is_same_v<Sample, float>)
            VSTModuleProcess32Replacing(Inputs, Outputs, SampleFrames);
        else
            WriteSilence(Outputs, NumOutputs, SampleFrames);
    }
    FlushMidiOutput();
}
template void TVSTModule::HostProcess<float>(float**, float**, int32_t, bool) noexcept;
template void TVSTModule::HostProcess<double>(double**, double**, int32_t, bool) noexcept;

void TVSTModule::HostProcessEvents(const VstEvents* Events) noexcept {
    if (Events == nullptr || Events->numEvents <= 0) return;
    VSTModuleProcessEvents(*Events);
}

void TVSTModule::VSTModuleProcessEvents(const VstEvents& Events) noexcept {
    ForEachMidiEvent(Events, [this](const VstMidiEvent& MidiEvent) { VSTModuleProcessMidi(MidiEvent); });
}

void TVSTModule::FlushMidiOutput() noexcept {
    if (FMidiOutput.Count() == 0) return;
    CallHost(audioMasterProcessEvents, 0, 0, FMidiOutput.AsEventList());
    FMidiOutput.Clear();
}

namespace {
uint8_t Status(int32_t Kind, int32_t Channel) noexcept { return static_cast<uint8_t>(Kind | (Channel & 0x0F)); }
uint8_t DataByte(int32_t Value) noexcept { return static_cast<uint8_t>(Value & 0x7F); }
}  // namespace

void TVSTModule::SendNoteOn(int32_t Channel, int32_t Note, int32_t Velocity, int32_t DeltaFrames) noexcept {
    FMidiOutput.Add(Status(0x90, Channel), DataByte(Note), DataByte(Velocity), DeltaFrames);
}
void TVSTModule::SendNoteOff(int32_t Channel, int32_t Note, int32_t Velocity, int32_t DeltaFrames) noexcept {
    FMidiOutput.Add(Status(0x80, Channel), DataByte(Note), DataByte(Velocity), DeltaFrames);
}
void TVSTModule::SendControlChange(int32_t Channel, int32_t Number, int32_t Value, int32_t DeltaFrames) noexcept {
    FMidiOutput.Add(Status(0xB0, Channel), DataByte(Number), DataByte(Value), DeltaFrames);
}
void TVSTModule::SendPolyAftertouch(int32_t Channel, int32_t Note, int32_t Pressure, int32_t DeltaFrames) noexcept {
    FMidiOutput.Add(Status(0xA0, Channel), DataByte(Note), DataByte(Pressure), DeltaFrames);
}
void TVSTModule::SendChannelAftertouch(int32_t Channel, int32_t Pressure, int32_t DeltaFrames) noexcept {
    FMidiOutput.Add(Status(0xD0, Channel), DataByte(Pressure), 0, DeltaFrames);
}
void TVSTModule::SendPitchBend(int32_t Channel, int32_t Data1, int32_t Data2, int32_t DeltaFrames) noexcept {
    FMidiOutput.Add(Status(0xE0, Channel), DataByte(Data1), DataByte(Data2), DeltaFrames);
}

// --- dispatcher ---

intptr_t TVSTModule::CanDo(std::string_view Name) const {
    if (std::find(CanDos.begin(), CanDos.end(), Name) != CanDos.end()) return 1;
    if (std::find(kStandardCanDos.begin(), kStandardCanDos.end(), Name) != kStandardCanDos.end()) return -1;
    return 0;
}

intptr_t TVSTModule::Dispatch(int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr, float Opt) {
    const bool validParam = Index >= 0 && Index < numParams();
    switch (Opcode) {
        case effOpen:
            return 0;
        case effSetProgram:
        case effGetProgram:
            return 0;  // one program, always current
        case effSetProgramName:
            if (Ptr != nullptr) FProgramName = std::string(TextFromHost(Ptr).substr(0, kProgramNameBytes - 1));
            return 0;
        case effGetProgramName:
            CopyToHost(Ptr, FProgramName, kProgramNameBytes);
            return 0;
        case effGetProgramNameIndexed:
            if (Index != 0) return 0;
            CopyToHost(Ptr, FProgramName, kProgramNameBytes);
            return 1;
        case effGetParamLabel:
            if (validParam) CopyToHost(Ptr, "", kParamTextBytes);
            return 0;
        case effGetParamDisplay:
            if (validParam) {
                const TParameterProperty& p = ParameterProperties[static_cast<size_t>(Index)];
                std::string text = kandrel::SingleToText(VSTModuleGetChunkParameter(Index), false);
                if (p.OnCustomParameterDisplay) p.OnCustomParameterDisplay(Index, text);
                CopyToHost(Ptr, text, kParamTextBytes);
            }
            return 0;
        case effGetParamName:
            if (validParam) CopyToHost(Ptr, ParameterProperties[static_cast<size_t>(Index)].DisplayName, kParamTextBytes);
            return 0;
        case effSetSampleRate:
            FSampleRate.store(Opt, std::memory_order_relaxed);
            return 1;
        case effMainsChanged:
            if (Value == 0) CallHost(audioMasterWantMidi, 0, 1);
            return 0;
        case effEditGetRect:
            return EditGetRect(static_cast<ERect**>(Ptr));
        case effEditOpen:
            return EditOpen(Ptr);
        case effEditClose:
            EditClose();
            return 0;
        case effEditIdle:
            if (FEditorNeedUpdate.exchange(false, std::memory_order_relaxed)) VSTModuleEditIdle();
            return 0;
        case effGetChunk:
            return GetChunk(Index == 0, static_cast<void**>(Ptr));
        case effSetChunk:
            return SetChunk(Index == 0, Ptr, Value);
        case effProcessEvents:
            HostProcessEvents(static_cast<const VstEvents*>(Ptr));
            return 0;
        case effCanBeAutomated:
            return 1;
        case effString2Parameter:
            if (validParam) RunParameterChange(Index, VSTModuleGetChunkParameter(Index));
            return 0;
        case effGetPlugCategory:
            return PlugCategory;
        case effGetEffectName:
            CopyToHost(Ptr, EffectName, kEffectNameBytes);
            return 1;
        case effGetVendorString:
            CopyToHost(Ptr, VendorName, kVendorTextBytes);
            return 1;
        case effGetProductString:
            CopyToHost(Ptr, ProductName, kVendorTextBytes);
            return 1;
        case effGetVendorVersion:
            return VendorVersion();
        case effCanDo:
            return CanDo(TextFromHost(Ptr));
        case effGetTailSize:
        case effGetParameterProperties:
            return 0;
        case effKeysRequired:
            return 1;
        case effGetVstVersion:
            return kVstVersion;
        default:
            return 0;
    }
}

// --- editor ---

intptr_t TVSTModule::EditGetRect(ERect** Rect) {
    if (Rect == nullptr) return 0;
    *Rect = nullptr;
    if (EditorForm() == nullptr) return 0;
    int16_t width = 0;
    int16_t height = 0;
    VSTModuleEditGetSize(width, height);
    FEditRect = ERect{0, 0, height, width};
    *Rect = &FEditRect;
    return 1;
}

intptr_t TVSTModule::EditOpen(void* ParentWindow) {
    const TEditorFactory factory = EditorFactory();
    if (ParentWindow == nullptr || factory == nullptr) return 0;
    VSTModuleBeforeEditOpen();
    EditClose();
    std::unique_ptr<IModuleEditor> editor = factory(*this, ParentWindow);
    if (!editor) return 0;
    FEditorGate.Open(std::move(editor));
    SetEditorForm(&FEditorGate);
    return 1;
}

void TVSTModule::EditClose() {
    if (!FEditorGate.IsOpen()) return;
    SetEditorForm(nullptr);
    FEditorGate.Close();
    VSTModuleAfterEditClose();
}

// --- chunks ---

// Program: the program's chunk bytes. Bank: for the one program, the 32-bit
// little-endian length of its chunk bytes, then those bytes.
intptr_t TVSTModule::GetChunk(bool IsBank, void** Data) {
    if (Data == nullptr) return 0;
    *Data = nullptr;
    ProgramStoreChunk(0, !IsBank);
    const std::vector<uint8_t>& program = FProgramChunk;
    FHostChunk.clear();
    if (IsBank) {
        kandrel::AppendLittleEndian(FHostChunk, static_cast<uint32_t>(program.size()), 4);
    }
    FHostChunk.insert(FHostChunk.end(), program.begin(), program.end());
    *Data = FHostChunk.data();
    return static_cast<intptr_t>(FHostChunk.size());
}

// A bank holds one length-prefixed program chunk; its load runs for that
// program and once more for the current one, as hosts of banks expect. A
// prefix that promises more than the host's bytes hold makes the bank unusable,
// like a too-short chunk: nothing is read past Size and nothing changes.
intptr_t TVSTModule::SetChunk(bool IsBank, const void* Data, intptr_t Size) {
    if (Data == nullptr || Size <= 0) return 0;
    MarkEditorForUpdate();
    const auto* bytes = static_cast<const uint8_t*>(Data);
    auto size = static_cast<size_t>(Size);
    if (IsBank) {
        if (size < 4) return 0;
        const auto length = static_cast<uint32_t>(kandrel::ReadLittleEndian(bytes, 4));
        if (length > size - 4) return 0;
        bytes += 4;
        size = length;
    }
    FProgramChunk.assign(bytes, bytes + size);
    ProgramLoadChunk(0, !IsBank);
    if (IsBank) ProgramLoadChunk(0, false);  // the current program
    return 1;
}

// --- closing ---

void TVSTModule::Destroy() noexcept {
    try {
        EditClose();  // an open editor goes with the module, before the module's parts
    } catch (...) {
    }
    try {
        VSTModuleDestroy();
    } catch (...) {
    }
}

std::unique_ptr<AEffect> TVSTModule::RetireRecord() noexcept {
    AEffect* e = FEffect.get();
    e->dispatcher = InertDispatcher;
    e->process = InertProcess;
    e->processReplacing = InertProcess;
    e->processDoubleReplacing = InertProcessDouble;
    e->setParameter = InertSetParameter;
    e->getParameter = InertGetParameter;
    e->object = nullptr;
    return std::move(FEffect);
}

}  // namespace vst2
