// kandrel-host midi PLUGIN [--preset PRESET] [--set INDEX=VALUE ...] [--block FRAMES]
//                    [--show-automation] [FILE]:
// plays event text through the plug-in block by block and prints what it sends back.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kandrel::host {

// Args: the command's arguments after "midi"; In is read when no FILE is given
// (or FILE is "-"). Throws TCliError.
int RunMidiCommand(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out);

}  // namespace kandrel::host
