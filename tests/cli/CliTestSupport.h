// Shared by the command-line host tests: running the host in-process, the
// files beside the test program, and a scratch folder per test.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/RunHost.h"
#include "tests/support/TempFolder.h"

namespace kandrel::clitest {

using test::RunHost;
using test::TRunResult;

// A command line that fails: its exit code and the one line it writes to
// standard error after "kandrel-host: ".
struct TErrorCase {
    std::vector<std::string> Args;
    std::string Input;
    int Code;
    std::string Message;
};
// Runs each case and expects its code, its message and no output.
void ExpectErrors(const std::vector<TErrorCase>& Cases);

// One `midi` run: options after the plug-in, standard input, the expected output.
struct TMidiRunCase {
    const char* Name;
    std::vector<std::string> Options;
    std::string Input;
    std::string Expected;
};
// Runs `midi PLUGIN OPTIONS...` for each case and expects success and its output.
void ExpectMidiRuns(const std::string& Plugin, const std::vector<TMidiRunCase>& Cases);

// The real plug-in and the fixture libraries, beside the test program.
std::string KandrelPath();
std::string NoEntryFixturePath();
std::string NullEntryFixturePath();
std::string EchoFixturePath();
// The echo fixture built to answer chunk requests otherwise: "nochunks", "zerochunk", "nullchunk".
std::string EchoVariantPath(const std::string& Variant);

// A fresh, empty folder for the test, removed afterwards.
class TScratchFolder : public ::testing::Test {
protected:
    // UTF-8 path of Name inside the folder.
    std::string PathOf(const std::string& Name) const { return FFolder.Text(Name); }
    // Writes Text into Name and answers its UTF-8 path.
    std::string WriteFile(const std::string& Name, const std::string& Text) const;

    test::TTempFolder FFolder;
};

}  // namespace kandrel::clitest
