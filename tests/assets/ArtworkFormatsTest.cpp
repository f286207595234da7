// The artwork tool's writers: flattening keyed pictures, the palette cut, PNG,
// icon and skin-archive files, each read back independently (cairo, zlib, and
// hand-walked headers) rather than through the writer's own code.
#include "Formats.h"
#include "Paint.h"
#include "SkinArchive.h"
#include "assets/ArtworkTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace folvane {
namespace {

Raster Disc(Argb colour)
{
    Raster r(24, 24);
    cairo_arc(r.Cr(), 12, 12, 9.3, 0, 2 * M_PI);
    SetColour(r.Cr(), colour);
    cairo_fill(r.Cr());
    return r;
}

TEST(ArtworkFlatten, EdgesNeverBlendTowardsTheKey)
{
    // Without a matte, edge pixels keep their own colour: nothing between the
    // shape's colour and the key appears, so an exact-match cut leaves no fringe.
    const Raster disc = Disc(ink::navy);
    const std::vector<Argb> px = FlattenPixels(disc, { ink::faceKey, std::nullopt, 128 });
    int keyed = 0;
    for (Argb p : px) {
        if (p == ink::faceKey) {
            ++keyed;
            continue;
        }
        EXPECT_NEAR(RedOf(p), RedOf(ink::navy), 2);
        EXPECT_NEAR(GreenOf(p), GreenOf(ink::navy), 2);
        EXPECT_NEAR(BlueOf(p), BlueOf(ink::navy), 2);
    }
    EXPECT_GT(keyed, 100); // the corners
    EXPECT_LT(keyed, 576 - 250); // the disc
}

TEST(ArtworkFlatten, MatteMixesPartlyCoveredPixelsAndThresholdKeysTheRest)
{
    Raster r(3, 1);
    r.SetPixel(0, 0, WithAlpha(ink::white, 0.5));
    r.SetPixel(1, 0, WithAlpha(ink::white, 0.1));
    r.SetPixel(2, 0, ink::magenta); // drawn in the key colour itself
    const std::vector<Argb> px = FlattenPixels(r, { ink::magenta, ink::black, 64 });
    EXPECT_NEAR(RedOf(px[0]), 128, 1);
    EXPECT_EQ(px[0] >> 24, 0xFFu);
    EXPECT_EQ(px[1], ink::magenta);
    EXPECT_NE(px[2], ink::magenta) << "an opaque pixel must never read as the key";
    EXPECT_EQ(px[2] ^ ink::magenta, 0x100u);
}

TEST(ArtworkQuantize, KeyOwnsEntryZeroAndNothingElseMapsThere)
{
    std::vector<Argb> pixels;
    const int w = 64, h = 32;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x < 2)
                pixels.push_back(ink::faceKey);
            else if (x == 2)
                pixels.push_back(Rgb(0xFF06FF)); // one step from the key
            else
                pixels.push_back(
                    Rgb(static_cast<std::uint32_t>(x * 4) << 16 | static_cast<std::uint32_t>(y * 8) << 8 | 0x80));
        }
    const BmpImage image = QuantizePixels(pixels, w, h, 8, ink::faceKey);
    ASSERT_EQ(image.palette.size(), 256u);
    EXPECT_EQ(image.palette[0], 0xFF07FFu);
    ASSERT_EQ(image.indices.size(), pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        EXPECT_EQ(image.indices[i] == 0, pixels[i] == ink::faceKey) << "pixel " << i;
        const Argb got = image.palette[image.indices[i]];
        EXPECT_LE(std::abs(RedOf(got) - RedOf(pixels[i])), 16) << "pixel " << i;
        EXPECT_LE(std::abs(GreenOf(got) - GreenOf(pixels[i])), 16) << "pixel " << i;
        EXPECT_EQ(image.pixels[i], got);
    }
    for (std::size_t i = 1; i < image.palette.size(); ++i)
        EXPECT_NE(image.palette[i], 0xFF07FFu) << "entry " << i;
}

TEST(ArtworkQuantize, FewColoursAreKeptExactlyInSixteenEntries)
{
    std::vector<Argb> pixels;
    for (std::uint32_t i = 0; i < 30; ++i)
        pixels.push_back(i % 3 == 0 ? ink::magenta : Rgb(0x102030 + (i % 15) * 0x050403));
    const BmpImage image = QuantizePixels(pixels, 30, 1, 4, ink::magenta);
    ASSERT_EQ(image.palette.size(), 16u);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        EXPECT_EQ(image.pixels[i] | 0xFF000000u, pixels[i]);
}

TEST(ArtworkPng, ReadsBackWithCairoWithStraightAlpha)
{
    Raster source(9, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x)
            source.SetPixel(x, y, static_cast<Argb>(x * 31) << 24 | 0x3366CC);
    const std::vector<std::uint8_t> png = EncodePng(source);
    struct Reader {
        const std::vector<std::uint8_t>* bytes;
        std::size_t at = 0;
    } reader { &png };
    cairo_surface_t* back = cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* data, unsigned int length) {
            auto* rd = static_cast<Reader*>(closure);
            if (rd->at + length > rd->bytes->size())
                return CAIRO_STATUS_READ_ERROR;
            std::memcpy(data, rd->bytes->data() + rd->at, length);
            rd->at += length;
            return CAIRO_STATUS_SUCCESS;
        },
        &reader);
    ASSERT_EQ(cairo_surface_status(back), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(back), 9);
    ASSERT_EQ(cairo_image_surface_get_height(back), 5);
    const auto* data = cairo_image_surface_get_data(back);
    const int stride = cairo_image_surface_get_stride(back);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x) {
            const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
            const Argb expected = source.Pixel(x, y);
            EXPECT_EQ(p >> 24, static_cast<std::uint32_t>(AlphaOf(expected)));
            // cairo premultiplies: blue of 0xCC times alpha.
            EXPECT_NEAR(static_cast<int>(p & 0xFF), BlueOf(expected) * AlphaOf(expected) / 255, 2);
        }
    cairo_surface_destroy(back);
}

TEST(ArtworkIco, DirectoryPointsAtOneMaskedImagePerSize)
{
    Raster a(16, 16), b(32, 32);
    a.SetPixel(3, 0, ink::navy);
    b.SetPixel(0, 31, ink::navy); // bottom-left: first stored row
    const std::vector<std::uint8_t> ico = EncodeIco({ &a, &b });
    ASSERT_GE(ico.size(), 6u + 32u);
    EXPECT_EQ(Get16(ico, 0), 0);
    EXPECT_EQ(Get16(ico, 2), 1);
    ASSERT_EQ(Get16(ico, 4), 2);
    std::size_t end = 6 + 32;
    for (int i = 0; i < 2; ++i) {
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
        const int side = i == 0 ? 16 : 32;
        EXPECT_EQ(ico[entry], side);
        EXPECT_EQ(Get16(ico, entry + 6), 32);
        const std::size_t size = Get32(ico, entry + 8);
        const std::size_t offset = Get32(ico, entry + 12);
        EXPECT_EQ(offset, end);
        end = offset + size;
        ASSERT_LE(end, ico.size());
        EXPECT_EQ(Get32(ico, offset), 40u);
        EXPECT_EQ(Get32(ico, offset + 8), static_cast<std::uint32_t>(side * 2));
        // Pixels, then the AND mask: 4-byte rows, bit 1 = transparent.
        const std::size_t maskRow = 4;
        EXPECT_EQ(size, 40 + static_cast<std::size_t>(side * side * 4) + maskRow * static_cast<std::size_t>(side));
        const std::size_t mask = offset + 40 + static_cast<std::size_t>(side * side * 4);
        if (i == 1) {
            EXPECT_EQ(Get32(ico, offset + 40), 0xFF27377Fu); // (0, 31) is stored first
            EXPECT_EQ(ico[mask] & 0x80, 0); // and is opaque
            EXPECT_EQ(ico[mask] & 0x40, 0x40);
        }
    }
    EXPECT_EQ(end, ico.size());
}

TEST(ArtworkSkinArchive, ElementFileChainsEveryKindAndEnds)
{
    SkinElementFile file;
    file.AddBitmap("SKIN2_BUTTON", { 'B', 'M', 1, 2, 3 });
    file.AddInteger("SKIN2_FORMCOLOR", 0x00EDFCED);
    file.AddFlag("SKIN2_BUTTONTRANS", true);
    file.AddString("SKIN2_SKINNAME", "x");
    std::vector<int> kinds;
    const auto elements = Elements(file.Bytes(), &kinds);
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(kinds, (std::vector<int> { 0, 1, 2, 3 }));
    EXPECT_EQ(elements[0].first, "SKIN2_BUTTON");
    EXPECT_EQ(elements[0].second.size(), 5u);
    EXPECT_EQ(Get32(elements[1].second, 0), 0x00EDFCEDu);
    EXPECT_EQ(elements[2].second, std::vector<std::uint8_t> { 1 });
    EXPECT_EQ(elements[3].second, std::vector<std::uint8_t> { 'x' });
    EXPECT_THROW(file.AddInteger(std::string(65, 'N'), 1), std::exception)
        << "names longer than the 64-byte field must not be cut silently";
}

TEST(ArtworkSkinArchive, OneDeflatedMemberBehindAnSkSignature)
{
    std::vector<std::uint8_t> member(70000);
    for (std::size_t i = 0; i < member.size(); ++i)
        member[i] = static_cast<std::uint8_t>((i * 7) ^ (i >> 9));
    const std::vector<std::uint8_t> zip = WriteSkinArchive("SKINDATA.SK2", member);
    ASSERT_GT(zip.size(), 22u);
    EXPECT_EQ(std::string(zip.begin(), zip.begin() + 4), std::string("SK\x03\x04"));

    const std::size_t end = zip.size() - 22;
    EXPECT_EQ(Get32(zip, end), 0x06054B50u);
    EXPECT_EQ(Get16(zip, end + 20), 0) << "the reader refuses a comment";
    const std::size_t dir = Get32(zip, end + 16);
    EXPECT_EQ(Get32(zip, dir), 0x02014B50u);
    EXPECT_EQ(Get16(zip, dir + 8) & 1, 0) << "not enciphered";
    EXPECT_EQ(Get16(zip, dir + 10), 8);
    EXPECT_EQ(Get32(zip, dir + 24), member.size());
    EXPECT_EQ(Get16(zip, dir + 30), 0);
    EXPECT_EQ(Get16(zip, dir + 32), 0);
    const std::uint16_t nameLength = Get16(zip, dir + 28);
    EXPECT_EQ(std::string(zip.begin() + static_cast<std::ptrdiff_t>(dir + 46),
                  zip.begin() + static_cast<std::ptrdiff_t>(dir + 46 + nameLength)),
        "SKINDATA.SK2");
    EXPECT_EQ(dir + 46 + nameLength, end) << "one entry, right before the end record";

    const std::size_t local = Get32(zip, dir + 42);
    const std::size_t data = local + 30 + Get16(zip, local + 26) + Get16(zip, local + 28);
    const std::uint32_t packed = Get32(zip, dir + 20);
    EXPECT_EQ(data + packed, dir);

    const std::vector<std::uint8_t> out = InflateRaw(zip.data() + data, packed, member.size());
    EXPECT_EQ(out, member);
    EXPECT_EQ(
        Get32(zip, dir + 16), static_cast<std::uint32_t>(crc32(0, member.data(), static_cast<uInt>(member.size()))));
}

} // namespace
} // namespace folvane
