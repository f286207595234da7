// TPressTracker: the press, hover and focus state of a push-like control (a button, a check box,
// a tab, a button inside an edit), windowed or not. The control owns one per pressable part and
// forwards its mouse, focus and enabled events; the tracker keeps the flags, captures the mouse
// on a press, lets the pressed look follow the hit test while captured, and reports a release
// inside. It never paints: OnChange tells the control to repaint.
//
// The capture: a press captures the mouse (for a window-less control through its parent) and
// remembers the window that held the capture before; a release outside gives the capture back
// to it. Cancel mode, capture loss, focus loss and disabling end a press without a click.
//
// Clicks of whole controls stay with TControl's mouse protocol, which calls Click() for a
// release inside before MouseUp; such a control ends the press from Click() with EndPress(true).
// A part that is not a control of its own clicks when MouseUp() returns true.
//
// TPressable<Base> writes the forwarding once for a control that is pressed as a whole.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/Controls.h"
#include "toolkit/WinControl.h"

#include <windows.h>

#include <functional>
#include <type_traits>

namespace folvane {

class TControl;

class TPressTracker {
public:
    explicit TPressTracker(TControl& control, std::function<void()> onChange = {});

    TPressTracker(const TPressTracker&) = delete;
    TPressTracker& operator=(const TPressTracker&) = delete;

    // The pointer is over the control (entered while enabled, not left since).
    bool Hot() const { return hot_; }
    // A left press is being tracked.
    bool Pressed() const { return pressed_; }
    // Pressed, and the pointer is inside now: the pressed look.
    bool PressedInside() const { return pressed_ && inside_; }
    bool Focused() const { return focused_; }

    // The inside test, in the control's client coordinates; the default is the control's own
    // (TControl::PointInside). A part of a control sets the part's rectangle here.
    std::function<bool(int x, int y)> InsideTest;
    // Runs after any flag changed.
    std::function<void()> OnChange;

    // ---- Events the control forwards (client coordinates) ----
    // A left press on an enabled control starts a press; true when it did.
    bool MouseDown(TMouseButton button, int x, int y);
    void MouseMove(int x, int y);
    // Ends a tracked left press; true when it ended inside (the click).
    bool MouseUp(TMouseButton button, int x, int y);
    void MouseEnter();
    void MouseLeave();
    // Cancel mode and capture loss.
    void CancelMode();
    void FocusChanged(bool focused);
    // Call after the control's Enabled changed: a disabled control is neither hot nor pressed.
    void EnabledChanged();

    // Ends the press as a release inside or outside: the capture is given back on a release
    // outside, and the pointer counts as over the control after a release inside.
    void EndPress(bool inside);
    // Forgets the press, hover and capture holder without touching the capture.
    void Clear();

private:
    bool Inside(int x, int y) const;
    // Sets a flag and reports the change.
    void Store(bool& field, bool value);
    void Changed();

    TControl& control_;
    bool hot_ = false;
    bool pressed_ = false;
    bool inside_ = false;
    bool focused_ = false;
    HWND previousCapture_ = nullptr;
};

// What TPressable forwards for every base: mouse, cancel and enabled events.
template <typename Base> class TPressableCore : public Base {
public:
    using Base::Base;

    const TPressTracker& PressState() const { return tracker_; }

protected:
    TPressTracker& Tracker() { return tracker_; }
    // A tracked press ended with a release inside (after TControl's Click()).
    virtual void ReleasedInside() { }

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        Base::MouseDown(button, shift, x, y);
        tracker_.MouseDown(button, x, y);
    }
    void MouseMove(TShiftState shift, int x, int y) override
    {
        Base::MouseMove(shift, x, y);
        tracker_.MouseMove(x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override
    {
        Base::MouseUp(button, shift, x, y);
        if (tracker_.MouseUp(button, x, y))
            ReleasedInside();
    }
    void MouseEnter() override
    {
        Base::MouseEnter();
        tracker_.MouseEnter();
    }
    void MouseLeave() override
    {
        Base::MouseLeave();
        tracker_.MouseLeave();
    }
    void CancelMode() override
    {
        Base::CancelMode();
        tracker_.CancelMode();
    }
    void EnabledChanged() override
    {
        Base::EnabledChanged();
        tracker_.EnabledChanged();
    }

private:
    TPressTracker tracker_ { *this, [this] { this->Invalidate(); } };
};

// A control pressed as a whole (Base: TGraphicControl, TCustomControl or one of their
// subclasses) with its mouse, cancel and enabled events forwarded to Tracker(), which repaints
// it on every change. A windowed control also forwards its focus entry and exit, so the focus
// rectangle follows and a press ends when the focus leaves.
template <typename Base, bool Windowed = std::is_base_of_v<TWinControl, Base>>
class TPressable : public TPressableCore<Base> {
public:
    using TPressableCore<Base>::TPressableCore;
};

// Windowed: the focus too.
template <typename Base> class TPressable<Base, true> : public TPressableCore<Base> {
public:
    using TPressableCore<Base>::TPressableCore;

protected:
    void DoEnter() override
    {
        this->Tracker().FocusChanged(true);
        Base::DoEnter();
    }
    void DoExit() override
    {
        this->Tracker().FocusChanged(false);
        Base::DoExit();
    }
};

} // namespace folvane
