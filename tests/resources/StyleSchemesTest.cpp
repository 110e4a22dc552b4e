// The five built-in styles: their names in skin order, and text that stays
// readable where the editor puts it - on the main panel blended over the dark
// tile, on the band panels above it, on buttons, numeric boxes and lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "ResourceFiles.h"
#include "ui/StyleSchemes.h"

namespace kandrel::tests {
namespace {

using ui::TColor;
using ui::TStyleColor;
using ui::TStyleFont;
using ui::TStyleScheme;
using ui::TSystemColor;

constexpr TColor Black = 0x000000;

TColor Get(const TStyleScheme& S, TStyleColor C) { return S.Colors[static_cast<size_t>(C)]; }
TColor Get(const TStyleScheme& S, TStyleFont F) { return S.FontColors[static_cast<size_t>(F)]; }
TColor Get(const TStyleScheme& S, TSystemColor C) { return S.SystemColors[static_cast<size_t>(C)]; }

double RelativeLuminance(TColor C) {
    const auto Linear = [](uint8_t V) {
        const double S = V / 255.0;
        return S <= 0.04045 ? S / 12.92 : std::pow((S + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * Linear(ui::RedOf(C)) + 0.7152 * Linear(ui::GreenOf(C)) + 0.0722 * Linear(ui::BlueOf(C));
}

// Luminance contrast ratio, 1 (none) to 21 (black on white); 4.5 is the usual
// floor for body text.
double Contrast(TColor A, TColor B) {
    const double LA = RelativeLuminance(A), LB = RelativeLuminance(B);
    return (std::max(LA, LB) + 0.05) / (std::min(LA, LB) + 0.05);
}

TColor Blend(TColor Over, TColor Under, int Alpha) {
    const auto Mix = [&](uint8_t O, uint8_t U) { return static_cast<uint8_t>((O * Alpha + U * (255 - Alpha) + 127) / 255); };
    return ui::RGB(Mix(ui::RedOf(Over), ui::RedOf(Under)), Mix(ui::GreenOf(Over), ui::GreenOf(Under)),
                   Mix(ui::BlueOf(Over), ui::BlueOf(Under)));
}

// The average colour of the committed background tile.
TColor TileAverage() {
    const TBitmap24 Tile = DecodeBitmap24(ReadResourceFile("EditorBackground.bmp"));
    if (Tile.Pixels.empty()) return 0;
    unsigned R = 0, G = 0, B = 0;
    for (const TRgb& P : Tile.Pixels) R += P.R, G += P.G, B += P.B;
    const auto N = static_cast<unsigned>(Tile.Pixels.size());
    return ui::RGB(static_cast<uint8_t>(R / N), static_cast<uint8_t>(G / N), static_cast<uint8_t>(B / N));
}

// What the editor shows behind the band controls and behind its buttons.
struct TSurfaces {
    TColor MainPanel;
    TColor BandPanel;
    TColor BandOutline;
};

TSurfaces SurfacesOf(const TStyleScheme& S, TColor Tile) {
    const bool Light = S.Name == "Light";
    const TColor Main = Blend(Get(S, TStyleColor::scPanel), Tile, 220);
    const TColor Group = Get(S, Light ? TStyleColor::scGenericBackground : TStyleColor::scCategoryPanelGroup);
    const TColor Outline = Get(S, Light ? TStyleColor::scBorder : TStyleColor::scHintGradientBase);
    return {Main, Blend(Group, Main, 50), Outline};
}

TEST(BuiltInStyles, FiveStylesInSkinOrderDarkOrLightAsNamed) {
    const auto& Styles = ui::BuiltInStyles();
    ASSERT_EQ(Styles.size(), 5u);
    const char* Names[] = {"Carbon", "Amakrits", "Light", "Luna", "Smokey Quartz Kamri"};
    const bool Dark[] = {true, true, false, false, true};
    for (size_t I = 0; I < Styles.size(); ++I) {
        EXPECT_EQ(Styles[I].Name, Names[I]) << "skin " << I;
        const double L = RelativeLuminance(Get(Styles[I], TStyleColor::scPanel));
        if (Dark[I]) {
            EXPECT_LT(L, 0.1) << Names[I] << " has a dark panel";
        } else {
            EXPECT_GT(L, 0.6) << Names[I] << " has a light panel";
        }
    }
}

TEST(BuiltInStyles, TextReadsOnTheEditorsPanels) {
    const TColor Tile = TileAverage();
    for (const TStyleScheme& S : ui::BuiltInStyles()) {
        SCOPED_TRACE(S.Name);
        const TSurfaces Under = SurfacesOf(S, Tile);
        for (TStyleFont F : {TStyleFont::sfCaptionTextNormal, TStyleFont::sfPanelTextNormal,
                             TStyleFont::sfWindowTextNormal, TStyleFont::sfCategoryPanelGroupHeaderNormal}) {
            EXPECT_GE(Contrast(Get(S, F), Under.MainPanel), 4.5) << "font entry " << int(F) << " on the main panel";
            EXPECT_GE(Contrast(Get(S, F), Under.BandPanel), 4.5) << "font entry " << int(F) << " on a band panel";
        }
        EXPECT_GE(Contrast(Under.BandOutline, Under.BandPanel), 1.3) << "band panel outline shows";
        EXPECT_GE(Contrast(Get(S, TStyleFont::sfCaptionTextNormal), Get(S, TStyleColor::scPanel)), 4.5)
            << "on the opaque heading bar";
    }
}

TEST(BuiltInStyles, ButtonTextReadsInEveryState) {
    struct TState {
        TStyleColor Face;
        TStyleFont Text;
    };
    for (const TStyleScheme& S : ui::BuiltInStyles()) {
        SCOPED_TRACE(S.Name);
        for (TState State : {TState{TStyleColor::scButtonNormal, TStyleFont::sfButtonTextNormal},
                             TState{TStyleColor::scButtonHot, TStyleFont::sfButtonTextHot},
                             TState{TStyleColor::scButtonPressed, TStyleFont::sfButtonTextPressed},
                             TState{TStyleColor::scButtonFocused, TStyleFont::sfButtonTextFocused}})
            EXPECT_GE(Contrast(Get(S, State.Text), Get(S, State.Face)), 4.5) << "font entry " << int(State.Text);
        // Disabled text must still show, yet look weaker than enabled text.
        const double Disabled = Contrast(Get(S, TStyleFont::sfButtonTextDisabled), Get(S, TStyleColor::scButtonDisabled));
        EXPECT_GE(Disabled, 1.5);
        EXPECT_LT(Disabled, Contrast(Get(S, TStyleFont::sfButtonTextNormal), Get(S, TStyleColor::scButtonNormal)));
    }
}

TEST(BuiltInStyles, NumericBoxesAreReadableAndOutlined) {
    // The boxes are filled with scButtonDisabled and outlined in
    // sfButtonTextDisabled; their digits use sfCaptionTextNormal, except under
    // the two styles that letter them in black.
    for (const TStyleScheme& S : ui::BuiltInStyles()) {
        SCOPED_TRACE(S.Name);
        const TColor Fill = Get(S, TStyleColor::scButtonDisabled);
        const bool BlackDigits = S.Name == "Luna" || S.Name == "Smokey Quartz Kamri";
        const TColor Digits = BlackDigits ? Black : Get(S, TStyleFont::sfCaptionTextNormal);
        EXPECT_GE(Contrast(Digits, Fill), 4.5);
        EXPECT_GE(Contrast(Get(S, TStyleFont::sfButtonTextDisabled), Fill), 1.5) << "outline";
    }
}

TEST(BuiltInStyles, ListsEditsAndSelectionsRead) {
    for (const TStyleScheme& S : ui::BuiltInStyles()) {
        SCOPED_TRACE(S.Name);
        EXPECT_GE(Contrast(Get(S, TStyleFont::sfEditBoxTextNormal), Get(S, TStyleColor::scEdit)), 4.5);
        EXPECT_GE(Contrast(Get(S, TStyleFont::sfListItemTextNormal), Get(S, TStyleColor::scListBox)), 4.5);
        EXPECT_GE(Contrast(Get(S, TStyleFont::sfListItemTextSelected), Get(S, TSystemColor::clHighlight)), 4.5);
        EXPECT_GE(Contrast(Get(S, TStyleFont::sfEditBoxTextSelected), Get(S, TSystemColor::clHighlight)), 4.5);
        EXPECT_GE(Contrast(Get(S, TSystemColor::clBtnText), Get(S, TSystemColor::clBtnFace)), 4.5);
        EXPECT_GE(Contrast(Get(S, TSystemColor::clWindowText), Get(S, TSystemColor::clWindow)), 4.5);
        EXPECT_GE(Contrast(Get(S, TSystemColor::clHighlightText), Get(S, TSystemColor::clHighlight)), 4.5);
    }
}

}  // namespace
}  // namespace kandrel::tests
