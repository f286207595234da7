// The press tracker on a window-less and a windowed control (TPressable), driven by synthesised
// messages: the pressed look follows the pointer while captured, only a release inside counts,
// a release outside gives the capture back to its former holder, and cancel mode, focus loss
// and disabling end a press.
#include "ToolkitTestSupport.h"

#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/PressTracker.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

template <typename Base> class Pressable : public TPressable<Base> {
public:
    Pressable(TForm& form, RECT r)
        : TPressable<Base>(&form)
    {
        this->SetParent(&form);
        this->SetBounds(r.left, r.top, r.right, r.bottom);
    }
    TPressTracker& tracker = this->Tracker();
    int releasesInside = 0;

protected:
    void ReleasedInside() override { ++releasesInside; }
};

// Focus entry and exit reach the tracker through TPressable itself.
using WindowedPressable = Pressable<TCustomControl>;

struct PressTrackerFixture : ::testing::Test {
    PressTrackerFixture()
    {
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(0, 0, 200, 150);
        graphic = new Pressable<TGraphicControl>(form, RECT { 10, 10, 40, 40 });
        windowed = new WindowedPressable(form, RECT { 100, 10, 40, 40 });
        window = form.Handle();
    }
    ~PressTrackerFixture() override { ReleaseCapture(); }
    void Send(HWND to, UINT message, WPARAM wParam, int x, int y)
    {
        SendMessageA(to, message, wParam, MAKELPARAM(x, y));
    }

    TForm form;
    Pressable<TGraphicControl>* graphic;
    WindowedPressable* windowed;
    HWND window;
};

TEST_F(PressTrackerFixture, PressedLookFollowsThePointerAndOnlyAReleaseInsideCounts)
{
    const TPressTracker& t = graphic->tracker;
    Send(window, WM_MOUSEMOVE, 0, 20, 20);
    EXPECT_TRUE(t.Hot());
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
    EXPECT_TRUE(t.PressedInside());
    EXPECT_TRUE(graphic->MouseCapture());

    Send(window, WM_MOUSEMOVE, MK_LBUTTON, 150, 100);
    EXPECT_TRUE(t.Pressed());
    EXPECT_FALSE(t.PressedInside());
    EXPECT_FALSE(t.Hot());
    Send(window, WM_MOUSEMOVE, MK_LBUTTON, 49, 49); // the last pixel is inside
    EXPECT_TRUE(t.PressedInside());
    Send(window, WM_MOUSEMOVE, MK_LBUTTON, 50, 20);
    EXPECT_FALSE(t.PressedInside());

    Send(window, WM_LBUTTONUP, 0, 50, 20);
    EXPECT_FALSE(t.Pressed());
    EXPECT_FALSE(t.Hot());
    EXPECT_EQ(graphic->releasesInside, 0);
    EXPECT_EQ(GetCapture(), nullptr);

    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
    Send(window, WM_LBUTTONUP, 0, 20, 20);
    EXPECT_EQ(graphic->releasesInside, 1);
    EXPECT_TRUE(t.Hot());

    // Only the left button presses; a part of a control has its own inside test.
    graphic->tracker.InsideTest = [](int x, int) { return x < 10; };
    Send(window, WM_RBUTTONDOWN, MK_RBUTTON, 20, 20);
    EXPECT_FALSE(t.Pressed());
    Send(window, WM_RBUTTONUP, 0, 20, 20);
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, 30, 20);
    EXPECT_TRUE(t.Pressed());
    EXPECT_FALSE(t.PressedInside());
    Send(window, WM_LBUTTONUP, 0, 30, 20);
    EXPECT_EQ(graphic->releasesInside, 1);
}

TEST_F(PressTrackerFixture, ReleaseOutsideGivesTheCaptureBackToItsFormerHolder)
{
    HWND holder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(holder, nullptr);
    windowed->SetCapturesMouse(false);
    HWND own = windowed->Handle();
    SetCapture(holder);
    Send(own, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    EXPECT_EQ(GetCapture(), own);
    Send(own, WM_LBUTTONUP, 0, 60, 5);
    EXPECT_EQ(GetCapture(), holder);
    EXPECT_EQ(windowed->releasesInside, 0);

    // A press inside and a release inside: the click, no capture given to anyone.
    ReleaseCapture();
    Send(own, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    Send(own, WM_LBUTTONUP, 0, 6, 6);
    EXPECT_EQ(windowed->releasesInside, 1);
    DestroyWindow(holder);
}

TEST_F(PressTrackerFixture, CancelModeFocusLossAndDisablingEndAPress)
{
    HWND own = windowed->Handle();
    const TPressTracker& t = windowed->tracker;
    Send(own, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    SendMessageA(own, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(t.Pressed());

    windowed->Perform(WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(t.Focused());
    Send(own, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    windowed->Perform(WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(t.Focused());
    EXPECT_FALSE(t.Pressed());
    Send(own, WM_LBUTTONUP, 0, 5, 5);
    EXPECT_EQ(windowed->releasesInside, 0);

    Send(own, WM_MOUSEMOVE, 0, 5, 5);
    Send(own, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    EXPECT_TRUE(t.Hot());
    windowed->SetEnabled(false);
    EXPECT_FALSE(t.Hot());
    EXPECT_FALSE(t.Pressed());
    // A disabled control neither presses nor turns hot.
    windowed->tracker.MouseEnter();
    EXPECT_FALSE(windowed->tracker.MouseDown(TMouseButton::mbLeft, 5, 5));
    EXPECT_FALSE(t.Hot());
}

} // namespace
} // namespace folvane
