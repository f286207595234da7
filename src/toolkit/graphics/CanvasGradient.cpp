// FillGradient on a TCanvas (Gradient.h).
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiObjects.h"
#include "toolkit/graphics/Gradient.h"

namespace folvane {

void FillGradient(TCanvas& canvas, const PixelRect& rect, TColor from, TColor to, bool horizontal, int steps)
{
    auto resolve = [](TColor c) { return IsSystemColor(c) ? static_cast<TColor>(ColorToRGB(c)) : c; };
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    ForEachGradientBand(rect, resolve(from), resolve(to), horizontal, steps, [&](const PixelRect& band, TColor color) {
        canvas.Brush().SetColor(color);
        canvas.FillRect(RECT { band.left, band.top, band.right, band.bottom });
    });
}

} // namespace folvane
