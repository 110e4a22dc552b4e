// The skin setting as a new module reads it and SetSkin writes it, against the
// real store of the platform (a private one per test, see TSettingsScratch).
#include <gtest/gtest.h>

#include "tests/engine/PluginFixture.h"
#include "tests/engine/SettingsScratch.h"

namespace kandrel::test {
namespace {

TEST(Settings, WithNothingStoredTheSkinIsCarbonAndOnlyTheRegistryKeyAppears) {
    TSettingsScratch scratch;
    TPluginFixture fixture;
    EXPECT_EQ(fixture.Plugin().Skin, 0);
    EXPECT_EQ(fixture.Plugin().SettingsKeyPath(), "Software\\Ostrik88\\Kandrel");
#if defined(_WIN32)
    // Opening the store creates its key, never the section.
    EXPECT_TRUE(scratch.StoreExists());
#else
    // Reading leaves the user's configuration folder alone.
    EXPECT_FALSE(scratch.StoreExists());
#endif
    EXPECT_FALSE(scratch.ConfigExists());
}

TEST(Settings, ModuleCreationReadsTheStoredStyleAsADecimalInteger) {
    struct Case {
        const char* stored;
        int32_t skin;
    };
    const Case cases[] = {
        {"3", 3},   {"7", 7},   {"0", 0},   {"-1", -1},   {"+2", 2},          {" 4 ", 4},
        {"", 0},    {"abc", 0}, {"3a", 0},  {"0x2", 0},   {"99999999999", 0}, {"2147483647", 2147483647},
        {"1.5", 0}, {"-", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stored \"" << c.stored << "\"");
        TSettingsScratch scratch;
        scratch.StoreStyle(c.stored);
        TPluginFixture fixture;
        EXPECT_EQ(fixture.Plugin().Skin, c.skin);
    }
}

#if defined(_WIN32)
// The registry can hold other types; only text counts, so a creation never fails on it.
TEST(Settings, AStyleStoredAsANumberInsteadOfTextReadsAsZero) {
    TSettingsScratch scratch;
    scratch.StoreStyleAsNumber(3);
    TPluginFixture fixture;
    EXPECT_EQ(fixture.Plugin().Skin, 0);
}
#endif

TEST(Settings, SetSkinWritesOnlyAChangedSkinAndTheNextModuleReadsIt) {
    TSettingsScratch scratch;
    TPluginFixture fixture;
    TVSTPlugin& plugin = fixture.Plugin();

    plugin.SetSkin(0);  // unchanged: nothing is written
    EXPECT_FALSE(scratch.ConfigExists());
    EXPECT_EQ(scratch.StoredStyle(), std::nullopt);

    plugin.SetSkin(2);
    EXPECT_EQ(plugin.Skin, 2);
    EXPECT_EQ(scratch.StoredStyle(), "2");

    // Changed behind the module's back: choosing the same skin again must not write.
    scratch.StoreStyle("5");
    plugin.SetSkin(2);
    EXPECT_EQ(scratch.StoredStyle(), "5");

    plugin.SetSkin(4);
    EXPECT_EQ(plugin.Skin, 4);
    EXPECT_EQ(scratch.StoredStyle(), "4");

    TPluginFixture next;
    EXPECT_EQ(next.Plugin().Skin, 4);
}

}  // namespace
}  // namespace kandrel::test
