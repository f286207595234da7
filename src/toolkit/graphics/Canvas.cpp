// TCanvas: lazy selection of the drawing objects and the drawing operations.
#include "toolkit/graphics/Canvas.h"

#include "toolkit/graphics/Bitmap.h"

#include <climits>

namespace folvane {

namespace {

int Length(std::size_t size)
{
    return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

// clNone as a fixed transparent colour would resolve to white and punch out
// every white pixel; it means that nothing is transparent.
bool DrawsTransparently(const TBitmap& bitmap)
{
    return bitmap.Transparent() && bitmap.TransparentColor() != clNone;
}

} // namespace

TCanvas::TCanvas()
{
    // A changed object must leave the DC before its handle is deleted.
    font_.OnChange = [this] {
        if (originalFont_) {
            SelectObject(dc_, originalFont_);
            originalFont_ = nullptr;
        }
    };
    brush_.OnChange = [this] {
        if (originalBrush_) {
            SelectObject(dc_, originalBrush_);
            originalBrush_ = nullptr;
        }
    };
    pen_.OnChange = [this] {
        if (originalPen_) {
            SelectObject(dc_, originalPen_);
            originalPen_ = nullptr;
        }
    };
}

TCanvas::TCanvas(HDC dc)
    : TCanvas()
{
    dc_ = dc;
}

TCanvas::~TCanvas()
{
    DeselectAll();
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == dc_)
        return;
    DeselectAll();
    saved_.clear();
    dc_ = dc;
}

void TCanvas::Refresh()
{
    DeselectAll();
}

void TCanvas::DeselectAll()
{
    if (!dc_)
        return;
    if (originalFont_)
        SelectObject(dc_, originalFont_);
    if (originalBrush_)
        SelectObject(dc_, originalBrush_);
    if (originalPen_)
        SelectObject(dc_, originalPen_);
    originalFont_ = originalBrush_ = originalPen_ = nullptr;
}

// Selects the object unless it already is: asking costs less than selecting, which under Wine
// reaches the display driver (for a font, a look-up of the X resources each time).
void TCanvas::Require(UINT type, HGDIOBJ object, HGDIOBJ& original)
{
    if (original && GetCurrentObject(dc_, type) == object)
        return;
    HGDIOBJ previous = SelectObject(dc_, object);
    if (!original)
        original = previous;
}

void TCanvas::RequireFont()
{
    Require(OBJ_FONT, font_.Handle(), originalFont_);
}

void TCanvas::RequireBrush()
{
    Require(OBJ_BRUSH, brush_.Handle(), originalBrush_);
}

void TCanvas::RequirePen()
{
    Require(OBJ_PEN, pen_.Handle(), originalPen_);
    SetROP2(dc_, pen_.Rop2());
}

void TCanvas::PrepareText()
{
    RequireFont();
    SetTextColor(dc_, ColorToRGB(font_.Color()));
    if (brush_.Style() == TBrushStyle::bsClear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ColorToRGB(brush_.Color()));
    }
}

// ===========================================================================
// Shapes

POINT TCanvas::PenPos() const
{
    POINT p {};
    if (dc_)
        GetCurrentPositionEx(dc_, &p);
    return p;
}

void TCanvas::MoveTo(int x, int y)
{
    if (dc_)
        MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    if (!dc_)
        return;
    RequirePen();
    ::LineTo(dc_, x, y);
}

void TCanvas::Polyline(std::span<const POINT> points)
{
    if (!dc_ || points.empty())
        return;
    RequirePen();
    ::Polyline(dc_, points.data(), Length(points.size()));
}

void TCanvas::Polygon(std::span<const POINT> points)
{
    if (!dc_ || points.empty())
        return;
    RequirePen();
    RequireBrush();
    ::Polygon(dc_, points.data(), Length(points.size()));
}

void TCanvas::FillRect(const RECT& rect)
{
    if (dc_ && brush_.Style() != TBrushStyle::bsClear)
        ::FillRect(dc_, &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect)
{
    if (dc_ && brush_.Style() != TBrushStyle::bsClear)
        ::FrameRect(dc_, &rect, brush_.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (!dc_)
        return;
    RequirePen();
    RequireBrush();
    ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    if (!dc_)
        return;
    RequirePen();
    RequireBrush();
    ::RoundRect(dc_, left, top, right, bottom, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (!dc_)
        return;
    RequirePen();
    RequireBrush();
    ::Ellipse(dc_, left, top, right, bottom);
}

void TCanvas::DrawFocusRect(const RECT& rect)
{
    if (!dc_)
        return;
    // The dotted XOR frame uses the DC's text and background colours.
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &rect);
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!dc_)
        return clNone;
    const COLORREF c = GetPixel(dc_, x, y);
    return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (dc_)
        SetPixelV(dc_, x, y, ColorToRGB(color));
}

// ===========================================================================
// Text

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    if (!dc_)
        return;
    PrepareText();
    ::TextOutA(dc_, x, y, text.data(), Length(text.size()));
}

void TCanvas::TextOut(int x, int y, std::wstring_view text)
{
    if (!dc_)
        return;
    PrepareText();
    ::TextOutW(dc_, x, y, text.data(), Length(text.size()));
}

void TCanvas::TextRect(const RECT& rect, int x, int y, std::string_view text)
{
    if (!dc_)
        return;
    PrepareText();
    const UINT options = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
    ExtTextOutA(dc_, x, y, options, &rect, text.data(), static_cast<UINT>(Length(text.size())), nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, std::wstring_view text)
{
    if (!dc_)
        return;
    PrepareText();
    const UINT options = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
    ExtTextOutW(dc_, x, y, options, &rect, text.data(), static_cast<UINT>(Length(text.size())), nullptr);
}

int TCanvas::DrawText(std::string_view text, RECT& rect, UINT flags, DRAWTEXTPARAMS* params)
{
    if (!dc_)
        return 0;
    PrepareText();
    // The view is not ours to write into; DrawTextEx gets a private copy.
    std::string buffer(text);
    return ::DrawTextExA(dc_, buffer.data(), Length(buffer.size()), &rect, flags & ~DT_MODIFYSTRING, params);
}

int TCanvas::DrawText(std::wstring_view text, RECT& rect, UINT flags, DRAWTEXTPARAMS* params)
{
    if (!dc_)
        return 0;
    PrepareText();
    std::wstring buffer(text);
    return ::DrawTextExW(dc_, buffer.data(), Length(buffer.size()), &rect, flags & ~DT_MODIFYSTRING, params);
}

SIZE TCanvas::TextExtent(std::string_view text)
{
    SIZE size {};
    if (!dc_)
        return size;
    RequireFont();
    GetTextExtentPoint32A(dc_, text.data(), Length(text.size()), &size);
    return size;
}

SIZE TCanvas::TextExtent(std::wstring_view text)
{
    SIZE size {};
    if (!dc_)
        return size;
    RequireFont();
    GetTextExtentPoint32W(dc_, text.data(), Length(text.size()), &size);
    return size;
}

TEXTMETRICA TCanvas::TextMetrics()
{
    TEXTMETRICA tm {};
    if (!dc_)
        return tm;
    RequireFont();
    GetTextMetricsA(dc_, &tm);
    return tm;
}

// ===========================================================================
// Bitmaps

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    if (!dc_ || bitmap.Empty())
        return;
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    if (DrawsTransparently(bitmap))
        TransparentBlt(dc_, x, y, w, h, bitmap.DC(), 0, 0, w, h, ColorToRGB(bitmap.TransparentColor()));
    else
        BitBlt(dc_, x, y, w, h, bitmap.DC(), 0, 0, copyMode_);
}

void TCanvas::StretchDraw(const RECT& dest, const TBitmap& bitmap)
{
    if (!dc_ || bitmap.Empty())
        return;
    const int dw = dest.right - dest.left;
    const int dh = dest.bottom - dest.top;
    if (dw <= 0 || dh <= 0)
        return;
    // Whole pixels, no averaging: key colours must survive a stretch.
    const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
    if (DrawsTransparently(bitmap))
        TransparentBlt(dc_, dest.left, dest.top, dw, dh, bitmap.DC(), 0, 0, bitmap.Width(), bitmap.Height(),
            ColorToRGB(bitmap.TransparentColor()));
    else
        StretchBlt(dc_, dest.left, dest.top, dw, dh, bitmap.DC(), 0, 0, bitmap.Width(), bitmap.Height(), copyMode_);
    SetStretchBltMode(dc_, oldMode);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& srcRect)
{
    if (!dc_ || !source.dc_)
        return;
    const int dw = dest.right - dest.left;
    const int dh = dest.bottom - dest.top;
    const int sw = srcRect.right - srcRect.left;
    const int sh = srcRect.bottom - srcRect.top;
    if (dw == sw && dh == sh) {
        BitBlt(dc_, dest.left, dest.top, dw, dh, source.dc_, srcRect.left, srcRect.top, copyMode_);
        return;
    }
    const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, dest.left, dest.top, dw, dh, source.dc_, srcRect.left, srcRect.top, sw, sh, copyMode_);
    SetStretchBltMode(dc_, oldMode);
}

// ===========================================================================
// State, origin and clipping

void TCanvas::SaveState()
{
    if (!dc_)
        return;
    // Only the DC's own objects may be in it when its state is saved:
    // RestoreDC would otherwise re-select handles deleted in between.
    DeselectAll();
    saved_.push_back(SavedState { SaveDC(dc_), font_, brush_, pen_, copyMode_ });
}

void TCanvas::RestoreState()
{
    if (!dc_ || saved_.empty())
        return;
    DeselectAll();
    SavedState state = std::move(saved_.back());
    saved_.pop_back();
    RestoreDC(dc_, state.dcState);
    font_.Assign(state.font);
    brush_.Assign(state.brush);
    pen_.Assign(state.pen);
    copyMode_ = state.copyMode;
}

void TCanvas::MoveOrigin(int dx, int dy)
{
    if (dc_)
        OffsetViewportOrgEx(dc_, dx, dy, nullptr);
}

POINT TCanvas::Origin() const
{
    POINT p {};
    if (dc_)
        GetViewportOrgEx(dc_, &p);
    return p;
}

void TCanvas::IntersectClipRect(const RECT& rect)
{
    if (dc_)
        ::IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::ExcludeClipRect(const RECT& rect)
{
    if (dc_)
        ::ExcludeClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::SelectClipRegion(HRGN region)
{
    if (dc_)
        SelectClipRgn(dc_, region);
}

RECT TCanvas::ClipRect() const
{
    RECT r {};
    if (dc_)
        GetClipBox(dc_, &r);
    return r;
}

} // namespace folvane
