// Helpers of the Windows graphics tests: a fresh 32-bit surface to paint on,
// pixel checks; pictures of failures come from support/Snapshot.h.
#pragma once

#include "support/Snapshot.h"
#include "toolkit/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace folvane::testing {

// A 32-bit bitmap filled with one colour.
inline void Fill(TBitmap& bmp, int width, int height, TColor color)
{
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(width, height);
    bmp.Canvas().Brush().SetColor(color);
    bmp.Canvas().FillRect(Bounds(0, 0, width, height));
}

// Pixels of colour c inside rect (by the bitmap's own reading).
inline int CountColor(const TBitmap& bmp, TColor c, RECT r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (bmp.Pixel(x, y) == c)
                ++n;
    return n;
}

// Pixels other than c inside rect: text may be anti-aliased, so ink is
// whatever differs from the background.
inline int CountOther(const TBitmap& bmp, TColor c, RECT r)
{
    return (r.right - r.left) * (r.bottom - r.top) - CountColor(bmp, c, r);
}

inline int CountColor(const TBitmap& bmp, TColor c)
{
    return CountColor(bmp, c, Bounds(0, 0, bmp.Width(), bmp.Height()));
}

} // namespace folvane::testing
