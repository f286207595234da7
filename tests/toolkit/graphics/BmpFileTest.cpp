// BMP parsing and encoding: round trips, hand-built headers, forged and
// truncated input, and files written by ImageMagick compared with its own
// decoding of them (the .rgba files beside each .bmp in data/).
#include "toolkit/graphics/BmpFile.h"

#include "BmpSamples.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint16_t v)
{
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A file image with the given headers and room for rows; fields not given
// are those of a plain bottom-up BI_RGB file.
struct Header {
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bpp = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t infoSize = 40;
    std::size_t extra = 0; // masks or colour table after the header
    std::int64_t offBits = -1; // -1: straight after header and extra
    std::size_t dataBytes = 0;
};

Bytes Build(const Header& h)
{
    const std::size_t headers = 14 + h.infoSize + h.extra;
    Bytes b(headers + h.dataBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, h.offBits < 0 ? static_cast<std::uint32_t>(headers) : static_cast<std::uint32_t>(h.offBits));
    Put32(b, 14, h.infoSize);
    Put32(b, 18, static_cast<std::uint32_t>(h.width));
    Put32(b, 22, static_cast<std::uint32_t>(h.height));
    Put16(b, 26, 1); // planes
    Put16(b, 28, h.bpp);
    Put32(b, 30, h.compression);
    Put32(b, 46, h.clrUsed);
    return b;
}

using testing::SampleImage;

TEST(BmpFile, RoundTripsEveryDepthAndOddWidths)
{
    for (int bpp : { 1, 4, 8, 16, 24, 32 }) {
        for (int width : { 1, 3, 7, 33 }) {
            SCOPED_TRACE("bpp " + std::to_string(bpp) + " width " + std::to_string(width));
            const BmpImage in = SampleImage(width, 5, bpp);
            const Bytes file = EncodeBmpFile(in);
            ASSERT_FALSE(file.empty());
            // Rows bottom-up, each padded to 4 bytes.
            const std::size_t table = bpp <= 8 ? (std::size_t { 4 } << bpp) : 0;
            EXPECT_EQ(
                file.size(), 54 + table + BmpRowBytes(static_cast<unsigned>(width), static_cast<unsigned>(bpp)) * 5);
            BmpImage out;
            std::size_t consumed = 0;
            std::string error;
            ASSERT_TRUE(ParseBmpFile(file, out, &consumed, &error)) << error;
            EXPECT_EQ(consumed, file.size());
            EXPECT_EQ(out.width, width);
            EXPECT_EQ(out.height, 5);
            EXPECT_EQ(out.bitsPerPixel, bpp);
            EXPECT_EQ(out.pixels, in.pixels);
            EXPECT_EQ(out.indices, in.indices);
            EXPECT_EQ(out.palette, in.palette);
        }
    }
}

TEST(BmpFile, EncodeWritesTheClassicLayout)
{
    BmpImage img;
    img.width = 3;
    img.height = 2;
    img.bitsPerPixel = 24;
    // Top row red, green, blue; bottom row black, white, grey.
    img.pixels = { 0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0xFFFFFF, 0x808080 };
    const Bytes f = EncodeBmpFile(img);
    ASSERT_EQ(f.size(), 54u + 2 * 12);
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(f[2], 54 + 24); // bfSize
    EXPECT_EQ(f[10], 54); // bfOffBits
    EXPECT_EQ(f[14], 40); // biSize
    EXPECT_EQ(f[22], 2); // positive height: bottom-up
    EXPECT_EQ(f[28], 24);
    // First stored row is the bottom one: black, white, grey, then 3 pad bytes.
    const Bytes firstRow(f.begin() + 54, f.begin() + 66);
    EXPECT_EQ(firstRow, (Bytes { 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x80, 0x80, 0x80, 0, 0, 0 }));
    // Second stored row: blue, green, red as B,G,R triples.
    EXPECT_EQ(f[66], 0x00);
    EXPECT_EQ(f[68], 0xFF); // red's R byte
    EXPECT_EQ(f[72], 0xFF); // blue's B byte
}

TEST(BmpFile, EncodeDerivesIndicesFromPixelsAndRejectsWhatItCannotDescribe)
{
    BmpImage mask;
    mask.width = 9;
    mask.height = 1;
    mask.bitsPerPixel = 1;
    mask.palette = { 0x000000, 0xFFFFFF };
    mask.pixels = { 0, 0xFFFFFF, 0, 0, 0xFEFEFE /* nearest: white */, 0, 0, 0, 0xFFFFFF };
    BmpImage back;
    ASSERT_TRUE(ParseBmpFile(EncodeBmpFile(mask), back));
    EXPECT_EQ(back.indices, (std::vector<std::uint8_t> { 0, 1, 0, 0, 1, 0, 0, 0, 1 }));

    BmpImage bad = SampleImage(4, 4, 24);
    bad.pixels.pop_back();
    EXPECT_TRUE(EncodeBmpFile(bad).empty());
    bad = SampleImage(4, 4, 24);
    bad.bitsPerPixel = 2;
    EXPECT_TRUE(EncodeBmpFile(bad).empty());
    EXPECT_TRUE(EncodeBmpFile(BmpImage {}).empty());
}

TEST(BmpFile, TopDownRowsAndShortColourTables)
{
    // 8 bits, 2 x 2, top-down, a table of 3 entries (biClrUsed = 3).
    Header h;
    h.bpp = 8;
    h.height = -2;
    h.clrUsed = 3;
    h.extra = 3 * 4;
    h.dataBytes = 2 * 4;
    Bytes b = Build(h);
    const std::size_t table = 54;
    Put32(b, table + 0, 0x00112233); // BGR0 little-endian: B=33 G=22 R=11
    Put32(b, table + 4, 0x00445566);
    Put32(b, table + 8, 0x00778899);
    const std::size_t rows = table + 12;
    b[rows + 0] = 0; // top row
    b[rows + 1] = 1;
    b[rows + 4] = 2; // bottom row
    b[rows + 5] = 7; // past the table: black, index kept
    BmpImage img;
    std::string error;
    ASSERT_TRUE(ParseBmpFile(b, img, nullptr, &error)) << error;
    ASSERT_EQ(img.palette.size(), 3u);
    EXPECT_EQ(img.palette[0], 0x112233u);
    EXPECT_EQ(img.pixels, (std::vector<std::uint32_t> { 0x112233, 0x445566, 0x778899, 0 }));
    EXPECT_EQ(img.indices, (std::vector<std::uint8_t> { 0, 1, 2, 7 }));

    // biClrUsed 0 means the full table of 2^bpp entries: 16 for 4 bits.
    Header f;
    f.bpp = 4;
    f.extra = 16 * 4;
    f.dataBytes = 2 * 4;
    Bytes full = Build(f);
    Put32(full, 54 + 15 * 4, 0x00ABCDEF);
    full[54 + 64] = 0xF0; // bottom row: index 15, then 0
    ASSERT_TRUE(ParseBmpFile(full, img, nullptr, &error)) << error;
    EXPECT_EQ(img.palette.size(), 16u);
    EXPECT_EQ(img.pixels[2], 0xABCDEFu); // bottom-left
    EXPECT_EQ(img.indices[3], 0);
    // The same file with its table cut short is truncated.
    full.resize(54 + 40);
    EXPECT_FALSE(ParseBmpFile(full, img, nullptr, &error));
    EXPECT_NE(error.find("colour table"), std::string::npos);
}

TEST(BmpFile, BitfieldsMasksInEveryPlace)
{
    // 16-bit 5-6-5 after a 40-byte header: masks follow as three DWORDs.
    Bytes b = Build({ .width = 1, .height = 1, .bpp = 16, .compression = 3, .extra = 12, .dataBytes = 4 });
    Put32(b, 54, 0xF800);
    Put32(b, 58, 0x07E0);
    Put32(b, 62, 0x001F);
    Put16(b, 66, 0xF81F); // full red, no green, full blue
    BmpImage img;
    std::string error;
    ASSERT_TRUE(ParseBmpFile(b, img, nullptr, &error)) << error;
    EXPECT_EQ(img.pixels[0], 0x00FF00FFu);
    Put16(b, 66, 0x07E0 & 0x0400); // top bit of 6 green bits: 0x20 of 0x3F
    ASSERT_TRUE(ParseBmpFile(b, img));
    EXPECT_EQ(img.pixels[0], 0x00008200u); // 100000 replicated: 10000010

    // 32-bit with a V5 header: masks and an alpha mask inside the header.
    Bytes c = Build({ .width = 1, .height = 1, .bpp = 32, .compression = 3, .infoSize = 124, .dataBytes = 4 });
    Put32(c, 54, 0x000000FF); // red in the low byte: unusual but legal
    Put32(c, 58, 0x0000FF00);
    Put32(c, 62, 0x00FF0000);
    Put32(c, 66, 0xFF000000);
    Put32(c, 138, 0x80332211);
    ASSERT_TRUE(ParseBmpFile(c, img, nullptr, &error)) << error;
    EXPECT_EQ(img.pixels[0], 0x80112233u);

    // Non-contiguous and oversized masks are refused.
    Put32(b, 54, 0xF00F);
    EXPECT_FALSE(ParseBmpFile(b, img, nullptr, &error));
    EXPECT_NE(error.find("contiguous"), std::string::npos);
    Put32(b, 54, 0x1F0000);
    EXPECT_FALSE(ParseBmpFile(b, img));
}

TEST(BmpFile, OsTwoCoreHeader)
{
    // 12-byte header, 1 bit, 3-byte table entries.
    Bytes b(14 + 12 + 6 + 4, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 14 + 12 + 6);
    Put32(b, 14, 12);
    Put16(b, 18, 3); // width
    Put16(b, 20, 1); // height
    Put16(b, 22, 1); // planes
    Put16(b, 24, 1); // bpp
    // Table at 26: entry 0 black, entry 1 as B, G, R bytes.
    b[26 + 3 + 0] = 0x10;
    b[26 + 3 + 1] = 0x20;
    b[26 + 3 + 2] = 0x30;
    b[32] = 0xA0; // 1 0 1
    BmpImage img;
    std::string error;
    ASSERT_TRUE(ParseBmpFile(b, img, nullptr, &error)) << error;
    EXPECT_EQ(img.palette[1], 0x302010u);
    EXPECT_EQ(img.indices, (std::vector<std::uint8_t> { 1, 0, 1 }));
}

TEST(BmpFile, RejectsForgedHeaders)
{
    struct Case {
        const char* what;
        Header h;
        const char* errorPart;
    };
    const Case cases[] = {
        { "zero width", { .width = 0, .dataBytes = 16 }, "no pixels" },
        { "negative width", { .width = -2, .dataBytes = 16 }, "no pixels" },
        { "huge", { .width = 100000, .height = 100000 }, "too large" },
        { "past int range when multiplied", { .width = 0x7FFFFFFF, .height = 0x7FFFFFFF }, "too large" },
        { "2 bits", { .bpp = 2, .dataBytes = 16 }, "bit depth" },
        { "RLE8", { .bpp = 8, .compression = 1, .extra = 1024, .dataBytes = 16 }, "compression" },
        { "bitfields at 24 bits", { .compression = 3, .extra = 12, .dataBytes = 16 }, "compression" },
        { "embedded PNG", { .compression = 5, .dataBytes = 16 }, "compression" },
        { "table larger than depth", { .bpp = 1, .clrUsed = 3, .extra = 12, .dataBytes = 8 }, "colour table" },
        { "header size 64", { .infoSize = 64, .dataBytes = 16 }, "header size" },
        { "offset into headers", { .offBits = 20, .dataBytes = 16 }, "offset" },
        { "offset past the end", { .offBits = 1000, .dataBytes = 16 }, "truncated" },
        { "rows missing", { .height = 3, .dataBytes = 16 }, "truncated" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes b = Build(c.h);
        BmpImage img;
        img.width = 99; // must be cleared on failure
        std::size_t consumed = 77;
        std::string error;
        EXPECT_FALSE(ParseBmpFile(b, img, &consumed, &error));
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
        EXPECT_EQ(img.width, 0);
        EXPECT_TRUE(img.pixels.empty());
        EXPECT_EQ(consumed, 0u);
    }
    Bytes notBmp = Build({ .dataBytes = 16 });
    notBmp[1] = 'A';
    std::string error;
    BmpImage img;
    EXPECT_FALSE(ParseBmpFile(notBmp, img, nullptr, &error));
    EXPECT_NE(error.find("BM"), std::string::npos);
}

TEST(BmpFile, EveryTruncationFailsCleanly)
{
    // Under AddressSanitizer a read past the copy's end would abort; the copy
    // is exactly as long as the prefix so that nothing hides an over-read.
    for (int bpp : { 1, 8, 16, 32 }) {
        const Bytes whole = EncodeBmpFile(SampleImage(5, 3, bpp));
        for (std::size_t n = 0; n < whole.size(); ++n) {
            const Bytes prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
            BmpImage img;
            EXPECT_FALSE(ParseBmpFile(prefix, img)) << "bpp " << bpp << " length " << n;
        }
    }
}

TEST(BmpFile, ConsumedFindsTheNextImageInAConcatenation)
{
    const Bytes a = EncodeBmpFile(SampleImage(3, 2, 8));
    const Bytes b = EncodeBmpFile(SampleImage(4, 1, 1));
    Bytes both = a;
    both.insert(both.end(), b.begin(), b.end());
    BmpImage first, second;
    std::size_t used = 0;
    ASSERT_TRUE(ParseBmpFile(both, first, &used));
    EXPECT_EQ(used, a.size());
    ASSERT_TRUE(ParseBmpFile(std::span(both).subspan(used), second, &used));
    EXPECT_EQ(used, b.size());
    EXPECT_EQ(second.width, 4);
    EXPECT_EQ(second.bitsPerPixel, 1);
}

// ---------------------------------------------------------------------------
// Files written by ImageMagick, each with ImageMagick's own RGBA decoding.

using test::ReadFile;

TEST(BmpFile, MatchesImageMagickDecoding)
{
    struct File {
        const char* name;
        int width, height, bpp;
        bool compareAlpha;
    };
    const File files[] = {
        { "rgb24", 7, 5, 24, false },
        { "pal1", 7, 5, 1, false },
        { "pal4", 7, 5, 4, false },
        { "pal8", 20, 20, 8, false },
        { "rgb565", 7, 5, 16, false },
        { "argb1555", 7, 5, 16, false },
        { "argb32", 7, 5, 32, true },
    };
    for (const File& f : files) {
        SCOPED_TRACE(f.name);
        const std::string base = std::string(FOLVANE_GRAPHICS_TEST_DATA) + "/" + f.name;
        const Bytes bmp = ReadFile(base + ".bmp");
        const Bytes rgba = ReadFile(base + ".rgba");
        ASSERT_FALSE(bmp.empty());
        BmpImage img;
        std::size_t consumed = 0;
        std::string error;
        ASSERT_TRUE(ParseBmpFile(bmp, img, &consumed, &error)) << error;
        EXPECT_EQ(consumed, bmp.size());
        EXPECT_EQ(img.width, f.width);
        EXPECT_EQ(img.height, f.height);
        EXPECT_EQ(img.bitsPerPixel, f.bpp);
        ASSERT_EQ(rgba.size(), img.pixels.size() * 4);
        for (std::size_t i = 0; i < img.pixels.size(); ++i) {
            const std::uint32_t p = img.pixels[i];
            const std::uint32_t want = (static_cast<std::uint32_t>(rgba[4 * i]) << 16)
                | (static_cast<std::uint32_t>(rgba[4 * i + 1]) << 8) | rgba[4 * i + 2];
            ASSERT_EQ(p & 0xFFFFFF, want) << "pixel " << i;
            if (f.compareAlpha) {
                // ImageMagick rounds 50% to 127 or 128 depending on version.
                EXPECT_NEAR(static_cast<int>(p >> 24), rgba[4 * i + 3], 1) << "pixel " << i;
            }
        }
    }
    // The RLE8 file ImageMagick writes by default is refused, not misread.
    BmpImage img;
    std::string error;
    EXPECT_FALSE(ParseBmpFile(ReadFile(std::string(FOLVANE_GRAPHICS_TEST_DATA) + "/rle8.bmp"), img, nullptr, &error));
    EXPECT_NE(error.find("compression"), std::string::npos);
}

} // namespace
} // namespace folvane
