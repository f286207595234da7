// DrawNinePart: paints a skin image over a control by the nine-part rule
// (NinePart.h). Corners go 1:1 through an image list, masked by magenta when
// transparent is set and opaque otherwise; edges and centre are stretched
// into a bitmap of their destination size and drawn with magenta as the
// transparent colour whatever the flag.
#pragma once

#include "toolkit/graphics/BmpFile.h"
#include "toolkit/graphics/PixelRect.h"

#include <memory>
#include <vector>

namespace folvane {

class TBitmap;
class TCanvas;
class TImageList;

// The client area is width x height at the canvas's (0, 0).
void DrawNinePart(TCanvas& canvas, const TBitmap& image, int width, int height, bool transparent);

// The same drawing for a control that paints often: the scaled pieces are kept
// while the image's pixels, the size and the flag stay the same, so a repaint
// only draws them.
class TNinePartPainter {
public:
    TNinePartPainter();
    ~TNinePartPainter();
    TNinePartPainter(const TNinePartPainter&) = delete;
    TNinePartPainter& operator=(const TNinePartPainter&) = delete;

    void Draw(TCanvas& canvas, const TBitmap& image, int width, int height, bool transparent);

private:
    struct Piece {
        PixelRect dest;
        std::unique_ptr<TImageList> corner; // corners
        std::unique_ptr<TBitmap> stretched; // edges and centre
    };
    void Prepare(const TBitmap& image);

    BmpImage image_;
    int width_ = -1;
    int height_ = -1;
    bool transparent_ = false;
    std::vector<Piece> pieces_;
};

} // namespace folvane
