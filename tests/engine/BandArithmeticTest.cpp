// The band's velocity arithmetic where the host-level tests cannot reach:
// the random share's spread, rounding of exact halves, and band values far
// outside their parameter ranges (possible through preset data).
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>

#include "plugin/Velo.h"

namespace kandrel {
namespace {

TBandSnapshot MakeBand(int32_t Min, int32_t Max, int32_t Scale, int32_t Random) {
    return TBandSnapshot{Min, Max, Scale, Random};
}

TEST(BandArithmetic, ExactHalvesRoundToEven) {
    vst2::TRandomGenerator random(1);
    // 0 + R(5 * 0.5) = R(2.5) = 2; 0 + R(7 * 0.5) = R(3.5) = 4.
    EXPECT_EQ(ApplyBand(MakeBand(0, 5, 50, 0), 0, random), 2);
    EXPECT_EQ(ApplyBand(MakeBand(0, 7, 50, 0), 0, random), 4);
    // 27 - R(27 * 0.5) = 27 - R(13.5) = 27 - 14 = 13.
    EXPECT_EQ(ApplyBand(MakeBand(0, 127, -50, 0), 27, random), 13);
}

// With minimum 0, maximum 200 and velocity 100 the result is 100 + g for every
// scale g in -100..100, so the results show which random shares were drawn.
TEST(BandArithmetic, RandomShareCoversItsWholeRangeAndNothingElse) {
    vst2::TRandomGenerator random(12345);
    const TBandSnapshot band = MakeBand(0, 200, -100, 200);  // n = 200: g in -100..100
    std::set<int32_t> seen;
    for (int i = 0; i < 20000; ++i) {
        const int32_t v = ApplyBand(band, 100, random);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 200);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 201u);
}

TEST(BandArithmetic, FullScaleWithARandomShareAlwaysGivesTheMaximum) {
    vst2::TRandomGenerator random(99);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(ApplyBand(MakeBand(10, 90, 100, 200), 50, random), 90);
}

TEST(BandArithmetic, ValuesFarOutsideTheParameterRangesStayBounded) {
    vst2::TRandomGenerator random(7);
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    struct Case {
        TBandSnapshot Band;
        int32_t Velocity;
    };
    const Case cases[] = {
        {MakeBand(0, 127, kMax, 5), 64},     // scale above 200 with a random share
        {MakeBand(0, 127, kMin, kMax), 64},  // huge negative scale, huge random
        {MakeBand(kMin, kMax, 100, 0), 0},   // the widest possible output range
        {MakeBand(kMin, kMax, -100, 0), 0},
        {MakeBand(90, 40, 50, 10), 60},      // minimum above maximum: the maximum wins
    };
    for (const Case& c : cases) {
        const int32_t v = ApplyBand(c.Band, c.Velocity, random);
        EXPECT_LE(v, c.Band.VelocityMax);
        if (c.Band.VelocityMin <= c.Band.VelocityMax) {
            EXPECT_GE(v, c.Band.VelocityMin);
        }
    }
    EXPECT_EQ(ApplyBand(MakeBand(kMin, kMax, 100, 0), 0, random), kMax);
    EXPECT_EQ(ApplyBand(MakeBand(kMin, kMax, -100, 0), 0, random), kMin);
}

TEST(RandomGenerator, InstancesSeededFromTheClockStartApart) {
    vst2::TRandomGenerator a;
    vst2::TRandomGenerator b;
    EXPECT_NE(a.Seed(), b.Seed());
}

}  // namespace
}  // namespace kandrel
