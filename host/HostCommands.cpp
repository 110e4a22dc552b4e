#include "host/HostCommands.h"

#include <string_view>

#include "host/ChunkCommand.h"
#include "host/CommandSupport.h"
#include "host/EditorCommand.h"
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
    "  midi PLUGIN [--preset PRESET] [--set INDEX=VALUE ...] [--block FRAMES] [--show-automation] [FILE]\n"
    "      plays MIDI event text (FILE, or standard input when absent or \"-\") through the\n"
    "      plug-in and prints the events it sends back in the same format\n"
    "      --preset PRESET    loads the file PRESET (program chunk bytes, as 'chunk get' writes\n"
    "                         them) into the plug-in first\n"
    "      --set INDEX=VALUE  sets parameter INDEX to the normalised VALUE (0 to 1), after the preset\n"
    "      --block FRAMES     frames per processing call (default 512)\n"
    "      --show-automation  also prints each automation message the plug-in sends as a line\n"
    "                         \"automate INDEX VALUE\" (VALUE with 6 decimals), in the order sent:\n"
    "                         after the events of the output block during which it arrived; those\n"
    "                         sent before the first block (opening, preset, --set values) come\n"
    "                         before the first block's events, those sent while processing was\n"
    "                         switched off after the last block's\n"
    "  chunk get PLUGIN [--bank] OUT\n"
    "      writes the program chunk (--bank: the bank chunk) of a fresh instance to the file OUT,\n"
    "      replacing it in one step, or to standard output when OUT is \"-\"; prints nothing else\n"
    "  chunk set PLUGIN [--bank] [--show-automation] IN\n"
    "      loads the file IN (standard input when \"-\") into a fresh instance as its program chunk\n"
    "      (--bank: bank chunk), then prints one line per parameter as info does\n"
    "      --show-automation  first prints the automation messages sent until the chunk was taken\n"
    "                         over, as midi does\n"
    "  editor PLUGIN [--set INDEX=VALUE ...] [--screenshot FILE.png] [--seconds N]\n"
    "      opens the plug-in's editor in a window of its own (Windows build only) and runs it\n"
    "      until the window is closed, calling the editor's idle about 30 times a second\n"
    "      --set INDEX=VALUE  sets parameter INDEX to the normalised VALUE (0 to 1) before opening\n"
    "      --screenshot FILE  writes the editor's client area as a PNG file, then closes\n"
    "      --seconds N        closes after N seconds (with --screenshot: takes the shot then)\n"
    "\n"
    "event text, one event a line:  DELTA B1 B2 [B3]\n"
    "  DELTA is the frame offset in the block (decimal), B1..B3 the message bytes in hex.\n"
    "  A blank line ends a block: one processing call each. Lines starting with '#' are\n"
    "  comments. Output blocks are separated by one blank line, one per input block.\n"
    "\n"
    "exit codes: 0 success, 1 anything else (such as an editor on a build that cannot show one),\n"
    "2 usage error, 3 plug-in error (cannot be loaded, does not accept chunks or hands over none,\n"
    "has no editor or does not open it), 4 input or output error (unreadable, empty or malformed\n"
    "input, an output file that cannot be written)\n";

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
    {"chunk", RunChunkCommand},
    {"editor", RunEditorCommand},
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
