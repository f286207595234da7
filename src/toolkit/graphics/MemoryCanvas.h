// TMemoryCanvas: an off-screen bitmap for one paint, copied to its target in
// one BitBlt so that the target never shows a half-drawn picture.
//
// Drawing at (0, 0) of the memory canvas lands at the area's top-left corner
// on the target. The copy happens on Flush() or, when Flush was not called,
// at the end of the scope; Discard() drops the picture instead. The target DC
// is borrowed and must outlive this object.
//
// With bfUnlessTargetIsMemory, a target that is itself a memory surface (a
// double-buffered parent's bitmap) is drawn on straight, clipped to the area:
// it reaches the screen in one step anyway, so a second bitmap and copy would
// only cost time. Drawing then lands at once, and Discard() cannot undo it.
#pragma once

#include "toolkit/graphics/Bitmap.h"

#include <windows.h>

#include <optional>

namespace folvane {

enum class TBuffering { bfAlways, bfUnlessTargetIsMemory };

class TMemoryCanvas {
public:
    // A bitmap of the area's size at the device's depth.
    TMemoryCanvas(HDC target, const RECT& area, TBuffering buffering = TBuffering::bfAlways);
    TMemoryCanvas(TCanvas& target, const RECT& area, TBuffering buffering = TBuffering::bfAlways)
        : TMemoryCanvas(target.Handle(), area, buffering)
    {
    }
    // Draws on `reusable`, which the caller keeps between paints and which is made at least as
    // large as the area, so that a paint makes no bitmap and no DC of its own. Drawing is
    // clipped to the area's size; Bitmap() may be larger than it.
    TMemoryCanvas(HDC target, const RECT& area, TBitmap& reusable);
    ~TMemoryCanvas();

    TMemoryCanvas(const TMemoryCanvas&) = delete;
    TMemoryCanvas& operator=(const TMemoryCanvas&) = delete;

    TCanvas& Canvas() { return straight_ ? *straight_ : surface_->Canvas(); }
    // The off-screen picture; empty when drawing straight on the target.
    TBitmap& Bitmap() { return *surface_; }
    int Width() const { return area_.right - area_.left; }
    int Height() const { return area_.bottom - area_.top; }
    bool DrawsStraight() const { return straight_.has_value(); }

    // Starts from what the target shows under the area (for controls that
    // draw over their parent's picture).
    void CopyFromTarget();
    // Copies the picture to the target now; later drawing is not copied.
    void Flush();
    void Discard() { done_ = true; }

private:
    // Puts back the state of a canvas drawn on straight or reused.
    void EndDrawing();

    HDC target_;
    RECT area_;
    TBitmap bitmap_;
    TBitmap* surface_ = &bitmap_; // bitmap_ or the caller's reusable one
    std::optional<TCanvas> straight_;
    bool done_ = false;
};

} // namespace folvane
