// The colour entries a visual style provides, named and ordered as the style
// lists the editor's controls refer to (scBorder is entry 0, scCategoryPanelGroup
// 9, scGenericBackground 15, scHintGradientBase 18, scPanel 23; sfButtonTextNormal
// is font entry 3, sfButtonTextPressed 4).
#pragma once

#include <cstdint>

namespace kandrel::ui {

// 0x00RRGGBB.
using TColor = uint32_t;

constexpr TColor RGB(uint8_t R, uint8_t G, uint8_t B) {
    return (static_cast<TColor>(R) << 16) | (static_cast<TColor>(G) << 8) | B;
}
constexpr uint8_t RedOf(TColor C) { return static_cast<uint8_t>(C >> 16); }
constexpr uint8_t GreenOf(TColor C) { return static_cast<uint8_t>(C >> 8); }
constexpr uint8_t BlueOf(TColor C) { return static_cast<uint8_t>(C); }

enum class TStyleColor : uint8_t {
    scBorder,
    scButtonDisabled,
    scButtonFocused,
    scButtonHot,
    scButtonNormal,
    scButtonPressed,
    scCategoryButtons,
    scCategoryButtonsGradientBase,
    scCategoryButtonsGradientEnd,
    scCategoryPanelGroup,
    scComboBox,
    scComboBoxDisabled,
    scEdit,
    scEditDisabled,
    scGrid,
    scGenericBackground,
    scGenericGradientBase,
    scGenericGradientEnd,
    scHintGradientBase,
    scHintGradientEnd,
    scListBox,
    scListBoxDisabled,
    scListView,
    scPanel,
    scPanelDisabled,
    scSplitter,
    scToolBarGradientBase,
    scToolBarGradientEnd,
    scTreeView,
    scWindow,
    Count
};

enum class TStyleFont : uint8_t {
    sfButtonTextDisabled,
    sfButtonTextFocused,
    sfButtonTextHot,
    sfButtonTextNormal,
    sfButtonTextPressed,
    sfCaptionTextInactive,
    sfCaptionTextNormal,
    sfCategoryPanelGroupHeaderHot,
    sfCategoryPanelGroupHeaderNormal,
    sfEditBoxTextDisabled,
    sfEditBoxTextFocused,
    sfEditBoxTextHot,
    sfEditBoxTextNormal,
    sfEditBoxTextSelected,
    sfListItemTextDisabled,
    sfListItemTextNormal,
    sfListItemTextSelected,
    sfMenuItemTextDisabled,
    sfMenuItemTextHot,
    sfMenuItemTextNormal,
    sfMenuItemTextSelected,
    sfPanelTextDisabled,
    sfPanelTextNormal,
    sfPopupMenuItemTextDisabled,
    sfPopupMenuItemTextHot,
    sfPopupMenuItemTextNormal,
    sfPopupMenuItemTextSelected,
    sfWindowTextDisabled,
    sfWindowTextNormal,
    Count
};

// The few system colours the editor windows use outside the style lists.
enum class TSystemColor : uint8_t { clBtnFace, clBtnText, clWindow, clWindowText, clHighlight, clHighlightText, Count };

}  // namespace kandrel::ui
