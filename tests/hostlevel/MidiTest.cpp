// MIDI through the plug-in as a host sees it: rewritten note-ons, passed-on and
// dropped messages, the output queue's bounds and timing.
#include <ostream>
#include <set>
#include <utility>

#include "tests/hostlevel/HostFixture.h"

namespace kandrel::test {
namespace {

using host::TMidiMessage;
using Kind = host::THostedPlugin::TProcessKind;

// Parameter indices of band N (1..5).
constexpr int32_t Active(int32_t N) { return 1 + 7 * (N - 1); }
constexpr int32_t From(int32_t N) { return Active(N) + 1; }
constexpr int32_t To(int32_t N) { return Active(N) + 2; }
constexpr int32_t Min(int32_t N) { return Active(N) + 3; }
constexpr int32_t Max(int32_t N) { return Active(N) + 4; }
constexpr int32_t Scale(int32_t N) { return Active(N) + 5; }
constexpr int32_t Random(int32_t N) { return Active(N) + 6; }

// Plain ranges by kind, in the order of a band's seven parameters.
std::pair<float, float> RangeOf(int32_t Index) {
    if (Index == 0) return {0, 1};
    switch ((Index - 1) % 7) {
        case 0: return {0, 1};
        case 5: return {-100, 100};
        case 6: return {0, 200};
        default: return {0, 127};
    }
}

struct BandCase {
    const char* Name;
    std::vector<std::pair<int32_t, float>> Settings;  // parameter index, plain value
    uint8_t Note;
    uint8_t Velocity;
    uint8_t Expected;
};

void PrintTo(const BandCase& c, std::ostream* os) { *os << c.Name; }

class BandMatch : public HostLevel, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BandMatch, RewritesTheVelocity) {
    const BandCase& c = GetParam();
    for (const auto& [index, plain] : c.Settings) {
        const auto [min, max] = RangeOf(index);
        SetPlain(index, plain, min, max);
    }
    const auto out = RunBlock({MidiMessage(5, 0x90, c.Note, c.Velocity)});
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], MidiMessage(5, 0x90, c.Note, c.Expected));
}

// From the defaults: filter by incoming velocity, Band1 active over 0..127,
// output 0..127, scale 0, random 0; the other bands inactive.
INSTANTIATE_TEST_SUITE_P(
    HostLevel, BandMatch,
    ::testing::Values(
        BandCase{"DefaultsLeaveVelocities", {}, 60, 100, 100},
        BandCase{"PlusFiftyFrom100", {{Scale(1), 50}}, 60, 100, 114},
        BandCase{"PlusFiftyFrom99", {{Scale(1), 50}}, 60, 99, 113},
        BandCase{"MinusFiftyFrom101", {{Scale(1), -50}}, 60, 101, 51},
        BandCase{"ClampUp", {{Min(1), 40}, {Max(1), 90}}, 60, 20, 40},
        BandCase{"ClampDown", {{Min(1), 40}, {Max(1), 90}}, 60, 120, 90},
        BandCase{"MinAboveMaxGivesMax", {{Min(1), 90}, {Max(1), 40}}, 60, 60, 40},
        BandCase{"FullScaleWithRandomGivesMax", {{Scale(1), 100}, {Random(1), 200}}, 60, 30, 127},
        BandCase{"HalfRoundsToEven", {{To(1), 63}, {Scale(1), 50}}, 60, 50, 88},  // 50 + R(38.5)
        BandCase{"OutsideTheRange", {{To(1), 63}, {Scale(1), 50}}, 60, 100, 100},
        BandCase{"FromAboveToNeverMatches", {{From(1), 100}, {To(1), 20}, {Scale(1), 50}}, 60, 100, 100},
        BandCase{"InactiveBandsDoNothing", {{Active(1), 0}, {Scale(1), 50}}, 60, 100, 100},
        BandCase{"LowerBandWinsOverlaps", {{Scale(1), 50}, {Active(2), 1}, {Scale(2), -50}}, 60, 100, 114},
        BandCase{"NextActiveBandMatches", {{Active(1), 0}, {Active(2), 1}, {Scale(2), -50}}, 60, 101, 51},
        BandCase{"ByNoteNumberMatches", {{0, 0}, {From(1), 60}, {To(1), 60}, {Scale(1), 50}}, 60, 100, 114},
        BandCase{"ByNoteNumberMisses", {{0, 0}, {From(1), 60}, {To(1), 60}, {Scale(1), 50}}, 61, 100, 100},
        BandCase{"FifthBand", {{Active(1), 0}, {Active(5), 1}, {Scale(5), 100}, {Max(5), 77}}, 60, 10, 77}),
    [](const ::testing::TestParamInfo<BandCase>& info) { return std::string(info.param.Name); });

TEST_F(HostLevel, OtherChannelMessagesPassAndSomeAreDropped) {
    const auto out = RunBlock({
        MidiMessage(0, 0x93, 60, 0),      // note-on with velocity 0: a note-off on the same channel
        MidiMessage(1, 0x81, 61, 45),     // note-off keeps its release velocity
        MidiMessage(2, 0xB4, 7, 100),     // control change
        MidiMessage(3, 0xA5, 62, 33),     // poly aftertouch
        MidiMessage(4, 0xD6, 90, 0),      // channel aftertouch
        MidiMessage(5, 0xE7, 1, 64),      // pitch bend
        MidiMessage(6, 0xC0, 5, 0),       // program change: dropped
        MidiMessage(7, 0xF8, 0, 0),       // clock: dropped
        MidiMessage(8, 0xF0, 0x7E, 0x7F), // system exclusive start: dropped
        MidiMessage(9, 0x9F, 0xBC, 0xE4), // data bytes lose their top bit: note 60, velocity 100
    });
    ASSERT_EQ(out.size(), 7u);
    EXPECT_EQ(out[0], MidiMessage(0, 0x83, 60, 0));
    EXPECT_EQ(out[1], MidiMessage(1, 0x81, 61, 45));
    EXPECT_EQ(out[2], MidiMessage(2, 0xB4, 7, 100));
    EXPECT_EQ(out[3], MidiMessage(3, 0xA5, 62, 33));
    EXPECT_EQ(out[4].Bytes[0], 0xD6);
    EXPECT_EQ(out[4].Bytes[1], 90);
    EXPECT_EQ(out[4].DeltaFrames, 4);
    EXPECT_EQ(out[5], MidiMessage(5, 0xE7, 1, 64));
    EXPECT_EQ(out[6], MidiMessage(9, 0x9F, 60, 100));
}

TEST_F(HostLevel, AtMost1023EventsLeavePerBlock) {
    std::vector<TMidiMessage> in;
    for (int i = 0; i < 1100; ++i) in.push_back(MidiMessage(i % 64, 0x90, static_cast<uint8_t>(i % 128), 100));
    const auto out = RunBlock(in);
    ASSERT_EQ(out.size(), 1023u);
    EXPECT_EQ(out[1022], in[1022]);
    // The queue starts empty again for the next block.
    EXPECT_EQ(RunBlock({MidiMessage(0, 0x90, 1, 2)}).size(), 1u);
}

TEST_F(HostLevel, EventsLeaveOnlyAfterAProcessingCallWithFrames) {
    Plugin.ProcessEvents({MidiMessage(12, 0x90, 60, 100)});
    EXPECT_TRUE(Plugin.TakeReceivedEvents().empty());
    Plugin.Process(0);
    EXPECT_TRUE(Plugin.TakeReceivedEvents().empty());
    EXPECT_EQ(Plugin.ProcessEventsRequests(), 0);
    for (Kind kind : {Kind::Replacing, Kind::DoubleReplacing, Kind::Accumulating}) {
        Plugin.ProcessEvents({MidiMessage(12, 0x90, 60, 100)});
        Plugin.Process(1, kind);
        const auto out = Plugin.TakeReceivedEvents();
        EXPECT_EQ(out.size(), kind == Kind::Replacing ? 2u : 1u) << static_cast<int>(kind);
    }
    EXPECT_EQ(Plugin.ProcessEventsRequests(), 3);
    Plugin.Process(64);  // nothing queued: the host is not called
    EXPECT_EQ(Plugin.ProcessEventsRequests(), 3);
}

TEST_F(HostLevel, OutputsAreSilent) {
    Plugin.Process(32, Kind::Replacing);
    for (int32_t ch : {0, 1})
        for (float s : Plugin.Output(ch)) ASSERT_EQ(s, 0.0f);
    Plugin.Process(32, Kind::DoubleReplacing);
    for (int32_t ch : {0, 1})
        for (double s : Plugin.OutputDouble(ch)) ASSERT_EQ(s, 0.0);
}

TEST(HostLevelRandom, RandomShareDiffersBetweenInstancesAndStaysInRange) {
    auto run = [] {
        host::THostedPlugin plugin(KandrelLibrary());
        plugin.SetParameter(Scale(1), 0.0f);   // -100
        plugin.SetParameter(Random(1), 1.0f);  // up to 200: g spans -100..100
        std::vector<TMidiMessage> in(200, MidiMessage(0, 0x90, 60, 64));
        plugin.ProcessEvents(in);
        plugin.Process(16);
        std::vector<int> velocities;
        for (const TMidiMessage& m : plugin.TakeReceivedEvents()) velocities.push_back(m.Bytes[2]);
        return velocities;
    };
    const std::vector<int> a = run();
    const std::vector<int> b = run();
    ASSERT_EQ(a.size(), 200u);
    EXPECT_NE(a, b);
    const std::set<int> distinct(a.begin(), a.end());
    EXPECT_GT(distinct.size(), 50u);
    EXPECT_GE(*distinct.begin(), 0);
    EXPECT_LE(*distinct.rbegin(), 127);
}

TEST_F(HostLevel, SuspendAsksTheHostForMidi) {
    Plugin.TakeRequests();
    Plugin.Dispatch(vst2::effMainsChanged, 0, 1);
    Plugin.Dispatch(vst2::effMainsChanged, 0, 0);
    const auto requests = Plugin.TakeRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Opcode, vst2::audioMasterWantMidi);
    EXPECT_EQ(requests[0].Value, 1);
}

}  // namespace
}  // namespace kandrel::test
