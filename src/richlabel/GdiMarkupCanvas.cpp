// TGdiMarkupCanvas; see GdiMarkupCanvas.h.
#include "richlabel/GdiMarkupCanvas.h"

#include "richlabel/MarkupPicture.h"

#include <shellapi.h>

namespace folvane {

namespace {

HIMAGELIST SystemImageList(bool large)
{
    SHFILEINFOA info {};
    const UINT size = large ? SHGFI_LARGEICON : SHGFI_SMALLICON;
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
        "C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | size));
}

RECT ToRect(const MarkupRect& r)
{
    return RECT { r.left, r.top, r.right, r.bottom };
}

} // namespace

TGdiMarkupCanvas::TGdiMarkupCanvas(TCanvas& canvas)
    : canvas_(canvas)
    , base_(canvas.Font())
{
}

MarkupFont TGdiMarkupCanvas::Font() const
{
    const TFont& f = canvas_.Font();
    MarkupFont font;
    font.name = f.Name();
    font.size = f.Size();
    font.style = f.Style(); // the same bit layout as MarkupFontStyle
    font.color = f.Color();
    font.orientation = f.Orientation();
    return font;
}

void TGdiMarkupCanvas::SetFont(const MarkupFont& font)
{
    TFont f(base_);
    f.SetName(font.name);
    if (font.size != base_.Size()) {
        f.SetSize(font.size);
    }
    f.SetStyle(font.style);
    f.SetColor(font.color);
    f.SetOrientation(font.orientation);
    canvas_.SetFont(f);
}

TColor TGdiMarkupCanvas::Background() const
{
    const TBrush& brush = canvas_.Brush();
    return brush.Style() == TBrushStyle::bsClear ? clNone : brush.Color();
}

void TGdiMarkupCanvas::SetBackground(TColor color)
{
    canvas_.Brush().SetColor(color);
    canvas_.Brush().SetStyle(color == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
}

TColor TGdiMarkupCanvas::ResolveColor(TColor color) const
{
    return IsSystemColor(color) ? static_cast<TColor>(ColorToRGB(color)) : color;
}

int TGdiMarkupCanvas::PixelsPerInchX() const
{
    return GetDeviceCaps(canvas_.Handle(), LOGPIXELSX);
}
int TGdiMarkupCanvas::PixelsPerInchY() const
{
    return GetDeviceCaps(canvas_.Handle(), LOGPIXELSY);
}

int TGdiMarkupCanvas::TextHeight(std::string_view text)
{
    return canvas_.TextHeight(text);
}

unsigned TGdiMarkupCanvas::DrawFlags(unsigned flags)
{
    unsigned dt = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS;
    if (flags & mtfNoPrefix) {
        dt |= DT_NOPREFIX;
    }
    if (flags & mtfEndEllipsis) {
        dt |= DT_END_ELLIPSIS;
    }
    if (flags & mtfExternalLeading) {
        dt |= DT_EXTERNALLEADING;
    }
    return dt;
}

int TGdiMarkupCanvas::MeasureText(std::string_view text, const MarkupRect& rect, unsigned flags)
{
    RECT r = ToRect(rect);
    canvas_.DrawText(text, r, DrawFlags(flags) | DT_CALCRECT);
    // DT_CALCRECT does not cut an ellipsised text to the rectangle; the drawn text never
    // reaches past its right edge.
    int width = r.right - r.left;
    if ((flags & mtfEndEllipsis) && width > rect.right - rect.left) {
        width = std::max(0, rect.right - rect.left);
    }
    return width;
}

int TGdiMarkupCanvas::DrawTextRun(std::string_view text, const MarkupRect& rect, unsigned flags)
{
    const int width = MeasureText(text, rect, flags & ~static_cast<unsigned>(mtfExternalLeading));
    // clNone as a text colour (blinking text on a clear canvas) draws nothing.
    if (canvas_.Font().Color() != clNone) {
        RECT r = ToRect(rect);
        canvas_.DrawText(text, r, DrawFlags(flags & ~static_cast<unsigned>(mtfExternalLeading)));
    }
    return width;
}

void TGdiMarkupCanvas::DrawTextAt(int x, int y, std::string_view text)
{
    canvas_.TextOut(x, y, text);
}

void TGdiMarkupCanvas::FillRect(const MarkupRect& rect, TColor color)
{
    const TBrush saved(canvas_.Brush());
    canvas_.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas_.Brush().SetColor(color);
    canvas_.FillRect(ToRect(rect));
    canvas_.SetBrush(saved);
}

void TGdiMarkupCanvas::FrameRect(const MarkupRect& rect, TColor color)
{
    const TBrush saved(canvas_.Brush());
    canvas_.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas_.Brush().SetColor(color);
    canvas_.FrameRect(ToRect(rect));
    canvas_.SetBrush(saved);
}

void TGdiMarkupCanvas::Polyline(std::span<const MarkupPoint> points, TColor color)
{
    std::vector<POINT> gdi;
    gdi.reserve(points.size());
    for (const MarkupPoint& p : points) {
        gdi.push_back(POINT { p.x, p.y });
    }
    const TPen saved(canvas_.Pen());
    canvas_.Pen().SetColor(color);
    canvas_.Pen().SetWidth(1);
    canvas_.Pen().SetStyle(TPenStyle::psSolid);
    canvas_.Polyline(gdi);
    canvas_.SetPen(saved);
}

void TGdiMarkupCanvas::DrawImage(const MarkupImages& images, int index, int x, int y)
{
    if (const auto* list = dynamic_cast<const TMarkupImageList*>(&images)) {
        list->List().Draw(canvas_, x, y, index, true);
    }
}

int TGdiMarkupCanvas::SystemIconIndex(const std::string& path, bool large)
{
    SHFILEINFOA info {};
    UINT flags = SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        flags |= SHGFI_USEFILEATTRIBUTES; // by the name's extension alone
    }
    if (SHGetFileInfoA(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags) == 0) {
        return -1;
    }
    return info.iIcon;
}

int TGdiMarkupCanvas::SystemIconSize(bool large) const
{
    int cx = 0;
    int cy = 0;
    if (HIMAGELIST list = SystemImageList(large); list != nullptr && ImageList_GetIconSize(list, &cx, &cy)) {
        return cx;
    }
    return GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
}

void TGdiMarkupCanvas::DrawSystemIcon(bool large, int index, int x, int y)
{
    if (HIMAGELIST list = SystemImageList(large)) {
        canvas_.Refresh();
        ImageList_Draw(list, index, canvas_.Handle(), x, y, ILD_TRANSPARENT);
    }
}

void TGdiMarkupCanvas::DrawPicture(MarkupPicture& picture, const MarkupRect& rect)
{
    if (auto* markupPicture = dynamic_cast<TMarkupPicture*>(&picture)) {
        markupPicture->Draw(canvas_, ToRect(rect));
    }
}

void TGdiMarkupCanvas::SetClip(const MarkupRect& rect)
{
    if (clipped_) {
        canvas_.RestoreState();
    }
    canvas_.SaveState();
    canvas_.IntersectClipRect(ToRect(rect));
    clipped_ = true;
}

void TGdiMarkupCanvas::ClearClip()
{
    if (clipped_) {
        canvas_.RestoreState();
        clipped_ = false;
    }
}

MarkupRect TGdiMarkupCanvas::ClipBounds() const
{
    const RECT r = canvas_.ClipRect();
    return MarkupRect { r.left, r.top, r.right, r.bottom };
}

} // namespace folvane
