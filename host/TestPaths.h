// Finding files the build puts beside the running program (the plug-in, test
// fixtures), wherever the build folder is and whatever the working directory.
#pragma once

#include <string>
#include <string_view>

namespace kandrel::host {

// The running program's folder, UTF-8, with a trailing separator.
std::string ProgramFolder();
// ProgramFolder() + Name.
std::string PluginPathBesideProgram(std::string_view Name);
// BaseName with this platform's loadable-library extension: "Kandrel" -> "Kandrel.so" / "Kandrel.dll".
std::string ModuleFileName(std::string_view BaseName);

}  // namespace kandrel::host
