// DrawThreePart: a tab image stretched to any width without stretching its
// ends. The image is cut into three cells (left cap, middle, right cap); the
// caps are drawn 1:1 at the ends, the middle cell, laid over a fill colour,
// is stretched between them.
#pragma once

#include "toolkit/graphics/Color.h"

#include <windows.h>

namespace folvane {

class TBitmap;
class TCanvas;

// keyRow picks the transparent colour (the pixel in column 0 of that row)
// when transparent is true; otherwise magenta pixels are the transparent ones.
// A rectangle narrower than one cell gets nothing.
void DrawThreePart(TCanvas& canvas, const TBitmap& image, const RECT& rect, TColor fill, int keyRow, bool transparent);

} // namespace folvane
