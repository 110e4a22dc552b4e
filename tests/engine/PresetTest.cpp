// The whole state as a preset stream: what the module writes, what it reads
// back, and how it fails on damaged streams.
#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/engine/PluginFixture.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/PresetBytes.h"
#include "tests/support/TestPresetsFolder.h"

namespace kandrel::test {
namespace {

using Bytes = std::vector<uint8_t>;
using Assignments = std::vector<std::pair<std::string, int32_t>>;

class PresetTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Folder.Available()) GTEST_SKIP() << "no private documents folder here";
    }

    TTestPresetsFolder Folder;  // first: instances take their presets folder from it
    TMessageBoxWatcher Boxes;
    TPluginFixture Fixture;
    TVSTPlugin& Plugin() { return Fixture.Plugin(); }

    Bytes Save(TVSTPlugin& Module) {
        TMemoryStreamChunk chunk;
        EXPECT_TRUE(Module.SavePresetToChunk(chunk, nullptr));
        return chunk.Stream;
    }
    bool Load(TVSTPlugin& Module, const Bytes& Stream) {
        TMemoryStreamChunk chunk;
        chunk.Stream = Stream;
        return Module.LoadPresetFromChunk(chunk, nullptr);
    }
    Assignments AssignmentsOf(TVSTPlugin& Module) {
        Assignments list;
        for (int32_t i = 0; i < Module.MidiCCList->Count(); ++i)
            list.emplace_back(Module.MidiCCList->GetItem(i).ParameterName(), Module.MidiCCList->GetItem(i).CC());
        return list;
    }
    static std::string LoadErrorBox(const std::string& Message) {
        return "Load Preset: Error loading preset.\r\n\r\n\"" + Message + "\"\n";
    }
};

TEST_F(PresetTest, DefaultStateIsTheKnownStreamAndContainer) {
    const Bytes stream = Save(Plugin());
    EXPECT_EQ(stream.size(), 432u);
    EXPECT_EQ(stream, PresetStream(DefaultState()).Bytes());

    TMemoryStreamChunk chunk;
    chunk.Stream = stream;
    Bytes container;
    chunk.SaveToBytes(container);
    ASSERT_EQ(container.size(), 440u);
    const Bytes head = {0x6D, 0x6D, 0x73, 0x74, 0xB0, 0x01, 0x00, 0x00, 0x54, 0x50, 0x46, 0x30,
                        0x01, 0x06, 0x04, 0x31, 0x2E, 0x30, 0x30, 0x12, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(Bytes(container.begin(), container.begin() + 24), head);
}

// Any state saved and loaded into a fresh instance comes back bit for bit:
// band values (non-integers, outside the ranges, signed zeros, subnormals), non-ASCII names,
// assignment lists in their order with controller numbers of every size.
TEST_F(PresetTest, RandomStatesComeBackIdentical) {
    std::mt19937 random(20240611);
    const std::vector<std::string> nameParts = {"Soft", " ", "B\xC3\xA4nd", "\xE6\x97\xA5\xE6\x9C\xAC",
                                                "\xF0\x9F\x8E\xB9", "-", "x", "\xC3\x9F"};
    const auto pick = [&](int32_t Count) { return static_cast<int32_t>(random() % static_cast<uint32_t>(Count)); };
    for (int round = 0; round < 60; ++round) {
        TVSTPlugin& source = Plugin();
        for (int32_t index = 0; index < 36; ++index) {
            const vst2::TParameterProperty& p = source.ParameterProperties[static_cast<size_t>(index)];
            float value;
            switch (pick(6)) {
                case 0: value = -0.0f; break;
                case 1: value = std::bit_cast<float>(static_cast<uint32_t>(random() % 0x007FFFFF + 1)); break;
                case 2: value = static_cast<float>(pick(1000000)) * 1e25f; break;
                default:
                    value = p.Min - 20.0f + (p.Max - p.Min + 40.0f) * std::uniform_real_distribution<float>(0, 1)(random);
            }
            source.SetParameter(index, value);
        }
        std::string name = "P";
        for (int32_t part = pick(5); part > 0; --part) name += nameParts[static_cast<size_t>(pick(8))];
        Folder.WriteFile(name + ".ostrik88p", {});
        source.SetPresetName(name);
        source.MidiCCList->Clear();
        for (int32_t n = pick(8); n > 0; --n) {
            const int32_t controller = pick(3) == 0 ? static_cast<int32_t>(random()) : pick(128);
            source.MidiCCList->AssignCC(source.ParameterProperties[static_cast<size_t>(pick(36))].DisplayName, controller);
        }

        const Bytes stream = Save(source);
        TPluginFixture target;
        ASSERT_TRUE(Load(target.Plugin(), stream)) << "round " << round;
        // The filter type is a switch and is stored rounded.
        EXPECT_EQ(target.Plugin().GetParameter(0), static_cast<float>(source.ParameterValues->GetItem(0).RoundedValue()));
        for (int32_t index = 1; index < 36; ++index)
            ASSERT_EQ(std::bit_cast<uint32_t>(target.Plugin().GetParameter(index)),
                      std::bit_cast<uint32_t>(source.GetParameter(index)))
                << "round " << round << ", parameter " << index;
        EXPECT_EQ(target.Plugin().PresetName, name);
        EXPECT_EQ(AssignmentsOf(target.Plugin()), AssignmentsOf(source));
        EXPECT_EQ(Save(target.Plugin()), stream);
    }
    EXPECT_EQ(Boxes.Captured(), "");
}

TEST_F(PresetTest, NameStaysOnlyWhileItsPresetFileExists) {
    Folder.WriteFile("Round Trip.ostrik88p", {});
    Folder.WriteFile("B\xC3\xA4nd.ostrik88p", {});
    Folder.WriteFile("a", {});
    struct Case {
        std::string Name;
        std::string Expected;
    };
    const Case cases[] = {
        {"Round Trip", "Round Trip"},
        {"B\xC3\xA4nd", "B\xC3\xA4nd"},
        {"Missing", ""},
        {std::string("a\0.ostrik88p", 12), ""},  // the NUL must not make it test the file "a"
    };
    for (const Case& c : cases) {
        Plugin().SetPresetName(c.Name);
        const Bytes stream = Save(Plugin());
        Plugin().SetPresetName("something else");
        ASSERT_TRUE(Load(Plugin(), stream));
        EXPECT_EQ(Plugin().PresetName, c.Expected);
    }
}

TEST_F(PresetTest, ReaderAcceptsOtherValueFormsAndShorterLists) {
    TPresetState doubleFilter = DefaultState();
    doubleFilter.FilterTypeBytes = TPresetBytes().Double(0.0).Bytes();
    TPresetState intFilter = DefaultState();
    intFilter.FilterTypeBytes = TPresetBytes().Int(0).Bytes();
    TPresetState twoBands = DefaultState();
    twoBands.Bands.resize(2);
    twoBands.Bands[1][0] = 1.0;   // Band2 Active
    twoBands.Bands[1][5] = 12.5;  // Band2 Velocity Scale

    for (const TPresetState* state : {&doubleFilter, &intFilter}) {
        Plugin().SetParameter(0, 1.0f);
        ASSERT_TRUE(Load(Plugin(), PresetStream(*state).Bytes()));
        EXPECT_EQ(Fixture.Value("Filter Type"), 0.0f);
        EXPECT_EQ(Plugin().Bands->FilterMode.load(), 0);
    }

    Plugin().SetParameter(22, 1.0f);  // Band4 Active, not in the stream: back to its default
    ASSERT_TRUE(Load(Plugin(), PresetStream(twoBands).Bytes()));
    EXPECT_EQ(Fixture.Value("Band2 Velocity Scale"), 12.5f);
    EXPECT_EQ(Fixture.Value("Band4 Active"), 0.0f);
    EXPECT_TRUE(Fixture.Band(1).Active.load());

    // A controller section that is a single 0x00 means no assignments.
    Plugin().MidiCCList->AssignCC("Band1 Active", 5);
    const Bytes bare = PresetStreamUpToControllers(DefaultState()).End().Bytes();
    ASSERT_TRUE(Load(Plugin(), bare));
    EXPECT_EQ(Plugin().MidiCCList->Count(), 0);
    EXPECT_EQ(Boxes.Captured(), "");
}

TEST_F(PresetTest, DamagedStreamsFailWithTheLoadBoxAndKeepWhatWasRead) {
    TPresetState sixBands = DefaultState();
    sixBands.Bands.push_back({1, 2, 3, 4, 5, 6, 7});
    sixBands.Bands[4][5] = -40;  // Band5 Velocity Scale, read before the failure
    TPresetState cut = DefaultState();
    cut.Bands[2][0] = 1;  // Band3 Active

    struct Case {
        const char* What;
        Bytes Stream;
        std::string Message;
    };
    Bytes badSignature = PresetStream(DefaultState()).Bytes();
    badSignature[3] = '1';
    Bytes headerNotAList = PresetStream(DefaultState()).Bytes();
    headerNotAList[4] = 0x02;
    const Case cases[] = {
        {"sixth band", PresetStream(sixBands).Bytes(), "Unknown parameter name: Band6 Active"},
        {"ends after the body", PresetStreamUpToControllers(cut).Bytes(), "Stream read error"},
        {"wrong signature", badSignature, "Invalid stream format"},
        {"header not a list", headerNotAList, "Invalid property value"},
        {"empty", {}, "Stream read error"},
    };
    for (const Case& c : cases) {
        TMessageBoxWatcher boxes;
        EXPECT_FALSE(Load(Plugin(), c.Stream)) << c.What;
        EXPECT_EQ(boxes.Captured(), LoadErrorBox(c.Message)) << c.What;
    }
    // Whatever was read before the error stays applied.
    ASSERT_FALSE(Load(Plugin(), PresetStream(sixBands).Bytes()));
    EXPECT_EQ(Fixture.Value("Band5 Velocity Scale"), -40.0f);
    ASSERT_FALSE(Load(Plugin(), PresetStreamUpToControllers(cut).Bytes()));
    EXPECT_EQ(Fixture.Value("Band3 Active"), 1.0f);
}

// Cut anywhere, a stream fails with a read error and never reads past its end
// (the sanitizer builds check the latter).
TEST_F(PresetTest, StreamCutAnywhereIsAReadError) {
    Folder.WriteFile("Cut.ostrik88p", {});
    TPresetState state = DefaultState();
    state.Name = "Cut";
    state.Assignments = {{"Band3 Velocity Scale", 7}, {"Filter Type", 300}};
    const Bytes stream = PresetStream(state).Bytes();
#if defined(_WIN32)
    // Each cut shows a message box, which under wine costs tens of milliseconds:
    // there every 8th cut and all near either end (the reader is the same code).
    constexpr size_t kStride = 8;
#else
    constexpr size_t kStride = 1;
#endif
    for (size_t length = 0; length < stream.size(); ++length) {
        if (length % kStride != 0 && length > 16 && length + 16 < stream.size()) continue;
        TMessageBoxWatcher boxes;
        ASSERT_FALSE(Load(Plugin(), Bytes(stream.begin(), stream.begin() + static_cast<ptrdiff_t>(length))))
            << length;
        ASSERT_EQ(boxes.Captured(), LoadErrorBox("Stream read error")) << length;
    }
    ASSERT_TRUE(Load(Plugin(), stream));
    EXPECT_EQ(Plugin().PresetName, "Cut");
    EXPECT_EQ(AssignmentsOf(Plugin()), (Assignments{{"Band3 Velocity Scale", 7}, {"Filter Type", 300}}));
}

}  // namespace
}  // namespace kandrel::test
