// TPressTracker.
#include "toolkit/PressTracker.h"

#include "toolkit/WinControl.h"

namespace folvane {

namespace {

// The window that holds the capture while the control is pressed.
HWND CaptureWindow(const TControl& control)
{
    if (auto* windowed = dynamic_cast<const TWinControl*>(&control))
        return windowed->ExistingHandle();
    return control.Parent() ? control.Parent()->ExistingHandle() : nullptr;
}

} // namespace

TPressTracker::TPressTracker(TControl& control, std::function<void()> onChange)
    : OnChange(std::move(onChange))
    , control_(control)
{
}

bool TPressTracker::Inside(int x, int y) const
{
    return InsideTest ? InsideTest(x, y) : control_.PointInside(x, y);
}

void TPressTracker::Changed()
{
    if (OnChange)
        OnChange();
}

void TPressTracker::Store(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

bool TPressTracker::MouseDown(TMouseButton button, int x, int y)
{
    if (button != TMouseButton::mbLeft || !control_.EnabledInParents())
        return false;
    // The toolkit may have captured for a window-less control already; that is not a holder
    // to give the capture back to.
    const HWND holder = GetCapture();
    previousCapture_ = holder != CaptureWindow(control_) ? holder : nullptr;
    control_.SetMouseCapture(true);
    pressed_ = true;
    inside_ = Inside(x, y);
    Changed();
    return true;
}

void TPressTracker::MouseMove(int x, int y)
{
    if (pressed_)
        Store(inside_, Inside(x, y));
}

bool TPressTracker::MouseUp(TMouseButton button, int x, int y)
{
    if (button != TMouseButton::mbLeft || !pressed_)
        return false;
    const bool inside = Inside(x, y);
    EndPress(inside);
    return inside;
}

void TPressTracker::EndPress(bool inside)
{
    const HWND previous = previousCapture_;
    previousCapture_ = nullptr;
    pressed_ = false;
    inside_ = false;
    hot_ = inside;
    if (!inside) {
        if (previous && IsWindow(previous))
            SetCapture(previous);
        else if (control_.MouseCapture())
            control_.SetMouseCapture(false);
    }
    Changed();
}

void TPressTracker::MouseEnter()
{
    if (control_.EnabledInParents())
        Store(hot_, true);
}

void TPressTracker::MouseLeave()
{
    Store(hot_, false);
}

void TPressTracker::CancelMode()
{
    previousCapture_ = nullptr;
    if (!pressed_)
        return;
    pressed_ = false;
    inside_ = false;
    Changed();
}

void TPressTracker::FocusChanged(bool focused)
{
    if (focused == focused_)
        return;
    focused_ = focused;
    if (!focused) {
        pressed_ = false;
        inside_ = false;
        previousCapture_ = nullptr;
    }
    Changed();
}

void TPressTracker::EnabledChanged()
{
    if (control_.EnabledInParents())
        return;
    const bool changed = hot_ || pressed_;
    Clear();
    if (changed)
        Changed();
}

void TPressTracker::Clear()
{
    hot_ = false;
    pressed_ = false;
    inside_ = false;
    previousCapture_ = nullptr;
}

} // namespace folvane
