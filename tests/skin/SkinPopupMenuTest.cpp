// TSkinPopupMenu under Wine with the main window's stored look (Frost, a
// 26-pixel bar of 0x00CED3D6, selection 0x00EFD3C6 framed 0x00C66931):
// items measured and drawn through WM_MEASUREITEM and WM_DRAWITEM into
// memory bitmaps, the style rules, and a real menu chosen from by keys.
#include "skin/SkinControlFixture.h"
#include "toolkit/ToolkitTestSupport.h"

#include "skin/SkinPopupMenu.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/PaintDC.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace folvane {
namespace {

constexpr TColor kBar = 0xCED3D6;
constexpr TColor kSelected = 0xEFD3C6;
constexpr TColor kSelectedBorder = 0xC66931;
constexpr TColor kSeparator = 0x848284;
constexpr TColor kIcon = clRed;
constexpr int kWidth = 200;

bool AnyPixel(const TBitmap& picture, const RECT& area, TColor colour)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (picture.Pixel(x, y) == colour)
                return true;
    return false;
}

class SkinPopupMenuTest : public testing::SkinControlFixture {
protected:
    void SetUp() override
    {
        TLoadingScope scope;
        images = new TImageList(form);
        // A red 16 x 16 icon whose top-left pixel is transparent.
        TBitmap icon(16, 16, TPixelFormat::pf24bit);
        icon.Canvas().Brush().SetColor(kIcon);
        icon.Canvas().FillRect(RECT { 0, 0, 16, 16 });
        icon.SetPixel(0, 0, clFuchsia);
        images->AddMasked(icon, clFuchsia);
        menu = new TSkinPopupMenu(form);
        menu->SetUIStyle(TSkinUIStyle::Frost);
        menu->SetSelectedBorderColor(kSelectedBorder);
        menu->SetSelectedColor(kSelected);
        menu->SetSelectedFontColor(clBlack);
        menu->SetBarColor(kBar);
        menu->SetBarToColor(kBar);
        menu->SetSeparatorColor(kSeparator);
        scope.Attach([this] { menu->SetImages(images); });
        local = Add("Look in HKEY_LOCAL_MACHINE", 0);
        line = Add("-", -1);
        user = Add("Look in HKEY_CURRENT_USER", 1);
    }
    void TearDown() override
    {
        delete menu;
        delete images;
    }

    TMenuItem* Add(const char* caption, int imageIndex)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->SetImageIndex(imageIndex);
        item->OnClick = [this, caption](TComponent*) { clicked.push_back(caption); };
        menu->Items()->Add(item);
        return item;
    }

    // The item's height by WM_MEASUREITEM, then the item drawn by WM_DRAWITEM.
    void Draw(TMenuItem* item, TBitmap& picture, UINT state, int width = kWidth)
    {
        MEASUREITEMSTRUCT measure { ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(item) };
        SendMessageA(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        measuredWidth = static_cast<int>(measure.itemWidth);
        const int height = static_cast<int>(measure.itemHeight);
        picture.SetPixelFormat(TPixelFormat::pf32bit);
        picture.SetSize(width, height);
        picture.Canvas().Brush().SetColor(clFuchsia);
        picture.Canvas().FillRect(RECT { 0, 0, width, height });
        DRAWITEMSTRUCT draw {};
        draw.CtlType = ODT_MENU;
        draw.itemState = state;
        draw.hDC = picture.Canvas().Handle();
        draw.rcItem = RECT { 0, 0, width, height };
        draw.itemData = reinterpret_cast<ULONG_PTR>(item);
        SendMessageA(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        GdiFlush();
    }

    TImageList* images = nullptr;
    TSkinPopupMenu* menu = nullptr;
    TMenuItem* local = nullptr;
    TMenuItem* line = nullptr;
    TMenuItem* user = nullptr;
    int measuredWidth = 0;
    std::vector<std::string> clicked;
};

TEST_F(SkinPopupMenuTest, PlainItemsHaveTheBarAndTheirIcon)
{
    TBitmap picture;
    Draw(local, picture, 0);
    EXPECT_EQ(picture.Height(), 21);
    EXPECT_EQ(picture.Pixel(0, 0), kBar);
    EXPECT_EQ(picture.Pixel(25, 20), kBar);
    EXPECT_EQ(picture.Pixel(26, 0), clWhite);
    EXPECT_EQ(picture.Pixel(kWidth - 1, 20), clWhite);
    // The icon at (4, 3), its transparent corner showing the bar.
    EXPECT_EQ(picture.Pixel(4, 3), kBar);
    EXPECT_EQ(picture.Pixel(5, 3), kIcon);
    EXPECT_EQ(picture.Pixel(19, 18), kIcon);
    EXPECT_EQ(picture.Pixel(20, 19), kBar);
    EXPECT_TRUE(AnyPixel(picture, RECT { 30, 0, kWidth, 21 }, clBlack));
    EXPECT_FALSE(AnyPixel(picture, RECT { 0, 0, 30, 21 }, clBlack));

    // Width: caption + shortcut + bar + 40, measured in the menu font.
    local->SetShortCut(ShortCut('L', ssCtrl));
    Draw(local, picture, 0);
    TBitmap measure(1, 1);
    NONCLIENTMETRICSA metrics {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    measure.Canvas().Font().SetName(metrics.lfMenuFont.lfFaceName);
    measure.Canvas().Font().SetHeight(metrics.lfMenuFont.lfHeight);
    EXPECT_EQ(
        measuredWidth, measure.Canvas().TextWidth(local->Caption()) + measure.Canvas().TextWidth("Ctrl+L") + 26 + 40);
    if (HasFailure() || std::getenv("FOLVANE_REVIEW"))
        testing::SaveForReview(picture, "menu_item");
}

TEST_F(SkinPopupMenuTest, SelectionIsFramedOnlyWhileEnabled)
{
    TBitmap picture;
    Draw(local, picture, ODS_SELECTED);
    EXPECT_EQ(picture.Pixel(0, 0), kSelectedBorder);
    EXPECT_EQ(picture.Pixel(kWidth - 1, 20), kSelectedBorder);
    EXPECT_EQ(picture.Pixel(1, 1), kSelected); // over the bar too
    EXPECT_EQ(picture.Pixel(24, 10), kSelected);
    EXPECT_TRUE(AnyPixel(picture, RECT { 30, 0, kWidth, 21 }, clBlack));

    // Disabled: drawn unselected, caption grey, icon greyed.
    local->SetEnabled(false);
    Draw(local, picture, ODS_SELECTED | ODS_GRAYED | ODS_DISABLED);
    EXPECT_EQ(picture.Pixel(0, 0), kBar);
    EXPECT_EQ(picture.Pixel(26, 0), clWhite);
    EXPECT_TRUE(AnyPixel(picture, RECT { 30, 0, kWidth, 21 }, 0x808080));
    EXPECT_FALSE(AnyPixel(picture, RECT { 30, 0, kWidth, 21 }, clBlack));
    EXPECT_FALSE(AnyPixel(picture, RECT { 4, 3, 20, 19 }, kIcon));
}

TEST_F(SkinPopupMenuTest, SeparatorIsFiveHighWithItsLineOnTheThirdRow)
{
    TBitmap picture;
    Draw(line, picture, 0);
    ASSERT_EQ(picture.Height(), 5);
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(picture.Pixel(10, y), kBar) << y;
    EXPECT_EQ(picture.Pixel(29, 2), clWhite);
    EXPECT_EQ(picture.Pixel(30, 2), kSeparator);
    EXPECT_EQ(picture.Pixel(kWidth - 4, 2), kSeparator);
    EXPECT_EQ(picture.Pixel(kWidth - 3, 2), clWhite);
    EXPECT_EQ(picture.Pixel(30, 1), clWhite);
    EXPECT_EQ(picture.Pixel(30, 3), clWhite);
}

TEST_F(SkinPopupMenuTest, CheckedItemsFrameTheirIconOrShowTheMark)
{
    TBitmap picture;
    local->SetChecked(true);
    Draw(local, picture, ODS_CHECKED);
    EXPECT_EQ(picture.Pixel(2, 1), clBlack);
    EXPECT_EQ(picture.Pixel(20, 19), clBlack);
    EXPECT_EQ(picture.Pixel(3, 2), kSelected);
    EXPECT_EQ(picture.Pixel(4, 3), kSelected); // the icon's transparent corner
    EXPECT_EQ(picture.Pixel(5, 3), kIcon);

    // An index past the list: no icon, the check mark instead.
    user->SetChecked(true);
    Draw(user, picture, ODS_CHECKED);
    EXPECT_EQ(picture.Pixel(2, 1), kBar);
    EXPECT_FALSE(AnyPixel(picture, RECT { 4, 3, 20, 19 }, kIcon));
    TBitmap mark;
    ASSERT_TRUE(mark.LoadFromResourceName(GetModuleHandleA(nullptr), "MENU_CHECKED"));
    int inked = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (mark.Pixel(x, y) != clWhite) {
                EXPECT_EQ(picture.Pixel(4 + x, 3 + y), mark.Pixel(x, y));
                ++inked;
            }
    EXPECT_GT(inked, 0);
}

TEST_F(SkinPopupMenuTest, GradientBarAndStyleRules)
{
    // A 255-pixel bar from black to white: column 100 is 0x646464.
    menu->SetBarWidth(255);
    menu->SetBarColor(clBlack);
    menu->SetBarToColor(clWhite);
    TBitmap picture;
    Draw(line, picture, 0, 300);
    EXPECT_EQ(picture.Pixel(0, 0), clBlack);
    EXPECT_EQ(picture.Pixel(100, 4), 0x646464u);
    EXPECT_EQ(picture.Pixel(254, 0), clWhite);

    // Assigning a style resets the bar and the heights.
    menu->SetMenuItemHeight(30);
    menu->SetUIStyle(TSkinUIStyle::Pearl);
    EXPECT_EQ(menu->BarWidth(), 26);
    EXPECT_EQ(menu->MenuItemHeight(), 20);
    EXPECT_EQ(menu->SeparatorHeight(), 12);
    EXPECT_EQ(menu->SeparatorColor(), clBlack);
    menu->SetMenuItemHeight(30); // ignored while Pearl
    EXPECT_EQ(menu->MenuItemHeight(), 20);
    Draw(line, picture, 0);
    EXPECT_EQ(picture.Height(), 12);

    // A theme that cannot be used gives Marine; its destruction drops it, back to Marine.
    auto* theme = new TSkinFileTheme(form);
    menu->SetUIStyle(TSkinUIStyle::FromThemeFile);
    menu->SetFileTheme(theme);
    EXPECT_EQ(menu->SelectedColor(), 0xA04A44u);
    delete theme;
    EXPECT_EQ(menu->FileTheme(), nullptr);
    EXPECT_EQ(menu->UIStyle(), TSkinUIStyle::Marine);

    // A new menu: Marine after its first values; always owner-drawn.
    TSkinPopupMenu fresh(form);
    fresh.SetOwnerDraw(false);
    EXPECT_TRUE(fresh.OwnerDraw());
    EXPECT_EQ(fresh.UIStyle(), TSkinUIStyle::Marine);
    EXPECT_EQ(fresh.SelectedColor(), 0xA04A44u);
    EXPECT_EQ(fresh.FontColor(), clBlack);
    EXPECT_EQ(fresh.SeparatorHeight(), 5);
    EXPECT_EQ(fresh.BorderColor(), clBlack);
    EXPECT_TRUE(fresh.UseSystemFont());
    EXPECT_EQ(fresh.FontName(), "MS Sans Serif");
}

TEST_F(SkinPopupMenuTest, HandlersReachLoadedItemsAndItemsCreatedLater)
{
    // Items of another owner get the handlers, sub-items too, once the menu has loaded.
    TComponent other;
    TMenuItem* sub = nullptr;
    TSkinPopupMenu* loaded = nullptr;
    {
        TLoadingScope scope;
        loaded = new TSkinPopupMenu(form);
        auto* top = new TMenuItem(&other);
        sub = new TMenuItem(&other);
        top->Add(sub);
        loaded->Items()->Add(top);
        EXPECT_FALSE(sub->OnDrawItem);
    }
    EXPECT_TRUE(sub->OnDrawItem && sub->OnMeasureItem);
    delete loaded;

    auto* later = new TMenuItem(form);
    later->SetCaption("Later");
    menu->Items()->Add(later);
    TBitmap picture;
    Draw(later, picture, 0);
    EXPECT_EQ(picture.Height(), 21);
    EXPECT_EQ(picture.Pixel(0, 0), kBar);
}

// A real menu under Xvfb: the skinned rows on the screen, Down Down Enter
// passes the separator and chooses the second command.
TEST_F(SkinPopupMenuTest, RealMenuIsSkinnedAndChosenByKeys)
{
    HWND window = form->Handle();
    TBitmap screen(260, 90, TPixelFormat::pf32bit);
    auto capture = [&screen] {
        TWindowDC desktop;
        BitBlt(screen.Canvas().Handle(), 0, 0, screen.Width(), screen.Height(), desktop.Get(), 50, 50, SRCCOPY);
        GdiFlush();
    };
    bool sawBar = false;
    bool sawSelection = false;
    bool sawFlatFrame = false;
    menu->SetFlatMenu(true);
    testing::RunSoon([window] { PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0); }, 300);
    testing::RunSoon(
        [&] {
            capture();
            sawBar = AnyPixel(screen, RECT { 0, 0, 30, 60 }, kBar);
            sawSelection = AnyPixel(screen, RECT { 0, 0, 260, 40 }, kSelected)
                && AnyPixel(screen, RECT { 0, 0, 260, 40 }, kSelectedBorder);
            // Flat: the top row in Frost's frame colour, then black and white frames.
            sawFlatFrame
                = screen.Pixel(20, 0) == 0xDEEBEF && screen.Pixel(0, 10) == clBlack && screen.Pixel(1, 10) == clWhite;
            if (std::getenv("FOLVANE_REVIEW"))
                testing::SaveForReview(screen, "menu_screen");
            PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
        },
        700);
    testing::RunSoon([] { EndMenu(); }, 2500); // in case the keys went astray
    menu->SetPopupComponent(form);
    menu->Popup(50, 50);
    EXPECT_TRUE(sawBar);
    EXPECT_TRUE(sawSelection);
    EXPECT_TRUE(sawFlatFrame);
    EXPECT_EQ(clicked, (std::vector<std::string> { "Look in HKEY_CURRENT_USER" }));
}

} // namespace
} // namespace folvane
