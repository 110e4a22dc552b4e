#include "ui/Control.h"

#include <algorithm>
#include <stdexcept>

#include "ui/PopupMenu.h"
#include "ui/Window.h"

namespace kandrel::ui {

TControl::TControl(TControl* AParent) {
    if (AParent != nullptr) SetParent(AParent);
}

TControl::~TControl() {
    DestroyChildren();
    Unlink();
}

void TControl::DestroyChildren() {
    // Owned children unlink themselves while being destroyed; last first, so
    // the list shrinks from its end.
    while (!FOwned.empty()) {
        std::unique_ptr<TControl> child = std::move(FOwned.back());
        FOwned.pop_back();
        child.reset();
    }
    for (TControl* child : FChildren) child->FParent = nullptr;
    FChildren.clear();
}

void TControl::Unlink() {
    if (FParent == nullptr) return;
    if (TWindow* window = Window()) window->ControlDetaching(*this);
    Invalidate();
    auto& siblings = FParent->FChildren;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    FParent = nullptr;
}

void TControl::SetParent(TControl* AParent) {
    if (AParent == FParent) return;
    if (AParent != nullptr && Contains(AParent)) throw std::logic_error("A control cannot be its own ancestor");
    Unlink();
    if (AParent == nullptr) return;
    FParent = AParent;
    AParent->FChildren.push_back(this);
    if (AParent->FLoading) SetLoadingTree(true);
    Invalidate();
}

void TControl::AdoptOwned(std::unique_ptr<TControl> Child) {
    TControl* child = Child.get();
    child->FOwner = this;
    FOwned.push_back(std::move(Child));
    child->SetParent(this);
}

TWindow* TControl::Window() const {
    const TControl* root = this;
    while (root->FParent != nullptr) root = root->FParent;
    return root->FIsWindow ? static_cast<TWindow*>(const_cast<TControl*>(root)) : nullptr;
}

bool TControl::Contains(const TControl* Other) const {
    for (const TControl* c = Other; c != nullptr; c = c->FParent)
        if (c == this) return true;
    return false;
}

void TControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
    const TRect bounds = TRect::FromBounds(ALeft, ATop, std::max(AWidth, 0), std::max(AHeight, 0));
    if (bounds == FBounds) return;
    const bool resized = bounds.Width() != FBounds.Width() || bounds.Height() != FBounds.Height();
    Invalidate();
    FBounds = bounds;
    Invalidate();
    if (resized) Resize();
}

TPoint TControl::ClientToWindow(TPoint P) const {
    for (const TControl* c = this; c->FParent != nullptr; c = c->FParent) {
        P.X += c->FBounds.Left;
        P.Y += c->FBounds.Top;
    }
    return P;
}

TPoint TControl::WindowToClient(TPoint P) const {
    const TPoint origin = ClientToWindow({0, 0});
    return {P.X - origin.X, P.Y - origin.Y};
}

TPoint TControl::ClientToScreen(TPoint P) const {
    const TPoint w = ClientToWindow(P);
    const TWindow* window = Window();
    return window != nullptr && window->Backend() != nullptr ? window->Backend()->ClientToScreen(w) : w;
}

TRect TControl::WindowRect() const {
    const TPoint origin = ClientToWindow({0, 0});
    return TRect::FromBounds(origin.X, origin.Y, Width(), Height());
}

void TControl::SetVisible(bool Value) {
    if (Value == FVisible) return;
    if (!Value) {
        Invalidate();
        FVisible = false;
        if (TWindow* window = Window()) window->ControlDetaching(*this);
    } else {
        FVisible = true;
        Invalidate();
    }
}

void TControl::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    Invalidate();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c != nullptr; c = c->FParent)
        if (!c->FVisible) return false;
    return true;
}

void TControl::SetFocus() {
    if (TWindow* window = Window()) window->FocusControl(this);
}

bool TControl::Focused() const {
    const TWindow* window = Window();
    return window != nullptr && window->FocusedControl() == this;
}

void TControl::Invalidate() {
    if (!Showing()) return;
    if (TWindow* window = Window()) window->InvalidateRect(WindowRect());
}

void TControl::SetLoadingTree(bool Value) {
    FLoading = Value;
    for (TControl* child : FChildren) child->SetLoadingTree(Value);
}

void TControl::BeginLoading() { SetLoadingTree(true); }

void TControl::CollectLoading(std::vector<TControl*>& List) {
    if (FLoading) List.push_back(this);
    for (TControl* child : FChildren) child->CollectLoading(List);
}

void TControl::EndLoading() {
    std::vector<TControl*> list;
    CollectLoading(list);
    for (TControl* control : list) control->Loaded();
}

void TControl::Loaded() { FLoading = false; }

void TControl::Click() {
    if (OnClick) OnClick(*this);
}

void TControl::Paint(ICanvas& /*Canvas*/) {}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
    if (OnMouseDown) OnMouseDown(*this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
    if (OnMouseMove) OnMouseMove(*this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
    if (OnMouseUp) OnMouseUp(*this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(*this, Shift, WheelDelta, MousePos, handled);
    if (!handled) {
        if (WheelDelta < 0 && OnMouseWheelDown) OnMouseWheelDown(*this, Shift, MousePos, handled);
        else if (WheelDelta > 0 && OnMouseWheelUp) OnMouseWheelUp(*this, Shift, MousePos, handled);
    }
    return handled;
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(*this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(*this);
}

bool TControl::ContextPopup(TPoint ClientPos) {
    if (PopupMenu == nullptr) return false;
    PopupMenu->PopupFor(*this, ClientPos);
    return true;
}

void TControl::Resize() {
    if (OnResize) OnResize(*this);
}

}  // namespace kandrel::ui
