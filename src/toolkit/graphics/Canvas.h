// TCanvas: drawing on a device context with a font, a brush and a pen.
//
// The canvas does not own its HDC. Its font, brush and pen are selected into
// the DC only when an operation needs them, and the DC's original objects are
// put back whenever the canvas lets go of the DC (SetHandle, Refresh, the
// destructor, and around SaveState/RestoreState), so that the DC never holds
// a handle this canvas is about to delete. Text goes through the ANSI entry
// points for std::string and the wide ones for std::wstring; the background of
// text is the brush: solid fills behind the characters, clear leaves the
// surface showing. It deliberately offers no path, region-painting or
// metafile operations: nothing here needs them.
#pragma once

#include "toolkit/graphics/GdiObjects.h"

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace folvane {

class TBitmap;

constexpr RECT MakeRect(int left, int top, int right, int bottom)
{
    return RECT { left, top, right, bottom };
}
constexpr RECT Bounds(int left, int top, int width, int height)
{
    return RECT { left, top, left + width, top + height };
}

class TCanvas {
public:
    TCanvas();
    explicit TCanvas(HDC dc);
    virtual ~TCanvas();

    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    // Lets go of the current DC (its original objects back in place) and
    // takes the new one, which may be nullptr.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }
    // Puts the DC's original font, brush and pen back; the next operation
    // selects them again. Call before handing the DC to other code.
    void Refresh();

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    TBrush& Brush() { return brush_; }
    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& brush) { brush_.Assign(brush); }
    TPen& Pen() { return pen_; }
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& pen) { pen_.Assign(pen); }

    // Raster operation of Draw, StretchDraw and CopyRect; SRCCOPY by default.
    DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD rop) { copyMode_ = rop; }

    // --- shapes --------------------------------------------------------
    POINT PenPos() const;
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const POINT> points);
    void Polygon(std::span<const POINT> points);
    // Fills with the brush; right and bottom are exclusive.
    void FillRect(const RECT& rect);
    // One-pixel frame in the brush colour.
    void FrameRect(const RECT& rect);
    // Pen outline and brush interior.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const RECT& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void DrawFocusRect(const RECT& rect);

    // clNone outside the clip area or the surface.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // --- text ----------------------------------------------------------
    void TextOut(int x, int y, std::string_view text);
    void TextOut(int x, int y, std::wstring_view text);
    // Text at (x, y) clipped to rect; a solid brush fills the rect first.
    void TextRect(const RECT& rect, int x, int y, std::string_view text);
    void TextRect(const RECT& rect, int x, int y, std::wstring_view text);
    // DrawTextEx with DT_* flags; returns the text height. With DT_CALCRECT
    // rect receives the measured size and nothing is drawn.
    int DrawText(std::string_view text, RECT& rect, UINT flags, DRAWTEXTPARAMS* params = nullptr);
    int DrawText(std::wstring_view text, RECT& rect, UINT flags, DRAWTEXTPARAMS* params = nullptr);
    SIZE TextExtent(std::string_view text);
    SIZE TextExtent(std::wstring_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextWidth(std::wstring_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }
    int TextHeight(std::wstring_view text) { return TextExtent(text).cy; }
    // Metrics of the current font.
    TEXTMETRICA TextMetrics();

    // --- bitmaps -------------------------------------------------------
    // At its own size; a Transparent bitmap leaves its transparent colour's
    // pixels untouched.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const RECT& dest, const TBitmap& bitmap);
    // Copies source's srcRect into dest (stretching when the sizes differ)
    // with CopyMode.
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& srcRect);

    // --- state, origin and clipping -------------------------------------
    // Saves the DC state with the font, brush, pen, copy mode and pen
    // position; RestoreState undoes everything since the matching save.
    void SaveState();
    void RestoreState();
    int SavedStateCount() const { return static_cast<int>(saved_.size()); }
    // Moves the origin: what is drawn at (0, 0) afterwards lands at (dx, dy)
    // relative to where (0, 0) landed before.
    void MoveOrigin(int dx, int dy);
    POINT Origin() const;
    void IntersectClipRect(const RECT& rect);
    void ExcludeClipRect(const RECT& rect);
    // Replaces the clip region by a copy of region (device coordinates);
    // nullptr removes all clipping.
    void SelectClipRegion(HRGN region);
    // Bounding box of the visible area in logical coordinates.
    RECT ClipRect() const;

private:
    void Require(UINT type, HGDIOBJ object, HGDIOBJ& original);
    void RequireFont();
    void RequireBrush();
    void RequirePen();
    void PrepareText();
    void DeselectAll();

    struct SavedState {
        int dcState;
        TFont font;
        TBrush brush;
        TPen pen;
        DWORD copyMode;
    };

    HDC dc_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
    DWORD copyMode_ = SRCCOPY;
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    std::vector<SavedState> saved_;
};

} // namespace folvane
