// TFont, TBrush, TPen and colour resolution.
#include "toolkit/graphics/GdiObjects.h"

#include <algorithm>
#include <cstring>

namespace folvane {

COLORREF ColorToRGB(TColor color)
{
    if (IsSystemColor(color))
        return GetSysColor(SystemColorIndex(color));
    return color & 0x00FFFFFF;
}

int ScreenPixelsPerInch()
{
    static const int ppi = [] {
        TWindowDC screen;
        const int value = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
        return value > 0 ? value : 96;
    }();
    return ppi;
}

// ===========================================================================
// TFont

void TFont::CopyProperties(const TFont& other)
{
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    orientation_ = other.orientation_;
}

bool TFont::operator==(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_
        && charset_ == other.charset_ && orientation_ == other.orientation_;
}

void TFont::Assign(const TFont& other)
{
    if (this == &other || *this == other)
        return;
    CopyProperties(other);
    Changed();
}

void TFont::Changed()
{
    // Keep the old handle alive until the listener has deselected it.
    TSharedFont old = std::move(handle_);
    if (OnChange)
        OnChange();
}

void TFont::SetName(const std::string& name)
{
    if (name == name_)
        return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(height_, 72, ScreenPixelsPerInch());
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles style)
{
    style &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    // The colour is applied per text call and is no part of the HFONT.
    color_ = color;
    if (OnChange)
        OnChange();
}

void TFont::SetCharset(BYTE charset)
{
    if (charset == charset_)
        return;
    charset_ = charset;
    Changed();
}

void TFont::SetOrientation(int tenthsOfDegree)
{
    if (tenthsOfDegree == orientation_)
        return;
    orientation_ = tenthsOfDegree;
    Changed();
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        LOGFONTA lf {};
        lf.lfHeight = height_;
        lf.lfEscapement = orientation_;
        lf.lfOrientation = orientation_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = charset_;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        // LOGFONT holds 31 characters and a terminator; longer names are cut.
        const std::size_t n = std::min(name_.size(), static_cast<std::size_t>(LF_FACESIZE - 1));
        std::memcpy(lf.lfFaceName, name_.data(), n);
        handle_ = SharedFont(lf);
    }
    return handle_ ? handle_->Get() : nullptr;
}

// ===========================================================================
// TBrush

void TBrush::Changed()
{
    TOwnedBrush old = std::move(handle_);
    if (OnChange)
        OnChange();
}

void TBrush::Assign(const TBrush& other)
{
    if (this == &other || (color_ == other.color_ && style_ == other.style_))
        return;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}

void TBrush::SetColor(TColor color)
{
    const TBrushStyle style = color == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    if (color == color_ && style == style_)
        return;
    color_ = color;
    style_ = style;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

HBRUSH TBrush::Handle() const
{
    if (style_ == TBrushStyle::bsClear)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_)
        handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
    return handle_.Get();
}

// ===========================================================================
// TPen

void TPen::Changed()
{
    TOwnedPen old = std::move(handle_);
    if (OnChange)
        OnChange();
}

void TPen::Assign(const TPen& other)
{
    if (this == &other
        || (color_ == other.color_ && width_ == other.width_ && style_ == other.style_ && mode_ == other.mode_))
        return;
    color_ = other.color_;
    width_ = other.width_;
    style_ = other.style_;
    mode_ = other.mode_;
    Changed();
}

void TPen::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    width = std::max(width, 0);
    if (width == width_)
        return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == mode_)
        return;
    // Applied by the canvas through SetROP2; the HPEN stays valid.
    mode_ = mode;
    if (OnChange)
        OnChange();
}

int TPen::Rop2() const
{
    switch (mode_) {
    case TPenMode::pmBlack:
        return R2_BLACK;
    case TPenMode::pmWhite:
        return R2_WHITE;
    case TPenMode::pmNop:
        return R2_NOP;
    case TPenMode::pmNot:
        return R2_NOT;
    case TPenMode::pmCopy:
        return R2_COPYPEN;
    case TPenMode::pmNotCopy:
        return R2_NOTCOPYPEN;
    case TPenMode::pmMerge:
        return R2_MERGEPEN;
    case TPenMode::pmMask:
        return R2_MASKPEN;
    case TPenMode::pmXor:
        return R2_XORPEN;
    }
    return R2_COPYPEN;
}

HPEN TPen::Handle() const
{
    if (!handle_) {
        int style = PS_SOLID;
        switch (style_) {
        case TPenStyle::psSolid:
            style = PS_SOLID;
            break;
        case TPenStyle::psDash:
            style = PS_DASH;
            break;
        case TPenStyle::psDot:
            style = PS_DOT;
            break;
        case TPenStyle::psDashDot:
            style = PS_DASHDOT;
            break;
        case TPenStyle::psDashDotDot:
            style = PS_DASHDOTDOT;
            break;
        case TPenStyle::psClear:
            style = PS_NULL;
            break;
        case TPenStyle::psInsideFrame:
            style = PS_INSIDEFRAME;
            break;
        }
        handle_.Reset(CreatePen(style, width_, ColorToRGB(color_)));
    }
    return handle_.Get();
}

} // namespace folvane
