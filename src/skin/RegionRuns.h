// The runs that make a shaped window: for every row, each maximal stretch of
// pixels that are not the key colour becomes one rectangle one pixel high.
// Runs of neighbouring rows are never merged, so the rectangles are exactly
// the ones a pixel-by-pixel scan of the face produces, in the same order
// (top to bottom, left to right). Pixels are compared on their low 24 bits
// only: no tolerance, no alpha.
#pragma once

#include "toolkit/graphics/PixelRect.h"

#include <cstdint>
#include <vector>

namespace folvane {

// Appends the runs of row y (width pixels, each 0x00RRGGBB in its low 24
// bits, as a 32-bit top-down DIB stores them) to runs.
void AppendRowRuns(const std::uint32_t* row, int width, int y, std::uint32_t keyRgb, std::vector<PixelRect>& runs);

// Row y of palette indices (one byte each): keyIndex[i] is true for the
// indices whose colour is the key.
void AppendIndexedRowRuns(
    const std::uint8_t* row, int width, int y, const bool (&keyIndex)[256], std::vector<PixelRect>& runs);

// Every row of a top-down image whose rows lie `stride` pixels apart.
std::vector<PixelRect> RegionRuns(const std::uint32_t* pixels, int width, int height, int stride, std::uint32_t keyRgb);

// 0x00BBGGRR (a colour value) as the 0x00RRGGBB of a 32-bit DIB pixel.
constexpr std::uint32_t ColorToDibPixel(std::uint32_t color)
{
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

} // namespace folvane
