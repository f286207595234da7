// Where the tabs of a skinned tab strip go, which tab a point hits, where the
// two scroll buttons sit, and how far the strip scrolls to bring the active
// tab into view. Painting and mouse handling share these; the control only
// measures captions and icons and feeds them in. Nothing here paints.
#pragma once

#include "toolkit/graphics/PixelRect.h"

#include <vector>

namespace folvane {

// A strip holds at most this many tabs; further tabs are refused.
inline constexpr int kMaxTabs = 63;

// Width of one tab: caption width + 20 (80 for an empty caption), plus the
// icon and a 4-pixel gap when there is one (iconWidth < 0: none), at least 15.
int TabWidth(int captionWidth, bool emptyCaption, int iconWidth);

struct TabStripTab {
    bool visible = true;
    int width = 15; // from TabWidth
};

struct TabStripInput {
    int stripWidth = 0;
    int leftMargin = 10;
    int firstShown = 0;
    int activeIndex = -1;
    int scrollButtonWidth = 0;
    int tabHeight = 0; // inactive image height
    int lineHeight = 0; // line image height
    bool bottom = false; // strip below the body: the picture turned by 180 degrees
    std::vector<TabStripTab> tabs;
};

struct PlacedTab {
    int index = 0;
    PixelRect rect;
    bool cut = false; // narrowed at the scroll buttons: caption left-aligned
};

struct TabStripLayout {
    int firstShown = 0; // clamped to 0 .. count - 1
    std::vector<PlacedTab> placed; // in index order
    bool overflow = false;
    // Scroll buttons show while the tabs overflow or the strip is scrolled.
    bool scrollButtons = false;
    int lastDrawn = -1;
};

// Lays the tabs out. widths holds what each tab recorded so far (-1 before it
// was ever reached, 0 while hidden) and is updated for every tab reached; it
// is resized to the tab count, new entries -1.
TabStripLayout LayoutTabStrip(const TabStripInput& in, std::vector<int>& widths);

// The first-shown position that shows the active tab whole: raised one by
// one from in.firstShown until it is drawn uncut or is the first shown (it
// never goes down, so an active tab left of the strip stays scrolled out).
int FirstShownRevealing(const TabStripInput& in);

// The tab under (x, y), strictly inside its span, walking the recorded widths
// from firstShown at leftMargin; a never-drawn tab ends the walk. -1: none.
int HitTestTab(const std::vector<int>& widths, int firstShown, int leftMargin, int activeImageHeight, int lineHeight,
    bool bottom, int x, int y);

struct ScrollButtonRects {
    PixelRect left;
    PixelRect right;
};

ScrollButtonRects ScrollButtonPlaces(int stripWidth, int stripHeight, int buttonWidth, int buttonHeight);

} // namespace folvane
