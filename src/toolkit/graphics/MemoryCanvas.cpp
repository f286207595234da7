// TMemoryCanvas: the off-screen bitmap and its single copy to the target.
#include "toolkit/graphics/MemoryCanvas.h"

namespace folvane {

TMemoryCanvas::TMemoryCanvas(HDC target, const RECT& area)
    : target_(target)
    , area_(area)
    , bitmap_(area.right - area.left, area.bottom - area.top)
{
}

TMemoryCanvas::~TMemoryCanvas()
{
    if (!done_)
        Flush();
}

void TMemoryCanvas::CopyFromTarget()
{
    if (!target_ || bitmap_.Empty())
        return;
    BitBlt(bitmap_.DC(), 0, 0, Width(), Height(), target_, area_.left, area_.top, SRCCOPY);
}

void TMemoryCanvas::Flush()
{
    done_ = true;
    if (!target_ || bitmap_.Empty())
        return;
    // The canvas's objects leave the memory DC first; BitBlt does not need
    // them and the DC may be handed on.
    bitmap_.Canvas().Refresh();
    BitBlt(target_, area_.left, area_.top, Width(), Height(), bitmap_.DC(), 0, 0, SRCCOPY);
}

} // namespace folvane
