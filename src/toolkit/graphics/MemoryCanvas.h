// TMemoryCanvas: an off-screen bitmap for one paint, copied to its target in
// one BitBlt so that the target never shows a half-drawn picture.
//
// Drawing at (0, 0) of the memory canvas lands at the area's top-left corner
// on the target. The copy happens on Flush() or, when Flush was not called,
// at the end of the scope; Discard() drops the picture instead. The target DC
// is borrowed and must outlive this object.
#pragma once

#include "toolkit/graphics/Bitmap.h"

#include <windows.h>

namespace folvane {

class TMemoryCanvas {
public:
    // A bitmap of the area's size at the device's depth.
    TMemoryCanvas(HDC target, const RECT& area);
    TMemoryCanvas(TCanvas& target, const RECT& area)
        : TMemoryCanvas(target.Handle(), area)
    {
    }
    ~TMemoryCanvas();

    TMemoryCanvas(const TMemoryCanvas&) = delete;
    TMemoryCanvas& operator=(const TMemoryCanvas&) = delete;

    TCanvas& Canvas() { return bitmap_.Canvas(); }
    TBitmap& Bitmap() { return bitmap_; }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }

    // Starts from what the target shows under the area (for controls that
    // draw over their parent's picture).
    void CopyFromTarget();
    // Copies the picture to the target now; later drawing is not copied.
    void Flush();
    void Discard() { done_ = true; }

private:
    HDC target_;
    RECT area_;
    TBitmap bitmap_;
    bool done_ = false;
};

} // namespace folvane
