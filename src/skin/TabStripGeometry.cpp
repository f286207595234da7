// Tab strip layout and hit testing.
#include "skin/TabStripGeometry.h"

#include <algorithm>

namespace folvane {

int TabWidth(int captionWidth, bool emptyCaption, int iconWidth)
{
    int width = emptyCaption ? 80 : captionWidth + 20;
    if (iconWidth >= 0)
        width += iconWidth + 4;
    return std::max(width, 15);
}

namespace {

// The active tab sits one pixel nearer the body, over the first row of the
// line, so that it reads as joined to it.
PixelRect TabRect(const TabStripInput& in, int x, int width, bool active)
{
    if (!in.bottom)
        return active ? PixelRect { x, 1, x + width, in.tabHeight + 1 } : PixelRect { x, 0, x + width, in.tabHeight };
    const int top = in.lineHeight;
    return active ? PixelRect { x, top - 1, x + width, top + in.tabHeight - 1 }
                  : PixelRect { x, top, x + width, top + in.tabHeight };
}

} // namespace

TabStripLayout LayoutTabStrip(const TabStripInput& in, std::vector<int>& widths)
{
    const int count = static_cast<int>(in.tabs.size());
    widths.resize(static_cast<std::size_t>(count), -1);
    TabStripLayout out;
    out.firstShown = std::clamp(in.firstShown, 0, std::max(count - 1, 0));
    // Where a tab is cut: just left of the two scroll buttons.
    const int cutRight = in.stripWidth - 2 * in.scrollButtonWidth - 2;
    bool passed = false;
    int x = in.leftMargin;
    for (int i = 0; i < count; ++i) {
        auto& recorded = widths[static_cast<std::size_t>(i)];
        const TabStripTab& tab = in.tabs[static_cast<std::size_t>(i)];
        if (!tab.visible) {
            recorded = 0;
            continue;
        }
        recorded = tab.width;
        if (i < out.firstShown)
            continue;
        // Without scrolling the last tab may run on to 10 pixels from the edge,
        // so that tabs that just fit need no scroll buttons.
        const int limit = (i == count - 1 && out.firstShown == 0) ? in.stripWidth - 10 : cutRight;
        const bool active = i == in.activeIndex;
        PlacedTab placed { i, TabRect(in, x, tab.width, active), false };
        if (placed.rect.right > limit) {
            passed = true;
            placed.cut = true;
            placed.rect.right = std::max(cutRight, x);
            if (!active)
                recorded = placed.rect.right - x;
        }
        out.placed.push_back(placed);
        out.lastDrawn = i;
        x += tab.width;
        if (placed.cut)
            break;
    }
    out.overflow = passed && count > 0;
    out.scrollButtons = out.overflow || out.firstShown > 0;
    return out;
}

int FirstShownRevealing(const TabStripInput& in)
{
    const int count = static_cast<int>(in.tabs.size());
    TabStripInput probe = in;
    probe.firstShown = std::clamp(in.firstShown, 0, std::max(count - 1, 0));
    // No active tab (none drawn, perhaps none at all): there is nothing to bring into view.
    if (in.activeIndex < 0)
        return probe.firstShown;
    std::vector<int> widths;
    while (true) {
        const TabStripLayout layout = LayoutTabStrip(probe, widths);
        // A cut tab may be a sliver at the scroll buttons: the active tab counts
        // as shown once it is whole, or first, when nothing further would help.
        const bool shown
            = in.activeIndex < layout.lastDrawn || (in.activeIndex == layout.lastDrawn && !layout.placed.back().cut);
        if (shown || probe.firstShown >= std::min(in.activeIndex, count - 1))
            return probe.firstShown;
        ++probe.firstShown;
    }
}

int HitTestTab(const std::vector<int>& widths, int firstShown, int leftMargin, int activeImageHeight, int lineHeight,
    bool bottom, int x, int y)
{
    // Rows of the tabs, strictly inside; turned over with the strip.
    const bool inRows
        = bottom ? (y > lineHeight - 1 && y < lineHeight + activeImageHeight - 1) : (y > 0 && y < activeImageHeight);
    if (!inRows || firstShown < 0)
        return -1;
    int left = leftMargin;
    for (int i = firstShown; i < static_cast<int>(widths.size()); ++i) {
        const int width = widths[static_cast<std::size_t>(i)];
        if (width < 0)
            break;
        if (x > left && x < left + width)
            return i;
        left += width;
    }
    return -1;
}

ScrollButtonRects ScrollButtonPlaces(int stripWidth, int stripHeight, int buttonWidth, int buttonHeight)
{
    const int y = buttonHeight + 4 < stripHeight ? (stripHeight - buttonHeight) / 2 - 2 : 0;
    const int rightX = stripWidth - buttonWidth - 2;
    return ScrollButtonRects {
        PixelRect { rightX - buttonWidth, y, rightX, y + buttonHeight },
        PixelRect { rightX, y, rightX + buttonWidth, y + buttonHeight },
    };
}

} // namespace folvane
