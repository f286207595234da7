// Screen arithmetic of the windows: where a button's popup menu opens and
// where the about dialog centres itself. Pure functions of rectangles.
#pragma once

namespace folvane {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// The button's bottom-left corner on the screen; every position is relative
// to its parent, and the borderless window's client area starts at its corner.
Point PopupMenuPosition(Point windowOrigin, Point pageControlOrigin, Point pageOrigin, const Rect& button);

// Top-left corner that centres a dialog of the given size on the window;
// halves are integer divisions rounding toward zero.
Point CentredOn(const Rect& window, int dialogWidth, int dialogHeight);

} // namespace folvane
