// Colour gradient in equal bands over a rectangle, shared by the markup renderer's body and
// paragraph backgrounds and by the markup label's background and line gradients.
#pragma once

#include "richlabel/MarkupCanvas.h"

namespace folvane {

// Component n of steps: from + round(n * (to - from) / steps), ties to even.
int GradientComponent(int from, int to, int n, int steps);

// steps filled bands from `from` to `to`, left to right when horizontal, else top to bottom.
// A step count below 1 counts as 1. System colours are resolved through the canvas; clNone
// counts as white, its low bytes.
void GradientFill(MarkupCanvas& canvas, TColor from, TColor to, bool horizontal, const MarkupRect& rect, int steps);

} // namespace folvane
