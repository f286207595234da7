// Colour gradients in equal bands. The band rule is portable: ForEachGradientBand hands out the
// rectangles and colours, and each kind of canvas fills them (FillGradient for TCanvas, in the
// Windows tree; the markup renderer through its own canvas).
#pragma once

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/PixelRect.h"

#include <functional>

namespace folvane {

class TCanvas;

// Component n of steps: from + round(n * (to - from) / steps), ties to even.
int GradientComponent(int from, int to, int n, int steps);

// `steps` bands from `from` to `to` (RGB colours), left to right when horizontal, else top to
// bottom. Band n starts at round(n * extent / steps) and is trunc(extent / steps) + 1 long, cut
// at the far edge, so neighbours may overlap by a pixel. A step count below 1 counts as 1.
void ForEachGradientBand(const PixelRect& rect, TColor from, TColor to, bool horizontal, int steps,
    const std::function<void(const PixelRect& band, TColor color)>& fill);

// The bands filled on a canvas; system colours are resolved first and clNone counts as white,
// its low bytes.
void FillGradient(TCanvas& canvas, const PixelRect& rect, TColor from, TColor to, bool horizontal, int steps);

} // namespace folvane
