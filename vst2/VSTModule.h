// The module behind a plug-in record: identity, the dispatcher's answers, the
// parameter property table, the one program, silent audio and the MIDI output
// queue. A plug-in derives from it and fills the VSTModule* event hooks.
//
// Threads, as hosts call them:
//  - processing thread: processReplacing / processDoubleReplacing / process,
//    effProcessEvents and usually setParameter; the hooks reached from there
//    (VSTModuleProcessMidi, VSTModuleProcess32Replacing, parameter change
//    handlers) must not allocate, lock, make system calls or throw;
//  - user-interface thread: every other dispatcher request (names, display
//    texts, editor, chunks, idle), the module's own SetParameter from the editor;
//  - creation and destruction: the thread that calls the entry point / effClose.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vst2/EditorGate.h"
#include "vst2/MidiOutputQueue.h"
#include "vst2/ModuleEditor.h"
#include "vst2/ParameterProperty.h"
#include "vst2/RandomGenerator.h"
#include "vst2/VstInterface.h"

namespace vst2 {

class TVSTModule {
public:
    TVSTModule();
    virtual ~TVSTModule();
    TVSTModule(const TVSTModule&) = delete;
    TVSTModule& operator=(const TVSTModule&) = delete;

    // Runs the create event. An error inside it goes to the standard error box
    // and ends the event early; the module is still usable.
    void Create();
    // Hands the host callback over and asks the host's version; throws
    // "AudioMaster Error" when the host answers 0.
    void SetAudioMaster(HostCallback Callback);
    // Runs the destroy event (effClose); the object is deleted right after.
    void Destroy() noexcept;
    AEffect* Effect() noexcept { return FEffect.get(); }
    static TVSTModule* FromEffect(AEffect* Effect) noexcept;

    // --- identity and host-visible settings, set by the derived constructor ---
    int32_t UniqueID = 0;
    std::string EffectName;
    std::string ProductName;
    std::string VendorName;
    int32_t VersionMajor = 1, VersionMinor = 0, VersionRelease = 0;
    int32_t Flags = 0;
    int32_t PlugCategory = kPlugCategEffect;
    std::vector<std::string> CanDos;  // answered 1; the rest of the standard list -1
    int32_t NumInputs = 0;
    int32_t NumOutputs = 2;
    float IORatio = 1.0f;
    int32_t InitialDelay = 0;
    std::vector<TParameterProperty> ParameterProperties;

    int32_t VendorVersion() const noexcept { return VersionMajor * 1000 + VersionMinor * 100 + VersionRelease; }
    int32_t numParams() const noexcept { return static_cast<int32_t>(ParameterProperties.size()); }
    float SampleRate() const noexcept { return FSampleRate.load(std::memory_order_relaxed); }
    const std::string& CurrentProgramName() const noexcept { return FProgramName; }
    // The chunk bytes of program Index (there is one program; every index names
    // it): the store hook fills them for effGetChunk, effSetChunk puts the
    // host's bytes there for the load hook. User-interface thread.
    std::vector<uint8_t>& ProgramChunk(int32_t /*Index*/) noexcept { return FProgramChunk; }

    // --- parameters (plain values) ---
    // Runs the change handler with Value as given, then tells the host
    // (automation, normalised) and marks the editor for an update.
    // Throws "Index out of bounds (%d)". Any thread.
    virtual void SetParameter(int32_t Index, float Value);
    // Throws "Index out of bounds (%d)". Any thread.
    virtual float GetParameter(int32_t Index);
    // Exact, case-sensitive name; throws "Unknown parameter name: <name>".
    void SetParameterByName(std::string_view Name, float Value);
    float GetParameterByName(std::string_view Name);
    // Index of the first parameter with that display name, -1 when none. Allocates nothing.
    int32_t ParameterIndexOf(std::string_view Name) const noexcept;
    // Display name of the parameter at Index; empty outside the table. User-interface thread.
    std::string ParameterDisplayName(int32_t Index) const;

    // --- MIDI output (processing thread) ---
    void SendNoteOn(int32_t Channel, int32_t Note, int32_t Velocity, int32_t DeltaFrames) noexcept;
    void SendNoteOff(int32_t Channel, int32_t Note, int32_t Velocity, int32_t DeltaFrames) noexcept;
    void SendControlChange(int32_t Channel, int32_t Number, int32_t Value, int32_t DeltaFrames) noexcept;
    void SendPolyAftertouch(int32_t Channel, int32_t Note, int32_t Pressure, int32_t DeltaFrames) noexcept;
    void SendChannelAftertouch(int32_t Channel, int32_t Pressure, int32_t DeltaFrames) noexcept;
    void SendPitchBend(int32_t Channel, int32_t Data1, int32_t Data2, int32_t DeltaFrames) noexcept;

    // --- editor ---
    // The open editor window, null while none. Read from any thread.
    IModuleEditor* EditorForm() const noexcept { return FEditorForm.load(std::memory_order_acquire); }
    // User-interface thread: the editor window just opened, or null when it closed.
    void SetEditorForm(IModuleEditor* Editor) noexcept { FEditorForm.store(Editor, std::memory_order_release); }
    bool EditorNeedsUpdate() const noexcept { return FEditorNeedUpdate.load(std::memory_order_relaxed); }

    // Request to the host; answers 0 while no callback is known. Any thread.
    intptr_t CallHost(int32_t Opcode, int32_t Index = 0, intptr_t Value = 0, void* Ptr = nullptr,
                      float Opt = 0.0f) noexcept;

    // The host's requests; public so that the entry thunks and tests reach them.
    intptr_t Dispatch(int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr, float Opt);
    void HostSetParameter(int32_t Index, float Normalized) noexcept;
    float HostGetParameter(int32_t Index) noexcept;
    template <class Sample>
    void HostProcess(Sample** Inputs, Sample** Outputs, int32_t SampleFrames, bool Accumulating) noexcept;
    void HostProcessEvents(const VstEvents* Events) noexcept;

protected:
    // SetParameter for an Index already known to be in range: the change
    // handler runs and the host hears of it. Builds no error, so the
    // processing thread can use it.
    void AutomateParameter(int32_t Index, float Value);

    // --- module events, overridden by the plug-in ---
    virtual void VSTModuleCreate() {}
    virtual void VSTModuleDestroy() {}
    virtual float VSTModuleGetChunkParameter(int32_t /*Index*/) { return 0.0f; }
    virtual void VSTModuleEditIdle() {}
    virtual void VSTModuleEditGetSize(int16_t& /*Width*/, int16_t& /*Height*/) {}
    // Before an editor window is made (a parent and a factory are there), and
    // after an open one was destroyed. User-interface thread.
    virtual void VSTModuleBeforeEditOpen() {}
    virtual void VSTModuleAfterEditClose() {}
    // The host's editor requests (user-interface thread). EditOpen creates the
    // window through the registered editor factory as a child of ParentWindow
    // (replacing one still open) and answers 1; 0 without a parent or a
    // factory. EditClose destroys the window; nothing when none is open.
    intptr_t EditOpen(void* ParentWindow);
    void EditClose();
    // The program's chunk events (user-interface thread). IsPreset: a request
    // for the one program (true) or for the bank (false).
    virtual void ProgramStoreChunk(int32_t /*Index*/, bool /*IsPreset*/) {}
    virtual void ProgramLoadChunk(int32_t /*Index*/, bool /*IsPreset*/) {}
    // Processing thread.
    virtual void VSTModuleProcess32Replacing(const float* const* /*Inputs*/, float* const* /*Outputs*/,
                                             int32_t /*SampleFrames*/) noexcept {}
    // Processing thread; one call per incoming MIDI event.
    virtual void VSTModuleProcessMidi(const VstMidiEvent& /*MidiEvent*/) noexcept {}
    // Processing thread; the host's event list (never empty). Hands every MIDI
    // event to VSTModuleProcessMidi. A final plug-in class may override it with
    // ForEachMidiEvent and its own handler, saving a virtual call per event.
    virtual void VSTModuleProcessEvents(const VstEvents& Events) noexcept;

    TRandomGenerator& Random() noexcept { return FRandom; }
    void MarkEditorForUpdate() noexcept { FEditorNeedUpdate.store(true, std::memory_order_relaxed); }

private:
    friend void CloseModule(TVSTModule* Module) noexcept;
    // Makes the record inert and hands it over, so the module can go while the record stays.
    std::unique_ptr<AEffect> RetireRecord() noexcept;
    void FlushMidiOutput() noexcept;
    void RunParameterChange(int32_t Index, float Value);
    intptr_t CanDo(std::string_view Name) const;
    // effEditGetRect: 0 while no editor exists; otherwise the editor's size.
    intptr_t EditGetRect(ERect** Rect);
    // effGetChunk / effSetChunk; IsBank for request index 0.
    intptr_t GetChunk(bool IsBank, void** Data);
    intptr_t SetChunk(bool IsBank, const void* Data, intptr_t Size);

    TRandomGenerator FRandom;  // seeded first, before anything else of the module
    std::unique_ptr<AEffect> FEffect;
    HostCallback FAudioMaster = nullptr;
    TMidiOutputQueue FMidiOutput;
    std::atomic<float> FSampleRate{44100.0f};
    std::string FProgramName = "Default";  // the one program
    std::vector<uint8_t> FProgramChunk;
    // What the last effGetChunk handed out; stays valid until the next one.
    std::vector<uint8_t> FHostChunk;
    std::atomic<IModuleEditor*> FEditorForm{nullptr};
    // The window EditOpen made; declared after everything it may still use.
    TEditorGate FEditorGate;
    // What effEditGetRect hands out; stays valid for the host until the next request.
    ERect FEditRect{};
    std::atomic<bool> FEditorNeedUpdate{false};
};

// Writes SampleFrames zero samples into each of the first NumOutputs channels
// (null buffers are skipped). Processing thread.
template <class Sample>
void WriteSilence(Sample* const* Outputs, int32_t NumOutputs, int32_t SampleFrames) noexcept {
    if (Outputs == nullptr || SampleFrames <= 0) return;
    for (int32_t ch = 0; ch < NumOutputs; ++ch)
        if (Outputs[ch] != nullptr)
            for (int32_t i = 0; i < SampleFrames; ++i) Outputs[ch][i] = Sample(0);
}

// Calls Handle for every MIDI event of the list; null entries, other event
// types and records too small for MIDI data are skipped. Processing thread.
template <class Handler>
void ForEachMidiEvent(const VstEvents& Events, Handler&& Handle) noexcept {
    for (int32_t i = 0; i < Events.numEvents; ++i) {
        const VstEvent* e = Events.events[i];
        if (e == nullptr || e->type != kVstMidiType || e->byteSize < kMidiEventByteSize) continue;
        Handle(*reinterpret_cast<const VstMidiEvent*>(e));
    }
}

// The plug-in's own module, made by the entry point (defined by the plug-in).
std::unique_ptr<TVSTModule> CreatePluginModule();

// Retires a module on effClose: its record's entries become inert, the module
// is destroyed, and the record itself stays valid (inert) until the library unloads.
void CloseModule(TVSTModule* Module) noexcept;

}  // namespace vst2
