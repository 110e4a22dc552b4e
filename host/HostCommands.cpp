#include "host/HostCommands.h"

#include <string_view>

#include "host/CommandSupport.h"
#include "host/InfoCommand.h"
#include "host/MidiCommand.h"

namespace kandrel::host {

namespace {

constexpr std::string_view kUsage =
    "usage: kandrel-host COMMAND ...\n"
    "\n"
    "commands:\n"
    "  info PLUGIN\n"
    "      identity, flags, programs, parameters and capability answers of the plug-in\n"
    "  midi PLUGIN [--set INDEX=VALUE ...] [--block FRAMES] [FILE]\n"
    "      plays MIDI event text (FILE, or standard input when absent or \"-\") through the\n"
    "      plug-in and prints the events it sends back in the same format\n"
    "      --set INDEX=VALUE  sets parameter INDEX to the normalised VALUE (0 to 1) first\n"
    "      --block FRAMES     frames per processing call (default 512)\n"
    "\n"
    "event text, one event a line:  DELTA B1 B2 [B3]\n"
    "  DELTA is the frame offset in the block (decimal), B1..B3 the message bytes in hex.\n"
    "  A blank line ends a block: one processing call each. Lines starting with '#' are\n"
    "  comments. Output blocks are separated by one blank line, one per input block.\n"
    "\n"
    "exit codes: 0 success, 2 usage error, 3 plug-in load error, 4 input error\n";

struct TCommand {
    std::string_view Name;
    int (*Run)(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out);
};

int RunInfo(const std::vector<std::string>& Args, std::istream&, std::ostream& Out) {
    return RunInfoCommand(Args, Out);
}

// New commands join this table.
constexpr TCommand kCommands[] = {
    {"info", RunInfo},
    {"midi", RunMidiCommand},
};

}  // namespace

int RunKandrelHost(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out, std::ostream& Err) {
    if (Args.empty()) {
        Err << kUsage;
        return kExitUsage;
    }
    if (Args[0] == "--help" || Args[0] == "-h" || Args[0] == "help") {
        Out << kUsage;
        return kExitOk;
    }
    try {
        for (const TCommand& command : kCommands)
            if (Args[0] == command.Name)
                return command.Run(std::vector<std::string>(Args.begin() + 1, Args.end()), In, Out);
        throw TCliError(kExitUsage, "unknown command '" + Args[0] + "' (see kandrel-host --help)");
    } catch (const TCliError& error) {
        Err << "kandrel-host: " << error.what() << '\n';
        return error.Code();
    } catch (const std::exception& error) {
        Err << "kandrel-host: " << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace kandrel::host
