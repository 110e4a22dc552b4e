// Which style ApplySkin activates, and the box when the style manager refuses.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <vector>

#include "plugin/StyleManager.h"
#include "tests/engine/PluginFixture.h"
#include "tests/engine/SettingsScratch.h"
#include "tests/support/MessageBoxWatcher.h"

namespace kandrel::test {
namespace {

class TRecordingStyleManager final : public IStyleManager {
public:
    void SetActiveStyle(std::string_view Name) override {
        if (!Failure.empty()) throw std::runtime_error(Failure);
        Activated.emplace_back(Name);
    }
    std::string ActiveStyle() const override { return Activated.empty() ? std::string() : Activated.back(); }

    std::vector<std::string> Activated;
    std::string Failure;  // thrown when not empty
};

// A module with a private store and a recording style manager installed.
class SkinTest : public testing::Test {
protected:
    void SetUp() override { FPrevious = SetStyleManager(&FManager); }
    void TearDown() override { SetStyleManager(FPrevious); }

    TSettingsScratch FScratch;
    TPluginFixture FFixture;
    TRecordingStyleManager FManager;
    IStyleManager* FPrevious = nullptr;
};

TEST_F(SkinTest, EachSkinActivatesItsStyleAndAnyOtherValueCarbon) {
    struct Case {
        int32_t skin;
        const char* style;
    };
    const Case cases[] = {
        {0, "Carbon"},
        {1, "Amakrits"},
        {2, "Light"},
        {3, "Luna"},
        {4, "Smokey Quartz Kamri"},
        {5, "Carbon"},
        {7, "Carbon"},
        {-1, "Carbon"},
        {std::numeric_limits<int32_t>::min(), "Carbon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Skin " << c.skin);
        FFixture.Plugin().Skin = c.skin;
        FManager.Activated.clear();
        FFixture.Plugin().ApplySkin();
        EXPECT_EQ(FManager.Activated, std::vector<std::string>{c.style});
    }
}

TEST_F(SkinTest, AStoredSevenOpensWithCarbon) {
    FScratch.StoreStyle("7");
    TPluginFixture fixture;
    fixture.Plugin().ApplySkin();
    EXPECT_EQ(fixture.Plugin().Skin, 7);
    EXPECT_EQ(FManager.Activated, std::vector<std::string>{"Carbon"});
}

TEST_F(SkinTest, SetSkinDoesNotApplyTheSkin) {
    FFixture.Plugin().SetSkin(3);
    EXPECT_TRUE(FManager.Activated.empty());
    FFixture.Plugin().ApplySkin();
    EXPECT_EQ(FManager.Activated, std::vector<std::string>{"Luna"});
}

TEST_F(SkinTest, AStyleThatCannotBeActivatedShowsTheLoadSkinBox) {
    FManager.Failure = "Style resource LUNA is damaged";
    FFixture.Plugin().Skin = 3;
    TMessageBoxWatcher boxes;
    FFixture.Plugin().ApplySkin();
    EXPECT_EQ(boxes.Captured(), "Load Skin: Error loading skin.\r\n\r\n\"Style resource LUNA is damaged\"\n");
}

TEST(BuiltInStyleManager, KnowsTheFiveStylesAndKeepsTheActiveOneOnAnUnknownName) {
    ASSERT_EQ(SetStyleManager(nullptr), nullptr);  // nothing else installed
    IStyleManager& manager = StyleManager();
    for (const char* name : {"Carbon", "Amakrits", "Light", "Luna", "Smokey Quartz Kamri"}) {
        manager.SetActiveStyle(name);
        EXPECT_EQ(manager.ActiveStyle(), name);
    }
    EXPECT_THROW(manager.SetActiveStyle("Smokey"), std::runtime_error);
    EXPECT_THROW(manager.SetActiveStyle("carbon"), std::runtime_error);
    EXPECT_EQ(manager.ActiveStyle(), "Smokey Quartz Kamri");
}

}  // namespace
}  // namespace kandrel::test
