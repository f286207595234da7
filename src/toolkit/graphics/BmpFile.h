// BMP file images in memory: parsing into plain pixels and encoding back.
//
// Parsing accepts the uncompressed layouts that bitmap files and resources use:
// 1, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB and (16/32 bits) BI_BITFIELDS,
// bottom-up and top-down rows, OS/2 core headers and the 40/52/56/108/124-byte
// information headers. Every read is bounds-checked and the pixel count is
// checked before anything is allocated. RLE and embedded JPEG/PNG data are
// rejected, not decoded. Encoding always writes the classic layout: "BM" file
// header, 40-byte information header, colour table for depths up to 8 bits and
// bottom-up rows padded to 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace folvane {

struct BmpImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32; // 1, 4, 8, 16, 24 or 32 as stored
    std::vector<std::uint32_t> palette; // 0x00RRGGBB, depths <= 8
    // width*height, rows top-down, 0xAARRGGBB; for depths <= 8 the palette
    // colour of each index; the alpha byte as stored for 32 bits, 0 otherwise.
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint8_t> indices; // width*height palette indices, depths <= 8 only
};

// Largest image the parser accepts; far above any skin or glyph, far below
// what would exhaust a 32-bit address space.
constexpr std::uint64_t kMaxBmpPixels = 64u * 1024u * 1024u;

struct BmpSize {
    int width = 0;
    int height = 0;
};

// Given the stored size, the part to keep from the top left; the parser
// neither allocates nor decodes the rest, and keeps at least one pixel.
using BmpKeepRule = std::function<BmpSize(BmpSize stored)>;

// On success fills `out` and, when asked, `consumed` with the bytes the file
// image occupies (headers, colour table and pixel rows as the headers place
// them). On failure `out` is left empty and `error` says why.
bool ParseBmpFile(std::span<const std::uint8_t> bytes, BmpImage& out, std::size_t* consumed = nullptr,
    std::string* error = nullptr, const BmpKeepRule& keep = {});

// Encodes `image` at its bitsPerPixel. For depths <= 8 it writes `indices`
// with `palette`; when `indices` does not hold width*height entries they are
// derived from `pixels` (exact palette match, otherwise the nearest entry).
// Returns an empty vector for an image it cannot describe (no pixels, a
// size mismatch, an unsupported depth).
std::vector<std::uint8_t> EncodeBmpFile(const BmpImage& image);

// The palette entry closest to an 0x00RRGGBB colour (an exact match first,
// otherwise the least squared distance); 0 for an empty palette.
std::uint8_t NearestPaletteIndex(const std::vector<std::uint32_t>& palette, std::uint32_t rgb);

// Bytes of one stored row: width * bits rounded up to a multiple of 4 bytes.
constexpr std::uint64_t BmpRowBytes(std::uint64_t width, unsigned bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

} // namespace folvane
