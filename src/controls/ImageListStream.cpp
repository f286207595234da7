// The image list's "Bitmap" stream: reading and writing.
#include "controls/ImageListStream.h"

#include "controls/RunLengthCodec.h"
#include "toolkit/ByteReader.h"

#include <algorithm>
#include <limits>
#include <new>
#include <string_view>

namespace folvane {

namespace {

constexpr std::int32_t kMarkerStrips = -4;
constexpr std::int32_t kMarkerEntryStrips = -3;
constexpr std::uint32_t kRgbMask = 0x00FFFFFF;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

ImageListResult Fail(ImageListStatus status, std::string message)
{
    return { status, std::move(message) };
}

ImageListResult Truncated()
{
    return Fail(ImageListStatus::truncated, "Image list stream ends early");
}

// ---------------------------------------------------------------------------
// Input
// ---------------------------------------------------------------------------

ImageListResult BadImage(std::string_view what, const std::string& error)
{
    std::string message = "Image list ";
    message += what;
    message += " is not a valid bitmap";
    if (!error.empty())
        message += ": " + error;
    return Fail(ImageListStatus::badImage, message);
}

ImageListResult ReadStripBlock(ByteReader& in, BmpImage& strip, const BmpKeepRule& keep = {})
{
    const std::int32_t packedSize = in.I32();
    if (!in.Ok())
        return Truncated();
    if (packedSize < 0)
        return BadImage("strip", "negative packed length");
    const std::span<const std::uint8_t> packed = in.Take(static_cast<std::size_t>(packedSize));
    const std::int32_t size = in.I32();
    const std::int32_t unitBits = in.I32();
    if (!in.Ok())
        return Truncated();
    const int unit = RleUnitBytes(unitBits);
    if (unit == 0)
        return Fail(ImageListStatus::badUnit, "Unknown image list compression unit: " + std::to_string(unitBits));
    if (size < 0)
        return BadImage("strip", "negative size");

    std::vector<std::uint8_t> file;
    if (RleDecode(packed, unit, static_cast<std::size_t>(size), file) != RleStatus::ok)
        return BadImage("strip", "packed data ends early");
    std::string error;
    if (!ParseBmpFile(file, strip, nullptr, &error, keep))
        return BadImage("strip", error);
    return {};
}

ImageListResult ReadPlainBmp(ByteReader& in, BmpImage& image)
{
    if (in.Remaining() == 0)
        return Truncated();
    std::size_t consumed = 0;
    std::string error;
    if (!ParseBmpFile(in.Rest(), image, &consumed, &error))
        return BadImage("image", error);
    in.Skip(consumed);
    return {};
}

// The mask is only looked at where the image strip was kept.
BmpKeepRule SameAs(const BmpImage& image)
{
    return [&image](BmpSize) { return BmpSize { image.width, image.height }; };
}

int ClampToInt(std::int64_t value)
{
    return static_cast<int>(std::min<std::int64_t>(value, std::numeric_limits<int>::max()));
}

// ---------------------------------------------------------------------------
// Cutting bitmaps into entries
// ---------------------------------------------------------------------------

bool IsWhite(std::uint32_t argb)
{
    return (argb & kRgbMask) == kWhite;
}

// Copies the list-sized rectangle at (left, top) of `image`; `transparent`
// decides each pixel inside the image.
template <typename Transparent>
ImageListEntry CutEntry(const ImageListContent& list, const BmpImage& image, int left, int top, Transparent transparent)
{
    const std::size_t pixels = static_cast<std::size_t>(list.width) * static_cast<std::size_t>(list.height);
    ImageListEntry entry;
    entry.pixels.assign(pixels, 0);
    entry.mask.assign(pixels, 1);
    for (int y = 0; y < list.height; ++y) {
        const int sy = top + y;
        if (sy >= image.height)
            break;
        for (int x = 0; x < list.width; ++x) {
            const int sx = left + x;
            const std::uint32_t argb = image.pixels[static_cast<std::size_t>(sy) * static_cast<std::size_t>(image.width)
                + static_cast<std::size_t>(sx)];
            const std::size_t at
                = static_cast<std::size_t>(y) * static_cast<std::size_t>(list.width) + static_cast<std::size_t>(x);
            entry.pixels[at] = argb;
            entry.mask[at] = transparent(sx, sy, argb) ? 1 : 0;
        }
    }
    return entry;
}

bool HasPixels(const BmpImage& image)
{
    return image.width > 0 && image.height > 0
        && image.pixels.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

// Mask pixel lookup with the "no mask information means opaque" rule.
bool MaskTransparent(const BmpImage* mask, int x, int y)
{
    if (!mask || !HasPixels(*mask) || x >= mask->width || y >= mask->height)
        return false;
    return IsWhite(mask->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(mask->width)
        + static_cast<std::size_t>(x)]);
}

ImageListEntry CutMaskedTile(
    const ImageListContent& list, const BmpImage& image, const BmpImage* mask, int left, int top)
{
    return CutEntry(
        list, image, left, top, [mask](int x, int y, std::uint32_t) { return MaskTransparent(mask, x, y); });
}

// Tiles of the list's size, row by row from the top left, until the list
// holds `count` entries or the strip has no more whole tiles.
void AddTiles(ImageListContent& list, const BmpImage& image, const BmpImage& mask, int count)
{
    const int columns = image.width / list.width;
    const int rows = image.height / list.height;
    if (!ImageListHasRoomFor(list, std::min<std::int64_t>(count, std::int64_t { columns } * rows)))
        return;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (list.Count() >= count)
                return;
            list.images.push_back(CutMaskedTile(list, image, &mask, column * list.width, row * list.height));
        }
    }
}

// ---------------------------------------------------------------------------
// Output
// ---------------------------------------------------------------------------

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(bits >> shift));
}

std::int32_t UnitBitsFor(int bitsPerPixel)
{
    return bitsPerPixel > 8 ? bitsPerPixel : 8;
}

ImageListResult WriteStripBlock(const BmpImage& strip, std::string_view what, std::vector<std::uint8_t>& out)
{
    const std::vector<std::uint8_t> file = EncodeBmpFile(strip);
    const std::int32_t unitBits = UnitBitsFor(strip.bitsPerPixel);
    const int unit = RleUnitBytes(unitBits);
    if (file.empty() || unit == 0 || file.size() > 0x7FFFFFFF)
        return Fail(ImageListStatus::encodeFailed, "Cannot encode the " + std::string(what) + " strip");
    const std::vector<std::uint8_t> packed = RleEncode(file, unit);
    if (packed.size() > 0x7FFFFFFF)
        return Fail(ImageListStatus::encodeFailed, "Cannot encode the " + std::string(what) + " strip");
    PutInt32(out, static_cast<std::int32_t>(packed.size()));
    out.insert(out.end(), packed.begin(), packed.end());
    PutInt32(out, static_cast<std::int32_t>(file.size()));
    PutInt32(out, unitBits);
    return {};
}

bool EntryMatches(const ImageListContent& list, const ImageListEntry& entry)
{
    const std::size_t pixels = static_cast<std::size_t>(list.width) * static_cast<std::size_t>(list.height);
    return entry.pixels.size() == pixels && entry.mask.size() == pixels;
}

} // namespace

bool IsValidImageListSize(int width, int height)
{
    return width > 0 && height > 0 && width <= kMaxImageListSide && height <= kMaxImageListSide;
}

bool ImageListHasRoomFor(const ImageListContent& list, std::int64_t more)
{
    if (!IsValidImageListSize(list.width, list.height) || more < 0)
        return false;
    const std::uint64_t entryPixels = static_cast<std::uint64_t>(list.width) * static_cast<std::uint64_t>(list.height);
    return list.images.size() + static_cast<std::uint64_t>(more) <= kMaxImageListPixels / entryPixels;
}

std::string ImageListLimitMessage()
{
    return "Image list would hold more than " + std::to_string(kMaxImageListPixels)
        + " pixels, the most an image list may hold";
}

int AddImages(ImageListContent& list, const BmpImage& image, const BmpImage* mask)
{
    if (!IsValidImageListSize(list.width, list.height) || !HasPixels(image))
        return 0;
    const int columns = image.width / list.width;
    if (!ImageListHasRoomFor(list, columns))
        return 0;
    for (int column = 0; column < columns; ++column)
        list.images.push_back(CutMaskedTile(list, image, mask, column * list.width, 0));
    return columns;
}

int AddMaskedImages(ImageListContent& list, const BmpImage& image, std::uint32_t transparentRgb)
{
    if (!IsValidImageListSize(list.width, list.height) || !HasPixels(image))
        return 0;
    const std::uint32_t key = transparentRgb & kRgbMask;
    const int columns = image.width / list.width;
    if (!ImageListHasRoomFor(list, columns))
        return 0;
    for (int column = 0; column < columns; ++column)
        list.images.push_back(CutEntry(list, image, column * list.width, 0,
            [key](int, int, std::uint32_t argb) { return (argb & kRgbMask) == key; }));
    return columns;
}

BmpImage MakeImageStrip(const ImageListContent& list)
{
    BmpImage strip;
    strip.bitsPerPixel = 32;
    strip.width = list.width * list.Count();
    strip.height = list.height;
    strip.pixels.assign(static_cast<std::size_t>(strip.width) * static_cast<std::size_t>(strip.height), 0);
    for (int i = 0; i < list.Count(); ++i) {
        const ImageListEntry& entry = list.images[static_cast<std::size_t>(i)];
        if (!EntryMatches(list, entry))
            continue;
        for (int y = 0; y < list.height; ++y)
            std::copy_n(entry.pixels.begin() + static_cast<std::ptrdiff_t>(y) * list.width, list.width,
                strip.pixels.begin() + static_cast<std::ptrdiff_t>(y) * strip.width + i * list.width);
    }
    return strip;
}

BmpImage MakeMaskStrip(const ImageListContent& list)
{
    BmpImage strip;
    strip.bitsPerPixel = 1;
    strip.palette = { 0x000000, kWhite };
    strip.width = list.width * list.Count();
    strip.height = list.height;
    const std::size_t pixels = static_cast<std::size_t>(strip.width) * static_cast<std::size_t>(strip.height);
    // Entries of the wrong shape stay fully transparent rather than leaking garbage.
    strip.indices.assign(pixels, 1);
    for (int i = 0; i < list.Count(); ++i) {
        const ImageListEntry& entry = list.images[static_cast<std::size_t>(i)];
        if (!EntryMatches(list, entry))
            continue;
        for (int y = 0; y < list.height; ++y)
            for (int x = 0; x < list.width; ++x)
                strip.indices[static_cast<std::size_t>(y) * strip.width + i * list.width + x]
                    = entry.mask[static_cast<std::size_t>(y) * list.width + x] ? 1 : 0;
    }
    strip.pixels.resize(pixels);
    for (std::size_t i = 0; i < pixels; ++i)
        strip.pixels[i] = strip.palette[strip.indices[i]];
    return strip;
}

BmpSize ImageListStripPart(const ImageListContent& list, std::int64_t count, BmpSize stored)
{
    const std::int64_t width = list.width;
    const std::int64_t height = list.height;
    if (stored.height == list.height)
        return { ClampToInt(count * width), stored.height };
    const std::int64_t columns = std::max<std::int64_t>(1, stored.width / width);
    const std::int64_t rows = (count + columns - 1) / columns;
    return { ClampToInt(columns * width), ClampToInt(rows * height) };
}

namespace {

// Checked before each cut, so that the list never grows past the limit.
ImageListResult RoomFor(const ImageListContent& list, std::int64_t more)
{
    if (ImageListHasRoomFor(list, more))
        return {};
    return Fail(ImageListStatus::badSize, ImageListLimitMessage());
}

// Entries a bitmap cuts into: one per whole list width.
std::int64_t Columns(const ImageListContent& list, const BmpImage& image)
{
    return image.width / list.width;
}

ImageListResult ReadEntries(
    std::span<const std::uint8_t> stream, ImageListContent& list, const ImageListReadOptions& options)
{
    list.images.clear();
    if (!IsValidImageListSize(list.width, list.height))
        return Fail(ImageListStatus::badSize, "Invalid image list size");

    ByteReader in(stream);
    const std::int32_t marker = in.I32();
    const std::int32_t count = marker < 0 ? in.I32() : marker;
    if (!in.Ok())
        return Truncated();
    if (count < 0)
        return Fail(ImageListStatus::badCount, "Invalid image count in image list stream");

    // Every loop below consumes input on each pass, so an absurd count ends at
    // the end of the stream instead of spinning.
    BmpImage image;
    BmpImage mask;
    if (marker <= kMarkerStrips) {
        BmpSize stored;
        const BmpKeepRule usedPart = [&](BmpSize size) {
            stored = size;
            return ImageListStripPart(list, count, size);
        };
        if (auto r = ReadStripBlock(in, image, usedPart); !r.Ok())
            return r;
        if (auto r = ReadStripBlock(in, mask, SameAs(image)); !r.Ok())
            return r;
        if (stored.height == list.height) {
            if (auto r = RoomFor(list, std::min<std::int64_t>(count, Columns(list, image))); !r.Ok())
                return r;
            if (options.displayBitsPerPixel >= 8)
                AddImages(list, image, &mask);
            if (list.Count() > count)
                list.images.resize(static_cast<std::size_t>(count));
        } else {
            const std::int64_t tiles = Columns(list, image) * (image.height / list.height);
            if (auto r = RoomFor(list, std::min<std::int64_t>(count, tiles)); !r.Ok())
                return r;
            AddTiles(list, image, mask, count);
        }
        return {};
    }
    if (marker == kMarkerEntryStrips) {
        for (std::int32_t i = 0; i < count; ++i) {
            // Each pair adds no more entries than the count has left.
            const BmpKeepRule remaining = [&](BmpSize) {
                return BmpSize { ClampToInt(std::int64_t { count - list.Count() } * list.width), list.height };
            };
            if (auto r = ReadStripBlock(in, image, remaining); !r.Ok())
                return r;
            if (auto r = ReadStripBlock(in, mask, SameAs(image)); !r.Ok())
                return r;
            if (auto r = RoomFor(list, Columns(list, image)); !r.Ok())
                return r;
            AddImages(list, image, &mask);
        }
        return {};
    }
    for (std::int32_t i = 0; i < count; ++i) {
        if (auto r = ReadPlainBmp(in, image); !r.Ok())
            return r;
        if (auto r = RoomFor(list, Columns(list, image)); !r.Ok())
            return r;
        if (marker < 0) {
            if (auto r = ReadPlainBmp(in, mask); !r.Ok())
                return r;
            AddImages(list, image, &mask);
        } else if (HasPixels(image)) {
            const std::uint32_t bottomLeft = image.pixels[static_cast<std::size_t>(image.height - 1) * image.width];
            AddMaskedImages(list, image, bottomLeft);
        }
    }
    if (list.Count() != count)
        return Fail(ImageListStatus::countMismatch, "Failed to load ExImageList");
    return {};
}

} // namespace

ImageListResult ReadImageListStream(
    std::span<const std::uint8_t> stream, ImageListContent& list, const ImageListReadOptions& options)
{
    try {
        return ReadEntries(stream, list, options);
    } catch (const std::bad_alloc&) {
        return Fail(ImageListStatus::badSize, "Not enough memory for the images of the image list stream");
    }
}

ImageListResult ReadImageListStrips(
    std::span<const std::uint8_t> stream, int& count, BmpImage& imageStrip, BmpImage& maskStrip)
{
    ByteReader in(stream);
    const std::int32_t marker = in.I32();
    const std::int32_t n = in.I32();
    if (!in.Ok())
        return Truncated();
    if (marker > kMarkerStrips)
        return Fail(ImageListStatus::badImage, "Image list stream does not hold strips");
    if (n < 0)
        return Fail(ImageListStatus::badCount, "Invalid image count in image list stream");
    count = n;
    if (auto r = ReadStripBlock(in, imageStrip); !r.Ok())
        return r;
    return ReadStripBlock(in, maskStrip);
}

ImageListResult WriteImageListStream(const ImageListContent& list, std::vector<std::uint8_t>& out)
{
    out.clear();
    if (list.images.empty())
        return {};
    if (!IsValidImageListSize(list.width, list.height))
        return Fail(ImageListStatus::badSize, "Invalid image list size");
    if (!ImageListHasRoomFor(ImageListContent { list.width, list.height, {} }, list.Count()))
        return Fail(ImageListStatus::badSize, ImageListLimitMessage());
    for (const ImageListEntry& entry : list.images)
        if (!EntryMatches(list, entry))
            return Fail(ImageListStatus::badSize, "Image list entry does not match the list's size");
    return WriteImageListStrips(list.Count(), MakeImageStrip(list), MakeMaskStrip(list), out);
}

ImageListResult WriteImageListStrips(
    int count, const BmpImage& imageStrip, const BmpImage& maskStrip, std::vector<std::uint8_t>& out)
{
    out.clear();
    PutInt32(out, kMarkerStrips);
    PutInt32(out, count);
    if (auto r = WriteStripBlock(imageStrip, "image", out); !r.Ok())
        return r;
    return WriteStripBlock(maskStrip, "mask", out);
}

} // namespace folvane
