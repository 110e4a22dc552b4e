#include "host/InfoCommand.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "host/CommandSupport.h"
#include "host/PluginStateText.h"

namespace kandrel::host {

namespace {

// The capability names of VST 2.4, asked in this order.
constexpr std::array<const char*, 28> kCanDoNames = {
    "sendVstEvents", "sendVstMidiEvent", "receiveVstEvents", "receiveVstMidiEvent",
    "receiveVstTimeInfo", "sendVstTimeInfo", "offline", "plugAsChannelInsert", "plugAsSend",
    "mixDryWet", "noRealTime", "multipass", "metapass", "1in1out", "1in2out", "2in1out", "2in2out",
    "2in4out", "4in2out", "4in4out", "4in8out", "8in4out", "8in8out", "midiProgramNames",
    "conformsToWindowRules", "LiveWithoutToolbar", "bypass", "ChainPluginAPI"};

constexpr std::array<const char*, 12> kCategoryNames = {
    "unknown", "effect", "synth", "analysis", "mastering", "spatializer",
    "room effect", "surround effect", "restoration", "offline process", "shell", "generator"};

struct TFlagName {
    int32_t Bit;
    const char* Name;
};
constexpr TFlagName kFlagNames[] = {
    {vst2::effFlagsHasEditor, "HasEditor"},
    {vst2::effFlagsCanReplacing, "CanReplacing"},
    {vst2::effFlagsProgramChunks, "ProgramChunks"},
    {vst2::effFlagsIsSynth, "IsSynth"},
    {vst2::effFlagsNoSoundInStop, "NoSoundInStop"},
    {vst2::effFlagsCanDoubleReplacing, "CanDoubleReplacing"},
};

std::string Hex32(int32_t Value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(Value));
    return text;
}

// "qz06 (0x717A3036)"; characters outside printable ASCII show as '?'.
std::string UniqueIdText(int32_t Id) {
    std::string chars;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((static_cast<uint32_t>(Id) >> shift) & 0xFF);
        chars += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return chars + " (" + Hex32(Id) + ")";
}

std::string FlagsText(int32_t Flags) {
    std::string names;
    int32_t rest = Flags;
    for (const TFlagName& flag : kFlagNames) {
        if ((Flags & flag.Bit) == 0) continue;
        names += (names.empty() ? "" : " ") + std::string(flag.Name);
        rest &= ~flag.Bit;
    }
    if (rest != 0) names += (names.empty() ? "" : " ") + Hex32(rest);
    return Hex32(Flags) + " (" + names + ")";
}

std::string CategoryText(intptr_t Category) {
    const bool known = Category >= 0 && Category < static_cast<intptr_t>(kCategoryNames.size());
    return std::to_string(Category) + " (" + (known ? kCategoryNames[static_cast<size_t>(Category)] : "?") + ")";
}

std::string ProgramName(THostedPlugin& Plugin, int32_t Index) {
    const std::string name = Plugin.StringRequest(vst2::effGetProgramNameIndexed, Index);
    // Plug-ins without indexed names still name their current program.
    if (name.empty() && Plugin.Dispatch(vst2::effGetProgram) == Index)
        return Plugin.StringRequest(vst2::effGetProgramName);
    return name;
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& Args, std::ostream& Out) {
    TArgReader args(Args);
    if (args.AtEnd()) throw TCliError(kExitUsage, "info: missing PLUGIN (see kandrel-host --help)");
    if (args.AtOption()) throw TCliError(kExitUsage, "info: unknown option '" + args.Take() + "'");
    const std::string path = args.Take();
    if (!args.AtEnd()) throw TCliError(kExitUsage, "info: unexpected argument '" + args.Take() + "'");

    TLoadedPlugin loaded(path);
    THostedPlugin& plugin = *loaded.Plugin;
    const vst2::AEffect& effect = *plugin.Effect();
    plugin.Dispatch(vst2::effOpen);

    Out << "file: " << path << '\n';
    Out << "effect name: " << plugin.StringRequest(vst2::effGetEffectName) << '\n';
    Out << "vendor: " << plugin.StringRequest(vst2::effGetVendorString) << '\n';
    Out << "product: " << plugin.StringRequest(vst2::effGetProductString) << '\n';
    Out << "vendor version: " << plugin.Dispatch(vst2::effGetVendorVersion) << '\n';
    Out << "unique id: " << UniqueIdText(effect.uniqueID) << '\n';
    Out << "vst version: " << plugin.Dispatch(vst2::effGetVstVersion) << '\n';
    Out << "category: " << CategoryText(plugin.Dispatch(vst2::effGetPlugCategory)) << '\n';
    Out << "flags: " << FlagsText(effect.flags) << '\n';
    Out << "inputs: " << effect.numInputs << '\n';
    Out << "outputs: " << effect.numOutputs << '\n';
    Out << "initial delay: " << effect.initialDelay << '\n';
    Out << "programs: " << effect.numPrograms << '\n';
    Out << "parameters: " << effect.numParams << '\n';
    for (int32_t i = 0; i < effect.numPrograms; ++i) Out << "program " << i << ": " << Quoted(ProgramName(plugin, i)) << '\n';
    for (int32_t i = 0; i < effect.numParams; ++i) Out << ParameterLine(plugin, i) << '\n';
    for (const char* name : kCanDoNames) Out << "canDo " << name << ": " << plugin.CanDo(name) << '\n';
    return kExitOk;
}

}  // namespace kandrel::host
