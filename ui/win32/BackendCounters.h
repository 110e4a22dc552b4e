// What the Win32 backend holds right now, for the leak tests: GDI+ objects
// it created (bitmaps, graphics, brushes, paths ...), references to the
// process's GDI+ start-up, and its open windows. Every count returns to its
// earlier value once the windows that caused it are closed.
// Any thread may read them; the backend changes them on the user-interface thread.
#pragma once

#include <cstdint>

namespace kandrel::ui::win32 {

struct TBackendCounters {
    int64_t GdiplusObjects = 0;
    int32_t GdiplusReferences = 0;
    int32_t Windows = 0;
};

TBackendCounters BackendCounters() noexcept;

// For the backend's own units: one GDI+ object made (+1) or freed (-1), one
// window opened or closed.
void CountGdiplusObjects(int64_t Delta) noexcept;
void CountWindows(int32_t Delta) noexcept;
// The number of GDI+ session references held now.
void CountGdiplusReferences(int32_t Value) noexcept;

}  // namespace kandrel::ui::win32
