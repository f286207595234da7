// Pixel and key rules of the combo boxes, without a device.
#include "controls/ComboGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace folvane {

int DropDownRows(int itemCount, int dropDownCount)
{
    const int rows = itemCount < dropDownCount ? itemCount : dropDownCount;
    return std::max(rows, 1);
}

PixelRect DropDownRect(const DropDownInput& in)
{
    const int width = in.dropDownWidth < 1 ? in.combo.Width() : in.dropDownWidth;
    int height = DropDownRows(in.itemCount, in.dropDownCount) * in.itemHeight + 2 * in.edgeHeight;
    if (in.horizontalScroll)
        height += in.scrollBarHeight;

    const bool leftAligned = in.alignment == TAlignment::taLeftJustify && !in.rightToLeft;
    int left = leftAligned ? in.combo.left : in.combo.right - width;
    int top = in.combo.bottom;
    if (top + height > in.workArea.bottom)
        top = in.combo.top - height;
    if (left + width > in.workArea.right)
        left = in.combo.right - width;
    if (in.adjustDropDownPos && in.hasParentForm && top + height > in.parentClient.bottom) {
        const int above = in.combo.top - height;
        if (above >= in.parentClient.top)
            top = above;
    }
    return PixelRect { left, top, left + width, top + height };
}

int DriveItemHeight(int fontHeight, int edgeWidth, int currentItemHeight, int smallIconHeight)
{
    const int text = std::abs(fontHeight) + 2 * edgeWidth + 2;
    return std::max(text, std::max(currentItemHeight, smallIconHeight));
}

DriveIconChoice ChooseDriveIcon(int itemHeight, int smallIconSize, int largeIconSize)
{
    if (itemHeight < largeIconSize)
        return { false, std::min(itemHeight, smallIconSize) };
    return { true, std::min(itemHeight, largeIconSize) };
}

DriveItemLayout LayoutDriveItem(const PixelRect& row, int iconSize)
{
    const int top = row.top + (row.Height() - iconSize) / 2;
    return { PixelRect { row.left, top, row.left + iconSize, top + iconSize }, row.left + iconSize + iconSize / 4 };
}

bool ArrowGlyphPixel(int x, int y)
{
    // Row 1 spans 1..7, each row below one narrower on both sides.
    if (y < 1 || y > 4)
        return false;
    return x >= y && x <= kArrowGlyphWidth - 1 - y;
}

int DriveTextThemeState(bool enabled, bool selected, bool hot)
{
    if (!enabled)
        return 4;
    if (selected)
        return 3;
    return hot ? 2 : 1;
}

} // namespace folvane
