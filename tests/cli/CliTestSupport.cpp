#include "tests/cli/CliTestSupport.h"

#include <fstream>

#include "host/TestPaths.h"

namespace kandrel::clitest {

using kandrel::host::ModuleFileName;
using kandrel::host::PluginPathBesideProgram;

void ExpectErrors(const std::vector<TErrorCase>& Cases) {
    for (const TErrorCase& c : Cases) {
        const TRunResult r = RunHost(c.Args, c.Input);
        EXPECT_EQ(r.Code, c.Code) << c.Message;
        EXPECT_EQ(r.Err, "kandrel-host: " + c.Message + "\n");
        EXPECT_EQ(r.Out, "") << c.Message;
    }
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

std::string TScratchFolder::WriteFile(const std::string& Name, const std::string& Text) const {
    const std::string path = PathOf(Name);
    std::ofstream file(FFolder.PathOf(Name), std::ios::binary);
    file << Text;
    return path;
}

}  // namespace kandrel::clitest
