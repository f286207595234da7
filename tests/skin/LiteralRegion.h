// The window-shape rule done the plain way, as the reference that the fast
// region must equal: every pixel read through the bitmap's device context,
// one CreateRectRgn and one union per run. Shared by the tests and the
// region benchmark.
#pragma once

#include "toolkit/graphics/Bitmap.h"

#include <windows.h>

namespace folvane::test {

inline HRGN LiteralBitmapRegion(const TBitmap& bitmap, TColor key)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    HDC dc = bitmap.DC();
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    auto add = [&](int left, int top, int right, int bottom) {
        HRGN run = CreateRectRgn(left, top, right, bottom);
        CombineRgn(region, region, run, RGN_OR);
        DeleteObject(run);
    };
    for (int y = 0; y < h; ++y) {
        bool open = false;
        int start = 0;
        int end = 0;
        for (int x = 0; x < w; ++x) {
            const bool opaque = GetPixel(dc, x, y) != key;
            if (x < w - 1) {
                if (opaque) {
                    if (!open)
                        start = x;
                    end = x;
                    open = true;
                } else if (open) {
                    add(start, y, end + 1, y + 1);
                    open = false;
                }
            } else if (opaque) {
                add(open ? start : x, y, w, y + 1);
            } else if (open) {
                add(start, y, end + 1, y + 1);
            }
        }
    }
    return region;
}

} // namespace folvane::test
