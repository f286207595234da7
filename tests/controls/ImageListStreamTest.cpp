// The "Bitmap" stream: every stored form, cutting and tiling, the writer's
// exact layout, and malformed input.
#include "controls/ImageListStream.h"
#include "controls/RunLengthCodec.h"
#include "support/CostMeter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace folvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutInt32(Bytes& out, std::int32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
}

std::int32_t Int32At(const Bytes& bytes, std::size_t at)
{
    return static_cast<std::int32_t>(
        bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// A pixel that tells entry, x and y apart.
std::uint32_t Probe(int entry, int x, int y)
{
    return static_cast<std::uint32_t>((entry * 37 + 11) << 16 | (x * 5) << 8 | y * 7) & 0xFFFFFF;
}

// Entry e opaque except a diagonal band, so every mask differs.
bool ProbeTransparent(int entry, int x, int y)
{
    return (x + y + entry) % 5 == 0;
}

BmpImage ImageStrip(int entries, int width, int height, int bitsPerPixel = 32)
{
    BmpImage strip;
    strip.width = entries * width;
    strip.height = height;
    strip.bitsPerPixel = bitsPerPixel;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < strip.width; ++x)
            strip.pixels.push_back(Probe(x / width, x % width, y));
    return strip;
}

BmpImage MaskStrip(int entries, int width, int height)
{
    BmpImage strip;
    strip.width = entries * width;
    strip.height = height;
    strip.bitsPerPixel = 1;
    strip.palette = { 0x000000, 0xFFFFFF };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < strip.width; ++x) {
            const bool clear = ProbeTransparent(x / width, x % width, y);
            strip.indices.push_back(clear ? 1 : 0);
            strip.pixels.push_back(clear ? 0xFFFFFF : 0);
        }
    return strip;
}

// A strip block as stored: L, packets, U, T.
Bytes Block(const Bytes& file, std::int32_t unitBits)
{
    const Bytes packed = RleEncode(file, RleUnitBytes(unitBits));
    Bytes out;
    PutInt32(out, static_cast<std::int32_t>(packed.size()));
    out.insert(out.end(), packed.begin(), packed.end());
    PutInt32(out, static_cast<std::int32_t>(file.size()));
    PutInt32(out, unitBits);
    return out;
}

Bytes Header(std::int32_t marker, std::int32_t count)
{
    Bytes out;
    PutInt32(out, marker);
    if (marker < 0)
        PutInt32(out, count);
    return out;
}

void Append(Bytes& out, const Bytes& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

ImageListContent List(int width, int height)
{
    ImageListContent list;
    list.width = width;
    list.height = height;
    return list;
}

// Checks entry i of the list against the probe pattern of entry `source`.
void ExpectEntry(const ImageListContent& list, int i, int source, bool masked = true)
{
    SCOPED_TRACE("entry " + std::to_string(i));
    const ImageListEntry& entry = list.images.at(static_cast<std::size_t>(i));
    ASSERT_EQ(entry.pixels.size(), static_cast<std::size_t>(list.width * list.height));
    for (int y = 0; y < list.height; ++y)
        for (int x = 0; x < list.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * list.width + x);
            ASSERT_EQ(entry.pixels[at] & 0xFFFFFF, Probe(source, x, y)) << x << "," << y;
            ASSERT_EQ(entry.mask[at], masked && ProbeTransparent(source, x, y) ? 1 : 0) << x << "," << y;
        }
}

ImageListResult Read(const Bytes& stream, ImageListContent& list, int displayBits = 32)
{
    return ReadImageListStream(stream, list, ImageListReadOptions { displayBits });
}

Bytes StripStream(std::int32_t count, const BmpImage& image, const BmpImage& mask, std::int32_t imageUnit = 32,
    std::int32_t maskUnit = 32)
{
    Bytes stream = Header(-4, count);
    Append(stream, Block(EncodeBmpFile(image), imageUnit));
    Append(stream, Block(EncodeBmpFile(mask), maskUnit));
    return stream;
}

TEST(ControlsImageListStream, WriterLayoutAndRoundTrip)
{
    ImageListContent list = List(30, 22);
    ASSERT_EQ(AddImages(list, ImageStrip(7, 30, 22), nullptr), 7);
    for (int i = 0; i < 7; ++i)
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 30; ++x)
                list.images[i].mask[y * 30 + x] = ProbeTransparent(i, x, y) ? 1 : 0;

    Bytes stream;
    ASSERT_TRUE(WriteImageListStream(list, stream).Ok());
    ASSERT_GT(stream.size(), 8u);
    EXPECT_EQ((Bytes(stream.begin(), stream.begin() + 4)), (Bytes { 0xFC, 0xFF, 0xFF, 0xFF }));
    EXPECT_EQ(Int32At(stream, 4), 7);
    // Image block: 32-bit strip 210 x 22 -> 54 + 210*22*4 bytes, unit 32.
    const std::size_t imageL = static_cast<std::size_t>(Int32At(stream, 8));
    EXPECT_EQ(Int32At(stream, 12 + imageL), 54 + 210 * 22 * 4);
    EXPECT_EQ(Int32At(stream, 16 + imageL), 32);
    // Mask block: 1-bit strip, palette of 2, rows of 28 bytes, unit 8.
    const std::size_t maskAt = 20 + imageL;
    const std::size_t maskL = static_cast<std::size_t>(Int32At(stream, maskAt));
    EXPECT_EQ(Int32At(stream, maskAt + 4 + maskL), 54 + 8 + 28 * 22);
    EXPECT_EQ(Int32At(stream, maskAt + 8 + maskL), 8);
    EXPECT_EQ(stream.size(), maskAt + 12 + maskL);

    ImageListContent back = List(30, 22);
    back.images.resize(3); // cleared by the read
    ASSERT_TRUE(Read(stream, back).Ok());
    ASSERT_EQ(back.Count(), 7);
    for (int i = 0; i < 7; ++i)
        ExpectEntry(back, i, i);

    // Writing again gives the same bytes.
    Bytes again;
    ASSERT_TRUE(WriteImageListStream(back, again).Ok());
    EXPECT_EQ(again, stream);
}

TEST(ControlsImageListStream, EmptyListWritesNothing)
{
    ImageListContent list = List(16, 16);
    Bytes stream = { 1, 2, 3 };
    ASSERT_TRUE(WriteImageListStream(list, stream).Ok());
    EXPECT_TRUE(stream.empty());
    EXPECT_EQ(Read(stream, list).status, ImageListStatus::truncated);
    // A stream that holds zero entries reads back empty.
    ASSERT_TRUE(Read(Header(0, 0), list).Ok());
    EXPECT_EQ(list.Count(), 0);
}

TEST(ControlsImageListStream, StripsAtEveryUnitSize)
{
    // T only names the packet unit; any depth may sit inside any unit.
    struct Case {
        int bits;
        std::int32_t unit;
    };
    for (const Case c : { Case { 32, 32 }, Case { 24, 24 }, Case { 16, 16 }, Case { 16, 15 }, Case { 8, 8 },
             Case { 32, 8 }, Case { 24, 32 } }) {
        SCOPED_TRACE("bits " + std::to_string(c.bits) + " unit " + std::to_string(c.unit));
        BmpImage image = ImageStrip(3, 5, 4, c.bits);
        if (c.bits == 8) {
            // An 8-bit strip needs a palette that holds every probe colour.
            for (std::uint32_t& p : image.pixels) {
                auto it = std::find(image.palette.begin(), image.palette.end(), p);
                if (it == image.palette.end())
                    it = image.palette.insert(image.palette.end(), p);
                image.indices.push_back(static_cast<std::uint8_t>(it - image.palette.begin()));
            }
        }
        const Bytes file = EncodeBmpFile(image);
        ASSERT_FALSE(file.empty());
        BmpImage expected;
        ASSERT_TRUE(ParseBmpFile(file, expected));

        ImageListContent list = List(5, 4);
        ASSERT_TRUE(Read(StripStream(3, image, MaskStrip(3, 5, 4), c.unit, c.unit), list).Ok());
        ASSERT_EQ(list.Count(), 3);
        for (int i = 0; i < 3; ++i)
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 5; ++x)
                    ASSERT_EQ(
                        list.images[i].pixels[y * 5 + x] & 0xFFFFFF, expected.pixels[y * 15 + i * 5 + x] & 0xFFFFFF);
    }
}

TEST(ControlsImageListStream, StoredPaddingOfTheLastUnitIsDropped)
{
    // Seven 16 x 18 images: a 32-bit strip of 54 + 112*18*4 = 8118 bytes,
    // packed in 4-byte units that produce 8120; the stored mask uses unit 32 too.
    const Bytes file = EncodeBmpFile(ImageStrip(7, 16, 18));
    ASSERT_EQ(file.size(), 8118u);
    Bytes packed;
    ASSERT_EQ(RleDecode(RleEncode(file, 4), 4, 8120, packed), RleStatus::ok);
    EXPECT_EQ(packed.size(), 8120u);

    ImageListContent list = List(16, 18);
    ASSERT_TRUE(Read(StripStream(7, ImageStrip(7, 16, 18), MaskStrip(7, 16, 18), 32, 32), list).Ok());
    ASSERT_EQ(list.Count(), 7);
    for (int i = 0; i < 7; ++i)
        ExpectEntry(list, i, i);
}

TEST(ControlsImageListStream, CountCutsAndTilesTheStrip)
{
    // N = 5 over a strip of 7: the first five.
    ImageListContent list = List(6, 4);
    ASSERT_TRUE(Read(StripStream(5, ImageStrip(7, 6, 4), MaskStrip(7, 6, 4)), list).Ok());
    ASSERT_EQ(list.Count(), 5);
    for (int i = 0; i < 5; ++i)
        ExpectEntry(list, i, i);

    // N larger than the strip: what the strip holds, no error for this form.
    ASSERT_TRUE(Read(StripStream(9, ImageStrip(7, 6, 4), MaskStrip(7, 6, 4)), list).Ok());
    EXPECT_EQ(list.Count(), 7);

    // A strip 24 x 8 read by a 6 x 2 list: tiles left to right, then down,
    // until N = 6 entries. Tile (column c, row r) sits at x = 6c, y = 2r.
    ImageListContent tiled = List(6, 2);
    ASSERT_TRUE(Read(StripStream(6, ImageStrip(4, 6, 8), MaskStrip(4, 6, 8)), tiled).Ok());
    ASSERT_EQ(tiled.Count(), 6);
    for (int i = 0; i < 6; ++i) {
        const int column = i % 4;
        const int row = i / 4;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 6; ++x) {
                EXPECT_EQ(tiled.images[i].pixels[y * 6 + x] & 0xFFFFFF, Probe(column, x, y + 2 * row));
                EXPECT_EQ(tiled.images[i].mask[y * 6 + x], ProbeTransparent(column, x, y + 2 * row) ? 1 : 0);
            }
    }

    // Whole strips add nothing on a display below 8 bits; tiling still works.
    ASSERT_TRUE(Read(StripStream(7, ImageStrip(7, 6, 4), MaskStrip(7, 6, 4)), list, 4).Ok());
    EXPECT_EQ(list.Count(), 0);
    ASSERT_TRUE(Read(StripStream(6, ImageStrip(4, 6, 8), MaskStrip(4, 6, 8)), tiled, 4).Ok());
    EXPECT_EQ(tiled.Count(), 6);
}

TEST(ControlsImageListStream, PerEntryAndPlainForms)
{
    // V = -3: one pair of strip blocks per entry.
    Bytes entries = Header(-3, 2);
    for (int i = 0; i < 2; ++i) {
        Append(entries, Block(EncodeBmpFile(ImageStrip(1, 4, 3)), 24));
        Append(entries, Block(EncodeBmpFile(MaskStrip(1, 4, 3)), 8));
    }
    ImageListContent list = List(4, 3);
    ASSERT_TRUE(Read(entries, list).Ok());
    ASSERT_EQ(list.Count(), 2);
    ExpectEntry(list, 1, 0);

    // V = -1 and -2: N plain BMP pairs back to back, one entry each.
    for (std::int32_t marker : { -1, -2 }) {
        Bytes plain = Header(marker, 2);
        for (int i = 0; i < 2; ++i) {
            Append(plain, EncodeBmpFile(ImageStrip(1, 4, 3, 24)));
            Append(plain, EncodeBmpFile(MaskStrip(1, 4, 3)));
        }
        const ImageListResult ok = Read(plain, list);
        ASSERT_TRUE(ok.Ok()) << marker << " " << ok.message;
        ASSERT_EQ(list.Count(), 2);
        ExpectEntry(list, 1, 0);

        // A pair twice as wide adds two entries: three for N = 2 fails.
        Bytes wide = Header(marker, 2);
        Append(wide, EncodeBmpFile(ImageStrip(2, 4, 3, 24)));
        Append(wide, EncodeBmpFile(MaskStrip(2, 4, 3)));
        Append(wide, EncodeBmpFile(ImageStrip(1, 4, 3, 24)));
        Append(wide, EncodeBmpFile(MaskStrip(1, 4, 3)));
        const ImageListResult r = Read(wide, list);
        EXPECT_EQ(r.status, ImageListStatus::countMismatch);
        EXPECT_EQ(r.message, "Failed to load ExImageList");
        ASSERT_EQ(list.Count(), 3);
        ExpectEntry(list, 1, 1);
    }

    // V >= 0: N plain images, transparent where the bottom-left colour is.
    BmpImage keyed = ImageStrip(1, 4, 3, 24);
    const std::uint32_t key = 0xFF00FF;
    keyed.pixels[2 * 4 + 0] = key; // bottom-left
    keyed.pixels[0 * 4 + 1] = key;
    Bytes masked = Header(2, 0);
    Append(masked, EncodeBmpFile(keyed));
    Append(masked, EncodeBmpFile(ImageStrip(1, 4, 3, 24)));
    ASSERT_TRUE(Read(masked, list).Ok());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(std::count(list.images[0].mask.begin(), list.images[0].mask.end(), 1), 2);
    EXPECT_EQ(list.images[0].mask[2 * 4 + 0], 1);
    EXPECT_EQ(list.images[0].mask[0 * 4 + 1], 1);
    // The second image's own bottom-left colour occurs once.
    EXPECT_EQ(std::count(list.images[1].mask.begin(), list.images[1].mask.end(), 1), 1);

    Bytes wide = Header(1, 0); // one image adding two entries
    Append(wide, EncodeBmpFile(ImageStrip(2, 4, 3, 24)));
    EXPECT_EQ(Read(wide, list).status, ImageListStatus::countMismatch);
}

TEST(ControlsImageListStream, MalformedStreamsFailWithoutReadingOutside)
{
    const Bytes good = StripStream(3, ImageStrip(3, 5, 4), MaskStrip(3, 5, 4));
    ImageListContent list = List(5, 4);
    ASSERT_TRUE(Read(good, list).Ok());
    // Every shorter prefix fails (the sanitizers catch any read beyond it).
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        const ImageListResult r = Read(cut, list);
        ASSERT_FALSE(r.Ok()) << n;
        ASSERT_FALSE(r.message.empty());
    }

    // Unknown unit.
    Bytes stream = Header(-4, 1);
    Append(stream, Block(EncodeBmpFile(ImageStrip(1, 5, 4)), 32));
    const std::size_t unitAt = stream.size() - 4;
    stream[unitAt] = 12;
    EXPECT_EQ(Read(stream, list).status, ImageListStatus::badUnit);

    // Packets that unpack into something other than a BMP.
    Bytes notBmp = Header(-4, 1);
    Append(notBmp, Block(Bytes(80, 0x42), 8));
    Append(notBmp, Block(EncodeBmpFile(MaskStrip(1, 5, 4)), 8));
    EXPECT_EQ(Read(notBmp, list).status, ImageListStatus::badImage);

    // U beyond what the packets produce; negative L, U and N.
    Bytes longU = Header(-4, 1);
    Append(longU, Block(EncodeBmpFile(ImageStrip(1, 5, 4)), 32));
    longU[longU.size() - 8] = 0xFF;
    longU[longU.size() - 7] = 0xFF;
    longU[longU.size() - 6] = 0xFF;
    longU[longU.size() - 5] = 0x7F;
    EXPECT_EQ(Read(longU, list).status, ImageListStatus::badImage);
    Bytes negative = Header(-4, 1);
    PutInt32(negative, -1);
    EXPECT_FALSE(Read(negative, list).Ok());
    EXPECT_EQ(Read(Header(-4, -1), list).status, ImageListStatus::badCount);
    EXPECT_EQ(Read(Header(-1, -7), list).status, ImageListStatus::badCount);

    // A huge count in the plain form ends at the end of the data.
    Bytes many = Header(0x7FFFFFFF, 0);
    Append(many, EncodeBmpFile(ImageStrip(1, 5, 4)));
    EXPECT_EQ(Read(many, list).status, ImageListStatus::truncated);
    EXPECT_EQ(list.Count(), 1); // the entries read so far stay

    // Per-entry form: the second pair is broken, the first entry stays.
    Bytes partial = Header(-3, 2);
    Append(partial, Block(EncodeBmpFile(ImageStrip(1, 5, 4)), 32));
    Append(partial, Block(EncodeBmpFile(MaskStrip(1, 5, 4)), 8));
    PutInt32(partial, 100); // L of the next image block, and nothing after it
    EXPECT_EQ(Read(partial, list).status, ImageListStatus::truncated);
    EXPECT_EQ(list.Count(), 1);

    // A list without a sensible size reads nothing.
    ImageListContent bad = List(0, 16);
    EXPECT_EQ(Read(good, bad).status, ImageListStatus::badSize);
}

TEST(ControlsImageListStream, StripsAreDecodedOnlyAsFarAsTheCountNeeds)
{
    // A mask strip of 69 Mi pixels packs into a few kilobytes; one entry needs
    // 4 x 3 of it, and only that much is decoded, so it reads.
    Bytes mask = EncodeBmpFile(MaskStrip(1, 4, 3));
    const std::uint32_t offBits = static_cast<std::uint32_t>(Int32At(mask, 10));
    mask.resize(offBits);
    const std::int32_t wide = 23'000'000;
    mask[18] = static_cast<std::uint8_t>(wide);
    mask[19] = static_cast<std::uint8_t>(wide >> 8);
    mask[20] = static_cast<std::uint8_t>(wide >> 16);
    mask[21] = static_cast<std::uint8_t>(wide >> 24);
    mask.resize(offBits + 3 * ((wide + 31) / 32) * 4, 0);
    Bytes stream = Header(-4, 1);
    Append(stream, Block(EncodeBmpFile(ImageStrip(1, 4, 3)), 32));
    Append(stream, Block(mask, 8));
    ImageListContent list = List(4, 3);
    const ImageListResult r = Read(stream, list);
    ASSERT_TRUE(r.Ok()) << r.message;
    ASSERT_EQ(list.Count(), 1);
    ExpectEntry(list, 0, 0, false);

    // What is kept: N images, plus the unused rest of the last row of tiles.
    const ImageListContent tiles = List(6, 2);
    const auto area = [&](int count, BmpSize stored) {
        const BmpSize part = ImageListStripPart(tiles, count, stored);
        return std::int64_t { std::min(part.width, stored.width) } * std::min(part.height, stored.height);
    };
    EXPECT_EQ(area(5, { 6 * 100'000, 2 }), 5 * 12);
    EXPECT_EQ(area(6, { 4 * 6, 100'000 }), 8 * 12);
    EXPECT_EQ(area(1, { 1, 10'000'000 }), 2);
    EXPECT_EQ(area(0x7FFFFFFF, { 6, 2 }), 12);
}

// `count` pairs of plain 1-bit bitmaps of width x height, all black (V = -1).
Bytes PlainPairs(int count, int width, int height)
{
    BmpImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 1;
    image.palette = { 0x000000, 0xFFFFFF };
    image.indices.assign(static_cast<std::size_t>(width) * height, 0);
    image.pixels.assign(image.indices.size(), 0);
    const Bytes file = EncodeBmpFile(image);
    Bytes stream = Header(-1, count);
    for (int i = 0; i < 2 * count; ++i)
        Append(stream, file);
    return stream;
}

TEST(ControlsImageListStream, TheTotalOfPixelsIsLimitedBeforeAnythingIsCut)
{
    // Each one-row bitmap becomes an entry of the list's full height: 6 KiB of stream would
    // make 80 Mi pixels of entries. The limit is checked before the cut.
    const int side = kMaxImageListSide;
    const int most = static_cast<int>(kMaxImageListPixels / (side * side));
    ImageListContent list = List(side, side);
    const ImageListResult r = Read(PlainPairs(most + 1, side, 1), list);
    EXPECT_EQ(r.status, ImageListStatus::badSize);
    EXPECT_NE(r.message.find(std::to_string(kMaxImageListPixels)), std::string::npos) << r.message;
    EXPECT_EQ(list.Count(), most);

    // The writer holds to the same limit, before it builds any strip.
    ImageListContent wide = List(kMaxImageListSide, kMaxImageListSide);
    wide.images.resize(kMaxImageListPixels / (kMaxImageListSide * kMaxImageListSide) + 1);
    Bytes written;
    const ImageListResult over = WriteImageListStream(wide, written);
    EXPECT_EQ(over.status, ImageListStatus::badSize);
    EXPECT_NE(over.message.find(std::to_string(kMaxImageListPixels)), std::string::npos) << over.message;
}

TEST(ControlsImageListStream, CuttingHandlesOddShapes)
{
    ImageListContent list = List(4, 4);
    // Narrower than the list: nothing; leftover columns dropped.
    EXPECT_EQ(AddImages(list, ImageStrip(1, 3, 4), nullptr), 0);
    EXPECT_EQ(AddImages(list, ImageStrip(1, 9, 4), nullptr), 2);
    // Shorter than the list: the missing rows are transparent.
    EXPECT_EQ(AddImages(list, ImageStrip(1, 4, 2), nullptr), 1);
    const ImageListEntry& shortEntry = list.images.back();
    EXPECT_EQ(shortEntry.mask[1 * 4 + 2], 0);
    EXPECT_EQ(shortEntry.mask[2 * 4 + 2], 1);
    EXPECT_EQ(shortEntry.pixels[3 * 4 + 3], 0u);
    // A mask smaller than the image leaves the rest opaque.
    BmpImage clear = MaskStrip(1, 4, 4);
    std::fill(clear.pixels.begin(), clear.pixels.end(), 0xFFFFFF);
    list.images.clear();
    EXPECT_EQ(AddImages(list, ImageStrip(2, 4, 4), &clear), 2);
    EXPECT_EQ(std::count(list.images[0].mask.begin(), list.images[0].mask.end(), 1), 16);
    EXPECT_EQ(std::count(list.images[1].mask.begin(), list.images[1].mask.end(), 1), 0);
    // Colour keys ignore the alpha byte.
    BmpImage keyed = ImageStrip(1, 4, 4);
    keyed.pixels[5] = 0x7F123456;
    list.images.clear();
    EXPECT_EQ(AddMaskedImages(list, keyed, 0xAA123456), 1);
    EXPECT_EQ(std::count(list.images[0].mask.begin(), list.images[0].mask.end(), 1), 1);
}

// One strip of `count` images of 16 x 16 side by side, packed in runs (V = -4).
Bytes RunStrip(int count)
{
    ImageListContent list;
    list.width = 16;
    list.height = 16;
    list.images.resize(static_cast<std::size_t>(count), { std::vector<std::uint32_t>(256, 0x123456), Bytes(256, 0) });
    Bytes stream;
    EXPECT_TRUE(WriteImageListStream(list, stream).Ok());
    return stream;
}

void ReadSixteens(const Bytes& stream)
{
    ImageListContent list = List(16, 16);
    const ImageListResult r = Read(stream, list);
    ASSERT_TRUE(r.Ok()) << r.message;
}

TEST(ControlsImageListStream, ReadingCostsLinearTimeAndMemory)
{
    for (auto shape : { +[](int n) { return PlainPairs(n, 16, 16); }, RunStrip }) {
        const Bytes small = shape(250);
        const Bytes large = shape(1000);
        EXPECT_EQ(test::CheckLinearCost([&] { ReadSixteens(small); }, [&] { ReadSixteens(large); }), "");
    }
}

} // namespace
} // namespace folvane
