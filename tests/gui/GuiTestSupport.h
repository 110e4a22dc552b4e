// What the GUI tests share: the editor's background tile as its pixels are
// known, colour arithmetic, counts of the process's GDI objects and windows,
// and a message pump.
#pragma once

#include "ui/win32/Win32Api.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>

#include "ui/StyleColors.h"

namespace kandrel::test {

// The tile's colour at window pixel (X, Y), with the tile repeated from the
// window's top-left corner.
ui::TColor TileColor(int32_t X, int32_t Y);
// The colour the editor's panel takes under the "Carbon" skin, the one a
// user who never chose a skin gets.
ui::TColor CarbonPanelColor();
// Over drawn at opacity Alpha onto Under.
ui::TColor Blend(ui::TColor Under, ui::TColor Over, uint8_t Alpha);
// The largest difference of the three channels.
int32_t ColorDistance(ui::TColor A, ui::TColor B);

// GDI objects of this process. Uses GetGuiResources; under wine, where that
// is not implemented, counts the live entries of the process's GDI handle table.
int32_t ProcessGdiObjects();
// Windows of this thread, top-level windows and all their descendants.
int32_t ThreadWindows();

// Dispatches this thread's messages for Duration, or until Done answers true.
void Pump(std::chrono::milliseconds Duration, const std::function<bool()>& Done = {});

}  // namespace kandrel::test
