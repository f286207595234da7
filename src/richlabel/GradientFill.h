// Colour gradient in equal bands on a markup canvas, shared by the markup renderer's body and
// paragraph backgrounds and by the markup label's background and line gradients.
#pragma once

#include "richlabel/MarkupCanvas.h"
#include "toolkit/graphics/Gradient.h"

namespace folvane {

// The bands of ForEachGradientBand filled on the canvas. System colours are resolved through
// the canvas; clNone counts as white, its low bytes.
void GradientFill(MarkupCanvas& canvas, TColor from, TColor to, bool horizontal, const MarkupRect& rect, int steps);

} // namespace folvane
