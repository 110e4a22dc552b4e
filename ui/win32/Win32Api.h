// The Windows and GDI+ headers as the backend includes them. Every file of
// ui/win32 that needs Win32 types includes this one instead of <windows.h>:
// it removes the two macros that would rename names of the widget layer
// (RGB in StyleColors.h, DrawText in Canvas.h).
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

#undef RGB
#undef DrawText
