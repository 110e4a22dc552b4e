// kandrel-host: a command-line VST 2.4 host for inspecting and exercising a
// plug-in file. Runs in-process with any streams, so tests drive it directly.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kandrel::host {

// Args excludes the program name. Answers the exit code: 0 success, 2 usage
// error, 3 plug-in error (load, chunks), 4 input or output file error, 1
// anything else. Errors are one line on Err, "kandrel-host: ...".
int RunKandrelHost(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out, std::ostream& Err);

}  // namespace kandrel::host
