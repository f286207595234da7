// Pictures under Wine: the OLE-decoded markup picture with its GIF frames and addresses, the
// picture store and cache, and the GDI+ encoded picture with the reflection built from it.
#include "RichLabelTestUtil.h"
#include "richlabel/PictureStore.h"
#include "richlabel/ReflectionImage.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

#include <cmath>

namespace folvane {
namespace {

using test::FillBitmap;
using test::Resource;

// alpha_rows.png: colour (10, 120, 230), row y has alpha 100 + 3y, column 0 is transparent.
constexpr int kPngSize = 48;
std::uint8_t PngAlpha(int row)
{
    return static_cast<std::uint8_t>(100 + 3 * row);
}

TEST(richlabel_MarkupPicture, GifFramesAreCutOutBeforeDecoding)
{
    TMarkupPicture picture;
    int frameChanges = 0;
    picture.OnFrameChange = [&] { ++frameChanges; };
    picture.LoadFromBytes(Resource("THREE_FRAMES"));
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.CountFrames(), 3);
    EXPECT_EQ(picture.AnimationWidth(), 20);
    EXPECT_EQ(picture.AnimationHeight(), 16);
    EXPECT_GT(picture.Width(), 0);

    picture.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(picture.FrameX(), 5);
    EXPECT_EQ(picture.FrameY(), 6);
    EXPECT_EQ(picture.FrameWidth(), 8);
    EXPECT_EQ(picture.FrameHeight(), 6);
    EXPECT_EQ(picture.AnimationWidth(), 20);
    picture.SetFrame(3);
    EXPECT_EQ(picture.FrameX(), 2);
    EXPECT_EQ(picture.FrameY(), 3);

    // ImageMagick's own file has its looping block between the first frame's extension and
    // descriptor: the byte pattern does not see that frame.
    TMarkupPicture raw;
    raw.LoadFromBytes(Resource("LOOP_AFTER_GCE"));
    EXPECT_EQ(raw.CountFrames(), 2);
}

TEST(richlabel_MarkupPicture, PngIsNotAnOlePictureFormat)
{
    const std::vector<std::uint8_t> png = Resource("ALPHA_ROWS");
    TMarkupPicture picture;
    try {
        picture.LoadFromBytes(png);
        FAIL() << "a PNG decoded";
    } catch (const EMarkupPictureError& e) {
        EXPECT_STREQ(e.what(), "Could not load image. Invalid format");
    }
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "richlabel_test.png";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), png.size());
    TMarkupPicture fromFile;
    fromFile.LoadFromFile(path);
    DeleteFileA(path.c_str());
    EXPECT_TRUE(fromFile.Empty());
    EXPECT_EQ(fromFile.Width(), 0);

    fromFile.LoadFromFile("C:\\no\\such\\file.gif");
    EXPECT_TRUE(fromFile.Empty());
}

TEST(richlabel_MarkupPicture, AddressesAndTheCache)
{
    TMarkupPictureCache cache;
    MarkupPicture* first = cache.AddPictureFromAddress("res://THREE_FRAMES");
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->Empty());
    EXPECT_EQ(cache.PictureByAddress("res://THREE_FRAMES"), first);
    EXPECT_EQ(cache.PictureByAddress("RES://THREE_FRAMES"), nullptr);
    MarkupPicture* second = cache.AddPictureFromAddress("RES://THREE_FRAMES");
    EXPECT_NE(second, first);
    EXPECT_FALSE(second->Empty());
    EXPECT_EQ(cache.Count(), 2);

    // A resource that does not decode leaves an empty picture that is still found by address.
    MarkupPicture* png = cache.AddPictureFromAddress("res://ALPHA_ROWS");
    EXPECT_TRUE(png->Empty());
    EXPECT_EQ(cache.PictureByAddress("res://ALPHA_ROWS"), png);

    MarkupPicture* web = cache.AddPictureFromAddress("http://example.com/a.gif");
    EXPECT_TRUE(web->Empty());
    EXPECT_EQ(cache.PictureByAddress("http://example.com/a.gif"), web);

    TMarkupPicture asynchronous;
    asynchronous.LoadFromAddress("http://example.com/a.gif");
    EXPECT_TRUE(asynchronous.ThreadBusy());
    EXPECT_TRUE(asynchronous.Identity().empty());
    EXPECT_TRUE(asynchronous.Empty());

    cache.Clear();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(richlabel_MarkupPicture, StoreFindsNamesIgnoringCaseAndCopiesPictures)
{
    TPictureStore store;
    TPictureItem& item = store.Items().Add();
    item.SetName("LOGO");
    item.Picture().LoadFromBytes(Resource("THREE_FRAMES"));
    EXPECT_EQ(store.PictureByName("logo"), &item.Picture());
    EXPECT_EQ(store.PictureByName("other"), nullptr);
    EXPECT_EQ(store.Version(), "1.0.0.0");

    TPictureStore copy;
    copy.SetItems(store.Items());
    ASSERT_EQ(copy.Items().Count(), 1);
    EXPECT_NE(&copy.Items().Items(0)->Picture(), &item.Picture());
    EXPECT_EQ(copy.Items().Items(0)->Picture().Data(), item.Picture().Data());
    EXPECT_FALSE(copy.Items().Items(0)->Picture().Empty());

    // Clearing by assignment leaves no decoded size behind.
    item.Picture().Assign(nullptr);
    EXPECT_TRUE(item.Picture().Empty());
    EXPECT_EQ(item.Picture().Width(), 0);
}

TEST(richlabel_EncodedPicture, PngWithAlphaThroughGdiPlus)
{
    TEncodedPicture picture;
    picture.LoadFromBytes(Resource("ALPHA_ROWS"));
    ASSERT_TRUE(picture.Measure());
    EXPECT_EQ(picture.Width(), kPngSize);
    EXPECT_EQ(picture.Height(), kPngSize);

    TBitmap surface(kPngSize, kPngSize, TPixelFormat::pf24bit);
    FillBitmap(surface, clWhite);
    picture.Draw(surface.Canvas(), RECT { 0, 0, kPngSize, kPngSize });
    EXPECT_EQ(surface.Pixel(0, 47), clWhite); // alpha 0
    const TColor blended = surface.Pixel(10, 47);
    const int alpha = PngAlpha(47);
    EXPECT_NEAR(ColorRed(blended), (10 * alpha + 255 * (255 - alpha)) / 255, 2);
    EXPECT_NEAR(ColorBlue(blended), (230 * alpha + 255 * (255 - alpha)) / 255, 2);
}

TEST(richlabel_ReflectionImage, StrengthRoundsHalfToEven)
{
    EXPECT_EQ(ReflectionStrength(0, 48, 130), 125);
    EXPECT_EQ(ReflectionStrength(23, 48, 130), 3);
    EXPECT_EQ(ReflectionStrength(24, 48, 130), 0); // 127.5 rounds to 128, below 130
    EXPECT_EQ(ReflectionStrength(0, 48, 0), 255);
    EXPECT_EQ(ReflectionStrength(0, 48, -10), 255);
    EXPECT_EQ(ReflectionStrength(0, 48, 255), 0);
    EXPECT_EQ(ReflectedAlpha(125, 241), 118);
    EXPECT_EQ(ReflectedAlpha(255, 7), 7);
    EXPECT_EQ(ReflectedAlpha(1, 255 / 2 * 1), 0); // 0.498
}

TEST(richlabel_ReflectionImage, ReflectionAlphaRows)
{
    TEncodedPicture png;
    png.LoadFromBytes(Resource("ALPHA_ROWS"));
    TReflectionImage image;
    image.SetBounds(0, 0, 48, 80);
    image.SetReflection(130);
    image.SetPicture(png);
    ASSERT_TRUE(image.HasReflection());
    ASSERT_EQ(image.ReflectionHeight(), kPngSize);

    // Row 0 of the reflection is the picture's bottom row.
    const GpArgb top = image.ReflectionPixel(5, 0);
    EXPECT_EQ(top >> 24, std::lround(125.0 / 255 * PngAlpha(47)));
    EXPECT_EQ(top & 0xFFFFFF, 0x0A78E6u);
    EXPECT_EQ(image.ReflectionPixel(5, 23) >> 24, std::lround(3.0 / 255 * PngAlpha(47 - 23)));
    for (int row = 24; row < kPngSize; ++row) {
        EXPECT_EQ(image.ReflectionPixel(5, row) >> 24, 0u) << row;
    }
    EXPECT_EQ(image.ReflectionPixel(0, 0), 0u); // transparent pixels stay transparent black

    image.SetReflection(0);
    EXPECT_EQ(image.ReflectionPixel(5, 0) >> 24, PngAlpha(47));
    image.SetReflection(255);
    int visible = 0;
    for (int row = 0; row < kPngSize; ++row) {
        visible += (image.ReflectionPixel(7, row) >> 24) != 0 ? 1 : 0;
    }
    EXPECT_EQ(visible, 0);

    image.Picture().Assign(nullptr);
    EXPECT_FALSE(image.HasReflection());
}

int CountBlue(TBitmap& bitmap, const RECT& rect)
{
    return test::CountPixels(bitmap, rect, [](TColor c) { return c == clBlue; });
}

TEST(richlabel_ReflectionImage, PaintsPictureAndReflectionOrAnOutline)
{
    TReflectionImage image;
    image.SetBounds(0, 0, 48, 80);
    TBitmap surface(48, 80, TPixelFormat::pf24bit);
    FillBitmap(surface, clWhite);
    image.PaintTo(surface.Canvas());
    // The dotted outline: about every other pixel of the edges is blue.
    EXPECT_GT(CountBlue(surface, RECT { 0, 0, 48, 1 }), 15);
    EXPECT_GT(CountBlue(surface, RECT { 0, 79, 48, 80 }), 15);
    EXPECT_GT(CountBlue(surface, RECT { 0, 0, 1, 80 }), 30);
    EXPECT_EQ(surface.Pixel(20, 40), clWhite);

    TEncodedPicture png;
    png.LoadFromBytes(Resource("ALPHA_ROWS"));
    image.SetReflection(130);
    image.SetPicture(png);
    FillBitmap(surface, clWhite);
    image.PaintTo(surface.Canvas());
    const testing::ReviewOnFailure review(surface, "richlabel_reflection");
    const int alpha47 = PngAlpha(47);
    EXPECT_NEAR(ColorRed(surface.Pixel(10, 47)), (10 * alpha47 + 255 * (255 - alpha47)) / 255, 2);
    EXPECT_EQ(surface.Pixel(10, 48), clWhite); // the axis gap
    const int reflected = std::lround(125.0 / 255 * alpha47);
    EXPECT_NEAR(ColorRed(surface.Pixel(10, 49)), (10 * reflected + 255 * (255 - reflected)) / 255, 3);
    EXPECT_EQ(surface.Pixel(10, 79), clWhite); // row 30 of the reflection is transparent

    // Painted by a parent, the canvas origin sits at the control's corner: GDI+ follows it.
    TBitmap parent(80, 100, TPixelFormat::pf24bit);
    FillBitmap(parent, clWhite);
    parent.Canvas().MoveOrigin(20, 10);
    image.PaintTo(parent.Canvas());
    parent.Canvas().MoveOrigin(-20, -10);
    EXPECT_EQ(parent.Pixel(10, 47), clWhite);
    EXPECT_EQ(parent.Pixel(30, 57), surface.Pixel(10, 47));
    EXPECT_EQ(parent.Pixel(30, 59), surface.Pixel(10, 49));

    // Moving the axis moves the reflection without building it again.
    image.SetReflectionAxis(5);
    FillBitmap(surface, clWhite);
    image.PaintTo(surface.Canvas());
    EXPECT_EQ(surface.Pixel(10, 49), clWhite);
    EXPECT_LT(ColorRed(surface.Pixel(10, 53)), 200);
}

TEST(richlabel_ReflectionImage, DoubleClicksOnly)
{
    TReflectionImage image;
    image.SetBounds(0, 0, 48, 80);
    int clicks = 0;
    int doubleClicks = 0;
    image.OnClick = [&](TComponent*) { ++clicks; };
    image.OnDblClick = [&](TComponent*) { ++doubleClicks; };
    image.DispatchMouseDown(TMouseButton::mbLeft, 0, 5, 5, false);
    image.DispatchMouseUp(TMouseButton::mbLeft, 0, 5, 5);
    image.DispatchMouseDown(TMouseButton::mbLeft, 0, 5, 5, true);
    image.DispatchMouseUp(TMouseButton::mbLeft, 0, 5, 5);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(image.Version(), "1.0.0.0");
    EXPECT_EQ(image.VersionNumber(), 0x01000000u);
    EXPECT_EQ(image.Reflection(), 160);
    EXPECT_EQ(image.ReflectionAxis(), 1);
}

} // namespace
} // namespace folvane
