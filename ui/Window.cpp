#include "ui/Window.h"

#include <stdexcept>
#include <vector>

#include "ui/RecordingCanvas.h"
#include "ui/Timer.h"

namespace kandrel::ui {

namespace {

// Restores the canvas state even when a control's Paint throws.
class TCanvasStateGuard {
public:
    explicit TCanvasStateGuard(ICanvas& Canvas) : FCanvas(Canvas) { FCanvas.Save(); }
    ~TCanvasStateGuard() { FCanvas.Restore(); }
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
    ICanvas& FCanvas;
};

TControl* TopmostAt(TControl& Control, TPoint Local) {
    for (int32_t i = Control.ControlCount() - 1; i >= 0; --i) {
        TControl& child = *Control.Controls(i);
        if (child.Visible() && child.Enabled() && child.BoundsRect().Contains(Local))
            return TopmostAt(child, {Local.X - child.Left(), Local.Y - child.Top()});
    }
    return &Control;
}

}  // namespace

TWindow::TWindow() { FIsWindow = true; }

TWindow::~TWindow() {
    FDestroying = true;
    for (auto& [id, timer] : FTimers) {
        if (FBackend != nullptr && timer->Running()) FBackend->StopTimer(id);
        timer->FWindow = nullptr;
    }
    FTimers.clear();
    if (FCaptureHeld && FBackend != nullptr) FBackend->ReleaseCapture();
    DestroyChildren();
    FIsWindow = false;
}

void TWindow::SetBackend(IWindowBackend* Backend) {
    if (Backend == FBackend) return;
    if (FBackend != nullptr)
        for (auto& [id, timer] : FTimers)
            if (timer->Running()) FBackend->StopTimer(id);
    FBackend = Backend;
    FCaptureHeld = false;
    FButtonsDown = 0;
    FCapture = nullptr;
    if (FBackend != nullptr)
        for (auto& [id, timer] : FTimers)
            if (timer->Running()) FBackend->StartTimer(id, timer->Interval());
}

IResourceProvider& TWindow::Resources() const {
    if (FResources == nullptr) throw std::logic_error("The window has no resource provider");
    return *FResources;
}

void TWindow::SetClientSize(TSize Size) {
    if (FBackend != nullptr) FBackend->SetClientSize(Size);
    SetBounds(0, 0, Size.Width, Size.Height);
}

TSize TWindow::MeasureText(const std::string& Text, const TFont& Font) const {
    if (FBackend != nullptr) return FBackend->MeasureText(Text, Font);
    return TRecordingCanvas().MeasureText(Text, Font);
}

TControl* TWindow::ControlAt(TPoint WindowPoint) {
    if (!ClientRect().Contains(WindowPoint)) return nullptr;
    return TopmostAt(*this, WindowPoint);
}

void TWindow::FocusControl(TControl* Control) {
    if (Control != nullptr && !Contains(Control)) return;
    FFocused = Control;
    if (Control != nullptr && FBackend != nullptr) FBackend->SetFocus();
}

void TWindow::InvalidateRect(const TRect& Rect) {
    if (FDestroying || FBackend == nullptr) return;
    const TRect r = Rect.Intersect(ClientRect());
    if (!r.IsEmpty()) FBackend->InvalidateRect(r);
}

void TWindow::ControlDetaching(TControl& Control) {
    for (TControl** slot : {&FFocused, &FCapture, &FHovered, &FLeftPressed})
        if (*slot != nullptr && Control.Contains(*slot)) *slot = nullptr;
}

void TWindow::Report(std::exception_ptr Error) noexcept {
    if (!OnException) return;
    try {
        OnException(Error);
    } catch (...) {
    }
}

void TWindow::UpdateHover(TPoint Point) {
    TControl* under = ControlAt(Point);
    if (under == FHovered) return;
    TControl* old = FHovered;
    FHovered = under;
    if (old != nullptr) old->MouseLeave();
    // The leave handler may have removed the new control (ControlDetaching then cleared FHovered).
    if (under != nullptr && FHovered == under) under->MouseEnter();
}

void TWindow::HandleMouseDown(TMouseButton Button, TShiftState Shift, TPoint Point) noexcept {
    try {
        Shift |= ButtonShift(Button);
        UpdateHover(Point);
        TControl* target = FCapture != nullptr ? FCapture : ControlAt(Point);
        if (target == nullptr) return;
        if (!FCaptureHeld) {
            FCapture = target;
            FCaptureHeld = true;
            if (FBackend != nullptr) FBackend->SetCapture();
        }
        FButtonsDown |= ButtonShift(Button);
        if (Button == TMouseButton::mbLeft) FLeftPressed = target;
        const TPoint local = target->WindowToClient(Point);
        target->MouseDown(Button, Shift, local.X, local.Y);
    } catch (...) {
        Report(std::current_exception());
    }
}

void TWindow::HandleMouseMove(TShiftState Shift, TPoint Point) noexcept {
    try {
        UpdateHover(Point);
        TControl* target = FCapture != nullptr ? FCapture : ControlAt(Point);
        if (target == nullptr) return;
        const TPoint local = target->WindowToClient(Point);
        target->MouseMove(Shift, local.X, local.Y);
    } catch (...) {
        Report(std::current_exception());
    }
}

void TWindow::HandleMouseUp(TMouseButton Button, TShiftState Shift, TPoint Point) noexcept {
    try {
        Shift &= ~ButtonShift(Button);
        UpdateHover(Point);
        const bool wasDown = (FButtonsDown & ButtonShift(Button)) != 0;
        FButtonsDown &= ~ButtonShift(Button);
        TControl* target = FCapture != nullptr ? FCapture : ControlAt(Point);
        if (target != nullptr) {
            const TPoint local = target->WindowToClient(Point);
            target->MouseUp(Button, Shift, local.X, local.Y);
        }
        if (FButtonsDown == 0) {
            FCapture = nullptr;
            if (FCaptureHeld) {
                FCaptureHeld = false;
                if (FBackend != nullptr) FBackend->ReleaseCapture();
            }
        }
        if (Button == TMouseButton::mbLeft) {
            // Read after MouseUp: a handler that removed the control cleared it.
            TControl* pressed = wasDown ? FLeftPressed : nullptr;
            FLeftPressed = nullptr;
            if (pressed != nullptr && pressed->Showing() && pressed->Enabled() &&
                pressed->ClientRect().Contains(pressed->WindowToClient(Point)))
                pressed->Click();
        } else if (Button == TMouseButton::mbRight) {
            for (TControl* c = ControlAt(Point); c != nullptr; c = c->Parent())
                if (c->ContextPopup(c->WindowToClient(Point))) break;
        }
    } catch (...) {
        Report(std::current_exception());
    }
}

bool TWindow::HandleMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint Point) noexcept {
    try {
        for (TControl* c = FFocused != nullptr ? FFocused : ControlAt(Point); c != nullptr; c = c->Parent())
            if (c->Enabled() && c->DoMouseWheel(Shift, WheelDelta, c->WindowToClient(Point))) return true;
    } catch (...) {
        Report(std::current_exception());
        return true;
    }
    return false;
}

void TWindow::HandleMouseLeave() noexcept {
    try {
        TControl* old = FHovered;
        FHovered = nullptr;
        if (old != nullptr) old->MouseLeave();
    } catch (...) {
        Report(std::current_exception());
    }
}

void TWindow::HandleCaptureLost() noexcept {
    try {
        TControl* captured = FCapture;
        FCapture = nullptr;
        FCaptureHeld = false;
        FButtonsDown = 0;
        FLeftPressed = nullptr;
        if (captured != nullptr) captured->CancelMode();
    } catch (...) {
        Report(std::current_exception());
    }
}

void TWindow::PaintTree(TControl& Control, ICanvas& Canvas) {
    // One control that cannot paint (a damaged image, say) must not leave the
    // controls after it unpainted.
    try {
        TCanvasStateGuard guard(Canvas);
        Control.Paint(Canvas);
    } catch (...) {
        Report(std::current_exception());
    }
    for (int32_t i = 0; i < Control.ControlCount(); ++i) {
        TControl& child = *Control.Controls(i);
        if (!child.Visible() || !child.BoundsRect().Intersects(Canvas.ClipRect())) continue;
        TCanvasStateGuard guard(Canvas);
        Canvas.Translate(child.Left(), child.Top());
        Canvas.IntersectClip(child.ClientRect());
        PaintTree(child, Canvas);
    }
}

void TWindow::HandlePaint(ICanvas& Canvas) noexcept {
    try {
        TCanvasStateGuard guard(Canvas);
        Canvas.IntersectClip(ClientRect());
        if (!Visible()) return;
        PaintTree(*this, Canvas);
    } catch (...) {
        Report(std::current_exception());
    }
}

void TWindow::HandleTimer(uint32_t Id) noexcept {
    try {
        const auto found = FTimers.find(Id);
        if (found != FTimers.end() && found->second->Running()) found->second->Fire();
    } catch (...) {
        Report(std::current_exception());
    }
}

void TWindow::HandleResize(TSize ClientSize) noexcept {
    try {
        SetBounds(0, 0, ClientSize.Width, ClientSize.Height);
    } catch (...) {
        Report(std::current_exception());
    }
}

uint32_t TWindow::RegisterTimer(TTimer& Timer) {
    const uint32_t id = FNextTimerId++;
    FTimers[id] = &Timer;
    return id;
}

void TWindow::UnregisterTimer(uint32_t Id) {
    const auto found = FTimers.find(Id);
    if (found == FTimers.end()) return;
    const bool running = found->second->Running();
    FTimers.erase(found);
    if (running && FBackend != nullptr) FBackend->StopTimer(Id);
}

void TWindow::TimerChanged(TTimer& Timer) {
    if (FBackend == nullptr) return;
    if (Timer.Running()) FBackend->StartTimer(Timer.Id(), Timer.Interval());
    else FBackend->StopTimer(Timer.Id());
}

}  // namespace kandrel::ui
