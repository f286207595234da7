// The band rule of colour gradients; see Gradient.h.
#include "toolkit/graphics/Gradient.h"

#include <algorithm>
#include <cmath>

namespace folvane {

namespace {

// std::nearbyint honours the default rounding mode, which is to nearest with ties to even.
int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

int GradientComponent(int from, int to, int n, int steps)
{
    return from + RoundHalfEven(static_cast<double>(n) * (to - from) / steps);
}

void ForEachGradientBand(const PixelRect& rect, TColor from, TColor to, bool horizontal, int steps,
    const std::function<void(const PixelRect& band, TColor color)>& fill)
{
    steps = std::max(steps, 1);
    const double extent = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
    const double step = extent / steps;
    const int band = static_cast<int>(std::trunc(step)) + 1;
    for (int n = 0; n < steps; ++n) {
        const TColor color
            = MakeColor(static_cast<std::uint8_t>(GradientComponent(ColorRed(from), ColorRed(to), n, steps)),
                static_cast<std::uint8_t>(GradientComponent(ColorGreen(from), ColorGreen(to), n, steps)),
                static_cast<std::uint8_t>(GradientComponent(ColorBlue(from), ColorBlue(to), n, steps)));
        PixelRect part = rect;
        if (horizontal) {
            part.left = rect.left + RoundHalfEven(n * step);
            part.right = std::min(rect.right, part.left + band);
        } else {
            part.top = rect.top + RoundHalfEven(n * step);
            part.bottom = std::min(rect.bottom, part.top + band);
        }
        fill(part, color);
    }
}

} // namespace folvane
