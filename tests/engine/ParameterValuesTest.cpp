// The value store: lookups, errors, and what a reset sends through the module.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/engine/PluginFixture.h"

namespace kandrel::test {
namespace {

TEST(ParameterValues, HoldsTheThirtySixParametersInIndexOrderWithDefaults) {
    TPluginFixture f;
    const TVSTParameterValues& values = *f.Plugin().ParameterValues;
    ASSERT_EQ(values.Count(), 36);
    EXPECT_EQ(values[0].Name, "Filter Type");
    EXPECT_EQ(values[1].Name, "Band1 Active");
    EXPECT_EQ(values[13].Name, "Band2 Velocity Scale");
    EXPECT_EQ(values[35].Name, "Band5 Scale Random");
    EXPECT_EQ(&values[35], &values["Band5 Scale Random"]);
    for (int32_t i = 0; i < values.Count(); ++i) {
        EXPECT_EQ(values[i].Value(), values[i].DefaultValue) << values[i].Name;
        EXPECT_EQ(values[i].Name, f.Plugin().ParameterProperties[static_cast<size_t>(i)].DisplayName);
        EXPECT_EQ(values[i].BandIndex, i == 0 ? 0 : (i - 1) / 7) << values[i].Name;
    }
    EXPECT_EQ(values["Filter Type"].DefaultValue, 1.0f);
    EXPECT_EQ(values["Band1 Active"].DefaultValue, 1.0f);
    EXPECT_EQ(values["Band2 Active"].DefaultValue, 0.0f);
    EXPECT_EQ(values["Band4 Range To"].DefaultValue, 127.0f);
    EXPECT_EQ(values["Band5 Velocity Max"].DefaultValue, 127.0f);
}

TEST(ParameterValues, LookupErrorsCarryTheirMessages) {
    TPluginFixture f;
    const TVSTParameterValues& values = *f.Plugin().ParameterValues;
    try {
        values.FindByName("band1 active");
        FAIL() << "a name differing in case must not match";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "TVSTParameterValues.FindByName - No match: band1 active");
    }
    EXPECT_THROW(values.GetItem(36), std::out_of_range);
    EXPECT_THROW(values.GetItem(-1), std::out_of_range);
    EXPECT_EQ(values.ItemAt(36), nullptr);
}

TEST(ParameterValues, ResetToDefaultsPassesEveryValueThroughTheModule) {
    TPluginFixture f;
    f.Plugin().SetParameter(20, 37.5f);  // "Band3 Velocity Scale"
    f.Automation().clear();
    f.Plugin().ParameterValues->ResetToDefaults();
    // All 36, forced even where unchanged, then parameter 0 once more.
    ASSERT_EQ(f.Automation().size(), 37u);
    for (int32_t i = 0; i < 36; ++i) EXPECT_EQ(f.Automation()[static_cast<size_t>(i)].Index, i);
    EXPECT_EQ(f.Automation()[36].Index, 0);
    EXPECT_EQ(f.Automation()[20].Value, 0.5f);  // scale 0 is the middle of -100..100
    EXPECT_EQ(f.Value("Band3 Velocity Scale"), 0.0f);
    EXPECT_EQ(f.Band(2).VelocityScale.load(), 0);
}

TEST(ParameterValues, UnforcedResetOfAnUnchangedValueLeavesTheModuleAlone) {
    TPluginFixture f;
    f.Automation().clear();
    f.Plugin().ParameterValues->GetItem("Band1 Range To").ResetToDefault(false);
    EXPECT_TRUE(f.Automation().empty());
    f.Plugin().SetParameterByName("Band1 Range To", 100.0f);
    f.Automation().clear();
    f.Plugin().ParameterValues->GetItem("Band1 Range To").ResetToDefault(false);
    ASSERT_EQ(f.Automation().size(), 1u);
    EXPECT_EQ(f.Band(0).RangeTo.load(), 127);
}

}  // namespace
}  // namespace kandrel::test
