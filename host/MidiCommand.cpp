#include "host/MidiCommand.h"

#include <fstream>
#include <limits>

#include "host/ByteFiles.h"
#include "host/ChunkTransfer.h"
#include "host/CommandSupport.h"
#include "host/MidiText.h"
#include "host/PluginStateText.h"
#include "host/Utf8Path.h"

namespace kandrel::host {

namespace {

constexpr double kSampleRate = 44100.0;
constexpr int32_t kDefaultBlockFrames = 512;
constexpr int32_t kMaxBlockFrames = 1 << 20;

struct TParameterSetting {
    std::string Argument;  // as given, for messages
    int32_t Index;
    float Value;
};

struct TMidiOptions {
    std::string PluginPath;
    std::string InputPath;  // empty or "-": the command's standard input
    std::string PresetPath;  // empty: none
    std::vector<TParameterSetting> Settings;
    int32_t BlockFrames = kDefaultBlockFrames;
    bool ShowAutomation = false;
};

TParameterSetting ParseSetting(const std::string& Text) {
    const size_t equals = Text.find('=');
    if (equals == std::string::npos) throw TCliError(kExitUsage, "--set '" + Text + "': expected INDEX=VALUE");
    const std::string index = Text.substr(0, equals);
    const std::string value = Text.substr(equals + 1);
    const auto parsedIndex = ParseInteger(index, 0, std::numeric_limits<int32_t>::max());
    if (!parsedIndex)
        throw TCliError(kExitUsage, "--set '" + Text + "': parameter index '" + index + "' is not a number");
    const auto parsedValue = ParseNumber(value);
    if (!parsedValue || *parsedValue < 0.0 || *parsedValue > 1.0)
        throw TCliError(kExitUsage, "--set '" + Text + "': value '" + value + "' is not a number from 0 to 1");
    return {Text, static_cast<int32_t>(*parsedIndex), static_cast<float>(*parsedValue)};
}

TMidiOptions ParseOptions(const std::vector<std::string>& Args) {
    TMidiOptions options;
    std::vector<std::string> positional;
    TArgReader args(Args);
    while (!args.AtEnd()) {
        if (auto set = args.Option("--set")) {
            options.Settings.push_back(ParseSetting(*set));
        } else if (auto block = args.Option("--block")) {
            const auto frames = ParseInteger(*block, 1, kMaxBlockFrames);
            if (!frames)
                throw TCliError(kExitUsage, "--block '" + *block + "': expected a number of frames from 1 to " +
                                                std::to_string(kMaxBlockFrames));
            options.BlockFrames = static_cast<int32_t>(*frames);
        } else if (auto preset = args.Option("--preset")) {
            // Standard input already carries the events (or is left to them).
            if (preset->empty() || *preset == "-")
                throw TCliError(kExitUsage, "--preset '" + *preset + "': expected the name of a preset file");
            options.PresetPath = *preset;
        } else if (args.Flag("--show-automation")) {
            options.ShowAutomation = true;
        } else if (args.AtOption()) {
            throw TCliError(kExitUsage, "midi: unknown option '" + args.Take() + "'");
        } else {
            positional.push_back(args.Take());
        }
    }
    if (positional.empty()) throw TCliError(kExitUsage, "midi: missing PLUGIN (see kandrel-host --help)");
    if (positional.size() > 2) throw TCliError(kExitUsage, "midi: unexpected argument '" + positional[2] + "'");
    options.PluginPath = positional[0];
    if (positional.size() == 2) options.InputPath = positional[1];
    return options;
}

void CheckSettings(const std::vector<TParameterSetting>& Settings, int32_t NumParams) {
    for (const TParameterSetting& s : Settings)
        if (s.Index >= NumParams)
            throw TCliError(kExitUsage, "--set '" + s.Argument + "': no parameter " + std::to_string(s.Index) +
                                            " (the plug-in has " + std::to_string(NumParams) + " parameters)");
}

std::vector<TMidiBlock> ReadBlocks(const std::string& Source, std::istream& In) {
    try {
        return ReadMidiBlocks(In);
    } catch (const TMidiTextError& error) {
        throw TCliError(kExitInput, Source + ": " + error.what());
    }
}

std::vector<TMidiBlock> ReadInput(const std::string& InputPath, std::istream& StdIn) {
    if (InputPath.empty() || InputPath == "-") return ReadBlocks("standard input", StdIn);
    std::ifstream file;
    try {
        file.open(PathFromUtf8(InputPath), std::ios::binary);
    } catch (const std::exception&) {
    }
    if (!file.is_open()) throw TCliError(kExitInput, InputPath + ": cannot open the event file");
    return ReadBlocks(InputPath, file);
}

}  // namespace

int RunMidiCommand(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out) {
    const TMidiOptions options = ParseOptions(Args);
    TLoadedPlugin loaded(options.PluginPath);
    THostedPlugin& plugin = *loaded.Plugin;
    CheckSettings(options.Settings, plugin.Effect()->numParams);
    std::string preset;
    if (!options.PresetPath.empty()) {
        RequireChunkSupport(loaded);
        preset = ReadByteFile(options.PresetPath, "preset");
    }
    const std::vector<TMidiBlock> blocks = ReadInput(options.InputPath, In);
    // Automation goes out right after the block it arrived in; what the plug-in
    // reports while being set up (preset, --set) comes before the first block,
    // what it reports while being switched off after the last.
    auto flushAutomation = [&] {
        const std::vector<TAutomation> automation = plugin.TakeAutomation();
        if (options.ShowAutomation) PrintAutomation(Out, automation);
    };

    plugin.Dispatch(vst2::effOpen);
    plugin.Dispatch(vst2::effSetSampleRate, 0, 0, nullptr, static_cast<float>(kSampleRate));
    plugin.Dispatch(vst2::effSetBlockSize, 0, options.BlockFrames);
    // Loaded while suspended, as hosts load a project's state.
    if (!options.PresetPath.empty()) SetChunk(loaded, TChunkKind::Program, std::move(preset));
    plugin.Dispatch(vst2::effMainsChanged, 0, 1);
    for (const TParameterSetting& s : options.Settings) plugin.SetParameter(s.Index, s.Value);
    plugin.TakeReceivedEvents();
    flushAutomation();

    // One output block per input block, even an empty one, so the two line up.
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0) Out << '\n';
        plugin.ProcessEvents(blocks[i]);
        plugin.Process(options.BlockFrames);
        for (const TMidiMessage& message : plugin.TakeReceivedEvents()) Out << FormatMidiMessage(message) << '\n';
        flushAutomation();
    }

    plugin.Dispatch(vst2::effMainsChanged, 0, 0);
    flushAutomation();
    Out.flush();
    return kExitOk;
}

}  // namespace kandrel::host
