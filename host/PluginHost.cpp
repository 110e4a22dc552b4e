#include "host/PluginHost.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <new>
#include <utility>

#include "host/Utf8Path.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace kandrel::host {

namespace {

constexpr const char* kHostProduct = "kandrel-host";
constexpr size_t kTextBufferBytes = 256;

// The instance whose entry point is running on this thread: the plug-in may
// call back before it has handed its record over, so the record cannot name it yet.
thread_local THostedPlugin* GCreating = nullptr;

// MIDI kinds that carry one data byte.
int32_t MessageSize(uint8_t Status) noexcept {
    const uint8_t kind = Status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
}

#if defined(_WIN32)

void* OpenLibrary(const std::filesystem::path& File) {
    // A failing load must not stop the host on a system error box.
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // The plug-in's own folder is searched first for whatever it depends on.
    HMODULE module = LoadLibraryExW(File.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetErrorMode(previous);
    return reinterpret_cast<void*>(module);
}
void* FindSymbol(void* Handle, const char* Name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(Handle), Name));
}
void CloseLibrary(void* Handle) { FreeLibrary(static_cast<HMODULE>(Handle)); }

#else

void* OpenLibrary(const std::filesystem::path& File) {
    // An absolute name: a bare file name would send the loader to the system folders.
    return dlopen(File.c_str(), RTLD_NOW | RTLD_LOCAL);
}
void* FindSymbol(void* Handle, const char* Name) { return dlsym(Handle, Name); }
void CloseLibrary(void* Handle) { dlclose(Handle); }

#endif

}  // namespace

// --- library ---

TPluginLibrary::TPluginLibrary(const std::string& Path) : FPath(Path) {
    std::filesystem::path file;
    try {
        file = PathFromUtf8(Path);
    } catch (const std::exception& error) {
        throw THostError(Path + ": " + error.what());
    }
    std::error_code ec;
    if (Path.empty() || !std::filesystem::exists(file, ec)) throw THostError(Path + ": file not found");
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    FHandle = OpenLibrary(ec ? file : absolute);
    if (FHandle == nullptr) throw THostError(Path + ": not a plug-in (not a loadable library)");
    void* entry = FindSymbol(FHandle, "VSTPluginMain");
    if (entry == nullptr) entry = FindSymbol(FHandle, "main");
    if (entry == nullptr) {
        CloseLibrary(FHandle);
        FHandle = nullptr;
        throw THostError(Path + ": not a plug-in (no VSTPluginMain or main entry point)");
    }
    FEntry = reinterpret_cast<TEntryPoint>(entry);
}

TPluginLibrary::~TPluginLibrary() {
    if (FHandle != nullptr) CloseLibrary(FHandle);
}

// --- instance ---

THostedPlugin::THostedPlugin(const TPluginLibrary& Library, int32_t HostVersion) : FHostVersion(HostVersion) {
    THostedPlugin* const outer = GCreating;
    GCreating = this;
    vst2::AEffect* effect = nullptr;
    try {
        effect = Library.Entry()(&THostedPlugin::Callback);
    } catch (...) {
        GCreating = outer;
        throw THostError(Library.Path() + ": entry point failed with an exception");
    }
    GCreating = outer;
    if (effect == nullptr) throw THostError(Library.Path() + ": entry point returned no plug-in");
    if (effect->magic != vst2::kEffectMagic)
        throw THostError(Library.Path() + ": entry point returned a record without the plug-in magic");
    effect->user = this;
    FEffect = effect;
}

THostedPlugin::~THostedPlugin() {
    if (FEffect != nullptr) Dispatch(vst2::effClose);
}

intptr_t THostedPlugin::Dispatch(int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr, float Opt) {
    return FEffect->dispatcher(FEffect, Opcode, Index, Value, Ptr, Opt);
}

std::string THostedPlugin::StringRequest(int32_t Opcode, int32_t Index) {
    char buffer[kTextBufferBytes] = {};
    Dispatch(Opcode, Index, 0, buffer);
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

std::string THostedPlugin::ParameterName(int32_t Index) { return StringRequest(vst2::effGetParamName, Index); }
std::string THostedPlugin::ParameterDisplay(int32_t Index) { return StringRequest(vst2::effGetParamDisplay, Index); }
std::string THostedPlugin::ParameterLabel(int32_t Index) { return StringRequest(vst2::effGetParamLabel, Index); }

intptr_t THostedPlugin::CanDo(const std::string& Name) {
    std::vector<char> text(Name.begin(), Name.end());
    text.push_back('\0');
    return Dispatch(vst2::effCanDo, 0, 0, text.data());
}

void THostedPlugin::SetParameter(int32_t Index, float Normalized) { FEffect->setParameter(FEffect, Index, Normalized); }
float THostedPlugin::GetParameter(int32_t Index) { return FEffect->getParameter(FEffect, Index); }

void THostedPlugin::ProcessEvents(const std::vector<TMidiMessage>& Messages) {
    const size_t count = Messages.size();
    FEventRecords.assign(count, vst2::VstMidiEvent{});
    for (size_t i = 0; i < count; ++i) {
        vst2::VstMidiEvent& e = FEventRecords[i];
        e.type = vst2::kVstMidiType;
        e.byteSize = vst2::kMidiEventByteSize;
        e.deltaFrames = Messages[i].DeltaFrames;
        for (int32_t b = 0; b < 3; ++b)
            e.midiData[b] = b < Messages[i].Size ? static_cast<char>(Messages[i].Bytes[b]) : 0;
    }
    // The list's head, then one pointer per event (never fewer than the two the head declares).
    const size_t head = offsetof(vst2::VstEvents, events);
    const size_t slots = std::max<size_t>(count, 2);
    FEventList.assign(head + slots * sizeof(vst2::VstEvent*), std::byte{0});
    auto* list = new (FEventList.data()) vst2::VstEvents{};
    list->numEvents = static_cast<int32_t>(count);
    for (size_t i = 0; i < count; ++i) {
        auto* event = reinterpret_cast<vst2::VstEvent*>(&FEventRecords[i]);
        std::memcpy(FEventList.data() + head + i * sizeof event, &event, sizeof event);
    }
    Dispatch(vst2::effProcessEvents, 0, 0, list);
}

float THostedPlugin::PrefillSample(int32_t Frame) noexcept { return 0.25f + 0.125f * static_cast<float>(Frame % 5); }

void THostedPlugin::Process(int32_t SampleFrames, TProcessKind Kind) {
    const size_t frames = static_cast<size_t>(std::max(SampleFrames, 0));
    const size_t channels = static_cast<size_t>(std::max(FEffect->numOutputs, 2));
    auto prefill = [frames](auto& Buffer) {
        Buffer.resize(frames);
        for (size_t i = 0; i < frames; ++i) Buffer[i] = PrefillSample(static_cast<int32_t>(i));
    };
    if (Kind == TProcessKind::DoubleReplacing) {
        if (FEffect->processDoubleReplacing == nullptr) throw THostError("the plug-in has no double-precision processing");
        FSpareOutputsDouble.resize(channels - 2);
        std::vector<double*> outputs;
        for (auto& channel : FOutputsDouble) outputs.push_back((prefill(channel), channel.data()));
        for (auto& channel : FSpareOutputsDouble) outputs.push_back((prefill(channel), channel.data()));
        FEffect->processDoubleReplacing(FEffect, nullptr, outputs.data(), SampleFrames);
        return;
    }
    const vst2::ProcessProc proc = Kind == TProcessKind::Replacing ? FEffect->processReplacing : FEffect->process;
    if (proc == nullptr)
        throw THostError(Kind == TProcessKind::Replacing ? "the plug-in has no replacing processing"
                                                         : "the plug-in has no accumulating processing");
    FSpareOutputs.resize(channels - 2);
    std::vector<float*> outputs;
    for (auto& channel : FOutputs) outputs.push_back((prefill(channel), channel.data()));
    for (auto& channel : FSpareOutputs) outputs.push_back((prefill(channel), channel.data()));
    proc(FEffect, nullptr, outputs.data(), SampleFrames);
}

std::vector<TMidiMessage> THostedPlugin::TakeReceivedEvents() {
    std::lock_guard lock(FRecordMutex);
    return std::exchange(FReceived, {});
}
std::vector<TAutomation> THostedPlugin::TakeAutomation() {
    std::lock_guard lock(FRecordMutex);
    return std::exchange(FAutomation, {});
}
std::vector<THostRequest> THostedPlugin::TakeRequests() {
    std::lock_guard lock(FRecordMutex);
    return std::exchange(FRequests, {});
}

// --- callback ---

intptr_t THostedPlugin::Callback(vst2::AEffect* Effect, int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr,
                                 float Opt) {
    try {
        // During creation the record's user field is not ours yet (and may hold anything).
        THostedPlugin* host = GCreating;
        if (host == nullptr && Effect != nullptr) host = static_cast<THostedPlugin*>(Effect->user);
        if (host == nullptr) return 0;
        return host->Answer(Opcode, Index, Value, Ptr, Opt);
    } catch (...) {
        return 0;  // nothing may unwind into the plug-in
    }
}

void THostedPlugin::Record(int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr, float Opt) {
    std::lock_guard lock(FRecordMutex);
    FRequests.push_back({Opcode, Index, Value, Opt});
    if (Opcode == vst2::audioMasterAutomate) FAutomation.push_back({Index, Opt});
    if (Opcode == vst2::audioMasterProcessEvents && Ptr != nullptr) {
        const auto* list = static_cast<const vst2::VstEvents*>(Ptr);
        const auto* events = reinterpret_cast<const std::byte*>(list) + offsetof(vst2::VstEvents, events);
        for (int32_t i = 0; i < list->numEvents; ++i) {
            const vst2::VstEvent* event = nullptr;
            std::memcpy(&event, events + static_cast<size_t>(i) * sizeof event, sizeof event);
            if (event == nullptr || event->type != vst2::kVstMidiType) continue;
            const auto* midi = reinterpret_cast<const vst2::VstMidiEvent*>(event);
            TMidiMessage message;
            message.DeltaFrames = midi->deltaFrames;
            message.Size = MessageSize(static_cast<uint8_t>(midi->midiData[0]));
            for (int32_t b = 0; b < message.Size; ++b) message.Bytes[b] = static_cast<uint8_t>(midi->midiData[b]);
            FReceived.push_back(message);
        }
    }
}

intptr_t THostedPlugin::Answer(int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr, float Opt) {
    Record(Opcode, Index, Value, Ptr, Opt);
    switch (Opcode) {
        case vst2::audioMasterVersion:
            return FHostVersion;
        case vst2::audioMasterGetProductString:
            if (Ptr == nullptr) return 0;
            std::memcpy(Ptr, kHostProduct, std::strlen(kHostProduct) + 1);
            return 1;
        case vst2::audioMasterProcessEvents:
            ++FProcessEventsRequests;
            return 0;
        default:
            return 0;
    }
}

}  // namespace kandrel::host
