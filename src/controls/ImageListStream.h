// The image list's "Bitmap" stream: reading every stored variant into plain
// entries, and writing the compressed strip form.
//
// Stream forms, by the first little-endian int32 V:
//   V <= -4  count N, then an image strip block and a mask strip block;
//   V == -3  count N, then N pairs of strip blocks (image, mask);
//   V == -2, -1  count N, then N pairs of plain BMP file images (image, mask);
//   V >= 0   V is N; N plain BMP file images, masked by their bottom-left colour.
// A strip block is int32 L, L bytes of run-length packets (RunLengthCodec.h),
// int32 U (unpacked size), int32 T (unit in bits); the unpacked bytes are a
// complete BMP file image. The mask is black for opaque, white for transparent.
//
// Encoder API, for tools and artwork as much as for the Win32 list:
//   ImageListContent list; list.width = 30; list.height = 22;
//   AddImages(list, imageStrip, &maskStrip);      // cut wide bitmaps into entries
//   std::vector<std::uint8_t> bytes; WriteImageListStream(list, bytes);
// WriteImageListStream always writes V = -4, a 32-bit image strip and a 1-bit
// mask strip, so equal lists give byte-identical streams; an empty list writes
// nothing. WriteImageListStrips writes strips exactly as given.
//
// No Win32 here: the list keeps pixels as 0xAARRGGBB and masks as bytes.
#pragma once

#include "toolkit/graphics/BmpFile.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace folvane {

struct ImageListEntry {
    std::vector<std::uint32_t> pixels; // width*height, rows top-down, 0xAARRGGBB
    std::vector<std::uint8_t> mask; // width*height, 1 = transparent, 0 = opaque
};

struct ImageListContent {
    int width = 16;
    int height = 16;
    std::vector<ImageListEntry> images;

    int Count() const { return static_cast<int>(images.size()); }
};

// Largest single image a list accepts, a guard for sizes given by callers.
constexpr int kMaxImageListSide = 4096;

// Most pixels a list holds in all its entries together: what the writer's
// image strip, one bitmap, can take. The reader refuses a stream that would
// go beyond it before it cuts a single entry.
constexpr std::uint64_t kMaxImageListPixels = kMaxBmpPixels;

// Whether `more` entries fit beside those the list holds without passing
// kMaxImageListPixels.
bool ImageListHasRoomFor(const ImageListContent& list, std::int64_t more);

// The refusal text for a list that would pass the limit; it names the limit.
std::string ImageListLimitMessage();

bool IsValidImageListSize(int width, int height);

// Appends the images of a bitmap at least `width` wide, cut from the left into
// images of the list's width; columns left over are dropped. Rows below the
// bitmap are transparent; where the mask bitmap does not reach, pixels are
// opaque. A mask pixel is transparent when its colour is white. Returns the
// number of entries added: none when they would pass kMaxImageListPixels.
int AddImages(ImageListContent& list, const BmpImage& image, const BmpImage* mask);

// As AddImages, with every pixel of the colour `transparentRgb` (0x00RRGGBB,
// alpha ignored) transparent.
int AddMaskedImages(ImageListContent& list, const BmpImage& image, std::uint32_t transparentRgb);

// Strips of all entries side by side: 32 bits per pixel, and 1 bit with
// palette black, white.
BmpImage MakeImageStrip(const ImageListContent& list);
BmpImage MakeMaskStrip(const ImageListContent& list);

enum class ImageListStatus { ok, truncated, badImage, badUnit, badCount, countMismatch, badSize, encodeFailed };

struct ImageListResult {
    ImageListStatus status = ImageListStatus::ok;
    std::string message;

    bool Ok() const { return status == ImageListStatus::ok; }
};

struct ImageListReadOptions {
    // The whole-strip form adds nothing on displays below 8 bits per pixel.
    int displayBitsPerPixel = 32;
};

// The top-left part of a stored strip that `count` entries use: a strip one
// image high is cut from the left, a taller one tiled row by row (the last row
// of tiles may be partly used). Nothing outside it is decoded.
BmpSize ImageListStripPart(const ImageListContent& list, std::int64_t count, BmpSize stored);

// Clears list.images and reads the stream into it with the list's width and
// height. On failure the entries read so far stay in the list.
ImageListResult ReadImageListStream(
    std::span<const std::uint8_t> stream, ImageListContent& list, const ImageListReadOptions& options = {});

// Reads the header and both strips of a V <= -4 stream without cutting them.
ImageListResult ReadImageListStrips(
    std::span<const std::uint8_t> stream, int& count, BmpImage& imageStrip, BmpImage& maskStrip);

// Writes the list as V = -4 with its strips; `out` is left empty for a list
// without entries.
ImageListResult WriteImageListStream(const ImageListContent& list, std::vector<std::uint8_t>& out);

// Writes V = -4, `count` and the two strips, each packed with the unit of its
// bits per pixel (8 for depths up to 8). `out` holds what was written so far
// on failure.
ImageListResult WriteImageListStrips(
    int count, const BmpImage& imageStrip, const BmpImage& maskStrip, std::vector<std::uint8_t>& out);

} // namespace folvane
