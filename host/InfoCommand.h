// kandrel-host info PLUGIN: what the plug-in tells a host about itself.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kandrel::host {

// Args: the command's arguments after "info". Throws TCliError.
int RunInfoCommand(const std::vector<std::string>& Args, std::ostream& Out);

}  // namespace kandrel::host
