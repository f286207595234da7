// BlitThroughMask over GDI.
#include "toolkit/graphics/MaskedBlit.h"

namespace folvane {

void BlitThroughMask(HDC target, int x, int y, int width, int height, HDC mask, HDC picture, int sourceX)
{
    // A one-bit source reads 1 as the background colour and 0 as the text colour.
    const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(target, RGB(255, 255, 255));
    BitBlt(target, x, y, width, height, mask, sourceX, 0, SRCAND);
    BitBlt(target, x, y, width, height, picture, sourceX, 0, SRCPAINT);
    SetTextColor(target, text);
    SetBkColor(target, back);
}

} // namespace folvane
