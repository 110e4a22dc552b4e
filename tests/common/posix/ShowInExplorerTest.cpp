// The real way xdg-open is started, with a stand-in xdg-open on the PATH:
// no file manager opens, and the test sees exactly what it was given.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>

#include "common/JovCommon.h"
#include "tests/support/TempFolder.h"

namespace kandrel {
namespace {

using test::TTempFolder;

class TPathVariable {
public:
    explicit TPathVariable(const std::string& Value) {
        if (const char* old = std::getenv("PATH")) FOld = old;
        setenv("PATH", Value.c_str(), 1);
    }
    ~TPathVariable() {
        if (FOld)
            setenv("PATH", FOld->c_str(), 1);
        else
            unsetenv("PATH");
    }

private:
    std::optional<std::string> FOld;
};

TEST(ShowInExplorerOnLinux, StartsXdgOpenWithTheFolderAsItsOneArgument) {
    TTempFolder bin;
    const std::filesystem::path received = bin.PathOf("received");
    const std::filesystem::path script = bin.PathOf("xdg-open");
    // While it runs the PATH holds only this folder: other tools go by their full path.
    std::ofstream(script) << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" << received.string() << ".tmp'\n/bin/mv '"
                          << received.string() << ".tmp' '" << received.string() << "'\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    const std::string folder = bin.Text("My Presets $HOME 'quoted' \"too\"");
    {
        TPathVariable path(bin.Path().string());
        EXPECT_TRUE(ShowInExplorer(folder));
    }
    // It runs on its own; give it time to write what it got.
    for (int i = 0; i < 500 && !std::filesystem::exists(received); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(received);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "1|" + folder);
}

TEST(ShowInExplorerOnLinux, IsFalseWhenXdgOpenIsNotInstalled) {
    TTempFolder empty;
    TPathVariable path(empty.Path().string());
    EXPECT_FALSE(ShowInExplorer(empty.Text()));
}

}  // namespace
}  // namespace kandrel
