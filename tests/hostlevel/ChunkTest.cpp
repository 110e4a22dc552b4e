// The state as the host stores it: program and bank chunks through
// effGetChunk / effSetChunk, between instances, and what the plug-in does with
// chunks it cannot use.
#include <cstring>
#include <limits>

#include "tests/hostlevel/HostFixture.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/PresetBytes.h"
#include "tests/support/TestPresetsFolder.h"

namespace kandrel::test {
namespace {

using namespace vst2;
using Bytes = std::vector<uint8_t>;

constexpr size_t kNameOffset = 8 + 4 + 1 + 6;  // container header, "TPF0", list, version text

Bytes BankOf(const Bytes& Program) {
    Bytes bank = TPresetBytes().Number(Program.size(), 4).Bytes();
    bank.insert(bank.end(), Program.begin(), Program.end());
    return bank;
}

// The preset name's bytes in a program chunk.
Bytes NameBytes(const Bytes& Chunk, size_t Size) {
    return Chunk.size() >= kNameOffset + Size ? Bytes(Chunk.begin() + kNameOffset, Chunk.begin() + kNameOffset + Size)
                                              : Bytes();
}

class ChunkTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Folder.Available()) GTEST_SKIP() << "no private documents folder here";
    }
    std::vector<host::TMidiMessage> RunBlock(host::THostedPlugin& Plugin, const std::vector<host::TMidiMessage>& In) {
        Plugin.ProcessEvents(In);
        Plugin.Process(64);
        return Plugin.TakeReceivedEvents();
    }

    TTestPresetsFolder Folder;  // before any instance: they take their presets folder from it
    TMessageBoxWatcher Boxes;
    host::THostedPlugin Source{KandrelLibrary()};
};

TEST_F(ChunkTest, DefaultChunksAreTheKnownBytes) {
    const Bytes program = GetChunkBytes(Source, kProgram);
    ASSERT_EQ(program.size(), 440u);
    EXPECT_EQ(program, TPresetBytes(PresetStream(DefaultState())).Container());
    EXPECT_EQ(GetChunkBytes(Source, kBank), BankOf(program));
}

// Band3 active with its scale at 37.5 and controller 7 assigned to that scale,
// carried by the host from one instance to a fresh one.
TEST_F(ChunkTest, StateTravelsBetweenInstancesThroughTheHost) {
    TPresetState named = DefaultState();
    named.Name = "Round Trip";
    named.Assignments = {{"Band3 Velocity Scale", 7}};
    Folder.WriteFile("Round Trip.ostrik88p", {});
    ASSERT_EQ(SetChunkBytes(Source, kProgram, PresetStream(named).Container()), 1);
    Source.SetParameter(15, 1.0f);     // Band3 Active
    Source.SetParameter(20, 0.6875f);  // Band3 Velocity Scale: 37.5
    const Bytes program = GetChunkBytes(Source, kProgram);
    const Bytes bank = GetChunkBytes(Source, kBank);
    EXPECT_EQ(bank, BankOf(program));

    const Bytes nameKept = TPresetBytes().Ansi("Round Trip").Bytes();
    const Bytes noName = {0x12, 0x00, 0x00, 0x00, 0x00};
    struct Case {
        const char* What;
        int32_t Kind;
        const Bytes& Chunk;
        bool FileExists;
        const Bytes& Name;
    };
    const Case cases[] = {{"program, file present", kProgram, program, true, nameKept},
                          {"bank, file present", kBank, bank, true, nameKept},
                          {"program, file gone", kProgram, program, false, noName}};
    for (const Case& c : cases) {
        if (!c.FileExists) Folder.RemoveFile("Round Trip.ostrik88p");
        host::THostedPlugin target(KandrelLibrary());
        ASSERT_EQ(SetChunkBytes(target, c.Kind, c.Chunk), 1) << c.What;
        EXPECT_EQ(target.GetParameter(15), 1.0f) << c.What;
        EXPECT_EQ(target.GetParameter(20), 0.6875f) << c.What;
        EXPECT_EQ(target.ParameterDisplay(20), "+38%") << c.What;
        EXPECT_EQ(NameBytes(GetChunkBytes(target, kProgram), c.Name.size()), c.Name) << c.What;

        // Every loaded value reaches the host as automation.
        bool scaleReported = false;
        for (const host::TAutomation& a : target.TakeAutomation())
            scaleReported = scaleReported || (a.Index == 20 && a.Value == 0.6875f);
        EXPECT_TRUE(scaleReported) << c.What;

        // The restored assignment drives the parameter from incoming MIDI.
        RunBlock(target, {MidiMessage(0, 0xB0, 7, 127)});
        EXPECT_EQ(target.GetParameter(20), 1.0f) << c.What;
        RunBlock(target, {MidiMessage(0, 0xB3, 7, 0)});
        EXPECT_EQ(target.GetParameter(20), 0.0f) << c.What;
        RunBlock(target, {MidiMessage(0, 0xB0, 8, 127)});
        EXPECT_EQ(target.GetParameter(20), 0.0f) << c.What << ": controller 8 is not assigned";
    }
    EXPECT_EQ(Boxes.Captured(), "");
}

TEST_F(ChunkTest, ChunksThatCannotBeUsed) {
    TPresetState cut = DefaultState();
    cut.Bands[2][0] = 1;
    const Bytes endsAfterBody = PresetStreamUpToControllers(cut).Container();
    const Bytes good = PresetStream(DefaultState()).Container();
    Bytes wrongName = good;
    wrongName[3] = 'T';
    Bytes lengthBeyondBytes = good;
    lengthBeyondBytes[5] = 0x02;  // 0x2B0: more than present
    Bytes bankBeyondBytes = BankOf(good);
    bankBeyondBytes[0] = 0xB9;  // one more than present
    Bytes bankHuge = BankOf(good);
    std::memset(bankHuge.data(), 0xFF, 4);

    enum class Outcome { Unchanged, Defaults };
    struct Case {
        const char* What;
        int32_t Kind;
        Bytes Chunk;
        Outcome Expected;
        bool Box;
    };
    const Case cases[] = {
        {"5-byte program chunk", kProgram, {'m', 'm', 's', 't', 0}, Outcome::Unchanged, false},
        {"bare container header", kProgram, {'m', 'm', 's', 't', 0, 0, 0, 0}, Outcome::Unchanged, false},
        {"3-byte bank", kBank, {4, 0, 0}, Outcome::Unchanged, false},
        {"bank length beyond the bytes", kBank, bankBeyondBytes, Outcome::Unchanged, false},
        {"bank length 0xFFFFFFFF", kBank, bankHuge, Outcome::Unchanged, false},
        {"bank holding 5 bytes", kBank, BankOf({'m', 'm', 's', 't', 0}), Outcome::Unchanged, false},
        {"stream ends after the body", kProgram, endsAfterBody, Outcome::Defaults, true},
        {"bank whose stream ends after the body", kBank, BankOf(endsAfterBody), Outcome::Defaults, true},
        {"not a container", kProgram, Bytes(64, 0xAB), Outcome::Defaults, false},
        {"container name wrong", kProgram, wrongName, Outcome::Defaults, false},
        {"container length beyond the bytes", kProgram, lengthBeyondBytes, Outcome::Defaults, false},
    };
    for (const Case& c : cases) {
        Source.SetParameter(20, 0.75f);
        Source.SetParameter(15, 1.0f);
        TMessageBoxWatcher boxes;
        SetChunkBytes(Source, c.Kind, c.Chunk);
        const bool unchanged = c.Expected == Outcome::Unchanged;
        EXPECT_EQ(Source.GetParameter(20), unchanged ? 0.75f : 0.5f) << c.What;
        EXPECT_EQ(Source.GetParameter(15), unchanged ? 1.0f : 0.0f) << c.What;
        const std::string captured = boxes.Captured();
        if (c.Box)
            EXPECT_NE(captured.find("Load Preset: Error loading preset.\r\n\r\n\"Stream read error\""),
                      std::string::npos) << c.What << ": " << captured;
        else
            EXPECT_EQ(captured, "") << c.What;
    }
}

TEST_F(ChunkTest, NullPointersAndNegativeSizesFromTheHost) {
    Source.SetParameter(20, 0.75f);
    const Bytes good = PresetStream(DefaultState()).Container();
    for (int32_t kind : {kProgram, kBank}) {
        EXPECT_EQ(Source.Dispatch(effGetChunk, kind, 0, nullptr), 0);
        EXPECT_EQ(Source.Dispatch(effSetChunk, kind, 440, nullptr), 0);
        for (intptr_t size : {intptr_t{-1}, intptr_t{0}, std::numeric_limits<intptr_t>::min()})
            EXPECT_EQ(Source.Dispatch(effSetChunk, kind, size, const_cast<uint8_t*>(good.data())), 0);
    }
    EXPECT_EQ(Source.GetParameter(20), 0.75f);
}

TEST_F(ChunkTest, HandedOutBytesStayValidUntilTheNextRequest) {
    void* data = nullptr;
    const intptr_t size = Source.Dispatch(effGetChunk, kProgram, 0, &data);
    ASSERT_EQ(size, 440);
    const Bytes before(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);

    TPresetState other = DefaultState();
    other.Bands[4][0] = 1;
    other.Assignments = {{"Band5 Active", 64}, {"Band1 Velocity Scale", 1}};
    ASSERT_EQ(SetChunkBytes(Source, kProgram, PresetStream(other).Container()), 1);
    Source.SetParameter(6, 0.9f);
    EXPECT_EQ(Bytes(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size), before);

    EXPECT_NE(GetChunkBytes(Source, kProgram), before);
}

}  // namespace
}  // namespace kandrel::test
