// The two bitmap resources, decoded as the window toolkit's bitmap loader sees
// them (orientation, row padding and header fields included).
#include <gtest/gtest.h>

#include "ResourceFiles.h"
#include "tests/support/EditorTileLevels.h"

namespace kandrel::tests {
namespace {

TEST(BitmapResources, EditorBackgroundIsTheGreyTileTopRowFirst) {
    const TBitmap24 Tile = DecodeBitmap24(ReadResourceFile("EditorBackground.bmp"));
    ASSERT_EQ(Tile.Width, 16);
    ASSERT_EQ(Tile.Height, 16);
    // The tile repeats from the window's top-left corner, so a flipped or
    // shifted tile would misalign the pattern across partial repaints.
    for (int32_t Y = 0; Y < 16; ++Y)
        for (int32_t X = 0; X < 16; ++X) {
            const uint8_t L = test::kEditorTileLevels[static_cast<size_t>(Y)][static_cast<size_t>(X)];
            EXPECT_EQ(Tile.At(X, Y), (TRgb{L, L, L})) << "pixel " << X << "," << Y;
        }
}

TEST(BitmapResources, MenuGlyphIsThreeBlackBarsOnMagentaOnly) {
    // The menu button recolours exactly the black pixels and keys out exactly
    // magenta: any third colour would show as a stray dot in every skin.
    const TBitmap24 Glyph = DecodeBitmap24(ReadResourceFile("menu16.bmp"));
    ASSERT_EQ(Glyph.Width, 16);
    ASSERT_EQ(Glyph.Height, 16);
    for (int32_t Y = 0; Y < 16; ++Y)
        for (int32_t X = 0; X < 16; ++X) {
            const bool Bar = X >= 2 && X <= 13 && (Y == 3 || Y == 4 || Y == 7 || Y == 8 || Y == 11 || Y == 12);
            EXPECT_EQ(Glyph.At(X, Y), Bar ? (TRgb{0, 0, 0}) : (TRgb{255, 0, 255})) << "pixel " << X << "," << Y;
        }
}

}  // namespace
}  // namespace kandrel::tests
