// The visual styles (skins) of the plug-in's windows, as the engine sees them:
// it names the style to use and leaves drawing to the editor layer, which
// installs its own manager. Holds no window code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kandrel {

class IStyleManager {
public:
    virtual ~IStyleManager() = default;
    // Makes the named style the active one for every window opened from now on.
    // Throws an exception with a message for the user when it cannot; the
    // previously active style then stays.
    virtual void SetActiveStyle(std::string_view Name) = 0;
    // The active style's name; empty while none was activated.
    virtual std::string ActiveStyle() const = 0;
};

// The style of a Skin setting: 0 "Carbon", 1 "Amakrits", 2 "Light", 3 "Luna",
// 4 "Smokey Quartz Kamri"; any other value "Carbon".
std::string_view SkinStyleName(int32_t Skin) noexcept;

// The process-wide manager, shared by every instance of the plug-in. Until the
// editor layer installs its own, a manager that knows the five style names
// and throws for any other.
IStyleManager& StyleManager();
// Installs Manager (null restores the built-in one) and answers the previous
// one. The caller keeps Manager alive while it is installed.
IStyleManager* SetStyleManager(IStyleManager* Manager) noexcept;

}  // namespace kandrel
