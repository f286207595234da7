// GDI object counts stay where they started after creating and destroying a
// thousand of each painting object, used the way controls use them.
#include "GraphicsTestUtil.h"
#include "support/GuiObjectCount.h"

#include "toolkit/graphics/FontCache.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/MemoryCanvas.h"

namespace folvane {
namespace {

using testing::GdiObjects;

TEST(GdiLeaks, TheCounterSeesObjects)
{
    // Without this the other tests would pass on a counter that is always 0.
    const DWORD before = GdiObjects();
    std::vector<TOwnedBrush> brushes;
    for (int i = 0; i < 10; ++i)
        brushes.emplace_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_GE(GdiObjects(), before + 10);
    brushes.clear();
    EXPECT_EQ(GdiObjects(), before);
}

TEST(GdiLeaks, BitmapsFontsCanvasesAndImageListsGiveBackEverything)
{
    TBitmap target;
    testing::Fill(target, 64, 64, clWhite);
    TBitmap glyph;
    testing::Fill(glyph, 8, 8, clFuchsia);
    glyph.SetTransparent(true);
    target.Canvas().TextOut(0, 0, "warm-up"); // first-use caches of GDI itself
    TImageList warm;
    warm.AddMasked(glyph, clFuchsia);

    const DWORD before = GdiObjects();
    const int cachedBefore = CachedFontCount();
    for (int i = 0; i < 1000; ++i) {
        TBitmap bmp(16 + i % 5, 16, i % 2 ? TPixelFormat::pf24bit : TPixelFormat::pf8bit);
        TCanvas& c = bmp.Canvas();
        c.Font().SetHeight(-8 - i % 7);
        c.Font().SetStyle(i % 3 ? TFontStyles { fsBold } : TFontStyles { 0 });
        c.TextOut(0, 0, "Ab");
        c.Font().SetOrientation(900); // replaced while selected
        c.TextOut(0, 15, "Ab");
        c.Pen().SetColor(static_cast<TColor>(i));
        c.Brush().SetColor(static_cast<TColor>(i * 3));
        c.Rectangle(0, 0, 10, 10);
        c.SaveState();
        c.IntersectClipRect(MakeRect(1, 1, 5, 5));
        c.Brush().SetColor(clRed);
        c.FillRect(MakeRect(0, 0, 16, 16));
        c.RestoreState();
        c.Draw(2, 2, glyph);
        bmp.SetSize(20, 20);
        bmp.SetPixelFormat(TPixelFormat::pf32bit);
        TBitmap copy;
        copy.Assign(bmp);
        copy.LoadFromBmpBytes(bmp.SaveToBmpBytes());

        TFont font;
        font.SetName(i % 2 ? "Tahoma" : "Symbol");
        (void)font.Handle();

        TMemoryCanvas mem(target.Canvas(), Bounds(i % 40, 3, 20, 20));
        mem.Canvas().Font().SetHeight(-12);
        mem.Canvas().TextOut(0, 0, "x");

        TImageList list;
        list.SetSize(8, 8);
        list.AddMasked(glyph, clFuchsia);
        list.Draw(target.Canvas(), 0, 0, 0, i % 2 == 0);
    }
    // The shared fonts kept for later use are the only objects left.
    EXPECT_EQ(GdiObjects(), before + static_cast<DWORD>(CachedFontCount() - cachedBefore));
}

TEST(FontCache, EqualFontsShareOneHandleAndUnusedOnesAreBounded)
{
    TFont held;
    TFont same;
    EXPECT_EQ(held.Handle(), same.Handle());
    same.SetStyle(fsBold);
    EXPECT_NE(held.Handle(), same.Handle());
    same.SetStyle(0);
    EXPECT_EQ(held.Handle(), same.Handle()); // found again, not made again

    const DWORD before = GdiObjects();
    for (int i = 0; i < 200; ++i) {
        TFont passing;
        passing.SetHeight(-8 - i);
        (void)passing.Handle();
    }
    EXPECT_LE(GdiObjects(), before + 16);
    // Fonts still in use outlive every trim.
    LOGFONTA described {};
    ASSERT_EQ(GetObjectA(held.Handle(), sizeof described, &described), static_cast<int>(sizeof described));
    EXPECT_EQ(described.lfHeight, -11);
}

} // namespace
} // namespace folvane
