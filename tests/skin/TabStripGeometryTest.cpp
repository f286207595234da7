// Tab placement, cutting, scrolling and hit testing of the tab strip.
#include "skin/TabStripGeometry.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

// A strip of the main window's kind: 20-pixel tabs over a 3-pixel line,
// scroll buttons 16 wide.
TabStripInput Strip(int width, std::vector<int> tabWidths, int active = 0)
{
    TabStripInput in;
    in.stripWidth = width;
    in.activeIndex = active;
    in.scrollButtonWidth = 16;
    in.tabHeight = 20;
    in.lineHeight = 3;
    for (int w : tabWidths)
        in.tabs.push_back(TabStripTab { true, w });
    return in;
}

TEST(SkinTabStripGeometry, TabWidthRule)
{
    EXPECT_EQ(TabWidth(43, false, -1), 63);
    EXPECT_EQ(TabWidth(0, true, -1), 80);
    EXPECT_EQ(TabWidth(43, false, 16), 83);
    EXPECT_EQ(TabWidth(0, true, 16), 100);
    EXPECT_EQ(TabWidth(-10, false, -1), 15);
}

TEST(SkinTabStripGeometry, FittingTabsMayReachTenPixelsFromTheEdge)
{
    std::vector<int> widths;
    // 10 + 60 + 130 = 200 = 210 - 10: fits, no buttons.
    TabStripLayout layout = LayoutTabStrip(Strip(210, { 60, 130 }), widths);
    ASSERT_EQ(layout.placed.size(), 2u);
    EXPECT_FALSE(layout.overflow);
    EXPECT_FALSE(layout.scrollButtons);
    EXPECT_EQ(layout.placed[0].rect, (PixelRect { 10, 1, 70, 21 })); // active: one lower
    EXPECT_EQ(layout.placed[1].rect, (PixelRect { 70, 0, 200, 20 }));
    EXPECT_EQ(widths, (std::vector<int> { 60, 130 }));

    // One pixel more and the last tab is cut at the scroll buttons.
    layout = LayoutTabStrip(Strip(210, { 60, 131 }), widths);
    EXPECT_TRUE(layout.overflow);
    EXPECT_TRUE(layout.scrollButtons);
    EXPECT_TRUE(layout.placed[1].cut);
    EXPECT_EQ(layout.placed[1].rect.right, 210 - 2 * 16 - 2);
    EXPECT_EQ(widths[1], 176 - 70);
}

TEST(SkinTabStripGeometry, OverflowCutsOneTabAndLeavesTheRestUnreached)
{
    std::vector<int> widths;
    // Not the last tab, so the limit is the scroll buttons' edge (166).
    TabStripLayout layout = LayoutTabStrip(Strip(200, { 60, 60, 60, 60 }, 2), widths);
    ASSERT_EQ(layout.placed.size(), 3u);
    EXPECT_EQ(layout.lastDrawn, 2);
    EXPECT_EQ(layout.placed[2].rect, (PixelRect { 130, 1, 166, 21 }));
    // The active tab keeps its full width on record; unreached tabs stay -1.
    EXPECT_EQ(widths, (std::vector<int> { 60, 60, 60, -1 }));

    // Hidden tabs take no room; tabs before the first shown one are measured only.
    TabStripInput in = Strip(400, { 60, 60, 60, 60 }, 3);
    in.tabs[1].visible = false;
    in.firstShown = 1;
    layout = LayoutTabStrip(in, widths);
    EXPECT_EQ(widths, (std::vector<int> { 60, 0, 60, 60 }));
    ASSERT_EQ(layout.placed.size(), 2u);
    EXPECT_EQ(layout.placed[0].rect.left, 10);
    EXPECT_EQ(layout.placed[1].rect, (PixelRect { 70, 1, 130, 21 }));
    EXPECT_FALSE(layout.overflow);
    EXPECT_TRUE(layout.scrollButtons); // scrolled
}

TEST(SkinTabStripGeometry, BottomStripMirrorsTheRows)
{
    TabStripInput in = Strip(300, { 60, 60 }, 1);
    in.bottom = true;
    std::vector<int> widths;
    const TabStripLayout layout = LayoutTabStrip(in, widths);
    EXPECT_EQ(layout.placed[0].rect, (PixelRect { 10, 3, 70, 23 }));
    EXPECT_EQ(layout.placed[1].rect, (PixelRect { 70, 2, 130, 22 }));
    EXPECT_EQ(HitTestTab(widths, 0, 10, 20, 3, true, 20, 3), 0);
    EXPECT_EQ(HitTestTab(widths, 0, 10, 20, 3, true, 20, 2), -1);
}

TEST(SkinTabStripGeometry, ScrollingRevealsTheActiveTab)
{
    TabStripInput in = Strip(200, { 60, 60, 60, 60, 60 }, 4);
    // From 2 tab 4 is drawn, but cut; from 3 it is whole.
    EXPECT_EQ(FirstShownRevealing(in), 3);
    in.activeIndex = 2;
    EXPECT_EQ(FirstShownRevealing(in), 1);
    // Wider than the strip: first shown, cut or not.
    in.tabs[4].width = 400;
    in.activeIndex = 4;
    EXPECT_EQ(FirstShownRevealing(in), 4);
    in.tabs[4].width = 60;
    in.activeIndex = 1;
    EXPECT_EQ(FirstShownRevealing(in), 0);
    in.activeIndex = 4;
    in.firstShown = 9; // clamped first
    EXPECT_EQ(FirstShownRevealing(in), 4);
}

TEST(SkinTabStripGeometry, NoTabDrawnAndNoneActiveRevealsNothing)
{
    // A page inserted and removed before the first paint: no tabs at all.
    EXPECT_EQ(FirstShownRevealing(Strip(200, {}, -1)), 0);
    // The only tab hidden and TabIndex set to -1.
    TabStripInput in = Strip(200, { 60 }, -1);
    in.tabs[0].visible = false;
    EXPECT_EQ(FirstShownRevealing(in), 0);
}

TEST(SkinTabStripGeometry, HitTestIsStrictAndStopsAtUndrawnTabs)
{
    const std::vector<int> widths { 60, 0, 50, -1, 40 };
    EXPECT_EQ(HitTestTab(widths, 0, 10, 21, 3, false, 11, 1), 0);
    EXPECT_EQ(HitTestTab(widths, 0, 10, 21, 3, false, 10, 5), -1); // left edge
    EXPECT_EQ(HitTestTab(widths, 0, 10, 21, 3, false, 70, 5), -1); // the boundary pixel
    EXPECT_EQ(HitTestTab(widths, 0, 10, 21, 3, false, 71, 5), 2);
    EXPECT_EQ(HitTestTab(widths, 0, 10, 21, 3, false, 69, 0), -1); // rows strictly inside
    EXPECT_EQ(HitTestTab(widths, 0, 10, 21, 3, false, 69, 21), -1);
    EXPECT_EQ(HitTestTab(widths, 0, 10, 21, 3, false, 130, 5), -1); // tab 3 never drawn
    EXPECT_EQ(HitTestTab(widths, 2, 10, 21, 3, false, 11, 5), 2);
}

TEST(SkinTabStripGeometry, ScrollButtonsSitAtTheRightEdge)
{
    ScrollButtonRects buttons = ScrollButtonPlaces(200, 23, 16, 16);
    EXPECT_EQ(buttons.right, (PixelRect { 182, 1, 198, 17 }));
    EXPECT_EQ(buttons.left, (PixelRect { 166, 1, 182, 17 }));
    // Too tall to centre with room: at the top.
    EXPECT_EQ(ScrollButtonPlaces(200, 20, 16, 16).right.top, 0);
}

} // namespace
} // namespace folvane
