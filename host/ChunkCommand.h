// kandrel-host chunk get PLUGIN [--bank] OUT
// kandrel-host chunk set PLUGIN [--bank] [--show-automation] IN
// Saves a fresh instance's program (or bank) chunk to a file, or loads one
// into a fresh instance and shows the parameters it leads to.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kandrel::host {

// Args: the command's arguments after "chunk"; In is read for IN "-", Out
// takes the bytes for OUT "-". Throws TCliError.
int RunChunkCommand(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out);

}  // namespace kandrel::host
