// The mouse protocol with synthesised messages: enter and leave for graphic controls (tracked
// by the parent) and windowed ones, press, move, release, click and double click, capture kept
// while the pointer is outside and released afterwards, cancel mode, and the popup menu of a
// right click.
#include "ToolkitTestSupport.h"

#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace folvane {
namespace {

using Log = std::vector<std::string>;

template <typename Base> class Recorder : public Base {
public:
    Recorder(TComponent* owner, TWinControl* parent, RECT r, Log& log, std::string name)
        : Base(owner)
        , log_(log)
        , name_(std::move(name))
    {
        this->SetParent(parent);
        this->SetBounds(r.left, r.top, r.right, r.bottom);
        this->OnClick = [this](TComponent*) { Add("click"); };
        this->OnDblClick = [this](TComponent*) { Add("dblclick"); };
        this->OnMouseEnter = [this](TComponent*) { Add("enter"); };
        this->OnMouseLeave = [this](TComponent*) { Add("leave"); };
        this->OnMouseDown = [this](TComponent*, TMouseButton b, TShiftState s, int x, int y) {
            Add(std::string(b == TMouseButton::mbLeft ? "down" : "rdown") + (s & ssDouble ? "2" : "") + " "
                + std::to_string(x) + "," + std::to_string(y));
        };
        this->OnMouseUp = [this](TComponent*, TMouseButton, TShiftState, int x, int y) {
            Add("up " + std::to_string(x) + "," + std::to_string(y));
        };
        this->OnMouseMove = [this](TComponent*, TShiftState, int x, int y) {
            Add("move " + std::to_string(x) + "," + std::to_string(y));
        };
    }

protected:
    void CancelMode() override { Add("cancel"); }

private:
    void Add(const std::string& event) { log_.push_back(name_ + ":" + event); }
    Log& log_;
    std::string name_;
};

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

struct MouseFixture : ::testing::Test {
    MouseFixture()
    {
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(0, 0, 200, 150);
        graphic = new Recorder<TGraphicControl>(&form, &form, RECT { 10, 10, 40, 40 }, log, "g");
        windowed = new Recorder<TCustomControl>(&form, &form, RECT { 100, 10, 40, 40 }, log, "w");
        window = form.Handle();
    }
    ~MouseFixture() override { ReleaseCapture(); }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) { return SendMessageA(window, message, wParam, lParam); }
    Log Take() { return std::exchange(log, {}); }

    Log log;
    TForm form;
    TGraphicControl* graphic;
    TCustomControl* windowed;
    HWND window;
};

TEST_F(MouseFixture, GraphicControlHearsEnterMoveAndLeaveFromItsParent)
{
    Send(WM_MOUSEMOVE, 0, At(20, 25));
    Send(WM_MOUSEMOVE, 0, At(21, 25));
    Send(WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_EQ(Take(), (Log { "g:enter", "g:move 10,15", "g:move 11,15", "g:leave" }));
    EXPECT_FALSE(graphic->MouseInside());

    // Leaving the parent's window leaves the graphic control too.
    Send(WM_MOUSEMOVE, 0, At(20, 20));
    Send(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Take(), (Log { "g:enter", "g:move 10,10", "g:leave" }));
}

TEST_F(MouseFixture, PressAndReleaseInsideClickOnce)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    EXPECT_EQ(GetCapture(), window);
    EXPECT_TRUE(graphic->MouseCapture());
    Send(WM_LBUTTONUP, 0, At(22, 20));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(graphic->MouseCapture());
    EXPECT_EQ(Take(), (Log { "g:enter", "g:down 10,10", "g:click", "g:up 12,10" }));
}

TEST_F(MouseFixture, CaptureFollowsThePointerOutsideAndAReleaseThereIsNoClick)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    // Over the windowed control and beyond: still the pressed control's messages.
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(150, 100));
    Send(WM_LBUTTONUP, 0, At(150, 100));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Take(), (Log { "g:enter", "g:down 10,10", "g:leave", "g:move 140,90", "g:up 140,90" }));

    // The next press starts afresh.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    Send(WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_EQ(Take(), (Log { "g:enter", "g:down 10,10", "g:click", "g:up 10,10" }));
}

TEST_F(MouseFixture, DoubleClickIsNotFollowedByAClick)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    Send(WM_LBUTTONUP, 0, At(20, 20));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(20, 20));
    Send(WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_EQ(Take(),
        (Log { "g:enter", "g:down 10,10", "g:click", "g:up 10,10", "g:dblclick", "g:down2 10,10", "g:up 10,10" }));

    // A control that takes the second click of a double click as a plain press clicks twice.
    graphic->SetAcceptsDoubleClicks(false);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(20, 20));
    Send(WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_EQ(Take(), (Log { "g:down 10,10", "g:click", "g:up 10,10" }));
}

TEST_F(MouseFixture, DisabledGraphicControlLetsTheMouseThroughToItsParent)
{
    int formClicks = 0;
    form.OnClick = [&](TComponent*) { ++formClicks; };
    graphic->SetEnabled(false);
    EXPECT_FALSE(graphic->EnabledInParents());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    Send(WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(formClicks, 1);
}

TEST_F(MouseFixture, ControlsOnADisabledParentReportThemselvesDisabled)
{
    form.SetEnabled(false);
    EXPECT_TRUE(graphic->Enabled());
    EXPECT_FALSE(graphic->EnabledInParents());
    EXPECT_FALSE(windowed->EnabledInParents());
    EXPECT_FALSE(windowed->CanFocus());
    form.SetEnabled(true);
    EXPECT_TRUE(windowed->EnabledInParents());
}

TEST_F(MouseFixture, WindowedControlTracksItsOwnWindow)
{
    HWND child = windowed->Handle();
    SendMessageA(child, WM_MOUSEMOVE, 0, At(5, 6));
    SendMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 6));
    EXPECT_EQ(GetCapture(), child);
    SendMessageA(child, WM_LBUTTONUP, 0, At(5, 6));
    SendMessageA(child, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Take(), (Log { "w:enter", "w:move 5,6", "w:down 5,6", "w:click", "w:up 5,6", "w:leave" }));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseFixture, LosingTheCaptureCancelsThePress)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    Take();
    SetCapture(windowed->Handle()); // something else takes the mouse
    Send(WM_LBUTTONUP, 0, At(20, 20));
    Log events = Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "g:cancel");
    EXPECT_EQ(std::count(events.begin(), events.end(), "g:click"), 0);

    SendMessageA(windowed->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(Take(), (Log { "w:cancel" }));
}

class RecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int x, int y) override
    {
        opened.push_back(POINT { x, y });
        shownFor = PopupComponent();
    }
    std::vector<POINT> opened;
    TComponent* shownFor = nullptr;
};

TEST_F(MouseFixture, RightClickOpensTheNearestPopupMenuAtTheCursor)
{
    auto* menu = new RecordingMenu(&form);
    form.SetPopupMenu(menu);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, At(20, 20));
    Send(WM_RBUTTONUP, 0, At(20, 20));
    ASSERT_EQ(menu->opened.size(), 1u);
    POINT expected = form.ClientToScreen(POINT { 20, 20 });
    EXPECT_EQ(menu->opened[0].x, expected.x);
    EXPECT_EQ(menu->opened[0].y, expected.y);
    EXPECT_EQ(menu->shownFor, graphic); // the control under the cursor opened its parent's menu

    auto* own = new RecordingMenu(&form);
    graphic->SetPopupMenu(own);
    Send(WM_RBUTTONUP, 0, At(20, 20));
    EXPECT_EQ(own->opened.size(), 1u);
    EXPECT_EQ(menu->opened.size(), 1u);

    delete own; // free notification clears the reference
    EXPECT_EQ(graphic->PopupMenu(), nullptr);
    Send(WM_RBUTTONUP, 0, At(20, 20));
    EXPECT_EQ(menu->opened.size(), 2u);
}

TEST_F(MouseFixture, CursorComesFromTheControlUnderThePointer)
{
    graphic->SetCursor(crHandPoint);
    POINT screen = form.ClientToScreen(POINT { 20, 20 });
    SetCursorPos(screen.x, screen.y);
    form.Show();
    testing::Pump(20);
    Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
}

} // namespace
} // namespace folvane
