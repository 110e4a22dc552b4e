// kandrel-host chunk get / chunk set, midi --preset and --show-automation:
// against the echo fixture, which keeps what it is given and shows it, and its
// variants that answer chunk requests badly; one round trip through Kandrel.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "host/Utf8Path.h"
#include "tests/cli/CliTestSupport.h"

namespace {

using namespace kandrel::clitest;
using kandrel::host::PathFromUtf8;
using kandrel::host::Utf8FromPath;

// What a fresh echo instance hands over.
const std::string kProgramChunk("echo\0program\n", 13);
const std::string kBankChunk("echo\0bank\n", 10);
// Bytes a text-mode or string-based transfer would mangle. The first, '3' (51),
// moves the fixture's parameter to 51 / 255 = 0.2.
const std::string kGivenChunk("3\0\r\n\xff" "chunk", 10);

class CliChunk : public TScratchFolder {
protected:
    std::string ReadFile(const std::string& Path) const {
        std::ifstream in(PathFromUtf8(Path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Names in the scratch folder, sorted: leftovers of a write show here.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(FFolder.Path()))
            names.push_back(Utf8FromPath(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(CliChunk, ErrorsEndWithOneLineAndADistinctCode) {
    const std::string echo = EchoFixturePath();
    const std::string noChunks = EchoVariantPath("nochunks");
    const std::string zeroChunk = EchoVariantPath("zerochunk");
    const std::string nullChunk = EchoVariantPath("nullchunk");
    const std::string missingPlugin = PathOf("missing.so");
    const std::string in = WriteFile("in.bin", kGivenChunk);
    const std::string empty = WriteFile("empty.bin", "");
    const std::string missing = PathOf("missing.bin");
    const std::string folder = PathOf("sub");
    std::filesystem::create_directory(PathFromUtf8(folder));
    const std::string out = PathOf("out.bin");
    const std::string noChunksMessage =
        ": the plug-in does not accept chunks (its flag effFlagsProgramChunks, 0x20, is not set)";
    ExpectErrors({
        {{"chunk"}, "", 2, "chunk: missing get or set (see kandrel-host --help)"},
        {{"chunk", "put", echo, out}, "", 2, "chunk: unknown subcommand 'put' (expected get or set)"},
        {{"chunk", "get"}, "", 2, "chunk get: missing PLUGIN (see kandrel-host --help)"},
        {{"chunk", "get", echo}, "", 2, "chunk get: missing OUT (see kandrel-host --help)"},
        {{"chunk", "set", echo, "--bank"}, "", 2, "chunk set: missing IN (see kandrel-host --help)"},
        {{"chunk", "get", echo, out, "extra"}, "", 2, "chunk get: unexpected argument 'extra'"},
        {{"chunk", "get", echo, "--show-automation", out}, "", 2, "chunk get: unknown option '--show-automation'"},
        {{"chunk", "set", echo, "--bank=1", in}, "", 2, "chunk set: unknown option '--bank=1'"},
        {{"midi", echo, "--preset", "-"}, "", 2, "--preset '-': expected the name of a preset file"},
        {{"midi", echo, "--preset"}, "", 2, "--preset needs a value"},
        {{"chunk", "get", missingPlugin, out}, "", 3, missingPlugin + ": file not found"},
        {{"chunk", "get", noChunks, out}, "", 3, noChunks + noChunksMessage},
        {{"chunk", "set", noChunks, in}, "", 3, noChunks + noChunksMessage},
        {{"midi", noChunks, "--preset", in}, "", 3, noChunks + noChunksMessage},
        {{"chunk", "get", zeroChunk, out}, "", 3, zeroChunk + ": the plug-in answered the program chunk request with 0 bytes"},
        {{"chunk", "get", nullChunk, "--bank", out}, "", 3,
         nullChunk + ": the plug-in answered the bank chunk request with 16 bytes but no data (a null pointer)"},
        {{"chunk", "set", echo, missing}, "", 4, missing + ": cannot open the chunk file"},
        {{"chunk", "set", echo, folder}, "", 4, folder + ": cannot open the chunk file"},
        {{"chunk", "set", echo, empty}, "", 4, empty + ": the chunk is empty (0 bytes)"},
        {{"chunk", "set", echo, "-"}, "", 4, "standard input: the chunk is empty (0 bytes)"},
        {{"midi", echo, "--preset", missing}, "0 90 3C 64\n", 4, missing + ": cannot open the preset file"},
        {{"midi", echo, "--preset", empty}, "0 90 3C 64\n", 4, empty + ": the preset is empty (0 bytes)"},
        {{"chunk", "get", echo, PathOf("no-such-folder/out.bin")}, "", 4,
         PathOf("no-such-folder/out.bin") + ": cannot write the chunk file"},
        {{"chunk", "get", echo, folder}, "", 4, folder + ": cannot write the chunk file"},
    });
    // No output file appeared, no temporary file was left behind, the folder stayed a folder.
    EXPECT_EQ(Entries(), (std::vector<std::string>{"empty.bin", "in.bin", "sub"}));
    EXPECT_TRUE(std::filesystem::is_empty(PathFromUtf8(folder)));
}

TEST_F(CliChunk, GetWritesExactlyTheBytesTheFixtureHandsOver) {
    struct TCase {
        std::vector<std::string> Options;
        std::string Expected;
    };
    const TCase cases[] = {{{}, kProgramChunk}, {{"--bank"}, kBankChunk}};
    for (const TCase& c : cases) {
        // An older, longer file is replaced whole, not overwritten in part.
        const std::string out = WriteFile("state.bin", "an older state file, longer than the new chunk\n");
        std::vector<std::string> args = {"chunk", "get", EchoFixturePath(), out};
        args.insert(args.begin() + 3, c.Options.begin(), c.Options.end());
        const TRunResult toFile = RunHost(args);
        EXPECT_EQ(toFile.Code, 0) << toFile.Err;
        EXPECT_EQ(toFile.Out, "");
        EXPECT_EQ(ReadFile(out), c.Expected);
        EXPECT_EQ(Entries(), std::vector<std::string>{"state.bin"});

        args.back() = "-";
        const TRunResult toOutput = RunHost(args);
        EXPECT_EQ(toOutput.Code, 0) << toOutput.Err;
        EXPECT_EQ(toOutput.Err, "");
        EXPECT_EQ(toOutput.Out, c.Expected);
    }
}

TEST_F(CliChunk, SetHandsTheBytesOverAndPrintsTheParameters) {
    const std::string in = WriteFile("given.bin", kGivenChunk);
    const std::string programAtStart = "parameter 0: name \"Program\", value 0.000000, display \"echo.program.\", label \"\"\n";
    const std::string bankAtStart = "parameter 1: name \"Bank\", value 0.000000, display \"echo.bank.\", label \"\"\n";
    const std::string programGiven = "parameter 0: name \"Program\", value 0.200000, display \"3....chunk\", label \"\"\n";
    const std::string bankGiven = "parameter 1: name \"Bank\", value 0.200000, display \"3....chunk\", label \"\"\n";
    struct TCase {
        const char* Name;
        std::vector<std::string> Options;
        bool FromStandardInput;
        std::string Expected;
    };
    const TCase cases[] = {
        {"program chunk", {}, false, programGiven + bankAtStart},
        {"bank chunk", {"--bank"}, false, programAtStart + bankGiven},
        {"automation before the parameters", {"--show-automation"}, false,
         "automate 0 0.200000\n" + programGiven + bankAtStart},
        {"bank chunk from standard input", {"--show-automation", "--bank"}, true,
         "automate 1 0.200000\n" + programAtStart + bankGiven},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> args = {"chunk", "set", EchoFixturePath(), c.FromStandardInput ? "-" : in};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const TRunResult r = RunHost(args, c.FromStandardInput ? kGivenChunk : "");
        EXPECT_EQ(r.Code, 0) << c.Name << ": " << r.Err;
        EXPECT_EQ(r.Out, c.Expected) << c.Name;
    }
}

TEST_F(CliChunk, MidiLoadsThePresetFirstAndShowsAutomationAfterItsBlock) {
    const std::string preset = WriteFile("preset.bin", kGivenChunk);
    // The fixture reports controllers 0 and 1 as automation of parameters 0 and 1 (value / 127).
    const std::vector<TMidiRunCase> cases = {
        {"preset, then --set, then the blocks",
         {"--preset", preset, "--set", "0=0.5", "--show-automation"},
         "0 B0 01 40\n\n5 90 3C 64\n",
         "automate 0 0.200000\nautomate 0 0.500000\n0 B0 01 40\nautomate 1 0.503937\n\n5 90 3C 64\n"},
        {"automation stays with its block",
         {"--show-automation"},
         "0 90 3C 64\n\n0 B0 00 7F\n1 B0 01 00\n\n0 90 3C 00\n",
         "0 90 3C 64\n\n0 B0 00 7F\n1 B0 01 00\nautomate 0 1.000000\nautomate 1 0.000000\n\n0 90 3C 00\n"},
        {"no blocks", {"--preset=" + preset, "--show-automation"}, "", "automate 0 0.200000\n"},
        {"automation hidden without the option", {"--preset", preset}, "0 B0 01 40\n", "0 B0 01 40\n"},
    };
    ExpectMidiRuns(EchoFixturePath(), cases);
}

TEST_F(CliChunk, KandrelTakesBackTheChunkItHandsOver) {
    const std::string state = PathOf("kandrel.bin");
    const TRunResult get = RunHost({"chunk", "get", KandrelPath(), state});
    ASSERT_EQ(get.Code, 0) << get.Err;
    const TRunResult set = RunHost({"chunk", "set", KandrelPath(), state});
    EXPECT_EQ(set.Code, 0) << set.Err;
    EXPECT_NE(set.Out.find("name \"Band2 Velocity Scale\""), std::string::npos) << set.Out;
}

}  // namespace
