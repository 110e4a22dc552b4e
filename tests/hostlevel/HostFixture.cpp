#include "tests/hostlevel/HostFixture.h"

#include "host/TestPaths.h"

namespace kandrel::test {

const host::TPluginLibrary& KandrelLibrary() {
    static const host::TPluginLibrary library(host::PluginPathBesideProgram(KANDREL_PLUGIN_FILE));
    return library;
}

}  // namespace kandrel::test
