// The device the markup renderer lays out on and paints to, and the picture sources it reads.
//
// The renderer never touches a platform handle: it asks this interface for text extents and
// draws through it, so that layout is tested natively with fixed metrics and painted on Windows
// by a GDI implementation. The interface holds no layout knowledge of its own; text calls follow
// the single-line, bottom-aligned rule of the platform's text drawing (the text sits on the
// bottom edge of the rectangle it is given, tabs expanded).
#pragma once

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/PixelRect.h"

#include <span>
#include <string>
#include <string_view>

namespace folvane {

using MarkupRect = PixelRect;

struct MarkupPoint {
    int x = 0;
    int y = 0;
    bool operator==(const MarkupPoint&) const = default;
};

enum MarkupFontStyle : unsigned { mfsBold = 1, mfsItalic = 2, mfsUnderline = 4, mfsStrikeOut = 8 };

struct MarkupFont {
    std::string name;
    int size = 8; // points
    unsigned style = 0; // MarkupFontStyle bits
    TColor color = clBlack;
    int orientation = 0; // tenths of a degree, counter-clockwise; also the escapement

    bool Has(MarkupFontStyle s) const { return (style & s) != 0; }
    void Set(MarkupFontStyle s, bool on) { style = on ? (style | s) : (style & ~static_cast<unsigned>(s)); }
    bool operator==(const MarkupFont&) const = default;
};

// Options of one text call. Single line, bottom alignment and tab expansion always apply.
enum MarkupTextFlag : unsigned {
    mtfNoPrefix = 1, // "&" is an ordinary character
    mtfEndEllipsis = 2, // text wider than the rectangle ends in "..." at its right edge
    mtfExternalLeading = 4, // measuring only: the font's external leading counts in the height
};

// A standard image list as the renderer needs it: drawing goes through the canvas.
class MarkupImages {
public:
    virtual ~MarkupImages() = default;
    virtual int Count() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// A picture named or addressed by the markup. Sizes are in pixels at 96 dots per inch.
class MarkupPicture {
public:
    virtual ~MarkupPicture() = default;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The whole animation's size for an animated picture, else the picture's own size.
    virtual int AnimationWidth() const = 0;
    virtual int AnimationHeight() const = 0;
    // Offset of the shown frame inside the animation.
    virtual int FrameX() const = 0;
    virtual int FrameY() const = 0;
    virtual bool Stretch() const = 0;
    virtual void SetStretch(bool stretch) = 0;
};

class MarkupPictureStore {
public:
    virtual ~MarkupPictureStore() = default;
    virtual MarkupPicture* PictureByName(const std::string& name) = 0;
};

class MarkupPictureCache {
public:
    virtual ~MarkupPictureCache() = default;
    // Exact, case-sensitive match on the address a picture was loaded from.
    virtual MarkupPicture* PictureByAddress(const std::string& address) = 0;
    // Appends a new picture, loaded synchronously from the address, and returns it.
    virtual MarkupPicture* AddPictureFromAddress(const std::string& address) = 0;
};

class MarkupCanvas {
public:
    virtual ~MarkupCanvas() = default;

    virtual MarkupFont Font() const = 0;
    virtual void SetFont(const MarkupFont& font) = 0;
    // The colour behind text and of filled shapes; clNone leaves text transparent.
    virtual TColor Background() const = 0;
    virtual void SetBackground(TColor color) = 0;
    // RGB value of a system colour; other values unchanged.
    virtual TColor ResolveColor(TColor color) const = 0;
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;

    // Height of a line of text in the current font.
    virtual int TextHeight(std::string_view text) = 0;
    // Width the text takes when drawn into rect with these flags (an ellipsis shortens it).
    virtual int MeasureText(std::string_view text, const MarkupRect& rect, unsigned flags) = 0;
    // Draws the text bottom-aligned in rect and returns the width drawn.
    virtual int DrawTextRun(std::string_view text, const MarkupRect& rect, unsigned flags) = 0;
    // Plain text at a top-left point, no prefix handling.
    virtual void DrawTextAt(int x, int y, std::string_view text) = 0;

    virtual void FillRect(const MarkupRect& rect, TColor color) = 0;
    virtual void FrameRect(const MarkupRect& rect, TColor color) = 0;
    virtual void Polyline(std::span<const MarkupPoint> points, TColor color) = 0;

    virtual void DrawImage(const MarkupImages& images, int index, int x, int y) = 0;
    // Icon index in the shell's small or large system list for an existing file or folder,
    // or else for a file of that name by its extension; -1 when there is none.
    virtual int SystemIconIndex(const std::string& path, bool large) = 0;
    virtual int SystemIconSize(bool large) const = 0;
    virtual void DrawSystemIcon(bool large, int index, int x, int y) = 0;
    // Natural size at the rectangle's top-left corner, or scaled into it when stretched.
    virtual void DrawPicture(MarkupPicture& picture, const MarkupRect& rect) = 0;

    // Limits drawing to rect until ClearClip; the bounds of what can be seen at all.
    virtual void SetClip(const MarkupRect& rect) = 0;
    virtual void ClearClip() = 0;
    virtual MarkupRect ClipBounds() const = 0;
};

} // namespace folvane
