// Bitmaps from BMP bytes, PNG sizes, image strips, and the style manager.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "ui/GuiStitchedPNGList.h"
#include "ui/PngImage.h"
#include "ui/StyleManager.h"

namespace kandrel::testing {
namespace {

using namespace kandrel::ui;

TBitmap Pattern(int32_t Width, int32_t Height) {
    TBitmap b(Width, Height);
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x) b.SetPixel(x, y, RGB(static_cast<uint8_t>(x * 40), static_cast<uint8_t>(y * 50), 7));
    return b;
}

void ExpectSamePixels(const TBitmap& A, const TBitmap& B) {
    ASSERT_EQ(A.Width(), B.Width());
    ASSERT_EQ(A.Height(), B.Height());
    for (int32_t y = 0; y < A.Height(); ++y)
        for (int32_t x = 0; x < A.Width(); ++x) ASSERT_EQ(A.GetPixel(x, y), B.GetPixel(x, y)) << x << "," << y;
}

TEST(UiBitmap, LoadsTwentyFourBitBmpWithOrWithoutFileHeaderAndRowPadding) {
    const TBitmap source = Pattern(3, 2);  // 9 bytes a row, padded to 12
    for (const bool fileHeader : {true, false}) {
        TBitmap loaded;
        loaded.LoadFromBmpBytes(BmpBytes(source, fileHeader));
        ExpectSamePixels(loaded, source);
    }
    // A negative height stores the rows top first.
    std::vector<uint8_t> topDown = BmpBytes(source, false);
    const int32_t negative = -2;
    for (int i = 0; i < 4; ++i) topDown[8 + i] = static_cast<uint8_t>(static_cast<uint32_t>(negative) >> (8 * i));
    TBitmap flipped;
    flipped.LoadFromBmpBytes(topDown);
    EXPECT_EQ(flipped.GetPixel(1, 0), source.GetPixel(1, 1));
}

TEST(UiBitmap, RefusesWhatItCannotRead) {
    const std::vector<uint8_t> good = BmpBytes(Pattern(4, 4));
    std::vector<uint8_t> truncated(good.begin(), good.end() - 5);
    std::vector<uint8_t> thirtyTwoBit = good;
    thirtyTwoBit[14 + 14] = 32;
    std::vector<uint8_t> compressed = good;
    compressed[14 + 16] = 1;
    std::vector<uint8_t> huge = good;
    huge[14 + 7] = 0x7F;  // width near 2^31
    const std::vector<uint8_t> cases[] = {{}, {'B', 'M', 1}, truncated, thirtyTwoBit, compressed, huge};
    for (const auto& bytes : cases) {
        TBitmap b(1, 1, 0x112233);
        EXPECT_THROW(b.LoadFromBmpBytes(bytes), EBitmapError);
        EXPECT_EQ(b.GetPixel(0, 0), 0x112233u);  // unchanged
    }
    TMemoryResources none;
    TBitmap b;
    EXPECT_THROW(b.LoadFromResource(none, "menu16"), EBitmapError);
    EXPECT_THROW(b.GetPixel(1, 0), std::out_of_range);
}

TEST(UiBitmap, ShippedGlyphAndTileMatchTheirDescription) {
    const std::string folder = KANDREL_SOURCE_DIR "/resources/";
    std::ifstream glyphFile(folder + "menu16.bmp", std::ios::binary);
    std::ifstream tileFile(folder + "EditorBackground.bmp", std::ios::binary);
    if (!glyphFile || !tileFile) GTEST_SKIP() << "resource files not readable here";
    const std::vector<uint8_t> glyphBytes(std::istreambuf_iterator<char>(glyphFile), {});
    const std::vector<uint8_t> tileBytes(std::istreambuf_iterator<char>(tileFile), {});
    TBitmap glyph, tile;
    glyph.LoadFromBmpBytes(glyphBytes);
    ExpectSamePixels(glyph, Menu16Bitmap());
    tile.LoadFromBmpBytes(tileBytes);
    EXPECT_EQ(tile.Width(), 16);
    EXPECT_EQ(tile.Height(), 16);
    EXPECT_EQ(tile.GetPixel(1, 0), RGB(0x05, 0x05, 0x05));  // row 1 starts 20 05 00 05
    EXPECT_EQ(tile.GetPixel(6, 15), RGB(0x00, 0x00, 0x00));
}

TEST(UiPngImage, TakesItsSizeFromTheHeaderAndRefusesOtherBytes) {
    std::vector<uint8_t> png = PngHeaderBytes(48, 4848);
    const TPngImage image(png);
    EXPECT_EQ(image.Width(), 48);
    EXPECT_EQ(image.Height(), 4848);
    TGuiStitchedPNGList list;
    list.Add("Dial100", std::make_shared<TPngImage>(png), 101);
    ASSERT_NE(list.Item(0), nullptr);
    EXPECT_EQ(list.Item(0)->Height, 48);
    EXPECT_EQ(list.Item(0)->FrameRect(100), (TRect{0, 4800, 48, 4848}));
    EXPECT_EQ(list.Item(1), nullptr);

    png[1] = 'X';
    EXPECT_THROW(TPngImage{png}, EBitmapError);
    TMemoryResources none;
    EXPECT_THROW(TPngImage::FromResource(none, "Dial100"), EBitmapError);
}

class UiStyleManager : public ::testing::Test {
protected:
    void SetUp() override { TStyleManager::Reset(); }
    void TearDown() override { TStyleManager::Reset(); }
};

TEST_F(UiStyleManager, NoStyleIsActiveUntilOneIsChosenAndUnknownNamesAreRefused) {
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "");
    EXPECT_THROW(TStyleManager::SetActiveStyle("light"), std::invalid_argument);
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());

    const std::vector<TStyleScheme>& builtIn = BuiltInStyles();
    ASSERT_EQ(builtIn.size(), 5u);
    EXPECT_EQ(TStyleManager::StyleNames(),
              (std::vector<std::string>{"Carbon", "Amakrits", "Light", "Luna", "Smokey Quartz Kamri"}));
    TStyleManager::SetActiveStyle("Luna");
    EXPECT_THROW(TStyleManager::SetActiveStyle("Unknown"), std::invalid_argument);
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Luna");
    const TStyleScheme& luna = builtIn[3];
    EXPECT_EQ(TStyleManager::GetStyleColor(TStyleColor::scPanel), luna.Colors[static_cast<size_t>(TStyleColor::scPanel)]);
    EXPECT_EQ(TStyleManager::GetStyleFontColor(TStyleFont::sfButtonTextPressed),
              luna.FontColors[static_cast<size_t>(TStyleFont::sfButtonTextPressed)]);
    EXPECT_EQ(TStyleManager::GetSystemColor(TSystemColor::clWindow),
              luna.SystemColors[static_cast<size_t>(TSystemColor::clWindow)]);
}

}  // namespace
}  // namespace kandrel::testing
