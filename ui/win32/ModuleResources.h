// The resources of the file that holds this code (the plug-in library, or the
// program it is linked into), never the host's: bitmaps as BITMAP resources,
// PNG images as RCDATA. No Win32 type, so the editor layer can use it.
// Any thread.
#pragma once

#include "ui/ResourceProvider.h"

namespace kandrel::ui::win32 {

IResourceProvider& PluginResources();

// The module handle (HMODULE) of that file.
void* CodeModuleHandle() noexcept;

}  // namespace kandrel::ui::win32
