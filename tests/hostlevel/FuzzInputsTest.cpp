// Every input the fuzzer keeps — its seed corpus and each crash it ever found
// (tests/data/fuzz-crashes/) — goes through the host interface in every build,
// the sanitizer and Windows builds included.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/TestPaths.h"
#include "host/Utf8Path.h"
#include "tests/hostlevel/HostFixture.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TestPresetsFolder.h"

namespace kandrel::test {
namespace {

using namespace vst2;
using Bytes = std::vector<uint8_t>;

TEST(FuzzInputs, LoadWithoutHarmAndSettleAfterOneTrip) {
    TTestPresetsFolder folder;
    if (!folder.Available()) GTEST_SKIP() << "no private documents folder here";
    const std::filesystem::path inputs = host::PathFromUtf8(host::ProgramFolder() + "fuzz-inputs");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(inputs)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty()) << "no fuzz inputs copied beside the test program";

    TMessageBoxWatcher boxes;
    host::THostedPlugin plugin(KandrelLibrary());
    for (const auto& file : files) {
        std::ifstream stream(file, std::ios::binary);
        const Bytes input((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
        for (int32_t kind : {1, 0}) {
            SetChunkBytes(plugin, kind, input);
            // One trip may still change the state (a failed load keeps the name it
            // read, a good one drops a name without a file); then it must settle.
            SetChunkBytes(plugin, 1, GetChunkBytes(plugin));
            const Bytes saved = GetChunkBytes(plugin);
            SetChunkBytes(plugin, 1, saved);
            EXPECT_EQ(GetChunkBytes(plugin), saved) << host::Utf8FromPath(file.filename()) << ", kind " << kind;
        }
    }
}

}  // namespace
}  // namespace kandrel::test
