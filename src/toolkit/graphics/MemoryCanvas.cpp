// TMemoryCanvas: the off-screen bitmap and its single copy to the target, or
// the target itself when that is already off screen.
#include "toolkit/graphics/MemoryCanvas.h"

#include <algorithm>

namespace folvane {

namespace {

bool IsMemorySurface(HDC dc)
{
    return dc && GetObjectType(dc) == OBJ_MEMDC;
}

} // namespace

TMemoryCanvas::TMemoryCanvas(HDC target, const RECT& area, TBuffering buffering)
    : target_(target)
    , area_(area)
{
    if (buffering == TBuffering::bfUnlessTargetIsMemory && IsMemorySurface(target)) {
        straight_.emplace(target);
        straight_->SaveState();
        straight_->IntersectClipRect(area);
        straight_->MoveOrigin(area.left, area.top);
    } else {
        bitmap_.SetSize(area.right - area.left, area.bottom - area.top);
    }
}

TMemoryCanvas::TMemoryCanvas(HDC target, const RECT& area, TBitmap& reusable)
    : target_(target)
    , area_(area)
    , surface_(&reusable)
{
    if (reusable.Width() < Width() || reusable.Height() < Height())
        reusable.SetSize(std::max(reusable.Width(), Width()), std::max(reusable.Height(), Height()));
    reusable.Canvas().SaveState();
    reusable.Canvas().IntersectClipRect(RECT { 0, 0, Width(), Height() });
}

TMemoryCanvas::~TMemoryCanvas()
{
    if (!done_)
        Flush();
    else
        EndDrawing();
}

void TMemoryCanvas::EndDrawing()
{
    if (straight_)
        straight_->RestoreState();
    else if (surface_ != &bitmap_)
        surface_->Canvas().RestoreState();
}

void TMemoryCanvas::CopyFromTarget()
{
    if (straight_ || !target_ || surface_->Empty())
        return;
    BitBlt(surface_->DC(), 0, 0, Width(), Height(), target_, area_.left, area_.top, SRCCOPY);
}

void TMemoryCanvas::Flush()
{
    if (done_)
        return;
    done_ = true;
    if (!straight_ && target_ && !surface_->Empty()) {
        // The canvas's objects leave the memory DC first; BitBlt does not need
        // them and the DC may be handed on.
        surface_->Canvas().Refresh();
        BitBlt(target_, area_.left, area_.top, Width(), Height(), surface_->DC(), 0, 0, SRCCOPY);
    }
    EndDrawing();
}

} // namespace folvane
