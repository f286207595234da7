// Turning rasters into the files the program reads: BMP file images of a
// chosen depth (keyed, opaque or with a palette), one-bit masks, PNG with
// alpha and multi-size icons.
//
// Keyed pictures are cut by exact colour match in the program, so the key is
// never produced by anti-aliasing: a pixel is either fully the key or an
// opaque colour, and an opaque colour that happens to equal the key is moved
// off it by one step of green.
#pragma once

#include "Raster.h"
#include "toolkit/graphics/BmpFile.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace folvane {

struct Flatten {
    std::optional<Argb> key; // colour of pixels below minAlpha; none: composite them too
    std::optional<Argb> matte; // background for partly covered pixels; none: their own colour
    int minAlpha = 128;
};

// Opaque 0xFFRRGGBB pixels, top-down, following `rule`. Without a key every
// pixel is composited over the matte (white when there is none).
std::vector<Argb> FlattenPixels(const Raster& raster, const Flatten& rule);

// 24-bit image of the flattened pixels.
BmpImage ToBmp24(const Raster& raster, const Flatten& rule);

// Palette image of 4 or 8 bits: the key (when set) is entry 0 and only key
// pixels use it; the other entries come from a median cut of the flattened
// colours, or are the exact colours when few enough.
BmpImage ToBmpIndexed(const Raster& raster, int bitsPerPixel, const Flatten& rule);

// 32-bit image of the flattened colours with the alpha byte 0, as the image
// lists store their strips (the mask carries the transparency).
BmpImage ToBmp32(const Raster& raster, const Flatten& rule);

// One-bit mask: 1 (white) where the pixel is below minAlpha, 0 (black) elsewhere.
BmpImage ToMask(const Raster& raster, int minAlpha);

// The palette search used by ToBmpIndexed, exposed for tests: `pixels` are
// opaque colours (the key, when given, excluded from the cut).
BmpImage QuantizePixels(
    const std::vector<Argb>& pixels, int width, int height, int bitsPerPixel, std::optional<Argb> key);

// PNG, 8 bits per channel, straight alpha, no interlace.
std::vector<std::uint8_t> EncodePng(const Raster& raster);

// Icon file with one 32-bit image (plus AND mask) per raster, in the given order.
std::vector<std::uint8_t> EncodeIco(const std::vector<const Raster*>& images);

} // namespace folvane
