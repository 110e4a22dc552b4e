// The VST 2.4 binary interface as hosts and plug-ins exchange it: the plug-in
// record, the two call directions, event records and the request numbers this
// product answers or sends. Written from the interface's public behaviour; the
// layout must match byte for byte what 64-bit hosts expect.
#pragma once

#include <cstdint>

namespace vst2 {

struct AEffect;

// Host -> plug-in request; also the shape of the host callback (plug-in -> host).
using DispatcherProc = intptr_t (*)(AEffect* effect, int32_t opcode, int32_t index,
                                    intptr_t value, void* ptr, float opt);
using HostCallback = DispatcherProc;
using ProcessProc = void (*)(AEffect* effect, float** inputs, float** outputs, int32_t sampleFrames);
using ProcessDoubleProc = void (*)(AEffect* effect, double** inputs, double** outputs,
                                   int32_t sampleFrames);
using SetParameterProc = void (*)(AEffect* effect, int32_t index, float value);
using GetParameterProc = float (*)(AEffect* effect, int32_t index);

// 'VstP' as a big-endian four-character code.
inline constexpr int32_t kEffectMagic = 0x56737450;

// Builds the 32-bit identifier of a four-character code, first character most significant.
constexpr int32_t FourCharCode(char a, char b, char c, char d) {
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<unsigned char>(a)) << 24) |
                                (static_cast<uint32_t>(static_cast<unsigned char>(b)) << 16) |
                                (static_cast<uint32_t>(static_cast<unsigned char>(c)) << 8) |
                                static_cast<uint32_t>(static_cast<unsigned char>(d)));
}

struct AEffect {
    int32_t magic;
    DispatcherProc dispatcher;
    ProcessProc process;  // accumulating processing (old hosts)
    SetParameterProc setParameter;
    GetParameterProc getParameter;
    int32_t numPrograms;
    int32_t numParams;
    int32_t numInputs;
    int32_t numOutputs;
    int32_t flags;
    intptr_t reserved1;
    intptr_t reserved2;
    int32_t initialDelay;
    int32_t realQualities;
    int32_t offQualities;
    float ioRatio;
    void* object;  // the module behind the record
    void* user;    // free for the host
    int32_t uniqueID;
    int32_t version;
    ProcessProc processReplacing;
    ProcessDoubleProc processDoubleReplacing;
    char future[56];
};

enum EffectFlags : int32_t {
    effFlagsHasEditor = 1 << 0,
    effFlagsCanReplacing = 1 << 4,
    effFlagsProgramChunks = 1 << 5,
    effFlagsIsSynth = 1 << 8,
    effFlagsNoSoundInStop = 1 << 9,
    effFlagsCanDoubleReplacing = 1 << 12,
};

// Requests of the host to the plug-in.
enum EffectOpcode : int32_t {
    effOpen = 0,
    effClose = 1,
    effSetProgram = 2,
    effGetProgram = 3,
    effSetProgramName = 4,
    effGetProgramName = 5,
    effGetParamLabel = 6,
    effGetParamDisplay = 7,
    effGetParamName = 8,
    effSetSampleRate = 10,
    effSetBlockSize = 11,
    effMainsChanged = 12,
    effEditGetRect = 13,
    effEditOpen = 14,
    effEditClose = 15,
    effEditIdle = 19,
    effGetChunk = 23,
    effSetChunk = 24,
    effProcessEvents = 25,
    effCanBeAutomated = 26,
    effString2Parameter = 27,
    effGetProgramNameIndexed = 29,
    effGetPlugCategory = 35,
    effGetEffectName = 45,
    effGetVendorString = 47,
    effGetProductString = 48,
    effGetVendorVersion = 49,
    effCanDo = 51,
    effGetTailSize = 52,
    effGetParameterProperties = 56,
    effKeysRequired = 57,
    effGetVstVersion = 58,
};

// Requests of the plug-in to the host.
enum HostOpcode : int32_t {
    audioMasterAutomate = 0,
    audioMasterVersion = 1,
    audioMasterWantMidi = 6,
    audioMasterProcessEvents = 8,
    audioMasterGetProductString = 33,
};

enum PlugCategory : int32_t {
    kPlugCategEffect = 1,
    kPlugCategSynth = 2,
};

enum EventType : int32_t {
    kVstMidiType = 1,
    kVstSysExType = 6,
};

// The common head of every event record in an event list.
struct VstEvent {
    int32_t type;
    int32_t byteSize;  // bytes after the type and byteSize fields
    int32_t deltaFrames;
    int32_t flags;
    char data[16];
};

struct VstMidiEvent {
    int32_t type;
    int32_t byteSize;
    int32_t deltaFrames;
    int32_t flags;
    int32_t noteLength;
    int32_t noteOffset;
    char midiData[4];
    char detune;
    char noteOffVelocity;
    char reserved1;
    char reserved2;
};

// byteSize that MIDI events carry: the record less its type and byteSize fields.
inline constexpr int32_t kMidiEventByteSize = static_cast<int32_t>(sizeof(VstMidiEvent) - 2 * sizeof(int32_t));

// An event list; hosts allocate it with as many pointers as numEvents says.
struct VstEvents {
    int32_t numEvents;
    intptr_t reserved;
    VstEvent* events[2];
};

// Editor rectangle as the host reads it after effEditGetRect.
struct ERect {
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};

static_assert(sizeof(VstEvent) == 32 && sizeof(VstMidiEvent) == 32, "event records are 32 bytes");
static_assert(kMidiEventByteSize == 24, "MIDI events announce 24 bytes");
static_assert(sizeof(void*) != 8 || sizeof(AEffect) == 192, "64-bit plug-in record layout");

}  // namespace vst2
