// The five built-in styles. Every colour of every list is written out per
// style, in list order; the checks below refuse a list that skips, repeats or
// reorders an entry, so adding an entry to a list means deciding its colour in
// all five styles.
//
// Where the colours end up: the editor's main panel is scPanel blended at
// alpha 220-225 over the dark tiled background; the band panels add their
// group colour (scCategoryPanelGroup, or scGenericBackground under "Light") at
// alpha 50 on top, outlined in scHintGradientBase ("Light": scBorder). The
// numeric boxes and sliders are filled with scButtonDisabled, outlined in
// sfButtonTextDisabled and lettered in sfCaptionTextNormal - or in black under
// "Luna" and "Smokey Quartz Kamri", whose scButtonDisabled is therefore a light
// tone. The slider under "Light" draws its value in scButtonPressed and its
// random share in scButtonFocused; under "Smokey Quartz Kamri" the random share
// extends an orange value bar in scButtonFocused.
#include "ui/StyleSchemes.h"

#include <cstddef>

namespace kandrel::ui {
namespace {

using C = TStyleColor;
using F = TStyleFont;
using S = TSystemColor;

template <typename E>
struct Entry {
    E Id;
    TColor Value;
};

template <typename E, size_t N>
constexpr bool CoversEveryEntryInOrder(const Entry<E> (&List)[N]) {
    if (N != static_cast<size_t>(E::Count)) return false;
    for (size_t I = 0; I < N; ++I)
        if (static_cast<size_t>(List[I].Id) != I) return false;
    return true;
}

template <typename E, size_t N>
std::array<TColor, N> ToArray(const Entry<E> (&List)[N]) {
    std::array<TColor, N> Result{};
    for (size_t I = 0; I < N; ++I) Result[I] = List[I].Value;
    return Result;
}

// ---------------------------------------------------------------------------
// Carbon: dark graphite, steel-blue accent.

constexpr Entry<C> CarbonColors[] = {
    {C::scBorder, 0x16181B},
    {C::scButtonDisabled, 0x1C1E21},
    {C::scButtonFocused, 0x3E454D},
    {C::scButtonHot, 0x474D55},
    {C::scButtonNormal, 0x363A40},
    {C::scButtonPressed, 0x2C6E9E},
    {C::scCategoryButtons, 0x30343A},
    {C::scCategoryButtonsGradientBase, 0x3A3F46},
    {C::scCategoryButtonsGradientEnd, 0x2B2F34},
    {C::scCategoryPanelGroup, 0x3E444C},
    {C::scComboBox, 0x1E2024},
    {C::scComboBoxDisabled, 0x2A2D31},
    {C::scEdit, 0x1C1E21},
    {C::scEditDisabled, 0x2A2D31},
    {C::scGrid, 0x3A3E44},
    {C::scGenericBackground, 0x25282C},
    {C::scGenericGradientBase, 0x30343A},
    {C::scGenericGradientEnd, 0x25282C},
    {C::scHintGradientBase, 0x4C5866},
    {C::scHintGradientEnd, 0x38424E},
    {C::scListBox, 0x1E2024},
    {C::scListBoxDisabled, 0x2A2D31},
    {C::scListView, 0x1E2024},
    {C::scPanel, 0x2B2E33},
    {C::scPanelDisabled, 0x303338},
    {C::scSplitter, 0x3A3E44},
    {C::scToolBarGradientBase, 0x363A40},
    {C::scToolBarGradientEnd, 0x2A2D32},
    {C::scTreeView, 0x1E2024},
    {C::scWindow, 0x24272B},
};

constexpr Entry<F> CarbonFonts[] = {
    {F::sfButtonTextDisabled, 0x6C727B},
    {F::sfButtonTextFocused, 0xF2F4F6},
    {F::sfButtonTextHot, 0xFFFFFF},
    {F::sfButtonTextNormal, 0xE4E7EB},
    {F::sfButtonTextPressed, 0xFFFFFF},
    {F::sfCaptionTextInactive, 0x8A9099},
    {F::sfCaptionTextNormal, 0xE4E8EE},
    {F::sfCategoryPanelGroupHeaderHot, 0xFFFFFF},
    {F::sfCategoryPanelGroupHeaderNormal, 0xD2D8E0},
    {F::sfEditBoxTextDisabled, 0x6C727B},
    {F::sfEditBoxTextFocused, 0xFFFFFF},
    {F::sfEditBoxTextHot, 0xF2F4F6},
    {F::sfEditBoxTextNormal, 0xE4E7EB},
    {F::sfEditBoxTextSelected, 0xFFFFFF},
    {F::sfListItemTextDisabled, 0x6C727B},
    {F::sfListItemTextNormal, 0xE4E7EB},
    {F::sfListItemTextSelected, 0xFFFFFF},
    {F::sfMenuItemTextDisabled, 0x6C727B},
    {F::sfMenuItemTextHot, 0xFFFFFF},
    {F::sfMenuItemTextNormal, 0xE4E7EB},
    {F::sfMenuItemTextSelected, 0xFFFFFF},
    {F::sfPanelTextDisabled, 0x6C727B},
    {F::sfPanelTextNormal, 0xE4E7EB},
    {F::sfPopupMenuItemTextDisabled, 0x6C727B},
    {F::sfPopupMenuItemTextHot, 0xFFFFFF},
    {F::sfPopupMenuItemTextNormal, 0xE4E7EB},
    {F::sfPopupMenuItemTextSelected, 0xFFFFFF},
    {F::sfWindowTextDisabled, 0x6C727B},
    {F::sfWindowTextNormal, 0xE4E7EB},
};

constexpr Entry<S> CarbonSystem[] = {
    {S::clBtnFace, 0x2B2E33},   {S::clBtnText, 0xE4E7EB},
    {S::clWindow, 0x1C1E21},    {S::clWindowText, 0xE4E7EB},
    {S::clHighlight, 0x2C6E9E}, {S::clHighlightText, 0xFFFFFF},
};

// ---------------------------------------------------------------------------
// Amakrits: warm near-black, copper accent.

constexpr Entry<C> AmakritsColors[] = {
    {C::scBorder, 0x171412},
    {C::scButtonDisabled, 0x1E1A18},
    {C::scButtonFocused, 0x4A403A},
    {C::scButtonHot, 0x544840},
    {C::scButtonNormal, 0x3E3632},
    {C::scButtonPressed, 0xA65A1C},
    {C::scCategoryButtons, 0x362F2B},
    {C::scCategoryButtonsGradientBase, 0x413833},
    {C::scCategoryButtonsGradientEnd, 0x302A26},
    {C::scCategoryPanelGroup, 0x463C36},
    {C::scComboBox, 0x201C1A},
    {C::scComboBoxDisabled, 0x2D2825},
    {C::scEdit, 0x1E1A18},
    {C::scEditDisabled, 0x2D2825},
    {C::scGrid, 0x3E3632},
    {C::scGenericBackground, 0x28231F},
    {C::scGenericGradientBase, 0x342D29},
    {C::scGenericGradientEnd, 0x28231F},
    {C::scHintGradientBase, 0x7A5230},
    {C::scHintGradientEnd, 0x5A3E26},
    {C::scListBox, 0x201C1A},
    {C::scListBoxDisabled, 0x2D2825},
    {C::scListView, 0x201C1A},
    {C::scPanel, 0x2E2825},
    {C::scPanelDisabled, 0x342E2A},
    {C::scSplitter, 0x3E3632},
    {C::scToolBarGradientBase, 0x3A332F},
    {C::scToolBarGradientEnd, 0x2D2724},
    {C::scTreeView, 0x201C1A},
    {C::scWindow, 0x27221F},
};

constexpr Entry<F> AmakritsFonts[] = {
    {F::sfButtonTextDisabled, 0x7C716A},
    {F::sfButtonTextFocused, 0xF6EEE6},
    {F::sfButtonTextHot, 0xFFF4E8},
    {F::sfButtonTextNormal, 0xEDE5DE},
    {F::sfButtonTextPressed, 0xFFFFFF},
    {F::sfCaptionTextInactive, 0x958A82},
    {F::sfCaptionTextNormal, 0xF0E6DC},
    {F::sfCategoryPanelGroupHeaderHot, 0xFFD9B0},
    {F::sfCategoryPanelGroupHeaderNormal, 0xE6D8CB},
    {F::sfEditBoxTextDisabled, 0x7C716A},
    {F::sfEditBoxTextFocused, 0xFFFFFF},
    {F::sfEditBoxTextHot, 0xF6EEE6},
    {F::sfEditBoxTextNormal, 0xEDE5DE},
    {F::sfEditBoxTextSelected, 0xFFFFFF},
    {F::sfListItemTextDisabled, 0x7C716A},
    {F::sfListItemTextNormal, 0xEDE5DE},
    {F::sfListItemTextSelected, 0xFFFFFF},
    {F::sfMenuItemTextDisabled, 0x7C716A},
    {F::sfMenuItemTextHot, 0xFFE2C2},
    {F::sfMenuItemTextNormal, 0xEDE5DE},
    {F::sfMenuItemTextSelected, 0xFFFFFF},
    {F::sfPanelTextDisabled, 0x7C716A},
    {F::sfPanelTextNormal, 0xEDE5DE},
    {F::sfPopupMenuItemTextDisabled, 0x7C716A},
    {F::sfPopupMenuItemTextHot, 0xFFE2C2},
    {F::sfPopupMenuItemTextNormal, 0xEDE5DE},
    {F::sfPopupMenuItemTextSelected, 0xFFFFFF},
    {F::sfWindowTextDisabled, 0x7C716A},
    {F::sfWindowTextNormal, 0xEDE5DE},
};

constexpr Entry<S> AmakritsSystem[] = {
    {S::clBtnFace, 0x2E2825},   {S::clBtnText, 0xEDE5DE},
    {S::clWindow, 0x1E1A18},    {S::clWindowText, 0xEDE5DE},
    {S::clHighlight, 0xA65A1C}, {S::clHighlightText, 0xFFFFFF},
};

// ---------------------------------------------------------------------------
// Light: white and light grey, near-black text, blue selection.

constexpr Entry<C> LightColors[] = {
    {C::scBorder, 0xA4AAB3},
    {C::scButtonDisabled, 0xFBFBFC},
    {C::scButtonFocused, 0xCFE0F5},
    {C::scButtonHot, 0xF3F5F8},
    {C::scButtonNormal, 0xE3E6EB},
    {C::scButtonPressed, 0x9CC2EC},
    {C::scCategoryButtons, 0xE8EAEE},
    {C::scCategoryButtonsGradientBase, 0xF2F3F6},
    {C::scCategoryButtonsGradientEnd, 0xDDE0E5},
    {C::scCategoryPanelGroup, 0xE6E9EE},
    {C::scComboBox, 0xFFFFFF},
    {C::scComboBoxDisabled, 0xEEF0F3},
    {C::scEdit, 0xFFFFFF},
    {C::scEditDisabled, 0xEEF0F3},
    {C::scGrid, 0xD5D9DF},
    {C::scGenericBackground, 0xFFFFFF},
    {C::scGenericGradientBase, 0xF7F8FA},
    {C::scGenericGradientEnd, 0xE9ECF0},
    {C::scHintGradientBase, 0xFFFFFF},
    {C::scHintGradientEnd, 0xE4E8EE},
    {C::scListBox, 0xFFFFFF},
    {C::scListBoxDisabled, 0xEEF0F3},
    {C::scListView, 0xFFFFFF},
    {C::scPanel, 0xF3F4F6},
    {C::scPanelDisabled, 0xE6E8EB},
    {C::scSplitter, 0xD5D9DF},
    {C::scToolBarGradientBase, 0xF7F8FA},
    {C::scToolBarGradientEnd, 0xE4E7EB},
    {C::scTreeView, 0xFFFFFF},
    {C::scWindow, 0xF3F4F6},
};

constexpr Entry<F> LightFonts[] = {
    {F::sfButtonTextDisabled, 0x9CA2AB},
    {F::sfButtonTextFocused, 0x14181D},
    {F::sfButtonTextHot, 0x000000},
    {F::sfButtonTextNormal, 0x1B1F24},
    {F::sfButtonTextPressed, 0x0B1A2B},
    {F::sfCaptionTextInactive, 0x7D838C},
    {F::sfCaptionTextNormal, 0x1B1F24},
    {F::sfCategoryPanelGroupHeaderHot, 0x1F5FA8},
    {F::sfCategoryPanelGroupHeaderNormal, 0x2B3036},
    {F::sfEditBoxTextDisabled, 0x9CA2AB},
    {F::sfEditBoxTextFocused, 0x000000},
    {F::sfEditBoxTextHot, 0x14181D},
    {F::sfEditBoxTextNormal, 0x1B1F24},
    {F::sfEditBoxTextSelected, 0xFFFFFF},
    {F::sfListItemTextDisabled, 0x9CA2AB},
    {F::sfListItemTextNormal, 0x1B1F24},
    {F::sfListItemTextSelected, 0xFFFFFF},
    {F::sfMenuItemTextDisabled, 0x9CA2AB},
    {F::sfMenuItemTextHot, 0x000000},
    {F::sfMenuItemTextNormal, 0x1B1F24},
    {F::sfMenuItemTextSelected, 0xFFFFFF},
    {F::sfPanelTextDisabled, 0x9CA2AB},
    {F::sfPanelTextNormal, 0x1B1F24},
    {F::sfPopupMenuItemTextDisabled, 0x9CA2AB},
    {F::sfPopupMenuItemTextHot, 0x000000},
    {F::sfPopupMenuItemTextNormal, 0x1B1F24},
    {F::sfPopupMenuItemTextSelected, 0xFFFFFF},
    {F::sfWindowTextDisabled, 0x9CA2AB},
    {F::sfWindowTextNormal, 0x1B1F24},
};

constexpr Entry<S> LightSystem[] = {
    {S::clBtnFace, 0xF0F1F3},   {S::clBtnText, 0x1B1F24},
    {S::clWindow, 0xFFFFFF},    {S::clWindowText, 0x1B1F24},
    {S::clHighlight, 0x2F6FBA}, {S::clHighlightText, 0xFFFFFF},
};

// ---------------------------------------------------------------------------
// Luna: soft blue, navy text, golden hot and pressed states.

constexpr Entry<C> LunaColors[] = {
    {C::scBorder, 0x7F9CC4},
    {C::scButtonDisabled, 0xF4F8FD},
    {C::scButtonFocused, 0xE3ECF8},
    {C::scButtonHot, 0xFDE9B4},
    {C::scButtonNormal, 0xCCDCF2},
    {C::scButtonPressed, 0xF6C65A},
    {C::scCategoryButtons, 0xD5E2F4},
    {C::scCategoryButtonsGradientBase, 0xE6EEF9},
    {C::scCategoryButtonsGradientEnd, 0xC3D5EE},
    {C::scCategoryPanelGroup, 0xC2D5EF},
    {C::scComboBox, 0xFFFFFF},
    {C::scComboBoxDisabled, 0xE8EEF6},
    {C::scEdit, 0xFFFFFF},
    {C::scEditDisabled, 0xE8EEF6},
    {C::scGrid, 0xB5C8E3},
    {C::scGenericBackground, 0xEAF1FA},
    {C::scGenericGradientBase, 0xF2F6FC},
    {C::scGenericGradientEnd, 0xD6E3F4},
    {C::scHintGradientBase, 0x6F93C6},
    {C::scHintGradientEnd, 0xC9DAF1},
    {C::scListBox, 0xFFFFFF},
    {C::scListBoxDisabled, 0xE8EEF6},
    {C::scListView, 0xFFFFFF},
    {C::scPanel, 0xDDE8F6},
    {C::scPanelDisabled, 0xD2DCEA},
    {C::scSplitter, 0xB5C8E3},
    {C::scToolBarGradientBase, 0xE6EEF9},
    {C::scToolBarGradientEnd, 0xC3D5EE},
    {C::scTreeView, 0xFFFFFF},
    {C::scWindow, 0xE6EEF9},
};

constexpr Entry<F> LunaFonts[] = {
    {F::sfButtonTextDisabled, 0x8DA0BA},
    {F::sfButtonTextFocused, 0x10284A},
    {F::sfButtonTextHot, 0x0A1C36},
    {F::sfButtonTextNormal, 0x10284A},
    {F::sfButtonTextPressed, 0x0A1C36},
    {F::sfCaptionTextInactive, 0x6E84A3},
    {F::sfCaptionTextNormal, 0x10284A},
    {F::sfCategoryPanelGroupHeaderHot, 0x1F4E9A},
    {F::sfCategoryPanelGroupHeaderNormal, 0x1A3560},
    {F::sfEditBoxTextDisabled, 0x8DA0BA},
    {F::sfEditBoxTextFocused, 0x000000},
    {F::sfEditBoxTextHot, 0x10284A},
    {F::sfEditBoxTextNormal, 0x10284A},
    {F::sfEditBoxTextSelected, 0xFFFFFF},
    {F::sfListItemTextDisabled, 0x8DA0BA},
    {F::sfListItemTextNormal, 0x10284A},
    {F::sfListItemTextSelected, 0xFFFFFF},
    {F::sfMenuItemTextDisabled, 0x8DA0BA},
    {F::sfMenuItemTextHot, 0x0A1C36},
    {F::sfMenuItemTextNormal, 0x10284A},
    {F::sfMenuItemTextSelected, 0xFFFFFF},
    {F::sfPanelTextDisabled, 0x8DA0BA},
    {F::sfPanelTextNormal, 0x10284A},
    {F::sfPopupMenuItemTextDisabled, 0x8DA0BA},
    {F::sfPopupMenuItemTextHot, 0x0A1C36},
    {F::sfPopupMenuItemTextNormal, 0x10284A},
    {F::sfPopupMenuItemTextSelected, 0xFFFFFF},
    {F::sfWindowTextDisabled, 0x8DA0BA},
    {F::sfWindowTextNormal, 0x10284A},
};

constexpr Entry<S> LunaSystem[] = {
    {S::clBtnFace, 0xDDE8F6},   {S::clBtnText, 0x10284A},
    {S::clWindow, 0xFFFFFF},    {S::clWindowText, 0x10284A},
    {S::clHighlight, 0x316AC5}, {S::clHighlightText, 0xFFFFFF},
};

// ---------------------------------------------------------------------------
// Smokey Quartz Kamri: smoky brown-violet, mauve borders, smoky-quartz boxes.

constexpr Entry<C> SmokeyColors[] = {
    {C::scBorder, 0x1C1719},
    {C::scButtonDisabled, 0xA3909A},
    {C::scButtonFocused, 0xE0A486},
    {C::scButtonHot, 0x5E5058},
    {C::scButtonNormal, 0x4B3F46},
    {C::scButtonPressed, 0x7B5679},
    {C::scCategoryButtons, 0x44393F},
    {C::scCategoryButtonsGradientBase, 0x4E4249},
    {C::scCategoryButtonsGradientEnd, 0x3C3237},
    {C::scCategoryPanelGroup, 0x5A4B53},
    {C::scComboBox, 0x2A2327},
    {C::scComboBoxDisabled, 0x3A3136},
    {C::scEdit, 0x2A2327},
    {C::scEditDisabled, 0x3A3136},
    {C::scGrid, 0x4B3F46},
    {C::scGenericBackground, 0x302829},
    {C::scGenericGradientBase, 0x3D3338},
    {C::scGenericGradientEnd, 0x2F282B},
    {C::scHintGradientBase, 0x8A6F7C},
    {C::scHintGradientEnd, 0x6B5561},
    {C::scListBox, 0x2A2327},
    {C::scListBoxDisabled, 0x3A3136},
    {C::scListView, 0x2A2327},
    {C::scPanel, 0x3A3034},
    {C::scPanelDisabled, 0x41373C},
    {C::scSplitter, 0x4B3F46},
    {C::scToolBarGradientBase, 0x463B41},
    {C::scToolBarGradientEnd, 0x372E33},
    {C::scTreeView, 0x2A2327},
    {C::scWindow, 0x332B2F},
};

constexpr Entry<F> SmokeyFonts[] = {
    {F::sfButtonTextDisabled, 0x6E5C66},
    {F::sfButtonTextFocused, 0x221A1E},
    {F::sfButtonTextHot, 0xFFFFFF},
    {F::sfButtonTextNormal, 0xEFE4EA},
    {F::sfButtonTextPressed, 0xFFFFFF},
    {F::sfCaptionTextInactive, 0x9C8A94},
    {F::sfCaptionTextNormal, 0xF1E6EC},
    {F::sfCategoryPanelGroupHeaderHot, 0xF6C7B0},
    {F::sfCategoryPanelGroupHeaderNormal, 0xE3D3DB},
    {F::sfEditBoxTextDisabled, 0x7D6B75},
    {F::sfEditBoxTextFocused, 0xFFFFFF},
    {F::sfEditBoxTextHot, 0xF6EEF2},
    {F::sfEditBoxTextNormal, 0xEFE4EA},
    {F::sfEditBoxTextSelected, 0xFFFFFF},
    {F::sfListItemTextDisabled, 0x7D6B75},
    {F::sfListItemTextNormal, 0xEFE4EA},
    {F::sfListItemTextSelected, 0xFFFFFF},
    {F::sfMenuItemTextDisabled, 0x7D6B75},
    {F::sfMenuItemTextHot, 0xFFFFFF},
    {F::sfMenuItemTextNormal, 0xEFE4EA},
    {F::sfMenuItemTextSelected, 0xFFFFFF},
    {F::sfPanelTextDisabled, 0x7D6B75},
    {F::sfPanelTextNormal, 0xEFE4EA},
    {F::sfPopupMenuItemTextDisabled, 0x7D6B75},
    {F::sfPopupMenuItemTextHot, 0xFFFFFF},
    {F::sfPopupMenuItemTextNormal, 0xEFE4EA},
    {F::sfPopupMenuItemTextSelected, 0xFFFFFF},
    {F::sfWindowTextDisabled, 0x7D6B75},
    {F::sfWindowTextNormal, 0xEFE4EA},
};

constexpr Entry<S> SmokeySystem[] = {
    {S::clBtnFace, 0x3A3034},   {S::clBtnText, 0xEFE4EA},
    {S::clWindow, 0x2A2327},    {S::clWindowText, 0xEFE4EA},
    {S::clHighlight, 0x7B5679}, {S::clHighlightText, 0xFFFFFF},
};

static_assert(CoversEveryEntryInOrder(CarbonColors) && CoversEveryEntryInOrder(CarbonFonts) &&
              CoversEveryEntryInOrder(CarbonSystem));
static_assert(CoversEveryEntryInOrder(AmakritsColors) && CoversEveryEntryInOrder(AmakritsFonts) &&
              CoversEveryEntryInOrder(AmakritsSystem));
static_assert(CoversEveryEntryInOrder(LightColors) && CoversEveryEntryInOrder(LightFonts) &&
              CoversEveryEntryInOrder(LightSystem));
static_assert(CoversEveryEntryInOrder(LunaColors) && CoversEveryEntryInOrder(LunaFonts) &&
              CoversEveryEntryInOrder(LunaSystem));
static_assert(CoversEveryEntryInOrder(SmokeyColors) && CoversEveryEntryInOrder(SmokeyFonts) &&
              CoversEveryEntryInOrder(SmokeySystem));

template <size_t NC, size_t NF, size_t NS>
TStyleScheme MakeScheme(const char* Name, const Entry<C> (&Colors)[NC], const Entry<F> (&Fonts)[NF],
                        const Entry<S> (&System)[NS]) {
    return TStyleScheme{Name, ToArray(Colors), ToArray(Fonts), ToArray(System)};
}

}  // namespace

const std::vector<TStyleScheme>& BuiltInStyles() {
    // Built on first use (thread-safe static), never on the processing thread.
    static const std::vector<TStyleScheme> Styles{
        MakeScheme("Carbon", CarbonColors, CarbonFonts, CarbonSystem),
        MakeScheme("Amakrits", AmakritsColors, AmakritsFonts, AmakritsSystem),
        MakeScheme("Light", LightColors, LightFonts, LightSystem),
        MakeScheme("Luna", LunaColors, LunaFonts, LunaSystem),
        MakeScheme("Smokey Quartz Kamri", SmokeyColors, SmokeyFonts, SmokeySystem),
    };
    return Styles;
}

}  // namespace kandrel::ui
