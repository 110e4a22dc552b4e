// Change and display handlers: the plain value goes to the store, the rounded
// one to the band, and the display reads the store.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "tests/engine/PluginFixture.h"
#include "tests/engine/RecordingEditor.h"
#include "tests/support/ChunkBytes.h"

namespace kandrel::test {
namespace {

std::string Display(TVSTPlugin& Plugin, int32_t Index) {
    char text[64] = {};
    Plugin.Dispatch(vst2::effGetParamDisplay, Index, 0, text, 0.0f);
    return text;
}

TEST(ParameterHandlers, StoreThePlainValueAndGiveTheBandTheRoundedOne) {
    TPluginFixture f;
    TVSTPlugin& p = f.Plugin();
    p.HostSetParameter(9, 0.5f);  // "Band2 Range From" -> 63.5
    EXPECT_EQ(f.Value("Band2 Range From"), 63.5f);
    EXPECT_EQ(f.Band(1).RangeFrom.load(), 64);
    EXPECT_EQ(Display(p, 9), "64");

    p.SetParameterByName("Band1 Velocity Min", 10.5f);
    EXPECT_EQ(f.Value("Band1 Velocity Min"), 10.5f);
    EXPECT_EQ(f.Band(0).VelocityMin.load(), 10);
    EXPECT_EQ(Display(p, 4), "10");
}

TEST(ParameterHandlers, DisplayTextsByKind) {
    TPluginFixture f;
    TVSTPlugin& p = f.Plugin();
    struct Case {
        const char* Name;
        float Value;
        const char* Text;
    };
    const Case cases[] = {
        {"Band3 Velocity Scale", -100, "-100%"}, {"Band3 Velocity Scale", 0, "0%"},
        {"Band3 Velocity Scale", 25, "+25%"},    {"Filter Type", 0, "Note Number"},
        {"Filter Type", 1, "Incoming Velocity"}, {"Filter Type", 2, "Incoming Velocity"},
        {"Band4 Active", 0.4f, "Off"},           {"Band4 Active", 0.6f, "On"},
        {"Band2 Scale Random", 199.5f, "200"},   {"Band5 Range To", -3, "-3"},
    };
    for (const Case& c : cases) {
        p.SetParameterByName(c.Name, c.Value);
        EXPECT_EQ(Display(p, p.ParameterIndexOf(c.Name)), c.Text) << c.Name << " at " << c.Value;
    }
}

TEST(ParameterHandlers, FilterTypeAndActiveTreatEveryNonZeroRoundedValueAsOn) {
    TPluginFixture f;
    TVSTPlugin& p = f.Plugin();
    p.SetParameterByName("Filter Type", 0.0f);
    EXPECT_EQ(p.Bands->FilterMode.load(), 0);
    p.SetParameterByName("Filter Type", 2.0f);
    EXPECT_EQ(p.Bands->FilterMode.load(), 1);
    p.SetParameterByName("Band4 Active", 0.4f);
    EXPECT_FALSE(f.Band(3).Active.load());
    p.SetParameterByName("Band4 Active", -1.0f);
    EXPECT_TRUE(f.Band(3).Active.load());
    p.SetParameterByName("Band4 Active", 0.5f);  // halves go to the even neighbour: 0
    EXPECT_FALSE(f.Band(3).Active.load());
}

TEST(ParameterHandlers, ModuleSetParameterTellsTheHostHostSetParameterDoesNot) {
    TPluginFixture f;
    TVSTPlugin& p = f.Plugin();
    f.Automation().clear();
    p.HostSetParameter(6, 0.75f);
    EXPECT_TRUE(f.Automation().empty());
    EXPECT_EQ(f.Value("Band1 Velocity Scale"), 50.0f);
    p.SetParameter(6, 150.0f);  // not clamped inside, clamped for the host
    ASSERT_EQ(f.Automation().size(), 1u);
    EXPECT_EQ(f.Automation()[0].Index, 6);
    EXPECT_EQ(f.Automation()[0].Value, 1.0f);
    EXPECT_EQ(f.Value("Band1 Velocity Scale"), 150.0f);
    EXPECT_EQ(f.Band(0).VelocityScale.load(), 150);
}

TEST(ParameterHandlers, ByIndexAndByNameErrors) {
    TPluginFixture f;
    TVSTPlugin& p = f.Plugin();
    struct Case {
        std::function<void()> Call;
        const char* Message;
    };
    const Case cases[] = {
        {[&] { p.SetParameter(36, 0.0f); }, "Index out of bounds (36)"},
        {[&] { p.SetParameter(-1, 0.0f); }, "Index out of bounds (-1)"},
        {[&] { p.GetParameter(36); }, "Index out of bounds (36)"},
        {[&] { p.SetParameterByName("Band6 Active", 1.0f); }, "Unknown parameter name: Band6 Active"},
        {[&] { p.GetParameterByName("filter type"); }, "Unknown parameter name: filter type"},
    };
    for (const Case& c : cases) {
        try {
            c.Call();
            ADD_FAILURE() << "no error for " << c.Message;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

TEST(ParameterHandlers, EverySetMarksTheEditorForAnUpdateUntilIdle) {
    TPluginFixture f;
    TVSTPlugin& p = f.Plugin();
    p.Dispatch(vst2::effEditIdle, 0, 0, nullptr, 0.0f);
    EXPECT_FALSE(p.EditorNeedsUpdate());
    p.HostSetParameter(3, 0.2f);
    EXPECT_TRUE(p.EditorNeedsUpdate());
    p.Dispatch(vst2::effEditIdle, 0, 0, nullptr, 0.0f);
    EXPECT_FALSE(p.EditorNeedsUpdate());
    p.SetParameterByName("Band1 Range To", 3.0f);
    EXPECT_TRUE(p.EditorNeedsUpdate());
}

TEST(ParameterHandlers, AnOpenEditorRefreshesOnceOnTheIdleAfterAChange) {
    TPluginFixture f;
    TVSTPlugin& p = f.Plugin();
    TRecordingEditor editor;
    p.SetEditorForm(&editor);
    const auto idle = [&] { p.Dispatch(vst2::effEditIdle, 0, 0, nullptr, 0.0f); };
    const std::vector<uint8_t> chunk = GetChunkBytes(p.Effect());
    idle();  // whatever creation left pending
    struct Case {
        const char* What;
        std::function<void()> Change;
        int32_t Updates;
    };
    const Case cases[] = {
        {"nothing changed", [] {}, 0},
        {"host automation", [&] { p.HostSetParameter(3, 0.2f); }, 1},
        {"two changes, one idle",
         [&] {
             p.HostSetParameter(3, 0.4f);
             p.SetParameterByName("Band1 Range To", 3.0f);
         },
         1},
        {"a chunk", [&] { SetChunkBytes(p.Effect(), kProgram, chunk); }, 1},
    };
    for (const Case& c : cases) {
        editor.ControlUpdates = 0;
        c.Change();
        idle();
        idle();
        EXPECT_EQ(editor.ControlUpdates, c.Updates) << c.What;
    }
    p.SetEditorForm(nullptr);
}

}  // namespace
}  // namespace kandrel::test
