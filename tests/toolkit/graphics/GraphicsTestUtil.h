// Helpers of the Windows graphics tests: a fresh 32-bit surface to paint on,
// pixel checks, and a PNG-ready dump of a surface when a test fails.
#pragma once

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

// Writes the bitmap as a BMP file beside the test for a look after a failure.
inline void Dump(const TBitmap& bmp, const std::string& name)
{
    const auto bytes = bmp.SaveToBmpBytes();
    if (FILE* f = std::fopen((name + ".bmp").c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

} // namespace folvane::testing
