// kandrel-host editor PLUGIN [--set INDEX=VALUE ...] [--screenshot FILE.png] [--seconds N]:
// opens the plug-in's editor in a window of its own, as a host's plug-in frame
// does, and keeps it running until the window is closed (or N seconds have
// passed, or the screenshot is taken).
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kandrel::host {

// Args: the command's arguments after "editor". Throws TCliError.
int RunEditorCommand(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out);

}  // namespace kandrel::host
