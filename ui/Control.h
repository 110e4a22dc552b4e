// The control tree: every visible element of a window is a TControl with a
// parent, children, bounds in its parent's client coordinates, and virtual
// painting and mouse handling. The root of a tree is a TWindow (Window.h),
// which routes the platform's events to the controls and owns focus,
// capture and hover state.
//
// Ownership: a control made with AddChild<T>(...) is owned by its parent and
// destroyed with it; a control given a parent with SetParent (for example a
// member of a window class) is not, and leaves its parent's list when it is
// destroyed. Destroying a parent unlinks its remaining children.
//
// Loading: BeginLoading marks a control and its descendants as being loaded
// (children added to a loading control are loading too); EndLoading then
// runs Loaded on each of them, parent before children, which ends their
// loading phase. Several rules (change events, clamping, skin colours)
// depend on IsLoading(). A control created outside a loading phase never
// runs Loaded.
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Canvas.h"
#include "ui/UiTypes.h"

namespace kandrel::ui {

class TControl;
class TPopupMenu;
class TWindow;

using TNotifyEvent = std::function<void(TControl& Sender)>;
using TMouseEvent = std::function<void(TControl& Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)>;
using TMouseMoveEvent = std::function<void(TControl& Sender, TShiftState Shift, int32_t X, int32_t Y)>;
// MousePos in the control's client coordinates; set Handled to stop the wheel
// from reaching the parent.
using TMouseWheelEvent =
    std::function<void(TControl& Sender, TShiftState Shift, int32_t WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TControl& Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TControl {
public:
    explicit TControl(TControl* AParent = nullptr);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // --- tree
    TControl* Parent() const { return FParent; }
    // Moves the control to the end of AParent's children (drawn last, on top);
    // null takes it out of any tree. An owned child stays owned by its owner.
    void SetParent(TControl* AParent);
    int32_t ControlCount() const { return static_cast<int32_t>(FChildren.size()); }
    TControl* Controls(int32_t Index) const { return FChildren.at(static_cast<size_t>(Index)); }
    // Creates a T (constructed with Args...) as a child owned by this control.
    template <class T, class... A>
    T& AddChild(A&&... Args) {
        auto child = std::make_unique<T>(std::forward<A>(Args)...);
        T& ref = *child;
        AdoptOwned(std::move(child));
        return ref;
    }
    // The window at the root of the tree; null while the control is in none.
    TWindow* Window() const;
    // True when Other is this control or lies below it.
    bool Contains(const TControl* Other) const;

    std::string Name;
    int64_t Tag = 0;

    // --- geometry (parent's client coordinates)
    int32_t Left() const { return FBounds.Left; }
    int32_t Top() const { return FBounds.Top; }
    int32_t Width() const { return FBounds.Width(); }
    int32_t Height() const { return FBounds.Height(); }
    TRect BoundsRect() const { return FBounds; }
    TRect ClientRect() const { return {0, 0, Width(), Height()}; }
    // Repaints the old and new area; fires Resize when the size changes.
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);
    void SetLeft(int32_t V) { SetBounds(V, Top(), Width(), Height()); }
    void SetTop(int32_t V) { SetBounds(Left(), V, Width(), Height()); }
    void SetWidth(int32_t V) { SetBounds(Left(), Top(), V, Height()); }
    void SetHeight(int32_t V) { SetBounds(Left(), Top(), Width(), V); }
    // The control's client point P in the coordinates of the root window, and back.
    TPoint ClientToWindow(TPoint P) const;
    TPoint WindowToClient(TPoint P) const;
    // The control's client point P on the screen (through the window's backend;
    // window coordinates when there is none).
    TPoint ClientToScreen(TPoint P) const;
    // The control's area in window coordinates.
    TRect WindowRect() const;

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Visible, and every ancestor visible.
    bool Showing() const;

    // --- focus and repaint
    // Makes this control the window's focused control (the wheel goes to it)
    // and asks the platform for the keyboard focus.
    void SetFocus();
    bool Focused() const;
    // Schedules a repaint of the whole control.
    void Invalidate();

    // --- loading phase
    bool IsLoading() const { return FLoading; }
    void BeginLoading();
    void EndLoading();

    // The menu the control shows on a context-menu request (the right
    // button's release over it); not owned.
    TPopupMenu* PopupMenu = nullptr;

    // --- events
    TNotifyEvent OnClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

    // Fires OnClick. The window calls it after a left press and release on the
    // control; code may call it directly.
    virtual void Click();

    // Draws the control (client coordinates, clipped to the control). The
    // window paints a parent before its children, so a control that leaves
    // pixels untouched shows its parent's image there.
    virtual void Paint(ICanvas& Canvas);

protected:
    friend class TWindow;

    // A property's setter: stores Value and repaints when it differs from
    // Field; answers whether it did.
    template <class T>
    bool SetAndInvalidate(T& Field, const T& Value) {
        if (Field == Value) return false;
        Field = Value;
        Invalidate();
        return true;
    }

    // Mouse handling, called by the window in client coordinates. Shift holds
    // the modifier keys and the buttons down (at a press including the
    // pressed one, at a release without the released one). The defaults fire
    // the matching event.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    virtual void MouseMove(TShiftState Shift, int32_t X, int32_t Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    // One wheel turn of WheelDelta units (kWheelDeltaPerNotch per notch, up
    // positive) at MousePos (client coordinates). Fires OnMouseWheel, then,
    // unless handled, OnMouseWheelUp or OnMouseWheelDown. True when handled;
    // otherwise the window offers the wheel to the parent.
    virtual bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Opens PopupMenu at the screen position of ClientPos; true when a menu was shown.
    virtual bool ContextPopup(TPoint ClientPos);
    // The window lost the mouse capture while this control held it (the
    // release will not come): end drags and pressed looks.
    virtual void CancelMode() {}
    // Ends the loading phase; overrides run the base first.
    virtual void Loaded();
    // Fires OnResize.
    virtual void Resize();

    // Destroys the owned children and unlinks the others (a window runs it
    // from its own destructor, while it is still a window).
    void DestroyChildren();

private:
    void AdoptOwned(std::unique_ptr<TControl> Child);
    void Unlink();
    void SetLoadingTree(bool Value);
    void CollectLoading(std::vector<TControl*>& List);

    TControl* FParent = nullptr;
    TControl* FOwner = nullptr;  // the control holding this one in FOwned
    std::vector<TControl*> FChildren;
    std::vector<std::unique_ptr<TControl>> FOwned;
    TRect FBounds;
    bool FVisible = true;
    bool FEnabled = true;
    bool FLoading = false;
    bool FIsWindow = false;  // set by TWindow while it is one
};

}  // namespace kandrel::ui
