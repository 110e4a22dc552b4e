// The platform part of "kandrel-host editor": showing a plug-in's editor in a
// frame window. Only the Windows build of the host can; elsewhere the session
// ends with a message saying so.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "host/PluginHost.h"

namespace kandrel::host {

struct TEditorSessionOptions {
    std::string ScreenshotPath;     // empty: none
    std::optional<double> Seconds;  // none: until the frame is closed (or the shot is taken)
};

// Opens the editor of Plugin (which reports one), runs it as the options say
// and closes it again. Prints what it did to Out. Throws TCliError.
void RunEditorSession(THostedPlugin& Plugin, const TEditorSessionOptions& Options, std::ostream& Out);

}  // namespace kandrel::host
