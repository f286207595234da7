// The painting objects a canvas draws with: TFont, TBrush and TPen, and the
// resolution of colour values to RGB.
//
// Each object is a small set of properties that creates its GDI handle only
// when a canvas first needs it, and drops the handle when a property changes.
// OnChange runs before the old handle is deleted, so that a canvas holding the
// handle selected can put its original object back first. The objects do not
// know which canvases use them; whoever owns one sets OnChange.
#pragma once

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/FontCache.h"
#include "toolkit/graphics/GdiHandle.h"

#include <windows.h>

#include <functional>
#include <string>

namespace folvane {

// System colours through GetSysColor; clNone and clDefault keep their low
// 24 bits (white), as GDI would read them.
COLORREF ColorToRGB(TColor color);

// LOGPIXELSY of the screen, read once.
int ScreenPixelsPerInch();

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) { CopyProperties(other); }
    TFont& operator=(const TFont& other)
    {
        Assign(other);
        return *this;
    }

    // Copies every property and raises OnChange once when anything differed.
    void Assign(const TFont& other);
    // Same properties (the handle and OnChange are not compared).
    bool operator==(const TFont& other) const;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Character height in logical units: negative for the em height, as in LOGFONT.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at the screen's vertical resolution.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    BYTE Charset() const { return charset_; }
    void SetCharset(BYTE charset);
    // Rotation in tenths of a degree, counter-clockwise; sets both the
    // escapement and the orientation of the characters.
    int Orientation() const { return orientation_; }
    void SetOrientation(int tenthsOfDegree);

    // Made on first use; shared with equal fonts, alive while this font is.
    HFONT Handle() const;

    std::function<void()> OnChange;

private:
    void CopyProperties(const TFont& other);
    void Changed();

    std::string name_ = "Tahoma";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    BYTE charset_ = DEFAULT_CHARSET;
    int orientation_ = 0;
    mutable TSharedFont handle_;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TBrush() = default;
    TBrush(const TBrush& other)
        : color_(other.color_)
        , style_(other.style_)
    {
    }
    TBrush& operator=(const TBrush& other)
    {
        Assign(other);
        return *this;
    }
    void Assign(const TBrush& other);

    TColor Color() const { return color_; }
    // A colour of clNone makes the brush clear.
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

    // A solid brush owned by this object, or the stock null brush.
    HBRUSH Handle() const;

    std::function<void()> OnChange;

private:
    void Changed();

    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    mutable TOwnedBrush handle_;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// Raster operations of SetROP2 that the canvas applies with the pen.
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMerge, pmMask, pmXor };

class TPen {
public:
    TPen() = default;
    TPen(const TPen& other)
        : color_(other.color_)
        , width_(other.width_)
        , style_(other.style_)
        , mode_(other.mode_)
    {
    }
    TPen& operator=(const TPen& other)
    {
        Assign(other);
        return *this;
    }
    void Assign(const TPen& other);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);
    int Rop2() const;

    HPEN Handle() const;

    std::function<void()> OnChange;

private:
    void Changed();

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    TPenMode mode_ = TPenMode::pmCopy;
    mutable TOwnedPen handle_;
};

} // namespace folvane
