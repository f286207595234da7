// Popup menus (owner-draw hooks, the chosen item's click, shortcut texts), window-message
// timers and the hint shown after HintPause and hidden after HintHidePause.
#include "ToolkitTestSupport.h"

#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/HintWindow.h"
#include "toolkit/Menus.h"
#include "toolkit/Timer.h"
#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace folvane {
namespace {

TEST(Menus, ShortCutTexts)
{
    EXPECT_EQ(ShortCutToText(ShortCut('S', ssCtrl)), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F1, ssShift)), "Shift+F1");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, 0)), "Del");
    EXPECT_EQ(ShortCutToText(ShortCut('X', ssShift | ssCtrl | ssAlt)), "Shift+Ctrl+Alt+X");
    EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(Menus, ItemsFormATreeThatSurvivesEitherSideGoingFirst)
{
    TComponent owner;
    TPopupMenu menu(&owner);
    auto* file = new TMenuItem(&owner);
    auto* open = new TMenuItem(&owner);
    menu.Items()->Add(file);
    file->Add(open);
    EXPECT_EQ(open->GetParentMenu(), &menu);
    EXPECT_EQ(open->MenuIndex(), 0);
    EXPECT_THROW(open->Add(file), EComponentError);
    delete open;
    EXPECT_EQ(file->Count(), 0);
    file->Add(new TMenuItem(&owner));
    menu.Items()->Delete(0); // destroys the item and its sub-item
    EXPECT_EQ(owner.ComponentCount(), 1);
}

struct Hooks : ::testing::Test {
    Hooks()
    {
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(0, 0, 200, 200);
        menu = new TPopupMenu(&form);
        menu->SetOwnerDraw(true);
        const char* captions[] = { "Look in HKEY_LOCAL_MACHINE", "-", "Look in HKEY_CURRENT_USER" };
        for (const char* caption : captions) {
            auto* item = new TMenuItem(&form);
            item->SetCaption(caption);
            item->OnMeasureItem = [this, caption](TComponent*, TCanvas&, int& width, int& height) {
                measured.push_back(caption);
                width = 150;
                height = std::string(caption) == "-" ? 5 : 21;
            };
            item->OnDrawItem = [this, caption](TComponent*, TCanvas& canvas, const RECT& r, TOwnerDrawState) {
                drawn.push_back(caption);
                heights.push_back(r.bottom - r.top);
                canvas.Brush().SetColor(clWhite);
                canvas.FillRect(r);
            };
            item->OnClick = [this, caption](TComponent*) { clicked.push_back(caption); };
            menu->Items()->Add(item);
        }
    }
    TForm form;
    TPopupMenu* menu;
    std::vector<std::string> measured, drawn, clicked;
    std::vector<int> heights;
};

TEST_F(Hooks, OwnerDrawnMenuMeasuresAndDrawsEveryItemThroughItsHooks)
{
    form.Show();
    testing::RunSoon([] { EndMenu(); }, 300);
    menu->Popup(50, 50);
    EXPECT_EQ(measured.size(), 3u);
    EXPECT_EQ(drawn.size(), 3u);
    EXPECT_EQ(heights, (std::vector<int> { 21, 5, 21 }));
    EXPECT_TRUE(clicked.empty()); // closed without a choice
}

TEST_F(Hooks, ChosenItemIsClickedAfterTheMenuCloses)
{
    form.Show();
    HWND window = form.Handle();
    // Keys reach the menu's own loop through the thread's queue: down to the first item,
    // down past the separator, Enter.
    testing::RunSoon(
        [window] {
            PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
        },
        200);
    testing::RunSoon([] { EndMenu(); }, 1500); // in case the keys went astray
    menu->SetPopupComponent(&form);
    menu->Popup(50, 50);
    EXPECT_EQ(clicked, (std::vector<std::string> { "Look in HKEY_CURRENT_USER" }));
}

TEST_F(Hooks, ItemCreatedLaterBesideTheMenuIsAnnounced)
{
    struct Announcing : TPopupMenu {
        using TPopupMenu::TPopupMenu;
        void MenuItemCreated(TMenuItem* item) override { announced.push_back(item); }
        std::vector<TMenuItem*> announced;
    };
    auto* skinned = new Announcing(&form);
    auto* item = new TMenuItem(&form);
    ASSERT_EQ(skinned->announced.size(), 1u);
    EXPECT_EQ(skinned->announced[0], item);
    TComponent elsewhere;
    new TMenuItem(&elsewhere);
    EXPECT_EQ(skinned->announced.size(), 1u);
}

TEST(Timers, FireWhileEnabledAndStopWhenDisabledOrDestroyed)
{
    int ticks = 0;
    auto* timer = new TTimer;
    timer->SetInterval(10);
    timer->OnTimer = [&](TComponent*) { ++ticks; };
    ASSERT_TRUE(testing::PumpUntil([&] { return ticks >= 3; }, 2000));
    timer->SetEnabled(false);
    int stopped = ticks;
    testing::Pump(60);
    EXPECT_EQ(ticks, stopped);
    timer->SetEnabled(true);
    ASSERT_TRUE(testing::PumpUntil([&] { return ticks > stopped; }, 2000));
    timer->SetInterval(0);
    EXPECT_FALSE(timer->Running());
    timer->SetInterval(10);
    delete timer; // ticks already queued find nothing
    stopped = ticks;
    testing::Pump(60);
    EXPECT_EQ(ticks, stopped);
}

TEST(Hints, ShownAfterThePauseWithTheShortHintAndHiddenAfterTheHidePause)
{
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(100, 100, 200, 100);
    auto* control = new TGraphicControl(&form);
    control->SetParent(&form);
    control->SetBounds(10, 10, 50, 20);
    control->SetHint("Set the path|Writes SetupPath");
    form.SetShowHint(true); // the control follows its parent
    EXPECT_TRUE(control->ShowHint());
    form.Show();
    Application().SetHintPause(100);
    Application().SetHintHidePause(300);
    POINT screen = form.ClientToScreen(POINT { 20, 20 });
    SetCursorPos(screen.x, screen.y);
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    testing::Pump(40);
    EXPECT_TRUE(Application().HintWindow() == nullptr || !Application().HintWindow()->IsShowing());
    ASSERT_TRUE(
        testing::PumpUntil([] { return Application().HintWindow() && Application().HintWindow()->IsShowing(); }, 2000));
    EXPECT_EQ(Application().HintWindow()->Caption(), "Set the path");
    RECT r;
    GetWindowRect(Application().HintWindow()->Handle(), &r);
    EXPECT_GT(r.top, screen.y); // below the pointer
    EXPECT_TRUE(testing::PumpUntil([] { return !Application().HintWindow()->IsShowing(); }, 2000));

    // Without ShowHint nothing appears.
    control->SetShowHint(false);
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    testing::Pump(300);
    EXPECT_FALSE(Application().HintWindow()->IsShowing());
}

} // namespace
} // namespace folvane
