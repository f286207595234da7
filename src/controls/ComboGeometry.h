// Pixel rules of the combo box and the drive combo that do not touch the
// platform: the pop-up list's size and place, the drive rows' height, icon
// and text positions, and the drop-down arrow glyph. The Win32 controls feed
// them system metrics and screen rectangles.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/graphics/PixelRect.h"

namespace folvane {

// ---------------------------------------------------------------------------
// Pop-up list
// ---------------------------------------------------------------------------

struct DropDownInput {
    PixelRect combo; // the combo's window, screen coordinates
    int itemCount = 0;
    int dropDownCount = 8;
    int itemHeight = 16;
    int edgeHeight = 2; // system 3-D edge height
    bool horizontalScroll = false;
    int scrollBarHeight = 0; // system horizontal scroll-bar height
    int dropDownWidth = -1; // below 1: the combo's width
    TAlignment alignment = TAlignment::taRightJustify;
    bool rightToLeft = false;
    PixelRect workArea; // of the monitor, screen coordinates
    bool adjustDropDownPos = true;
    bool hasParentForm = false;
    PixelRect parentClient; // the parent form's client area, screen coordinates
};

// Rows shown: the item count up to DropDownCount, at least one.
int DropDownRows(int itemCount, int dropDownCount);

// The pop-up's screen rectangle: below the combo with the edges lined up by
// the alignment, above it when it would pass the work area's bottom (or the
// parent form's client bottom, if it still fits under the form's top),
// right-aligned when it would pass the work area's right.
PixelRect DropDownRect(const DropDownInput& in);

// ---------------------------------------------------------------------------
// Drive rows
// ---------------------------------------------------------------------------

// Row height for a font: the larger of the text line with its edges and the
// small icon (or the height the rows already have).
int DriveItemHeight(int fontHeight, int edgeWidth, int currentItemHeight, int smallIconHeight);

struct DriveIconChoice {
    bool large; // the shell's large icon rather than the small one
    int size; // drawn square, in pixels
};

DriveIconChoice ChooseDriveIcon(int itemHeight, int smallIconSize, int largeIconSize);

// Where a row's icon and text go inside the row's rectangle.
struct DriveItemLayout {
    PixelRect icon;
    int textLeft;
};

DriveItemLayout LayoutDriveItem(const PixelRect& row, int iconSize);

// The visual style's edit-text state a drive row's text is drawn in: disabled (4) before
// selected (3) before hot (2, the pointer over the box) before normal (1).
int DriveTextThemeState(bool enabled, bool selected, bool hot);

// ---------------------------------------------------------------------------
// Drop-down arrow
// ---------------------------------------------------------------------------

constexpr int kArrowGlyphWidth = 9;
constexpr int kArrowGlyphHeight = 5;

// True where the downward triangle covers the 9 x 5 glyph: rows of 7, 5, 3
// and 1 pixels centred under each other, from the second row down.
bool ArrowGlyphPixel(int x, int y);

} // namespace folvane
