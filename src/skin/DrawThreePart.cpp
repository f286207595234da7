// Three-cell image drawing through a masked image list.
#include "skin/DrawThreePart.h"

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace folvane {

void DrawThreePart(TCanvas& canvas, const TBitmap& image, const RECT& rect, TColor fill, int keyRow, bool transparent)
{
    const int cell = image.Width() / 3;
    const int height = image.Height();
    if (cell <= 0 || height <= 0 || rect.right - rect.left < cell)
        return;
    const TColor key = transparent ? image.Pixel(0, keyRow) : clFuchsia;
    TImageList cells;
    cells.SetSize(cell, height);
    if (cells.AddMasked(image, key) < 0 || cells.Count() < 3)
        return;
    cells.Draw(canvas, rect.left, rect.top, 0);
    cells.Draw(canvas, rect.right - cell, rect.top, 2);
    // The middle cell over the fill, then stretched: its transparent pixels
    // show the strip's colour, not what lies behind.
    TBitmap middle(cell, height, TPixelFormat::pf24bit);
    middle.Canvas().Brush().SetColor(fill);
    middle.Canvas().FillRect(RECT { 0, 0, cell, height });
    cells.Draw(middle.Canvas(), 0, 0, 1);
    if (rect.right - cell > rect.left + cell)
        canvas.StretchDraw(RECT { rect.left + cell, rect.top, rect.right - cell, rect.bottom }, middle);
}

} // namespace folvane
