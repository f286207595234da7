// TThreePartPicture: a tab image stretched to any width without stretching its
// ends. The image is cut into three cells (left cap, middle, right cap); the
// caps are drawn 1:1 at the ends, the middle cell, laid over a fill colour,
// is stretched between them.
#pragma once

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/ImageList.h"

#include <windows.h>

namespace folvane {

class TCanvas;

// The cells cut and masked once, for a picture drawn at every paint: masking
// costs far more than drawing.
class TThreePartPicture {
public:
    // keyRow picks the transparent colour (the pixel in column 0 of that row)
    // when transparent is true; otherwise magenta pixels are the transparent
    // ones. An image too small for three cells prepares an empty picture.
    void Prepare(const TBitmap& image, TColor fill, int keyRow, bool transparent);
    void Clear();
    bool PreparedFor(TColor fill) const { return prepared_ && fill == fill_; }
    // A rectangle narrower than one cell gets nothing.
    void Draw(TCanvas& canvas, const RECT& rect) const;

private:
    TImageList cells_;
    TBitmap middle_; // the middle cell over the fill
    int cell_ = 0;
    bool prepared_ = false;
    TColor fill_ = clNone;
};

} // namespace folvane
