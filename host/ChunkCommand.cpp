#include "host/ChunkCommand.h"

#include "host/ByteFiles.h"
#include "host/ChunkTransfer.h"
#include "host/CommandSupport.h"
#include "host/PluginStateText.h"

namespace kandrel::host {

namespace {

constexpr std::string_view kStandardStream = "-";

struct TChunkOptions {
    std::string Command;  // "chunk get", "chunk set": for messages
    std::string PluginPath;
    std::string FilePath;  // OUT or IN
    TChunkKind Kind = TChunkKind::Program;
    bool ShowAutomation = false;
};

TChunkOptions ParseOptions(const std::string& Sub, const std::vector<std::string>& Args, const char* FileName) {
    TChunkOptions options;
    options.Command = "chunk " + Sub;
    const bool isSet = Sub == "set";
    std::vector<std::string> positional;
    TArgReader args(Args);
    while (!args.AtEnd()) {
        if (args.Flag("--bank")) {
            options.Kind = TChunkKind::Bank;
        } else if (isSet && args.Flag("--show-automation")) {
            options.ShowAutomation = true;
        } else if (args.AtOption()) {
            throw TCliError(kExitUsage, options.Command + ": unknown option '" + args.Take() + "'");
        } else {
            positional.push_back(args.Take());
        }
    }
    const std::string seeHelp = " (see kandrel-host --help)";
    if (positional.empty()) throw TCliError(kExitUsage, options.Command + ": missing PLUGIN" + seeHelp);
    if (positional.size() == 1)
        throw TCliError(kExitUsage, options.Command + ": missing " + FileName + seeHelp);
    if (positional.size() > 2)
        throw TCliError(kExitUsage, options.Command + ": unexpected argument '" + positional[2] + "'");
    options.PluginPath = positional[0];
    options.FilePath = positional[1];
    return options;
}

int RunGet(const TChunkOptions& Options, std::ostream& Out) {
    TLoadedPlugin loaded(Options.PluginPath);
    loaded.Plugin->Dispatch(vst2::effOpen);
    const std::string bytes = GetChunk(loaded, Options.Kind);
    if (Options.FilePath != kStandardStream) {
        WriteByteFileAtomically(Options.FilePath, bytes, "chunk");
        return kExitOk;
    }
    UseBinaryMode(Out);
    Out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Out.flush();
    if (!Out) throw TCliError(kExitInput, "standard output: cannot write the chunk");
    return kExitOk;
}

int RunSet(const TChunkOptions& Options, std::istream& In, std::ostream& Out) {
    TLoadedPlugin loaded(Options.PluginPath);
    RequireChunkSupport(loaded);
    std::string bytes = Options.FilePath == kStandardStream ? ReadByteStream(In, "standard input", "chunk")
                                                            : ReadByteFile(Options.FilePath, "chunk");
    THostedPlugin& plugin = *loaded.Plugin;
    plugin.Dispatch(vst2::effOpen);
    SetChunk(loaded, Options.Kind, std::move(bytes));
    // What the plug-in reported while it took the chunk over, then where it ended up.
    const std::vector<TAutomation> automation = plugin.TakeAutomation();
    if (Options.ShowAutomation) PrintAutomation(Out, automation);
    for (int32_t i = 0; i < plugin.Effect()->numParams; ++i) Out << ParameterLine(plugin, i) << '\n';
    return kExitOk;
}

}  // namespace

int RunChunkCommand(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out) {
    if (Args.empty()) throw TCliError(kExitUsage, "chunk: missing get or set (see kandrel-host --help)");
    const std::string& sub = Args[0];
    const std::vector<std::string> rest(Args.begin() + 1, Args.end());
    if (sub == "get") return RunGet(ParseOptions(sub, rest, "OUT"), Out);
    if (sub == "set") return RunSet(ParseOptions(sub, rest, "IN"), In, Out);
    throw TCliError(kExitUsage, "chunk: unknown subcommand '" + sub + "' (expected get or set)");
}

}  // namespace kandrel::host
