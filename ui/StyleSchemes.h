// The five visual styles the plug-in carries, as complete colour schemes.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/StyleColors.h"

namespace kandrel::ui {

struct TStyleScheme {
    std::string Name;  // "Carbon", "Amakrits", "Light", "Luna", "Smokey Quartz Kamri"
    std::array<TColor, static_cast<size_t>(TStyleColor::Count)> Colors;
    std::array<TColor, static_cast<size_t>(TStyleFont::Count)> FontColors;
    std::array<TColor, static_cast<size_t>(TSystemColor::Count)> SystemColors;
};

// In skin order: Carbon, Amakrits, Light, Luna, Smokey Quartz Kamri.
const std::vector<TStyleScheme>& BuiltInStyles();

}  // namespace kandrel::ui
