// Test pictures for the BMP codec and the bitmaps built on it: every pixel
// differs from its neighbours, palette images use every entry, 16-bit ones
// only values that survive 5 bits per channel, and 32-bit ones carry alpha.
#pragma once

#include "toolkit/graphics/BmpFile.h"

namespace folvane::testing {

inline BmpImage SampleImage(int width, int height, int bpp)
{
    BmpImage img;
    img.width = width;
    img.height = height;
    img.bitsPerPixel = bpp;
    const std::size_t n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    img.pixels.resize(n);
    if (bpp <= 8) {
        const std::size_t colours = std::size_t { 1 } << bpp;
        for (std::size_t i = 0; i < colours; ++i)
            img.palette.push_back(static_cast<std::uint32_t>((i * 0x3B1F27u) & 0xFFFFFF));
        img.indices.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            img.indices[i] = static_cast<std::uint8_t>((i * 7 + i / 3) % colours);
            img.pixels[i] = img.palette[img.indices[i]];
        }
        return img;
    }
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t p = static_cast<std::uint32_t>(i * 0x9E3779B1u);
        if (bpp == 16)
            p = ((p & 0xF8F8F8) | ((p >> 5) & 0x070707)) & 0xFFFFFF;
        else if (bpp == 24)
            p &= 0xFFFFFF;
        img.pixels[i] = p;
    }
    return img;
}

} // namespace folvane::testing
