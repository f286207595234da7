// TSkinPageControl under Wine with the built-in Marine pictures (tabs 24 x 20
// in two slices, a line 3 high, scroll buttons 16 x 16): loading in stored
// order, the event order of clicks and code changes, the tab rules as
// painted, scrolling, hiding and removing pages.
#include "skin/SkinControlFixture.h"
#include "toolkit/ToolkitTestSupport.h"

#include "skin/SkinPageControl.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace folvane {
namespace {

constexpr TColor kFormColor = 0x00402010;
constexpr TColor kPageColor = 0x00EDFCED;

void Click(TWinControl& control, int x, int y)
{
    const LPARAM at = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    SendMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(control.Handle(), WM_LBUTTONUP, 0, at);
}

class SkinPageControlTest : public testing::SkinControlFixture {
protected:
    // The main window's way: "Pages" names the order, the pages arrive in
    // another, ActivePage comes with the references at the end.
    void SetUp() override
    {
        form->SetColor(kFormColor);
        {
            TLoadingScope scope;
            pc = new TSkinPageControl(form);
            pc->SetName("pcMain");
            pc->SetParent(form);
            pc->SetBounds(10, 10, 300, 150);
            pc->SetStoredPages({ "tabGetPath", "tabSetPath" });
            pc->OnChanging = [this](TComponent*, bool& allow) {
                events.push_back("changing");
                allow = allowChange;
            };
            pc->OnTabActive = [this](TComponent*, int index) { events.push_back("active " + std::to_string(index)); };
            pc->OnChange = [this](TComponent*) { events.push_back("change"); };
            setPath = AddPage("tabSetPath", "Set Path");
            getPath = AddPage("tabGetPath", "Get Path");
            scope.Attach([this] { pc->SetActivePage(getPath); });
        }
        pc->Repaint();
        pc->Strip().Repaint();
    }
    void TearDown() override { delete pc; }

    TSkinTabSheet* AddPage(const std::string& name, const std::string& caption)
    {
        auto* page = new TSkinTabSheet(form);
        page->SetName(name);
        page->OnShow = [this, caption](TComponent*) { events.push_back("show " + caption); };
        page->OnHide = [this, caption](TComponent*) { events.push_back("hide " + caption); };
        page->SetPageControl(pc);
        page->SetCaption(caption); // stored after the page joined, like the colour
        page->SetColor(kPageColor);
        return page;
    }

    // Middle of tab i as the strip recorded it.
    int TabMiddle(int i) const
    {
        int x = pc->LeftMargin();
        for (int k = pc->Strip().FirstShown(); k < i; ++k)
            x += pc->Strip().TabWidths()[static_cast<std::size_t>(k)];
        return x + pc->Strip().TabWidths()[static_cast<std::size_t>(i)] / 2;
    }

    TSkinPageControl* pc = nullptr;
    TSkinTabSheet* getPath = nullptr;
    TSkinTabSheet* setPath = nullptr;
    std::vector<std::string> events;
    bool allowChange = true;
};

TEST_F(SkinPageControlTest, LoadingKeepsTheStoredOrderAndFiresNoChange)
{
    EXPECT_EQ(pc->Pages(0), getPath);
    EXPECT_EQ(pc->Pages(1), setPath);
    EXPECT_EQ(pc->Strip().Tabs(), (std::vector<std::string> { "Get Path", "Set Path" }));
    EXPECT_EQ(pc->ActivePage(), getPath);
    EXPECT_EQ(pc->Strip().TabIndex(), 0);
    EXPECT_TRUE(getPath->Enabled());
    EXPECT_FALSE(setPath->Enabled());
    for (const std::string& e : events)
        EXPECT_TRUE(e.rfind("change", 0) != 0 && e.rfind("active", 0) != 0) << e;
    // Pages keep the colour they were given while loading; the body took Marine's.
    EXPECT_EQ(getPath->Color(), kPageColor);
    EXPECT_EQ(pc->Color(), 0xE8E8E8u);
    const RECT area = pc->PageArea();
    EXPECT_EQ(getPath->BoundsRect().top, area.top);
    EXPECT_EQ(area.top, pc->Strip().StripHeight() + 3);
    EXPECT_EQ(area.left, 3);
}

TEST_F(SkinPageControlTest, ClickingTabsChangesPagesWithEventsInOrder)
{
    events.clear();
    const int y = 10;
    Click(pc->Strip(), TabMiddle(0), y); // the active tab: nothing
    EXPECT_TRUE(events.empty());
    const int boundary = pc->LeftMargin() + pc->Strip().TabWidths()[0];
    Click(pc->Strip(), boundary, y); // the pixel between the tabs belongs to neither
    EXPECT_TRUE(events.empty());

    allowChange = false;
    Click(pc->Strip(), TabMiddle(1), y);
    EXPECT_EQ(events, (std::vector<std::string> { "changing" }));
    EXPECT_EQ(pc->ActivePage(), getPath);

    events.clear();
    allowChange = true;
    Click(pc->Strip(), TabMiddle(1), y);
    EXPECT_EQ(
        events, (std::vector<std::string> { "changing", "hide Get Path", "show Set Path", "active 1", "change" }));
    EXPECT_EQ(pc->ActivePage(), setPath);
    EXPECT_TRUE(setPath->Enabled());
    EXPECT_FALSE(getPath->Enabled());
    EXPECT_TRUE(getPath->Visible()); // behind, not hidden
    EXPECT_EQ(pc->Controls(pc->ControlCount() - 1), setPath);
    events.clear();
    Click(pc->Strip(), boundary, y); // nor from the other side
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(pc->ActivePage(), setPath);

    // By code: no question, both events; the same page again fires no change.
    events.clear();
    pc->SetActivePage(getPath);
    EXPECT_EQ(
        events, (std::vector<std::string> { "hide Set Path", "show Get Path", "active 0", "change", "show Get Path" }));
    events.clear();
    pc->SetActivePage(getPath);
    EXPECT_EQ(events, (std::vector<std::string> { "show Get Path" }));
}

TEST_F(SkinPageControlTest, StripPaintsTabsByTheirRules)
{
    TBitmap picture;
    testing::Picture(*pc, picture);
    // A stored font reaches the tabs and, through the control's own font, the pages.
    TFont bold = pc->TabFont();
    bold.SetStyle(fsBold);
    pc->SetTabFont(bold);
    EXPECT_EQ(getPath->Font().Style(), fsBold);
    // The control's own font is not the tab font, whichever type sets it.
    TFont large = bold;
    large.SetHeight(-20);
    pc->SetFont(large);
    EXPECT_EQ(pc->TabFont(), bold);
    pc->SetFont(bold);
    testing::Picture(*pc, picture);
    TBitmap measure(1, 1);
    measure.Canvas().SetFont(bold);
    // "Get Path" is its text width + 20.
    EXPECT_EQ(pc->Strip().TabWidths()[0], measure.Canvas().TextWidth("Get Path") + 20);
    EXPECT_FALSE(pc->Strip().Overflow());

    const TBitmap& active = pc->Strip().ActiveImage();
    const TBitmap& inactive = pc->Strip().InactiveImage();
    const int tabHeight = inactive.Height();
    const int x0 = pc->LeftMargin();
    const int x1 = x0 + pc->Strip().TabWidths()[0];
    // The active tab sits one pixel lower: its cap's second row at row 2.
    EXPECT_EQ(picture.Pixel(x0 + 3, 11), active.Pixel(3, 10));
    EXPECT_EQ(picture.Pixel(x1 + 3, 10), inactive.Pixel(3, 10));
    // Magenta corners show what lies behind the page control.
    EXPECT_EQ(picture.Pixel(x1, 0), kFormColor);
    EXPECT_EQ(picture.Pixel(x0 + 30, 0), kFormColor);
    // Line ends in the border colour, the body framed below the strip.
    EXPECT_EQ(picture.Pixel(0, tabHeight + 1), pc->BorderColor());
    EXPECT_EQ(picture.Pixel(299, tabHeight + 1), pc->BorderColor());
    EXPECT_EQ(picture.Pixel(0, 149), pc->BorderColor());
    EXPECT_EQ(picture.Pixel(150, 149), pc->BorderColor());
    EXPECT_EQ(picture.Pixel(1, 148), pc->Color());
    EXPECT_EQ(picture.Pixel(150, 80), kPageColor);
    if (HasFailure() || std::getenv("FOLVANE_REVIEW"))
        testing::SaveForReview(picture, "pagecontrol_tabs");
}

TEST_F(SkinPageControlTest, ManyTabsOverflowScrollAndRevealTheActiveOne)
{
    std::vector<TSkinTabSheet*> extra;
    for (int i = 0; i < 6; ++i)
        extra.push_back(AddPage("tabExtra" + std::to_string(i), "Extra page " + std::to_string(i)));
    // Each new page became active and was scrolled into view.
    EXPECT_EQ(pc->ActivePage(), extra.back());
    pc->Strip().Repaint();
    const int first = pc->Strip().FirstShown();
    EXPECT_GT(first, 0);
    EXPECT_FALSE(pc->Strip().Overflow()); // the last tab fits: the right button does nothing

    // The scroll buttons move the strip by one tab each.
    const SIZE button = pc->Strip().ScrollButtonSize();
    const int right = pc->Strip().Width() - 2 - button.cx / 2;
    const int left = right - button.cx;
    const int y = pc->Strip().Height() / 2;
    Click(pc->Strip(), right, y);
    EXPECT_EQ(pc->Strip().FirstShown(), first);
    Click(pc->Strip(), left, y);
    EXPECT_EQ(pc->Strip().FirstShown(), first - 1);
    EXPECT_TRUE(pc->Strip().Overflow());
    Click(pc->Strip(), right, y);
    EXPECT_EQ(pc->Strip().FirstShown(), first);
    for (int i = 0; i < first + 2; ++i)
        Click(pc->Strip(), left, y);
    EXPECT_EQ(pc->Strip().FirstShown(), 0);
    EXPECT_EQ(pc->ActivePage(), extra.back()); // scrolling chose nothing
    // The pointer over a button, tested when painting, makes it hot.
    const POINT over = pc->Strip().ClientToScreen(POINT { right, y });
    SetCursorPos(over.x, over.y);
    pc->Strip().Repaint();
    EXPECT_EQ(pc->Strip().ScrollHover(), 1);
    SetCursorPos(0, 300);
    pc->Strip().Repaint();
    EXPECT_EQ(pc->Strip().ScrollHover(), 0);

    // Choosing a page beyond the last tab drawn scrolls it into view.
    pc->SetActivePage(extra[4]);
    pc->Strip().Repaint();
    EXPECT_GT(pc->Strip().FirstShown(), 0);
    if (std::getenv("FOLVANE_REVIEW")) {
        TBitmap picture;
        testing::Picture(*pc, picture);
        testing::SaveForReview(picture, "pagecontrol_scrolled");
    }

    // Ctrl+Tab wraps to the first tab without asking; plain Tab is the form's.
    events.clear();
    pc->Strip().Perform(WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(pc->ActivePage(), extra[4]);
    pc->SetActivePage(extra.back());
    events.clear();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    pc->Strip().Perform(WM_KEYDOWN, VK_TAB, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(pc->ActivePage(), getPath);
    EXPECT_EQ(events.front(), "hide Extra page 5");
    pc->SetActivePage(extra[2]);
    extra[2]->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), extra[1]);
    EXPECT_FALSE(pc->Strip().TabVisible(4));
    pc->SetActivePage(getPath);
    getPath->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), setPath); // none before: the next one

    // A strip index of -1 leaves no active page.
    pc->Strip().SetTabIndex(-1);
    EXPECT_EQ(pc->ActivePage(), nullptr);
    for (TSkinTabSheet* page : extra)
        delete page;
    EXPECT_EQ(pc->PageCount(), 2);
}

TEST_F(SkinPageControlTest, PagesMoveLeaveAndStopAtSixtyThree)
{
    setPath->SetPageIndex(0);
    EXPECT_EQ(pc->Pages(0), setPath);
    EXPECT_EQ(pc->Strip().Tabs()[0], "Set Path");
    EXPECT_EQ(pc->ActivePage(), setPath);
    setPath->SetPageIndex(5); // refused
    EXPECT_EQ(setPath->PageIndex(), 0);

    // Leaving activates the page before it.
    getPath->SetParent(form);
    EXPECT_EQ(getPath->PageIndex(), -1);
    EXPECT_EQ(pc->PageCount(), 1);
    EXPECT_EQ(pc->Strip().Tabs(), (std::vector<std::string> { "Set Path" }));
    EXPECT_EQ(pc->ActivePage(), setPath);
    getPath->SetParent(pc);
    EXPECT_EQ(pc->ActivePage(), getPath);

    // A control on an inactive page that wants to be seen brings its page forward.
    auto* inner = new TCustomControl(form);
    inner->SetParent(setPath);
    pc->ShowControl(inner);
    EXPECT_EQ(pc->ActivePage(), setPath);

    std::vector<TSkinTabSheet*> extra;
    for (int i = pc->PageCount(); i < kMaxTabs; ++i)
        extra.push_back(AddPage("tabFill" + std::to_string(i), "P"));
    auto* tooMany = new TSkinTabSheet(form);
    EXPECT_THROW(tooMany->SetParent(pc), EComponentError);
    EXPECT_EQ(tooMany->Parent(), nullptr);
    EXPECT_EQ(pc->Strip().TabCount(), kMaxTabs);
    EXPECT_FALSE(pc->Strip().AddTab("more"));
    delete tooMany;
    for (TSkinTabSheet* page : extra)
        delete page;
}

TEST_F(SkinPageControlTest, AfterARemovalTheStripAndThePagesAgree)
{
    auto* third = AddPage("tabThird", "Third");
    pc->Strip().Repaint();
    pc->SetActivePage(setPath);
    events.clear();
    // A page before the active one goes: the active page stays, its tab with it.
    getPath->SetParent(form);
    EXPECT_EQ(pc->ActivePage(), setPath);
    EXPECT_TRUE(setPath->Enabled());
    EXPECT_EQ(pc->Strip().TabIndex(), 0);
    EXPECT_TRUE(events.empty());
    // The active first page goes: the page that takes its place is active.
    ASSERT_EQ(setPath->PageIndex(), 0);
    setPath->SetParent(form);
    EXPECT_EQ(pc->ActivePage(), third);
    EXPECT_TRUE(third->Enabled());
    EXPECT_EQ(pc->Strip().TabIndex(), 0);
    // The last page goes: nothing is active, the strip has no tab.
    third->SetParent(form);
    EXPECT_EQ(pc->ActivePage(), nullptr);
    EXPECT_EQ(pc->Strip().TabIndex(), -1);
    pc->Strip().Repaint();
    delete third;
    getPath->SetParent(pc);
    setPath->SetParent(pc);
}

TEST_F(SkinPageControlTest, AControlFocusedOrShownBringsItsPageForward)
{
    auto* field = new TCustomControl(form);
    field->SetParent(setPath);
    field->SetBounds(5, 5, 40, 20);
    field->SetTabStop(true);
    ASSERT_EQ(pc->ActivePage(), getPath);
    field->SetFocus();
    EXPECT_EQ(pc->ActivePage(), setPath);
    EXPECT_TRUE(setPath->Enabled());
    EXPECT_EQ(pc->Strip().TabIndex(), 1);

    auto* hidden = new TCustomControl(form);
    hidden->SetParent(getPath);
    hidden->SetVisible(false);
    hidden->Show();
    EXPECT_EQ(pc->ActivePage(), getPath);
    EXPECT_TRUE(hidden->Visible());
}

TEST_F(SkinPageControlTest, StylesColourTheBodyAndTurnTheStrip)
{
    auto* theme = new TSkinFileTheme(form);
    pc->SetFileTheme(theme);
    EXPECT_EQ(pc->Strip().FileTheme(), theme);
    delete theme;
    EXPECT_EQ(pc->FileTheme(), nullptr);
    EXPECT_EQ(pc->Strip().FileTheme(), nullptr);
    EXPECT_EQ(pc->UIStyle(), TSkinUIStyle::Marine);

    pc->SetUIStyle(TSkinUIStyle::Frost);
    EXPECT_EQ(pc->Color(), clWhite);
    EXPECT_EQ(pc->Strip().Color(), 0xDEEBEFu);
    EXPECT_EQ(pc->BorderColor(), 0x686868u);
    EXPECT_EQ(getPath->Color(), clWhite); // outside loading colours reach the pages
    EXPECT_EQ(getPath->BorderColor(), 0x686868u);

    const TColor topLeft = pc->Strip().ActiveImage().Pixel(0, 0);
    const int w = pc->Strip().ActiveImage().Width();
    const int h = pc->Strip().ActiveImage().Height();
    pc->SetTabPosition(TSkinTabPosition::skBottom);
    EXPECT_EQ(pc->Strip().ActiveImage().Pixel(w - 1, h - 1), topLeft);
    EXPECT_EQ(pc->Strip().Top(), pc->ClientHeight() - pc->Strip().StripHeight());
    EXPECT_EQ(pc->PageArea().top, 3);
    TBitmap picture;
    testing::Picture(*pc, picture);
    EXPECT_EQ(picture.Pixel(150, 0), pc->BorderColor());
    if (HasFailure() || std::getenv("FOLVANE_REVIEW"))
        testing::SaveForReview(picture, "pagecontrol_bottom");
}

TEST_F(SkinPageControlTest, FileThemeGivesTheStripAndBodyTheirLook)
{
    auto* theme = new TSkinBuiltInFileTheme(form);
    ASSERT_TRUE(testing::LoadProgramSkin(*theme));
    pc->SetUIStyle(TSkinUIStyle::FromThemeFile);
    pc->SetFileTheme(theme);
    const auto formColor = static_cast<TColor>(theme->GetColor(TSkinColorElement::SKIN2_FORMCOLOR));
    EXPECT_EQ(pc->Color(), formColor);
    EXPECT_EQ(pc->Strip().Color(), formColor);
    EXPECT_EQ(pc->BorderColor(), static_cast<TColor>(theme->GetColor(TSkinColorElement::SKIN2_CONTROLBORDERCOLOR)));
    EXPECT_EQ(pc->Strip().ActiveFontColor(),
        static_cast<TColor>(theme->GetColor(TSkinColorElement::SKIN2_TABCONTROLACTIVEFONTCOLOR)));
    const TBitmap* tabs = theme->GetBitmap(TSkinBitmapElement::SKIN2_TABCONTROL);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(pc->Strip().ActiveImage().Width(), tabs->Width() / 2);
    EXPECT_EQ(pc->Strip().ActiveImage().Pixel(5, 10), tabs->Pixel(5, 10));
    EXPECT_EQ(pc->Strip().InactiveImage().Pixel(5, 10), tabs->Pixel(tabs->Width() / 2 + 5, 10));
    EXPECT_GT(pc->Strip().ScrollButtonSize().cx, 0);
    EXPECT_EQ(pc->Strip().StripHeight(),
        tabs->Height() + theme->GetBitmap(TSkinBitmapElement::SKIN2_TABCONTROLLINE)->Height());
    // Outside loading the body colour reaches the pages.
    EXPECT_EQ(getPath->Color(), formColor);
    TBitmap picture;
    testing::Picture(*pc, picture);
    if (HasFailure() || std::getenv("FOLVANE_REVIEW"))
        testing::SaveForReview(picture, "pagecontrol_theme");
    delete theme;
}

} // namespace
} // namespace folvane
