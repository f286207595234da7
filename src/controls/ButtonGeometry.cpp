// Geometry and rules of the image button and image check box.
#include "controls/ButtonGeometry.h"

#include <algorithm>
#include <cmath>

namespace folvane {

namespace {

// A side longer than the area scales to the area less 2, the other side in
// proportion; a glyph that merely fills the area stays as it is.
void ShrinkToHeight(int& w, int& h, int area)
{
    const int limit = area - 2;
    if (h > area && h > 0) {
        w = std::max(0, static_cast<int>(static_cast<long long>(w) * limit / h));
        h = std::max(0, limit);
    }
}

void ShrinkToWidth(int& w, int& h, int area)
{
    const int limit = area - 2;
    if (w > area && w > 0) {
        h = std::max(0, static_cast<int>(static_cast<long long>(h) * limit / w));
        w = std::max(0, limit);
    }
}

// Lays out along one axis: returns the glyph's and caption's start offsets
// within an area `extent` long. `glyphFirst` is false for right and bottom.
void PlaceAlong(
    int extent, int glyph, int caption, int spacing, int margin, bool glyphFirst, int& glyphAt, int& captionAt)
{
    if (margin < 0) {
        // A centred group starts at the same place whichever side the glyph is on.
        const int start = (extent - (glyph + spacing + caption)) / 2;
        glyphAt = glyphFirst ? start : start + caption + spacing;
        captionAt = glyphFirst ? start + glyph + spacing : start;
    } else if (glyphFirst) {
        glyphAt = margin;
        captionAt = margin + glyph + spacing;
    } else {
        glyphAt = extent - margin - glyph;
        captionAt = glyphAt - spacing - caption;
    }
}

} // namespace

GlyphLayout LayoutGlyph(const GlyphLayoutInput& in)
{
    GlyphLayout out;
    const int inset = !in.adjustSpaceForGlyph ? 0 : in.thinFrame ? 1 : 2;
    out.area = { inset, inset, in.clientWidth - inset, in.clientHeight - inset };
    const int areaW = out.area.Width();
    const int areaH = out.area.Height();

    int gw = in.glyphWidth;
    int gh = in.glyphHeight;
    ShrinkToHeight(gw, gh, areaH);
    ShrinkToWidth(gw, gh, areaW);

    const bool hasCaption = in.captionWidth > 0 && in.captionHeight > 0;
    const int cw = hasCaption ? in.captionWidth : 0;
    const int ch = hasCaption ? in.captionHeight : 0;
    const int spacing = hasCaption && gw > 0 ? in.spacing : 0;

    int gx = 0, gy = 0, cx = 0, cy = 0;
    switch (in.layout) {
    case TButtonLayout::blGlyphLeft:
    case TButtonLayout::blGlyphRight:
        PlaceAlong(areaW, gw, cw, spacing, in.margin, in.layout == TButtonLayout::blGlyphLeft, gx, cx);
        gy = (areaH - gh) / 2;
        cy = (areaH - ch) / 2;
        break;
    case TButtonLayout::blGlyphTop:
    case TButtonLayout::blGlyphBottom:
        PlaceAlong(areaH, gh, ch, spacing, in.margin, in.layout == TButtonLayout::blGlyphTop, gy, cy);
        gx = (areaW - gw) / 2;
        cx = (areaW - cw) / 2;
        break;
    }
    out.glyph = { out.area.left + gx, out.area.top + gy, out.area.left + gx + gw, out.area.top + gy + gh };
    out.caption = { out.area.left + cx, out.area.top + cy, out.area.left + cx + cw, out.area.top + cy + ch };
    return out;
}

TColor ScaleLightness(TColor rgb, double factor)
{
    const double r = ColorRed(rgb) / 255.0;
    const double g = ColorGreen(rgb) / 255.0;
    const double b = ColorBlue(rgb) / 255.0;
    const double maxC = std::max({ r, g, b });
    const double minC = std::min({ r, g, b });
    double l = (maxC + minC) / 2;
    double s = 0;
    double h = 0;
    const double d = maxC - minC;
    if (d > 0) {
        s = l > 0.5 ? d / (2 - maxC - minC) : d / (maxC + minC);
        if (maxC == r)
            h = (g - b) / d + (g < b ? 6 : 0);
        else if (maxC == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
    }
    l = factor >= 1 ? l + (1 - l) * (factor - 1) : l * factor;
    l = std::clamp(l, 0.0, 1.0);

    auto hue = [](double p, double q, double t) {
        if (t < 0)
            t += 1;
        if (t > 1)
            t -= 1;
        if (t < 1.0 / 6)
            return p + (q - p) * 6 * t;
        if (t < 0.5)
            return q;
        if (t < 2.0 / 3)
            return p + (q - p) * (2.0 / 3 - t) * 6;
        return p;
    };
    double nr = l, ng = l, nb = l;
    if (s > 0) {
        const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
        const double p = 2 * l - q;
        nr = hue(p, q, h + 1.0 / 3);
        ng = hue(p, q, h);
        nb = hue(p, q, h - 1.0 / 3);
    }
    auto byte = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return MakeColor(byte(nr), byte(ng), byte(nb));
}

FrameShades ShadesFromFace(TColor face)
{
    // Factors chosen to resemble the system's grey ramp around its button face.
    return { ScaleLightness(face, 1.6), face, ScaleLightness(face, 0.65), ScaleLightness(face, 0.3) };
}

int CheckBoxImageIndex(TCheckBoxState state, bool disabled, bool pressedInside)
{
    return 2 * static_cast<int>(state) + (disabled || pressedInside ? 1 : 0);
}

TCheckBoxState NextCheckBoxState(TCheckBoxState state, bool allowGrayed)
{
    switch (state) {
    case TCheckBoxState::cbUnchecked:
        return allowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked;
    case TCheckBoxState::cbChecked:
        return TCheckBoxState::cbUnchecked;
    case TCheckBoxState::cbGrayed:
        return TCheckBoxState::cbChecked;
    }
    return TCheckBoxState::cbUnchecked;
}

int CheckBoxImageLeft(int clientWidth, int imageWidth, bool boxAtLeft)
{
    return boxAtLeft ? 0 : clientWidth - imageWidth;
}

int CheckBoxImageTop(int clientHeight, int imageHeight)
{
    return clientHeight / 2 - imageHeight / 2;
}

LayoutRect CheckBoxCaptionRect(
    int clientWidth, int clientHeight, int imageWidth, int checkMargin, bool boxAtLeft, int textHeight)
{
    LayoutRect r { 0, 0, clientWidth, clientHeight };
    if (boxAtLeft)
        r.left += imageWidth + checkMargin;
    else
        r.right -= imageWidth + checkMargin;
    r.top = (clientHeight - textHeight) / 2;
    r.bottom = r.top + textHeight;
    return r;
}

CheckBoxSize CheckBoxAutoSize(
    int imageWidth, int imageHeight, int checkMargin, int captionWidth, int captionHeight, TTextDrawType textDrawType)
{
    CheckBoxSize size;
    size.width = imageWidth + checkMargin / 2 + checkMargin + captionWidth + 2;
    size.height = std::max(imageHeight + 4, captionHeight + checkMargin / 2);
    if (textDrawType != TTextDrawType::tdtNormal)
        size.height += 2;
    return size;
}

} // namespace folvane
