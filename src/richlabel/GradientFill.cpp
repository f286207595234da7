// Colour gradient on a markup canvas; see GradientFill.h.
#include "richlabel/GradientFill.h"

namespace folvane {

void GradientFill(MarkupCanvas& canvas, TColor from, TColor to, bool horizontal, const MarkupRect& rect, int steps)
{
    ForEachGradientBand(rect, canvas.ResolveColor(from), canvas.ResolveColor(to), horizontal, steps,
        [&](const MarkupRect& band, TColor color) { canvas.FillRect(band, color); });
}

} // namespace folvane
