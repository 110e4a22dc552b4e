#include "ui/StyleManager.h"

#include <mutex>
#include <stdexcept>

namespace kandrel::ui {

namespace {

// The plain system look, answered while no style is active.
TStyleScheme SystemLook() {
    TStyleScheme s;
    s.Name = "";
    constexpr TColor face = RGB(240, 240, 240);
    s.Colors.fill(face);
    s.Colors[static_cast<size_t>(TStyleColor::scBorder)] = RGB(160, 160, 160);
    for (const TStyleColor c : {TStyleColor::scEdit, TStyleColor::scListBox, TStyleColor::scListView,
                                TStyleColor::scTreeView, TStyleColor::scWindow, TStyleColor::scComboBox})
        s.Colors[static_cast<size_t>(c)] = RGB(255, 255, 255);
    s.FontColors.fill(RGB(0, 0, 0));
    for (const TStyleFont f : {TStyleFont::sfButtonTextDisabled, TStyleFont::sfEditBoxTextDisabled,
                               TStyleFont::sfListItemTextDisabled, TStyleFont::sfMenuItemTextDisabled,
                               TStyleFont::sfPanelTextDisabled, TStyleFont::sfPopupMenuItemTextDisabled,
                               TStyleFont::sfWindowTextDisabled, TStyleFont::sfCaptionTextInactive})
        s.FontColors[static_cast<size_t>(f)] = RGB(109, 109, 109);
    s.SystemColors[static_cast<size_t>(TSystemColor::clBtnFace)] = face;
    s.SystemColors[static_cast<size_t>(TSystemColor::clBtnText)] = RGB(0, 0, 0);
    s.SystemColors[static_cast<size_t>(TSystemColor::clWindow)] = RGB(255, 255, 255);
    s.SystemColors[static_cast<size_t>(TSystemColor::clWindowText)] = RGB(0, 0, 0);
    s.SystemColors[static_cast<size_t>(TSystemColor::clHighlight)] = RGB(0, 120, 215);
    s.SystemColors[static_cast<size_t>(TSystemColor::clHighlightText)] = RGB(255, 255, 255);
    return s;
}

struct TRegistry {
    std::mutex Lock;
    std::vector<TStyleScheme> Schemes = BuiltInStyles();
    int32_t Active = -1;  // index into Schemes
    TStyleScheme System = SystemLook();

    const TStyleScheme& Current() const { return Active >= 0 ? Schemes[static_cast<size_t>(Active)] : System; }
};

TRegistry& Registry() {
    static TRegistry registry;
    return registry;
}

}  // namespace

void TStyleManager::SetActiveStyle(const std::string& Name) {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    for (size_t i = 0; i < r.Schemes.size(); ++i)
        if (r.Schemes[i].Name == Name) {
            r.Active = static_cast<int32_t>(i);
            return;
        }
    throw std::invalid_argument("Style '" + Name + "' not found");
}

bool TStyleManager::IsCustomStyleActive() {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    return r.Active >= 0;
}

std::string TStyleManager::ActiveStyleName() {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    return r.Current().Name;
}

TColor TStyleManager::GetStyleColor(TStyleColor Color) {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    return r.Current().Colors.at(static_cast<size_t>(Color));
}

TColor TStyleManager::GetStyleFontColor(TStyleFont Font) {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    return r.Current().FontColors.at(static_cast<size_t>(Font));
}

TColor TStyleManager::GetSystemColor(TSystemColor Color) {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    return r.Current().SystemColors.at(static_cast<size_t>(Color));
}

std::vector<std::string> TStyleManager::StyleNames() {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    std::vector<std::string> names;
    for (const TStyleScheme& s : r.Schemes) names.push_back(s.Name);
    return names;
}

void TStyleManager::RegisterStyle(const TStyleScheme& Scheme) {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    for (TStyleScheme& s : r.Schemes)
        if (s.Name == Scheme.Name) {
            s = Scheme;
            return;
        }
    r.Schemes.push_back(Scheme);
}

void TStyleManager::Reset() {
    TRegistry& r = Registry();
    const std::lock_guard lock(r.Lock);
    r.Schemes = BuiltInStyles();
    r.Active = -1;
}

}  // namespace kandrel::ui
