// The editor layer linked into this program, driven through a module made the
// way the entry point makes one: what the backend holds while the editor is
// open and after, and how the processing thread's notifications travel.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "editor/ModuleEditorLink.h"
#include "editor/VSTEditorBase.h"
#include "host/win32/HostFrame.h"
#include "plugin/StyleManager.h"
#include "plugin/VSTPluginBaseDM.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/StyleManager.h"
#include "ui/win32/BackendCounters.h"
#include "ui/win32/ModuleResources.h"
#include "vst2/ModuleRegistry.h"

namespace kandrel::test {
namespace {

using namespace std::chrono_literals;

intptr_t HostCallback(vst2::AEffect*, int32_t Opcode, int32_t, intptr_t, void*, float) {
    return Opcode == vst2::audioMasterVersion ? 2400 : 0;
}

// A module of this program, closed with effClose.
class TInProcessModule {
public:
    TInProcessModule() : FEffect(vst2::CreateEffect(&HostCallback)) {}
    ~TInProcessModule() {
        if (FEffect != nullptr) FEffect->dispatcher(FEffect, vst2::effClose, 0, 0, nullptr, 0.0f);
    }
    intptr_t Dispatch(int32_t Opcode, void* Ptr = nullptr) {
        return FEffect->dispatcher(FEffect, Opcode, 0, 0, Ptr, 0.0f);
    }
    TVSTPluginBase& Module() { return *dynamic_cast<TVSTPluginBase*>(vst2::TVSTModule::FromEffect(FEffect)); }
    vst2::AEffect* Effect() { return FEffect; }

private:
    vst2::AEffect* FEffect;
};

TEST(EditorLifetime, GdiplusObjectsSessionsAndWindowsReturnToZeroAfterEachClose) {
    TInProcessModule plugin;
    ASSERT_NE(plugin.Effect(), nullptr);
    EXPECT_EQ(plugin.Effect()->flags & vst2::effFlagsHasEditor, vst2::effFlagsHasEditor);
    host::THostFrame frame(L"lifetime");
    frame.Show();
    const ui::win32::TBackendCounters idle = ui::win32::BackendCounters();
    EXPECT_EQ(idle.GdiplusObjects, 0);
    EXPECT_EQ(idle.GdiplusReferences, 0);
    EXPECT_EQ(idle.Windows, 0);

    for (int cycle = 0; cycle < 5; ++cycle) {
        ASSERT_EQ(plugin.Dispatch(vst2::effEditOpen, frame.Hwnd()), 1);
        plugin.Module().SetMidiLearnMode(2);
        UpdateWindow(frame.FirstChild());  // paints: the tile becomes a GDI+ bitmap
        const ui::win32::TBackendCounters open = ui::win32::BackendCounters();
        EXPECT_EQ(open.Windows, 1);
        EXPECT_GE(open.GdiplusReferences, 1);
        EXPECT_GE(open.GdiplusObjects, 1);
        plugin.Dispatch(vst2::effEditClose);
        EXPECT_EQ(plugin.Module().MidiLearnMode(), 0) << "closing ends any learn mode";
        const ui::win32::TBackendCounters closed = ui::win32::BackendCounters();
        EXPECT_EQ(closed.GdiplusObjects, 0) << "cycle " << cycle;
        EXPECT_EQ(closed.GdiplusReferences, 0) << "cycle " << cycle;
        EXPECT_EQ(closed.Windows, 0) << "cycle " << cycle;
    }
}

TEST(EditorLifetime, OpeningActivatesTheModulesSkinInTheWidgetLayer) {
    TInProcessModule plugin;
    host::THostFrame frame(L"skins");
    for (const auto& [skin, style] : {std::pair{3, "Luna"}, std::pair{7, "Carbon"}, std::pair{1, "Amakrits"}}) {
        plugin.Module().Skin = skin;
        ASSERT_EQ(plugin.Dispatch(vst2::effEditOpen, frame.Hwnd()), 1);
        EXPECT_EQ(ui::TStyleManager::ActiveStyleName(), style) << "skin " << skin;
        EXPECT_EQ(StyleManager().ActiveStyle(), style) << "the engine sees the same";
        plugin.Dispatch(vst2::effEditClose);
    }
}

// Records what reaches the window, and on which thread.
class TRecordingForm final : public editor::TfrmVSTEditorBase {
public:
    using TfrmVSTEditorBase::TfrmVSTEditorBase;
    void ShowInfo(const std::string& Text) override { Record("info " + Text); }
    void NoteLearned(int32_t Note) override { Record("note " + std::to_string(Note)); }
    void UpdateControls() override { ++Updates; }

    std::vector<std::string> Received;
    std::vector<DWORD> Threads;
    int Updates = 0;

private:
    void Record(const std::string& What) {
        Received.push_back(What);
        Threads.push_back(GetCurrentThreadId());
    }
};

TEST(EditorLifetime, ProcessingThreadNotificationsArriveInOrderOnTheWindowThread) {
    TInProcessModule plugin;
    host::THostFrame frame(L"notifications");
    auto form = editor::MakeEditorForm<TRecordingForm>(plugin.Module(), ui::win32::PluginResources());
    TRecordingForm& shown = *form;
    editor::TModuleEditorLink link(std::move(form), frame.Hwnd());
    EXPECT_EQ(shown.Updates, 1) << "showing the window refreshes its controls";
    HWND editor = frame.FirstChild();
    ShowWindow(editor, SW_HIDE);
    ShowWindow(editor, SW_SHOW);
    EXPECT_EQ(shown.Updates, 2) << "and so does showing it again";

    std::thread processing([&link] {
        link.ShowInfo("Band1 Active = CC# 7");
        link.NoteLearned(60);
        link.ShowInfo(std::string(300, 'x'));  // cut, not overrun
    });
    processing.join();
    EXPECT_TRUE(shown.Received.empty()) << "nothing is delivered on the processing thread";
    Pump(2s, [&shown] { return shown.Received.size() == 3; });
    ASSERT_EQ(shown.Received.size(), 3u);
    EXPECT_EQ(shown.Received[0], "info Band1 Active = CC# 7");
    EXPECT_EQ(shown.Received[1], "note 60");
    EXPECT_EQ(shown.Received[2], "info " + std::string(editor::TEditorMailbox::kTextBytes, 'x'));
    for (DWORD thread : shown.Threads) EXPECT_EQ(thread, GetCurrentThreadId());
}

TEST(EditorLifetime, ClosingWhileTheProcessingThreadCallsInIsSafe) {
    TInProcessModule plugin;
    host::THostFrame frame(L"racing");
    std::atomic<bool> stop{false};
    std::atomic<int64_t> calls{0};
    vst2::TVSTModule& module = plugin.Module();
    std::thread processing([&] {
        while (!stop.load()) {
            if (vst2::IModuleEditor* editor = module.EditorForm()) {
                editor->ShowInfo("learned");
                editor->NoteLearned(64);
                ++calls;
            }
        }
    });
    for (int cycle = 0; cycle < 20; ++cycle) {
        ASSERT_EQ(plugin.Dispatch(vst2::effEditOpen, frame.Hwnd()), 1);
        Pump(5ms);
        plugin.Dispatch(vst2::effEditClose);
    }
    stop = true;
    processing.join();
    EXPECT_GT(calls.load(), 0);
    EXPECT_EQ(ui::win32::BackendCounters().Windows, 0);
}

}  // namespace
}  // namespace kandrel::test
