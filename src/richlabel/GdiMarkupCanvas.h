// TGdiMarkupCanvas: the markup renderer's canvas on a toolkit TCanvas, with GDI text, the
// comctl32 image list of a TImageList and the shell's system icon lists.
//
// Text goes through DrawTextEx as single-line, bottom-aligned, tab-expanding calls; the
// canvas's brush is the text background (clear: transparent). The canvas keeps the font the
// renderer started with, so that the base font comes back exactly (by height, not by a
// rounded point size). It owns nothing but the fonts it builds.
//
// Wine measures a font that carries embedded bitmap strikes (its own Tahoma at 8 points) by the
// outline's advances but draws the strike, whose glyphs mostly advance a pixel less; each run is
// placed at its measured width, so under Wine the blank after a word looks wider. Windows measures
// what it draws, and measuring anything other than GDI's extents would break the layout there.
#pragma once

#include "richlabel/MarkupCanvas.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImageList.h"

namespace folvane {

// An image list as the renderer sees it.
class TMarkupImageList : public MarkupImages {
public:
    explicit TMarkupImageList(const TImageList& list)
        : list_(list)
    {
    }
    int Count() const override { return list_.Count(); }
    int Width() const override { return list_.Width(); }
    int Height() const override { return list_.Height(); }
    const TImageList& List() const { return list_; }

private:
    const TImageList& list_;
};

class TGdiMarkupCanvas : public MarkupCanvas {
public:
    explicit TGdiMarkupCanvas(TCanvas& canvas);

    MarkupFont Font() const override;
    void SetFont(const MarkupFont& font) override;
    TColor Background() const override;
    void SetBackground(TColor color) override;
    TColor ResolveColor(TColor color) const override;
    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;

    int TextHeight(std::string_view text) override;
    int MeasureText(std::string_view text, const MarkupRect& rect, unsigned flags) override;
    int DrawTextRun(std::string_view text, const MarkupRect& rect, unsigned flags) override;
    void DrawTextAt(int x, int y, std::string_view text) override;

    void FillRect(const MarkupRect& rect, TColor color) override;
    void FrameRect(const MarkupRect& rect, TColor color) override;
    void Polyline(std::span<const MarkupPoint> points, TColor color) override;

    void DrawImage(const MarkupImages& images, int index, int x, int y) override;
    int SystemIconIndex(const std::string& path, bool large) override;
    int SystemIconSize(bool large) const override;
    void DrawSystemIcon(bool large, int index, int x, int y) override;
    void DrawPicture(MarkupPicture& picture, const MarkupRect& rect) override;

    void SetClip(const MarkupRect& rect) override;
    void ClearClip() override;
    MarkupRect ClipBounds() const override;

private:
    static unsigned DrawFlags(unsigned flags);

    TCanvas& canvas_;
    TFont base_;
    bool clipped_ = false;
};

} // namespace folvane
