// How a module gets its editor window without knowing any window code: the
// editor layer, linked only into plug-in files that have an editor, registers
// its factory while the file is loaded, before any module exists. Without a
// factory the plug-in reports no editor and refuses to open one.
#pragma once

#include <memory>

#include "vst2/ModuleEditor.h"

namespace vst2 {

class TVSTModule;

// Creates the editor of Module as a visible, borderless child of the host's
// window ParentWindow (on Windows an HWND), at 0, 0 with the editor's own size.
// Answers null, or throws, when it cannot. User-interface thread.
using TEditorFactory = std::unique_ptr<IModuleEditor> (*)(TVSTModule& Module, void* ParentWindow);

// The registered factory; null in a build without an editor. Any thread.
TEditorFactory EditorFactory() noexcept;
// Any thread; meant for the static initialisation of the plug-in file. Null
// takes the factory away again.
void RegisterEditorFactory(TEditorFactory Factory) noexcept;

}  // namespace vst2
