// Non-client and single line frames of the text box.
#include "controls/ExEditFrame.h"

#include "controls/ExTheme.h"
#include "toolkit/graphics/GdiHandle.h"
#include "toolkit/graphics/GdiObjects.h"
#include "toolkit/graphics/PaintDC.h"

namespace folvane {

namespace {

UINT SideFlags(TEditBorderSides sides)
{
    UINT flags = 0;
    if (sides & ebsLeft)
        flags |= BF_LEFT;
    if (sides & ebsTop)
        flags |= BF_TOP;
    if (sides & ebsRight)
        flags |= BF_RIGHT;
    if (sides & ebsBottom)
        flags |= BF_BOTTOM;
    return flags;
}

// DrawEdge arguments of the flat styles that are edges; false for the rest.
bool FlatEdge(TFlatBorderType type, UINT& edge, UINT& extra)
{
    extra = 0;
    switch (type) {
    case TFlatBorderType::fbtFlat:
        edge = EDGE_SUNKEN;
        extra = BF_FLAT;
        return true;
    case TFlatBorderType::fbtSunken:
        edge = EDGE_SUNKEN;
        return true;
    case TFlatBorderType::fbtSunkenInner:
        edge = BDR_SUNKENINNER;
        return true;
    case TFlatBorderType::fbtSunkenOuter:
        edge = BDR_SUNKENOUTER;
        return true;
    case TFlatBorderType::fbtRaised:
        edge = EDGE_RAISED;
        return true;
    case TFlatBorderType::fbtRaisedInner:
        edge = BDR_RAISEDINNER;
        return true;
    case TFlatBorderType::fbtRaisedOuter:
        edge = BDR_RAISEDOUTER;
        return true;
    case TFlatBorderType::fbtBump:
    case TFlatBorderType::fbtBigBump:
        edge = EDGE_BUMP;
        return true;
    case TFlatBorderType::fbtEtched:
        edge = EDGE_ETCHED;
        return true;
    case TFlatBorderType::fbtFramed:
        edge = BDR_SUNKENOUTER;
        extra = BF_MONO;
        return true;
    default:
        return false;
    }
}

void PaintFlatFrame(HDC dc, const RECT& bounds, const EditFrameLook& look)
{
    TOwnedBrush face(CreateSolidBrush(ColorToRGB(look.face)));
    FillRect(dc, &bounds, face.Get());
    RECT r = bounds;
    UINT edge = 0, extra = 0;
    if (FlatEdge(look.flatType, edge, extra)) {
        DrawEdge(dc, &r, edge, SideFlags(look.frame.sides) | extra);
        return;
    }
    switch (look.flatType) {
    case TFlatBorderType::fbtLine:
        PaintLineFrame(dc, r, look.frame.sides, clBtnShadow);
        break;
    case TFlatBorderType::fbtLineBorder:
        PaintLineFrame(dc, r, look.frame.sides, clWindowFrame);
        break;
    case TFlatBorderType::fbtColorLineBorder:
        PaintLineFrame(dc, r, look.frame.sides, look.lineColor);
        break;
    default:
        break;
    }
}

} // namespace

void PaintLineFrame(HDC dc, const RECT& r, TEditBorderSides sides, TColor color)
{
    TOwnedBrush brush(CreateSolidBrush(ColorToRGB(color)));
    const RECT lines[] = { { r.left, r.top, r.left + 1, r.bottom }, { r.left, r.top, r.right, r.top + 1 },
        { r.right - 1, r.top, r.right, r.bottom }, { r.left, r.bottom - 1, r.right, r.bottom } };
    const TEditBorderSides order[] = { ebsLeft, ebsTop, ebsRight, ebsBottom };
    for (int i = 0; i < 4; ++i)
        if (sides & order[i])
            FillRect(dc, &lines[i], brush.Get());
}

void PaintEditFrame(HWND window, HDC dc, const RECT& bounds, const EditFrameLook& look)
{
    const EditInsets in = NonClientInsets(look.frame);
    if (in == EditInsets {})
        return;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, bounds.left + in.left, bounds.top + in.top, bounds.right - in.right, bounds.bottom - in.bottom);
    RECT r = bounds;
    if (look.frame.flat)
        PaintFlatFrame(dc, bounds, look);
    else if (!look.themed
        || !DrawThemePart(window, dc, L"EDIT", kThemeEditText, static_cast<int>(look.themeState), bounds))
        DrawEdge(dc, &r, EDGE_SUNKEN, SideFlags(look.frame.sides));
    RestoreDC(dc, saved);
}

void PaintEditFrame(HWND window, const EditFrameLook& look)
{
    TWindowDC dc(window, TWindowDC::kWholeWindow);
    RECT bounds;
    GetWindowRect(window, &bounds);
    OffsetRect(&bounds, -bounds.left, -bounds.top);
    PaintEditFrame(window, dc.Get(), bounds, look);
}

} // namespace folvane
