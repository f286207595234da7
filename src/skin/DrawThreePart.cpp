// Three-cell image drawing through a masked image list.
#include "skin/DrawThreePart.h"

namespace folvane {

void TThreePartPicture::Prepare(const TBitmap& image, TColor fill, int keyRow, bool transparent)
{
    Clear();
    prepared_ = true;
    fill_ = fill;
    const int cell = image.Width() / 3;
    const int height = image.Height();
    if (cell <= 0 || height <= 0)
        return;
    const TColor key = transparent ? image.Pixel(0, keyRow) : clFuchsia;
    cells_.SetSize(cell, height);
    if (cells_.AddMasked(image, key) < 0 || cells_.Count() < 3) {
        cells_.Clear();
        return;
    }
    // Its transparent pixels show the strip's colour, not what lies behind.
    middle_.SetPixelFormat(TPixelFormat::pf24bit);
    middle_.SetSize(cell, height);
    middle_.Canvas().Brush().SetColor(fill);
    middle_.Canvas().FillRect(RECT { 0, 0, cell, height });
    cells_.Draw(middle_.Canvas(), 0, 0, 1);
    cell_ = cell;
}

void TThreePartPicture::Clear()
{
    cells_.Clear();
    cell_ = 0;
    prepared_ = false;
}

void TThreePartPicture::Draw(TCanvas& canvas, const RECT& rect) const
{
    if (cell_ <= 0 || rect.right - rect.left < cell_)
        return;
    cells_.Draw(canvas, rect.left, rect.top, 0);
    cells_.Draw(canvas, rect.right - cell_, rect.top, 2);
    if (rect.right - cell_ > rect.left + cell_)
        canvas.StretchDraw(RECT { rect.left + cell_, rect.top, rect.right - cell_, rect.bottom }, middle_);
}

} // namespace folvane
