// TBitmap under Wine: BMP bytes in and out at every depth, resources, pixel
// access against GDI's own view of the DIB, size and format changes, masks.
#include "BmpSamples.h"
#include "GraphicsTestUtil.h"

#include "toolkit/graphics/TextConvert.h"

namespace folvane {
namespace {

using testing::CountColor;
using testing::Fill;

using testing::SampleImage;

TEST(Bitmap, BmpBytesRoundTripAtEveryDepthAndAgreeWithGdi)
{
    for (int bpp : { 1, 4, 8, 16, 24, 32 }) {
        SCOPED_TRACE("bpp " + std::to_string(bpp));
        const BmpImage in = SampleImage(13, 6, bpp);
        TBitmap bmp;
        std::string error;
        ASSERT_TRUE(bmp.LoadFromBmpBytes(EncodeBmpFile(in), &error)) << error;
        EXPECT_EQ(bmp.Width(), 13);
        EXPECT_EQ(bmp.Height(), 6);
        EXPECT_EQ(bmp.BitsPerPixel(), bpp);
        // Our reading of the bits and GDI's (through the canvas) agree, so
        // the DIB really is top-down with the layout we think.
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 13; ++x) {
                const std::uint32_t want = in.pixels[static_cast<std::size_t>(y) * 13 + static_cast<std::size_t>(x)];
                ASSERT_EQ(bmp.Pixel(x, y), PixelToColor(want)) << x << "," << y;
                ASSERT_EQ(bmp.Canvas().Pixel(x, y), PixelToColor(want)) << x << "," << y;
            }
        BmpImage out;
        ASSERT_TRUE(ParseBmpFile(bmp.SaveToBmpBytes(), out, nullptr, &error)) << error;
        EXPECT_EQ(out.bitsPerPixel, bpp);
        EXPECT_EQ(out.pixels, in.pixels);
        EXPECT_EQ(out.indices, in.indices);
    }
}

TEST(Bitmap, FailedLoadsLeaveTheBitmapAsItWas)
{
    TBitmap bmp;
    Fill(bmp, 4, 4, clRed);
    std::vector<std::uint8_t> bytes = EncodeBmpFile(SampleImage(100, 100, 24));
    bytes.resize(bytes.size() - 1);
    std::string error;
    EXPECT_FALSE(bmp.LoadFromBmpBytes(bytes, &error));
    EXPECT_NE(error.find("truncated"), std::string::npos);
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_EQ(bmp.Pixel(3, 3), clRed);
    BmpImage mismatched = SampleImage(3, 3, 24);
    mismatched.pixels.pop_back();
    EXPECT_FALSE(bmp.LoadFromImage(mismatched, &error));
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_TRUE(TBitmap().SaveToBmpBytes().empty());
}

TEST(Bitmap, ResourcesAreParsedAndValidated)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    TBitmap bmp;
    std::string error;
    // 7 x 5, 4 bits: red with a blue top-left and a lime bottom-right pixel.
    ASSERT_TRUE(bmp.LoadFromResourceName(self, "TEST_PAL4", &error)) << error;
    EXPECT_EQ(bmp.Width(), 7);
    EXPECT_EQ(bmp.Height(), 5);
    EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf4bit);
    EXPECT_EQ(bmp.Pixel(0, 0), clBlue);
    EXPECT_EQ(bmp.Pixel(6, 4), clLime);
    EXPECT_EQ(bmp.Pixel(3, 2), clRed);
    // The automatic transparent colour comes from the bottom-left pixel.
    EXPECT_EQ(bmp.TransparentColor(), clRed);
    ASSERT_TRUE(bmp.LoadFromResourceName(self, "TEST_RGB24", &error)) << error;
    EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(bmp.Pixel(0, 0), clBlue);

    // A bitmap resource whose header promises more rows than it holds.
    EXPECT_FALSE(bmp.LoadFromResourceName(self, "TEST_FORGED", &error));
    EXPECT_NE(error.find("truncated"), std::string::npos);
    EXPECT_FALSE(bmp.LoadFromResourceName(self, "NO_SUCH_BITMAP", &error));
    EXPECT_EQ(bmp.Width(), 7); // still the last good picture
}

TEST(Bitmap, SizeAndFormatChangesKeepThePicture)
{
    TBitmap bmp;
    Fill(bmp, 10, 10, clWhite);
    bmp.Canvas().Brush().SetColor(clRed);
    bmp.Canvas().FillRect(MakeRect(0, 0, 5, 5));
    int changes = 0;
    bmp.OnChange = [&] { ++changes; };
    bmp.SetSize(6, 12);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bmp.Pixel(4, 4), clRed);
    EXPECT_EQ(bmp.Pixel(5, 9), clWhite);
    EXPECT_EQ(bmp.Pixel(5, 11), clBlack); // new area
    bmp.SetSize(6, 12);
    EXPECT_EQ(changes, 1);

    bmp.SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_EQ(bmp.BitsPerPixel(), 8);
    EXPECT_EQ(bmp.Pixel(4, 4), clRed);
    EXPECT_EQ(bmp.Pixel(5, 9), clWhite);
    bmp.SetPixel(0, 0, MakeColor(0xFE, 0x01, 0x02)); // nearest entry: red
    EXPECT_EQ(bmp.Pixel(0, 0), clRed);
    bmp.SetPixelFormat(TPixelFormat::pf1bit);
    EXPECT_EQ(bmp.Pixel(5, 9), clWhite);
    bmp.SetPixelFormat(TPixelFormat::pf16bit);
    EXPECT_EQ(bmp.Pixel(5, 9), clWhite);
    bmp.Canvas().SetPixel(1, 1, MakeColor(0, 0xFF, 0)); // 6 bits of green survive
    EXPECT_EQ(bmp.Pixel(1, 1), clLime);

    bmp.SetSize(0, 5);
    EXPECT_TRUE(bmp.Empty());
    EXPECT_EQ(bmp.Handle(), nullptr);
    EXPECT_EQ(bmp.Pixel(0, 0), clNone);
    EXPECT_EQ(bmp.TransparentColor(), clNone);
    bmp.SetSize(2, 2); // usable again, canvas included
    bmp.Canvas().Brush().SetColor(clBlue);
    bmp.Canvas().FillRect(Bounds(0, 0, 2, 2));
    EXPECT_EQ(bmp.Pixel(1, 1), clBlue);
}

TEST(Bitmap, ScanLinesAreTopDownAndSeeCanvasDrawing)
{
    TBitmap bmp;
    Fill(bmp, 3, 3, clBlack);
    bmp.Canvas().SetPixel(2, 0, MakeColor(0x11, 0x22, 0x33));
    const auto* row0 = static_cast<const std::uint32_t*>(bmp.ScanLine(0));
    EXPECT_EQ(row0[2] & 0xFFFFFF, 0x112233u);
    auto* row2 = static_cast<std::uint32_t*>(bmp.ScanLine(2));
    row2[0] = 0x00ABCDEF;
    EXPECT_EQ(bmp.Canvas().Pixel(0, 2), MakeColor(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(bmp.RowBytes(), 12);
    EXPECT_EQ(bmp.ScanLine(3), nullptr);
    EXPECT_EQ(bmp.ScanLine(-1), nullptr);
}

TEST(Bitmap, AssignIsADeepCopyAndMasksMarkTheKeyColour)
{
    TBitmap a;
    Fill(a, 4, 3, clFuchsia);
    a.SetPixel(1, 1, clGreen);
    a.SetTransparent(true);
    TBitmap b;
    b.Assign(a);
    a.SetPixel(1, 1, clRed);
    EXPECT_EQ(b.Pixel(1, 1), clGreen);
    EXPECT_TRUE(b.Transparent());
    EXPECT_NE(a.Handle(), b.Handle());

    TBitmap mask;
    mask.AssignMask(b, clFuchsia);
    EXPECT_EQ(mask.PixelFormat(), TPixelFormat::pf1bit);
    EXPECT_EQ(mask.Pixel(1, 1), clBlack);
    EXPECT_EQ(mask.Pixel(0, 0), clWhite);
    EXPECT_EQ(CountColor(mask, clWhite), 11);
}

TEST(TextConvert, RoundTripsKeepEmbeddedNulsAndAnyLength)
{
    const std::string ansi("C:\\FSX\0tail", 11);
    const std::wstring wide = AnsiToWide(ansi);
    ASSERT_EQ(wide.size(), 11u);
    EXPECT_EQ(wide[6], L'\0');
    EXPECT_EQ(WideToAnsi(wide), ansi);
    EXPECT_TRUE(AnsiToWide("").empty());
    EXPECT_TRUE(WideToAnsi(L"").empty());

    // Code page characters map to their UTF-16 equivalents and back.
    const std::string high = "\xE9t\xE9"; // "été" in Windows-1252
    if (GetACP() == 1252) {
        EXPECT_EQ(AnsiToWide(high), L"\u00E9t\u00E9");
        EXPECT_EQ(WideToAnsi(L"\u00E9t\u00E9"), high);
        EXPECT_EQ(WideToAnsi(L"\u4E2D"), "?"); // not in the code page
        EXPECT_EQ(WideToAnsi(L"C:\uFF3CFSX"), "C:?FSX"); // no look-alike backslash
        EXPECT_TRUE(AnsiCodePageHolds(L"\u00E9t\u00E9 ?")); // a question mark of its own
        EXPECT_FALSE(AnsiCodePageHolds(L"C:\uFF3CFSX"));
    }
    EXPECT_FALSE(AnsiCodePageHolds(L"FSX \u0531")); // Armenian: in no ANSI code page
    EXPECT_TRUE(AnsiCodePageHolds(L""));
    const std::string big(3 * 1024 * 1024 + 7, 'x');
    EXPECT_EQ(AnsiToWide(big).size(), big.size());
    EXPECT_EQ(WideToAnsi(AnsiToWide(big)), big);
}

} // namespace
} // namespace folvane
