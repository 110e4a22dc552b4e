// Host automation: normalised values in, plain values inside, display texts out.
#include <cmath>
#include <cstring>
#include <limits>

#include "tests/hostlevel/HostFixture.h"

namespace kandrel::test {
namespace {

using namespace vst2;

TEST_F(HostLevel, SettingBandOneScaleToThreeQuartersMeansPlusFifty) {
    Plugin.SetParameter(6, 0.75f);
    EXPECT_EQ(Plugin.GetParameter(6), 0.75f);
    EXPECT_EQ(Plugin.ParameterDisplay(6), "+50%");
    EXPECT_TRUE(Plugin.TakeAutomation().empty()) << "host changes are not echoed back as automation";
}

TEST_F(HostLevel, HostValuesAreClampedToTheUnitRange) {
    struct Case {
        float Normalized;
        float Expected;
        const char* Display;
    };
    const Case cases[] = {{1.7f, 1.0f, "+100%"},
                          {-3.0f, 0.0f, "-100%"},
                          {std::numeric_limits<float>::quiet_NaN(), 0.0f, "-100%"},
                          {0.5f, 0.5f, "0%"}};
    for (const Case& c : cases) {
        Plugin.SetParameter(6, c.Normalized);
        EXPECT_EQ(Plugin.GetParameter(6), c.Expected) << c.Normalized;
        EXPECT_EQ(Plugin.ParameterDisplay(6), c.Display) << c.Normalized;
    }
}

TEST_F(HostLevel, DefaultsAsTheHostSeesThem) {
    struct Case {
        int32_t Index;
        float Normalized;
        const char* Display;
    };
    const Case cases[] = {{0, 1.0f, "Incoming Velocity"}, {1, 1.0f, "On"}, {2, 0.0f, "0"},  {3, 1.0f, "127"},
                          {4, 0.0f, "0"},                 {5, 1.0f, "127"}, {6, 0.5f, "0%"}, {7, 0.0f, "0"},
                          {8, 0.0f, "Off"},               {34, 0.5f, "0%"}, {35, 0.0f, "0"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Plugin.GetParameter(c.Index), c.Normalized) << c.Index;
        EXPECT_EQ(Plugin.ParameterDisplay(c.Index), c.Display) << c.Index;
    }
}

TEST_F(HostLevel, RangeFromAtHalfRoundsToSixtyFour) {
    Plugin.SetParameter(9, 0.5f);  // "Band2 Range From": 63.5
    EXPECT_EQ(Plugin.GetParameter(9), 0.5f);
    EXPECT_EQ(Plugin.ParameterDisplay(9), "64");
    Plugin.SetParameter(22, 0.4f);  // "Band4 Active"
    EXPECT_EQ(Plugin.ParameterDisplay(22), "Off");
    Plugin.SetParameter(22, 0.6f);
    EXPECT_EQ(Plugin.ParameterDisplay(22), "On");
}

TEST_F(HostLevel, IndicesOutsideTheTableAreIgnored) {
    for (int32_t index : {36, -1, 1000, std::numeric_limits<int32_t>::min()}) {
        Plugin.SetParameter(index, 0.3f);
        EXPECT_EQ(Plugin.GetParameter(index), 0.0f) << index;
        EXPECT_EQ(Plugin.ParameterName(index), "") << index;
        EXPECT_EQ(Plugin.ParameterDisplay(index), "") << index;
        EXPECT_EQ(Plugin.ParameterLabel(index), "") << index;
        EXPECT_EQ(Plugin.Dispatch(effString2Parameter, index, 0, nullptr), 0);
    }
    for (int32_t index = 0; index < 36; ++index) EXPECT_NE(Plugin.ParameterName(index), "");
}

TEST_F(HostLevel, TextToParameterIsNotInterpreted) {
    Plugin.SetParameter(6, 0.75f);
    char text[] = "-100";
    EXPECT_EQ(Plugin.Dispatch(effString2Parameter, 6, 0, text), 0);
    EXPECT_EQ(Plugin.GetParameter(6), 0.75f);
}

// Hosts hand out buffers of differing sizes; the plug-in writes only so far.
TEST_F(HostLevel, TextsStayWithinTheirBounds) {
    struct Case {
        int32_t Opcode;
        int32_t Index;
        size_t Bound;  // bytes written at most, terminator included
        const char* Expected;
    };
    char longName[] = "A program name far longer than twenty-four bytes";
    Plugin.Dispatch(effSetProgramName, 0, 0, longName);
    const Case cases[] = {
        {effGetParamName, 13, 24, "Band2 Velocity Scale"},
        {effGetParamDisplay, 0, 24, "Incoming Velocity"},
        {effGetParamLabel, 5, 24, ""},
        {effGetProgramName, 0, 24, "A program name far long"},
        {effGetEffectName, 0, 32, "Kandrel"},
        {effGetVendorString, 0, 64, "Ostrik88"},
        {effGetProductString, 0, 64, "Kandrel"},
    };
    for (const Case& c : cases) {
        unsigned char buffer[300];
        std::memset(buffer, 0xAA, sizeof buffer);
        Plugin.Dispatch(c.Opcode, c.Index, 0, buffer);
        EXPECT_STREQ(reinterpret_cast<const char*>(buffer), c.Expected) << c.Opcode;
        for (size_t i = c.Bound; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], 0xAA) << c.Opcode << " wrote byte " << i;
    }
}

}  // namespace
}  // namespace kandrel::test
