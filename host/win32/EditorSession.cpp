#include "host/EditorSession.h"

#include <chrono>
#include <stdexcept>

#include "host/CommandSupport.h"
#include "host/Utf8Path.h"
#include "host/win32/HostFrame.h"
#include "host/win32/WindowCapture.h"

namespace kandrel::host {

namespace {

using std::chrono::milliseconds;

// Hosts call the editor's idle about 30 times a second.
constexpr UINT kIdleIntervalMs = 33;
// Before a screenshot the editor gets this long to paint and run its first idle calls.
constexpr milliseconds kSettleTime{500};
constexpr milliseconds kForever = std::chrono::hours(24 * 365);

// Closes the plug-in's editor when the session ends, however it ends.
class TOpenEditor {
public:
    TOpenEditor(THostedPlugin& Plugin, HWND Frame) : FPlugin(Plugin) {
        if (FPlugin.Dispatch(vst2::effEditOpen, 0, 0, Frame) == 0)
            throw TCliError(kExitLoad, "the plug-in did not open its editor");
    }
    ~TOpenEditor() { FPlugin.Dispatch(vst2::effEditClose); }
    TOpenEditor(const TOpenEditor&) = delete;
    TOpenEditor& operator=(const TOpenEditor&) = delete;

private:
    THostedPlugin& FPlugin;
};

// The editor's size: its rectangle, else the size of the window it made.
SIZE EditorSize(THostedPlugin& Plugin, const THostFrame& Frame) {
    vst2::ERect* rect = nullptr;
    if (Plugin.Dispatch(vst2::effEditGetRect, 0, 0, &rect) != 0 && rect != nullptr)
        return SIZE{rect->right - rect->left, rect->bottom - rect->top};
    RECT r{};
    if (HWND child = Frame.FirstChild()) GetWindowRect(child, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

milliseconds ToMilliseconds(double Seconds) { return milliseconds(static_cast<int64_t>(Seconds * 1000.0 + 0.5)); }

}  // namespace

void RunEditorSession(THostedPlugin& Plugin, const TEditorSessionOptions& Options, std::ostream& Out) {
    THostFrame frame(L"kandrel-host - " + WidenUtf8(Plugin.StringRequest(vst2::effGetEffectName)));
    // Hosts ask before opening too; a plug-in has no rectangle to give yet.
    vst2::ERect* early = nullptr;
    if (Plugin.Dispatch(vst2::effEditGetRect, 0, 0, &early) != 0)
        Out << "note: the plug-in answered an editor rectangle before its editor was open\n";
    {
        TOpenEditor editor(Plugin, frame.Hwnd());
        const SIZE size = EditorSize(Plugin, frame);
        if (size.cx > 0 && size.cy > 0) frame.SetClientSize(size.cx, size.cy);
        frame.OnIdle = [&Plugin] { Plugin.Dispatch(vst2::effEditIdle); };
        frame.StartIdleTimer(kIdleIntervalMs);
        frame.Show();
        Out << "editor: " << size.cx << " x " << size.cy << '\n';

        const auto closed = [&frame] { return frame.CloseRequested(); };
        if (!Options.ScreenshotPath.empty()) {
            PumpMessages(Options.Seconds ? ToMilliseconds(*Options.Seconds) : kSettleTime, closed);
            HWND shown = frame.FirstChild() != nullptr ? frame.FirstChild() : frame.Hwnd();
            UpdateWindow(shown);
            TCapture picture;
            try {
                picture = CaptureClientArea(shown);
                SavePng(picture, Options.ScreenshotPath);
            } catch (const std::exception& error) {
                throw TCliError(kExitInput, error.what());
            }
            Out << "screenshot: " << picture.Width << " x " << picture.Height << " -> " << Options.ScreenshotPath
                << '\n';
        } else {
            PumpMessages(Options.Seconds ? ToMilliseconds(*Options.Seconds) : kForever, closed);
        }
        frame.OnIdle = nullptr;
    }
    // The editor is closed; let the frame's last messages go before it goes.
    PumpMessages(milliseconds(0));
}

}  // namespace kandrel::host
