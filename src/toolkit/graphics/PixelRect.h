// A rectangle in device pixels, right and bottom exclusive, for the portable
// layout code that must not see the platform's RECT.
#pragma once

namespace folvane {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

} // namespace folvane
