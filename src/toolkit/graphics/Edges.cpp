// 3-D edges and rings.
#include "toolkit/graphics/Edges.h"

#include "toolkit/graphics/Canvas.h"

namespace folvane {

void DrawRing(TCanvas& canvas, const RECT& r, TColor topLeft, TColor bottomRight)
{
    if (r.right - r.left < 1 || r.bottom - r.top < 1)
        return;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(topLeft);
    canvas.FillRect(RECT { r.left, r.top, r.right - 1, r.top + 1 });
    canvas.FillRect(RECT { r.left, r.top, r.left + 1, r.bottom - 1 });
    canvas.Brush().SetColor(bottomRight);
    canvas.FillRect(RECT { r.left, r.bottom - 1, r.right, r.bottom });
    canvas.FillRect(RECT { r.right - 1, r.top, r.right, r.bottom });
}

void Frame3D(TCanvas& canvas, RECT& r, TColor topLeft, TColor bottomRight, int width)
{
    for (int i = 0; i < width; ++i) {
        DrawRing(canvas, r, topLeft, bottomRight);
        InflateRect(&r, -1, -1);
    }
}

void DrawEdge3D(TCanvas& canvas, const RECT& r, TEdgeStyle style, const TEdgeShades& s, bool thin)
{
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    auto rings = [&](TColor outerTopLeft, TColor outerBottomRight, TColor innerTopLeft, TColor innerBottomRight) {
        DrawRing(canvas, r, outerTopLeft, outerBottomRight);
        if (!thin)
            DrawRing(canvas, inner, innerTopLeft, innerBottomRight);
    };
    switch (style) {
    case TEdgeStyle::esRaised:
        rings(s.highlight, s.darkShadow, s.face, s.shadow);
        break;
    case TEdgeStyle::esRaisedSoft:
        rings(s.highlight, s.shadow, s.face, s.face);
        break;
    case TEdgeStyle::esSunken:
        rings(s.shadow, s.highlight, s.darkShadow, s.face);
        break;
    }
}

} // namespace folvane
