// PaintBevel: the standard and edge modes through the platform's DrawEdge, the custom bevel
// styles as lines, mitred bands and grooves, and the solid rings.
#include "labels/BvBevelPaint.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Edges.h"

#include <array>

namespace folvane {

static_assert(edge::kRaisedOuter == BDR_RAISEDOUTER && edge::kSunkenOuter == BDR_SUNKENOUTER
    && edge::kRaisedInner == BDR_RAISEDINNER && edge::kSunkenInner == BDR_SUNKENINNER);
static_assert(edge::kEtched == EDGE_ETCHED && edge::kBump == EDGE_BUMP && edge::kRaised == EDGE_RAISED
    && edge::kSunken == EDGE_SUNKEN);
static_assert(edge::kLeft == BF_LEFT && edge::kTop == BF_TOP && edge::kRight == BF_RIGHT && edge::kBottom == BF_BOTTOM
    && edge::kRect == BF_RECT && edge::kSoft == BF_SOFT && edge::kAdjust == BF_ADJUST);

namespace {

PixelRect ToPixel(const RECT& r)
{
    return PixelRect { r.left, r.top, r.right, r.bottom };
}

RECT ToRect(const PixelRect& r)
{
    return RECT { r.left, r.top, r.right, r.bottom };
}

void Shrink(RECT& r, int by)
{
    InflateRect(&r, -by, -by);
}

// A one-pixel outline in `color`, or only the room for it.
void SolidRing(TCanvas& canvas, RECT& r, TColor color, bool noFill)
{
    if (!noFill)
        DrawRing(canvas, r, color, color);
    Shrink(r, 1);
}

// The platform's edge on r, which is not moved.
void PlatformEdge(TCanvas& canvas, const RECT& r, unsigned e, unsigned flags)
{
    canvas.Refresh();
    RECT drawn = r;
    DrawEdge(canvas.Handle(), &drawn, e, flags & ~edge::kAdjust);
}

void StandardFrame(TCanvas& canvas, RECT& r, TBvBorderStyle style)
{
    for (const BevelEdgeStep& step : StandardStyleSteps(style)) {
        if (step.edge != 0)
            PlatformEdge(canvas, r, step.edge, step.flags);
        r = ToRect(AfterStep(ToPixel(r), step));
    }
}

void FillPolygon(TCanvas& canvas, const std::array<POINT, 6>& points, TColor color)
{
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
    canvas.Polygon(points);
}

// The top and left in `topLeft`, the bottom and right in `bottomRight`: a ring for one pixel,
// mitred bands for more (the bottom-right band first, the top-left one over its corners).
void BevelBands(TCanvas& canvas, const RECT& r, int w, TColor topLeft, TColor bottomRight)
{
    if (w == 1) {
        DrawRing(canvas, r, topLeft, bottomRight);
        return;
    }
    const LONG l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
    const std::array<POINT, 6> lower { POINT { rr, t }, POINT { rr, b }, POINT { l, b }, POINT { l + w - 1, b - w + 1 },
        POINT { rr - w + 1, b - w + 1 }, POINT { rr - w + 1, t + w - 1 } };
    FillPolygon(canvas, lower, bottomRight);
    const std::array<POINT, 6> upper { POINT { l, b - 1 }, POINT { l, t }, POINT { rr - 1, t },
        POINT { rr - w, t + w - 1 }, POINT { l + w - 1, t + w - 1 }, POINT { l + w - 1, b - w } };
    FillPolygon(canvas, upper, topLeft);
}

void CustomBevel(TCanvas& canvas, RECT& r, TBvBevelStyle style, int w, const TBvBevel& bevel)
{
    if (style == TBvBevelStyle::bvNone || style == TBvBevelStyle::bvShadow || w == 0)
        return;
    const TColor light = bevel.LightColor();
    const TColor shadow = bevel.ShadowColor();
    if (style == TBvBevelStyle::bvFrameRaised || style == TBvBevelStyle::bvFrameLowered) {
        // Each ring: an outline moved toward the bottom right, then one toward the top left.
        const bool raised = style == TBvBevelStyle::bvFrameRaised;
        for (int i = 0; i < w; ++i) {
            const RECT ring { r.left + i, r.top + i, r.right - i, r.bottom - i };
            const TColor first = raised ? shadow : light;
            const TColor second = raised ? light : shadow;
            DrawRing(canvas, RECT { ring.left + 1, ring.top + 1, ring.right, ring.bottom }, first, first);
            DrawRing(canvas, RECT { ring.left, ring.top, ring.right - 1, ring.bottom - 1 }, second, second);
        }
        Shrink(r, w + 1);
        return;
    }
    TColor topLeft = light, bottomRight = shadow;
    if (style == TBvBevelStyle::bvLowered)
        std::swap(topLeft, bottomRight);
    else if (style == TBvBevelStyle::bvNormal)
        topLeft = bottomRight = clBlack;
    BevelBands(canvas, r, w, topLeft, bottomRight);
    Shrink(r, w);
}

// A drop shadow: the box's right and bottom WidthInner pixels in the shadow colour, the shadow
// starting WidthOuter pixels in from the box's left and top ends.
void DropShadow(TCanvas& canvas, RECT& r, const TBvBevel& bevel)
{
    const int w = bevel.WidthInner();
    const int offset = bevel.WidthOuter();
    if (w > 0) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(bevel.ShadowColor());
        canvas.FillRect(RECT { r.right - w, r.top + offset, r.right, r.bottom });
        canvas.FillRect(RECT { r.left + offset, r.bottom - w, r.right, r.bottom });
    }
    Shrink(r, w);
}

} // namespace

RECT PaintBevel(TCanvas& canvas, const TBvBevel& bevel, const RECT& rect, bool noFill)
{
    RECT r = rect;
    if (bevel.Extent() == 0)
        return r;
    switch (bevel.Mode()) {
    case TBvBevelMode::bmStandard:
        StandardFrame(canvas, r, bevel.StandardStyle());
        break;
    case TBvBevelMode::bmWindows:
        StandardFrame(canvas, r, TBvBorderStyle::lsLoweredExt);
        break;
    case TBvBevelMode::bmCustom:
        if (bevel.StyleOuter() == TBvBevelStyle::bvShadow) {
            DropShadow(canvas, r, bevel);
            break;
        }
        CustomBevel(canvas, r, bevel.StyleOuter(), bevel.WidthOuter(), bevel);
        for (int i = 0; i < bevel.BorderWidth(); ++i)
            SolidRing(canvas, r, bevel.BorderColor(), noFill);
        CustomBevel(canvas, r, bevel.StyleInner(), bevel.WidthInner(), bevel);
        break;
    case TBvBevelMode::bmEdge: {
        const unsigned sides = BorderSideBits(bevel.BorderSides());
        if (sides == 0)
            break;
        PlatformEdge(canvas, r, EdgeStyleBits(bevel.EdgeStyle()), sides);
        r = ToRect(AdjustForEdge(ToPixel(r), edge::kRaised, sides | edge::kAdjust));
        break;
    }
    }
    for (int i = 0; i < bevel.BorderInnerWidth(); ++i)
        SolidRing(canvas, r, bevel.BorderColor(), noFill);
    return r;
}

} // namespace folvane
