#include "tests/cli/CliTestSupport.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>

#include "host/HostCommands.h"
#include "host/TestPaths.h"
#include "host/Utf8Path.h"

namespace kandrel::clitest {

using kandrel::host::ModuleFileName;
using kandrel::host::PluginPathBesideProgram;

TRunResult RunHost(const std::vector<std::string>& Args, const std::string& Input) {
    std::istringstream in(Input);
    std::ostringstream out, err;
    const int code = kandrel::host::RunKandrelHost(Args, in, out, err);
    return {code, out.str(), err.str()};
}

void ExpectMidiRuns(const std::string& Plugin, const std::vector<TMidiRunCase>& Cases) {
    for (const TMidiRunCase& c : Cases) {
        std::vector<std::string> args = {"midi", Plugin};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const TRunResult r = RunHost(args, c.Input);
        EXPECT_EQ(r.Code, 0) << c.Name << ": " << r.Err;
        EXPECT_EQ(r.Out, c.Expected) << c.Name;
    }
}

std::string KandrelPath() { return PluginPathBesideProgram(ModuleFileName("Kandrel")); }
std::string NoEntryFixturePath() { return PluginPathBesideProgram(ModuleFileName("kandrel_fixture_noentry")); }
std::string NullEntryFixturePath() { return PluginPathBesideProgram(ModuleFileName("kandrel_fixture_nullentry")); }
std::string EchoFixturePath() { return PluginPathBesideProgram(ModuleFileName("kandrel_fixture_echo")); }
std::string EchoVariantPath(const std::string& Variant) {
    return PluginPathBesideProgram(ModuleFileName("kandrel_fixture_echo_" + Variant));
}

void TScratchFolder::SetUp() {
    std::random_device device;
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string name = "kandrel-cli-" + std::to_string(device()) + "-" + std::to_string(tick);
    FFolder = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(FFolder);
}

void TScratchFolder::TearDown() {
    std::error_code ignored;
    std::filesystem::remove_all(FFolder, ignored);
}

std::string TScratchFolder::PathOf(const std::string& Name) const {
    return kandrel::host::Utf8FromPath(FFolder / kandrel::host::PathFromUtf8(Name));
}

std::string TScratchFolder::WriteFile(const std::string& Name, const std::string& Text) const {
    const std::string path = PathOf(Name);
    std::ofstream file(kandrel::host::PathFromUtf8(path), std::ios::binary);
    file << Text;
    return path;
}

}  // namespace kandrel::clitest
