// Helpers of the richlabel Windows tests: test resources, solid bitmaps and pixel scans.
#pragma once

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace folvane::test {

inline std::vector<std::uint8_t> Resource(const char* name)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, found));
}

inline void FillBitmap(TBitmap& bitmap, TColor color)
{
    bitmap.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect(RECT { 0, 0, bitmap.Width(), bitmap.Height() });
}

// Number of pixels inside rect for which keep(colour) holds.
inline int CountPixels(TBitmap& bitmap, const RECT& rect, const std::function<bool(TColor)>& keep)
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += keep(bitmap.Pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace folvane::test
