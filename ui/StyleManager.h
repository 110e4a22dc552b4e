// The process-wide style (skin) manager: which colour scheme is active and
// its colours. The five built-in schemes of StyleSchemes.h are known from
// the start; others may be registered. Before any style was activated none
// is active: IsCustomStyleActive() is false and the colour queries answer
// the plain system look.
//
// Windows take their skin colours once, when they are loaded; activating
// another style later does not re-colour existing controls.
//
// User-interface thread. Several plug-in instances of one process share the
// manager; a lock keeps it consistent should hosts use several such threads.
#pragma once

#include <string>
#include <vector>

#include "ui/StyleColors.h"
#include "ui/StyleSchemes.h"

namespace kandrel::ui {

class TStyleManager {
public:
    // Makes the scheme named Name (exact, case-sensitive) the active one.
    // Throws std::invalid_argument for a name no scheme has; the active style
    // then stays.
    static void SetActiveStyle(const std::string& Name);
    // True once any scheme was activated.
    static bool IsCustomStyleActive();
    // The active scheme's name; empty while none is active.
    static std::string ActiveStyleName();
    // Colours of the active scheme (of the system look while none is active).
    static TColor GetStyleColor(TStyleColor Color);
    static TColor GetStyleFontColor(TStyleFont Font);
    static TColor GetSystemColor(TSystemColor Color);
    // The names of all known schemes, built-in first.
    static std::vector<std::string> StyleNames();

    // Adds Scheme, or replaces the known scheme of the same name.
    static void RegisterStyle(const TStyleScheme& Scheme);
    // Back to the start: only the built-in schemes, none active. For tests.
    static void Reset();
};

}  // namespace kandrel::ui
