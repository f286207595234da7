// DrawNinePart: paints a skin image over a control by the nine-part rule
// (NinePart.h). Corners go 1:1 through an image list, masked by magenta when
// transparent is set and opaque otherwise; edges and centre are stretched
// into a bitmap of their destination size and drawn with magenta as the
// transparent colour whatever the flag.
#pragma once

#include "toolkit/graphics/BmpFile.h"
#include "toolkit/graphics/GdiHandle.h"
#include "toolkit/graphics/PixelRect.h"

#include <memory>
#include <vector>

namespace folvane {

class TBitmap;
class TCanvas;
class TImageList;

// The client area is width x height at the canvas's (0, 0).
void DrawNinePart(TCanvas& canvas, const TBitmap& image, int width, int height, bool transparent);

// The same drawing for a control that paints often: the pieces are put together
// once, over black and over white, and the pixels where the two differ are the
// ones the pieces leave through. Until the next Prepare a repaint is two blits
// through that mask; the owner knows when its picture changed.
class TNinePartPainter {
public:
    TNinePartPainter();
    ~TNinePartPainter();
    TNinePartPainter(const TNinePartPainter&) = delete;
    TNinePartPainter& operator=(const TNinePartPainter&) = delete;

    // Puts the image's pieces together for a width x height client area; an
    // empty image or area leaves nothing to draw.
    void Prepare(const TBitmap& image, int width, int height, bool transparent);
    // Whether the last Prepare was for this area and flag.
    bool PreparedFor(int width, int height, bool transparent) const;
    // Draws what was prepared at the canvas's (0, 0).
    void Draw(TCanvas& canvas) const;
    void Clear();

private:
    struct Piece {
        PixelRect dest;
        std::unique_ptr<TImageList> corner; // corners
        std::unique_ptr<TBitmap> stretched; // edges and centre
    };
    static void DrawPieces(TCanvas& canvas, const std::vector<Piece>& pieces);
    void PutTogether(const TBitmap& image);

    int width_ = -1;
    int height_ = -1;
    bool transparent_ = false;
    std::unique_ptr<TBitmap> overBlack_; // the pieces over black
    TOwnedBitmap mask_; // monochrome: 1 where the background shows
    // Holds mask_ selected between paints: making a DC at every paint costs more than the blits.
    TMemoryDC maskDC_;
};

} // namespace folvane
