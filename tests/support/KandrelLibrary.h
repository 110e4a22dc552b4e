// The plug-in file built beside the test program (KANDREL_PLUGIN_FILE, set by
// the program's build), loaded once per process.
#pragma once

#include "host/PluginHost.h"
#include "host/TestPaths.h"

namespace kandrel::test {

inline const host::TPluginLibrary& KandrelLibrary() {
    static const host::TPluginLibrary library(host::PluginPathBesideProgram(KANDREL_PLUGIN_FILE));
    return library;
}

}  // namespace kandrel::test
