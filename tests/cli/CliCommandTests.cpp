// kandrel-host as users run it: errors, info and midi on the real plug-in.
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "host/TestPaths.h"
#include "host/Utf8Path.h"
#include "tests/cli/CliTestSupport.h"

namespace {

using namespace kandrel::clitest;

class CliErrors : public TScratchFolder {};

TEST_F(CliErrors, EndWithOneLineAndADistinctCode) {
    const std::string missing = PathOf("missing.so");
    const std::string text = WriteFile("notes.txt", "not a library\n");
    const std::string noEntry = NoEntryFixturePath();
    const std::string nullEntry = NullEntryFixturePath();
    const std::string kandrel = KandrelPath();
    ExpectErrors({
        {{"frobnicate"}, "", 2, "unknown command 'frobnicate' (see kandrel-host --help)"},
        {{"info"}, "", 2, "info: missing PLUGIN (see kandrel-host --help)"},
        {{"info", kandrel, "extra"}, "", 2, "info: unexpected argument 'extra'"},
        {{"midi", kandrel, "--verbose"}, "", 2, "midi: unknown option '--verbose'"},
        {{"info", missing}, "", 3, missing + ": file not found"},
        {{"midi", missing}, "", 3, missing + ": file not found"},
        {{"info", text}, "", 3, text + ": not a plug-in (not a loadable library)"},
        {{"info", noEntry}, "", 3, noEntry + ": not a plug-in (no VSTPluginMain or main entry point)"},
        {{"midi", nullEntry}, "", 3, nullEntry + ": entry point returned no plug-in"},
        {{"midi", kandrel, "--set", "36=0.5"}, "", 2, "--set '36=0.5': no parameter 36 (the plug-in has 36 parameters)"},
        {{"midi", kandrel, "--set", "6=1.5"}, "", 2, "--set '6=1.5': value '1.5' is not a number from 0 to 1"},
        {{"midi", kandrel, "--set", "6=-0.1"}, "", 2, "--set '6=-0.1': value '-0.1' is not a number from 0 to 1"},
        {{"midi", kandrel, "--set", "6=half"}, "", 2, "--set '6=half': value 'half' is not a number from 0 to 1"},
        {{"midi", kandrel, "--set", "6="}, "", 2, "--set '6=': value '' is not a number from 0 to 1"},
        {{"midi", kandrel, "--set", "six=0.5"}, "", 2, "--set 'six=0.5': parameter index 'six' is not a number"},
        {{"midi", kandrel, "--set", "6"}, "", 2, "--set '6': expected INDEX=VALUE"},
        {{"midi", kandrel, "--set"}, "", 2, "--set needs a value"},
        {{"midi", kandrel, "--block", "0"}, "", 2, "--block '0': expected a number of frames from 1 to 1048576"},
        {{"midi", kandrel, PathOf("events.txt")}, "", 4, PathOf("events.txt") + ": cannot open the event file"},
        {{"midi", kandrel}, "0 90 3C 64\n\n# fine so far\n1 90\n", 4,
         "standard input: line 4: expected two or three hex bytes after the delta frames"},
    });
}

TEST(CliUsage, HelpGoesToOutputAndNoArgumentsIsAUsageError) {
    const TRunResult help = RunHost({"--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_EQ(help.Out.rfind("usage: kandrel-host", 0), 0u) << help.Out;
    for (const char* synopsis :
         {"midi PLUGIN [--preset PRESET] [--set INDEX=VALUE ...] [--block FRAMES] [--show-automation] [FILE]\n",
          "chunk get PLUGIN [--bank] OUT\n", "chunk set PLUGIN [--bank] [--show-automation] IN\n"})
        EXPECT_NE(help.Out.find(synopsis), std::string::npos) << synopsis;
    const TRunResult none = RunHost({});
    EXPECT_EQ(none.Code, 2);
    EXPECT_EQ(none.Err, help.Out);
}

std::vector<std::string> LinesStartingWith(const std::string& Text, const std::string& Prefix) {
    std::vector<std::string> lines;
    std::istringstream in(Text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(Prefix, 0) == 0) lines.push_back(line);
    return lines;
}

TEST(CliInfo, DescribesTheKandrelPlugin) {
    const TRunResult r = RunHost({"info", KandrelPath()});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    for (const char* line : {"effect name: Kandrel\n", "vendor: Ostrik88\n", "product: Kandrel\n",
                             "unique id: qz06 (0x717A3036)\n", "category: 2 (synth)\n", "inputs: 0\n",
                             "outputs: 2\n", "parameters: 36\n", "program 0: \"Default\"\n",
                             "canDo receiveVstMidiEvent: 1\n", "canDo receiveVstEvents: -1\n"})
        EXPECT_NE(r.Out.find(line), std::string::npos) << line << " missing from:\n" << r.Out;
    EXPECT_NE(r.Out.find("parameter 13: name \"Band2 Velocity Scale\", value 0.500000, display "), std::string::npos);
    EXPECT_EQ(LinesStartingWith(r.Out, "parameter ").size(), 36u);
    EXPECT_EQ(LinesStartingWith(r.Out, "canDo ").size(), 28u);
}

class CliMidi : public TScratchFolder {};

TEST_F(CliMidi, PlaysEventsThroughKandrel) {
    const std::vector<TMidiRunCase> cases = {
        {"defaults leave velocities alone", {}, "0 90 3C 64\n", "0 90 3C 64\n"},
        // Band1 Velocity Scale +50: 100 moves half way to 127.
        {"scaled velocity", {"--set", "6=0.75"}, "0 90 3C 64\n0 90 3C 00\n", "0 90 3C 72\n0 80 3C 00\n"},
        {"option after the plug-in, other form", {"--block=64", "--set=6=0.75"}, "0 90 3C 64\n", "0 90 3C 72\n"},
        {"blocks stay apart", {"--set", "6=0.75"}, "# first\n7 90 3C 64\n\n3 B0 07 7F\n", "7 90 3C 72\n\n3 B0 07 7F\n"},
        {"no events, no output", {}, "# nothing\n\n", ""},
    };
    ExpectMidiRuns(KandrelPath(), cases);
}

TEST_F(CliMidi, ReadsAnEventFileInsteadOfStandardInput) {
    const std::string events = WriteFile("events.txt", "0 90 3C 64\r\n\r\n5 90 40 64\r\n");
    const TRunResult r = RunHost({"midi", KandrelPath(), "--set", "6=0.75", events}, "0 B0 01 01\n");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "0 90 3C 72\n\n5 90 40 72\n");
}

TEST(CliMidiBlocks, KeepAnEmptyOutputBlockSoBlocksLineUp) {
    // The echo fixture sends back everything but active sensing (FE).
    const TRunResult r = RunHost({"midi", EchoFixturePath(), "--block", "16"}, "0 90 3C 64\n\n0 FE 00\n\n5 80 3C 00\n");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "0 90 3C 64\n\n\n5 80 3C 00\n");
}

// Windows turns the UTF-8 name into UTF-16; an ANSI detour would lose these characters.
TEST_F(CliMidi, LoadsAPluginFromANonAsciiPath) {
    using kandrel::host::PathFromUtf8;
    const std::string folder = PathOf("Plug-ins \u00e4\u00f8 \u65e5\u672c");
    std::filesystem::create_directory(PathFromUtf8(folder));
    const std::string copy = folder + "/" + kandrel::host::ModuleFileName("Kandrel");
    std::filesystem::copy_file(PathFromUtf8(KandrelPath()), PathFromUtf8(copy));
    const std::string events = WriteFile("\u00e9v\u00e9nements.txt", "0 90 3C 64\n");
    const TRunResult r = RunHost({"midi", copy, "--set", "6=0.75", events});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "0 90 3C 72\n");
}

}  // namespace
