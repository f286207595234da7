// TCanvas, TFont, TBrush and TPen painting into memory bitmaps under Wine,
// checked pixel by pixel.
#include "GraphicsTestUtil.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/MemoryCanvas.h"

namespace folvane {
namespace {

using testing::CountColor;
using testing::CountOther;
using testing::Fill;
using testing::SaveForReview;

TEST(Canvas, RectanglesFillFrameAndOutlineWithExclusiveEdges)
{
    TBitmap bmp;
    Fill(bmp, 20, 20, clWhite);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(clRed);
    c.FillRect(MakeRect(2, 3, 6, 8));
    EXPECT_EQ(CountColor(bmp, clRed), 4 * 5);
    EXPECT_EQ(bmp.Pixel(5, 7), clRed);
    EXPECT_EQ(bmp.Pixel(6, 7), clWhite);
    EXPECT_EQ(bmp.Pixel(5, 8), clWhite);

    c.Brush().SetColor(clBlue);
    c.FrameRect(MakeRect(10, 10, 15, 14));
    EXPECT_EQ(CountColor(bmp, clBlue), 2 * 5 + 2 * 2);
    EXPECT_EQ(bmp.Pixel(12, 12), clWhite); // inside stays

    // Pen outline, brush interior.
    Fill(bmp, 20, 20, clWhite);
    c.Pen().SetColor(clGreen);
    c.Brush().SetColor(clYellow);
    c.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(CountColor(bmp, clGreen), 16);
    EXPECT_EQ(CountColor(bmp, clYellow), 9);

    // A clear brush paints nothing, a clear pen no outline.
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.FillRect(MakeRect(10, 0, 20, 5));
    c.Pen().SetStyle(TPenStyle::psClear);
    c.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(CountColor(bmp, clWhite, MakeRect(10, 0, 20, 20)), 10 * 20);
    // Setting a colour makes a clear brush solid again.
    c.Brush().SetColor(clNavy);
    EXPECT_EQ(c.Brush().Style(), TBrushStyle::bsSolid);
}

TEST(Canvas, LinesPenWidthModesAndPolyline)
{
    TBitmap bmp;
    Fill(bmp, 20, 20, clWhite);
    TCanvas& c = bmp.Canvas();
    c.Pen().SetColor(clRed);
    c.MoveTo(2, 5);
    c.LineTo(10, 5);
    // The end point is not drawn.
    EXPECT_EQ(CountColor(bmp, clRed), 8);
    EXPECT_EQ(bmp.Pixel(10, 5), clWhite);
    EXPECT_EQ(c.PenPos().x, 10);

    c.Pen().SetWidth(3);
    c.MoveTo(2, 12);
    c.LineTo(12, 12);
    EXPECT_EQ(bmp.Pixel(6, 11), clRed);
    EXPECT_EQ(bmp.Pixel(6, 13), clRed);

    // Dashed and dotted lines leave gaps; a clear pen leaves nothing.
    Fill(bmp, 20, 20, clWhite);
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(TPenStyle::psDot);
    c.MoveTo(0, 3);
    c.LineTo(20, 3);
    const int dotted = CountColor(bmp, clRed, MakeRect(0, 3, 20, 4));
    EXPECT_GT(dotted, 4);
    EXPECT_LT(dotted, 16);
    c.Pen().SetStyle(TPenStyle::psClear);
    c.MoveTo(0, 6);
    c.LineTo(20, 6);
    EXPECT_EQ(CountColor(bmp, clRed, MakeRect(0, 6, 20, 7)), 0);
    c.Pen().SetStyle(TPenStyle::psSolid);

    // XOR twice restores the surface.
    Fill(bmp, 20, 20, clWhite);
    c.Pen().SetWidth(1);
    c.Pen().SetMode(TPenMode::pmXor);
    c.Pen().SetColor(clWhite);
    const POINT pts[] = { { 1, 1 }, { 8, 1 }, { 8, 8 } };
    c.Polyline(pts);
    EXPECT_EQ(bmp.Pixel(4, 1), clBlack);
    EXPECT_EQ(bmp.Pixel(8, 4), clBlack);
    c.Polyline(pts);
    EXPECT_EQ(CountColor(bmp, clWhite), 400);
}

TEST(Canvas, SystemColoursResolveThroughTheSystemPalette)
{
    TBitmap bmp;
    Fill(bmp, 4, 4, clBtnFace);
    EXPECT_EQ(bmp.Pixel(1, 1), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
    EXPECT_EQ(ColorToRGB(clNone), 0xFFFFFFu);
    bmp.Canvas().SetPixel(0, 0, clWindowText);
    EXPECT_EQ(bmp.Pixel(0, 0), static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_EQ(bmp.Canvas().Pixel(0, 0), static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_EQ(bmp.Canvas().Pixel(50, 50), clNone);
}

TEST(Canvas, TahomaTextHasTheExpectedMetricsAndReallyDraws)
{
    TBitmap bmp;
    Fill(bmp, 120, 40, clWhite);
    TCanvas& c = bmp.Canvas();
    c.Font().SetName("Tahoma");
    c.Font().SetHeight(-11);
    EXPECT_EQ(c.Font().Size(), 8);
    EXPECT_EQ(c.TextHeight("gh"), 13);
    const int plain = c.TextWidth("Registry");
    EXPECT_GT(plain, 20);
    EXPECT_EQ(c.TextWidth(L"Registry"), plain);

    // Transparent background: only glyph pixels change, all inside the extent.
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().SetColor(clBlue);
    c.TextOut(5, 5, "Registry");
    const RECT all = Bounds(0, 0, 120, 40);
    const int inked = CountOther(bmp, clWhite, all);
    EXPECT_GT(inked, 30);
    EXPECT_GT(CountColor(bmp, clBlue), 10); // solid stems in the font colour
    EXPECT_EQ(CountOther(bmp, clWhite, Bounds(5, 5, plain, 13)), inked);

    // Opaque background: the brush fills the whole text cell.
    Fill(bmp, 120, 40, clWhite);
    c.Brush().SetColor(clYellow);
    c.TextOut(0, 20, "gh");
    const SIZE gh = c.TextExtent("gh");
    EXPECT_EQ(CountOther(bmp, clWhite, all), gh.cx * gh.cy);
    EXPECT_EQ(CountOther(bmp, clWhite, Bounds(0, 20, gh.cx, gh.cy)), gh.cx * gh.cy);
    EXPECT_GT(CountColor(bmp, clYellow), gh.cx * gh.cy / 2);

    // Bold is wider; the colour is per call, not part of the font handle.
    c.Font().SetStyle(fsBold);
    EXPECT_GT(c.TextWidth("Registry"), plain);
    HFONT boldHandle = c.Font().Handle();
    c.Font().SetColor(clRed);
    EXPECT_EQ(c.Font().Handle(), boldHandle);
    if (::testing::Test::HasFailure())
        SaveForReview(bmp, "canvas_text");
}

TEST(Canvas, DrawTextFlagsAndRotatedFonts)
{
    TBitmap bmp;
    Fill(bmp, 100, 100, clWhite);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().SetColor(clBlack);

    RECT calc = MakeRect(0, 0, 0, 0);
    c.DrawText("Set FSX Path", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.right, c.TextWidth("Set FSX Path"));
    EXPECT_EQ(calc.bottom, 13);
    EXPECT_EQ(CountColor(bmp, clWhite), 100 * 100); // measuring draws nothing

    RECT wrap = MakeRect(0, 0, 40, 0);
    const int h = c.DrawText("one two three four", wrap, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(h, 2 * 13);

    // Centred in the rectangle: ink is symmetric about the middle column.
    RECT box = MakeRect(0, 0, 100, 20);
    c.DrawText("I", box, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    int minX = 100, maxX = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (bmp.Pixel(x, y) != clWhite) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    ASSERT_GE(maxX, 0);
    EXPECT_NEAR((minX + maxX) / 2.0, 50, 3);

    // Rotated by 90 degrees the ink runs upwards from the start point.
    Fill(bmp, 100, 100, clWhite);
    c.Font().SetOrientation(900);
    c.TextOut(40, 90, "Rotated text");
    int top = 100, bottom = -1, left = 100, right = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (bmp.Pixel(x, y) != clWhite) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(bottom, 0);
    EXPECT_GT(bottom - top, 2 * (right - left));
    EXPECT_LE(bottom, 90);
    if (::testing::Test::HasFailure())
        SaveForReview(bmp, "canvas_rotated");
}

TEST(Canvas, DrawHonoursTheTransparentColourAndStretchKeepsWholePixels)
{
    TBitmap glyph;
    Fill(glyph, 3, 2, clFuchsia);
    glyph.SetPixel(0, 0, clRed);
    glyph.SetPixel(2, 0, clBlue);
    // The automatic transparent colour is the bottom-left pixel.
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);

    TBitmap bmp;
    Fill(bmp, 10, 10, clWhite);
    bmp.Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(CountColor(bmp, clFuchsia), 4); // opaque draw copies the key
    Fill(bmp, 10, 10, clWhite);
    glyph.SetTransparent(true);
    bmp.Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(CountColor(bmp, clFuchsia), 0);
    EXPECT_EQ(bmp.Pixel(1, 1), clRed);
    EXPECT_EQ(bmp.Pixel(3, 1), clBlue);
    EXPECT_EQ(bmp.Pixel(2, 1), clWhite);

    // A fixed colour overrides the automatic one.
    glyph.SetTransparentColor(clRed);
    EXPECT_EQ(glyph.TransparentMode(), TTransparentMode::tmFixed);
    Fill(bmp, 10, 10, clWhite);
    bmp.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(bmp.Pixel(0, 0), clWhite);
    EXPECT_EQ(bmp.Pixel(1, 0), clFuchsia);
    // No colour means nothing is transparent (not: white is).
    glyph.SetPixel(1, 1, clWhite);
    glyph.SetTransparentColor(clNone);
    Fill(bmp, 10, 10, clBlack);
    bmp.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(bmp.Pixel(1, 1), clWhite);
    glyph.SetTransparentColor(clDefault);
    EXPECT_EQ(glyph.TransparentMode(), TTransparentMode::tmAuto);

    // Stretch 3x2 to 6x4: every source pixel becomes a 2x2 block.
    glyph.SetTransparent(false);
    Fill(bmp, 10, 10, clWhite);
    bmp.Canvas().StretchDraw(Bounds(2, 2, 6, 4), glyph);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(bmp.Pixel(2 + x, 2 + y), glyph.Pixel(x / 2, y / 2)) << x << "," << y;
    EXPECT_EQ(bmp.Pixel(8, 2), clWhite);

    // CopyRect between canvases, and with a raster operation.
    TBitmap other;
    Fill(other, 10, 10, clBlack);
    other.Canvas().CopyRect(Bounds(0, 0, 6, 4), bmp.Canvas(), Bounds(2, 2, 6, 4));
    EXPECT_EQ(other.Pixel(0, 0), clRed);
    other.Canvas().SetCopyMode(DSTINVERT);
    other.Canvas().CopyRect(Bounds(0, 0, 1, 1), bmp.Canvas(), Bounds(0, 0, 1, 1));
    EXPECT_EQ(other.Pixel(0, 0), MakeColor(0x00, 0xFF, 0xFF)); // red inverted
}

TEST(Canvas, ClippingOriginAndSavedState)
{
    TBitmap bmp;
    Fill(bmp, 20, 20, clWhite);
    TCanvas& c = bmp.Canvas();
    c.SaveState();
    c.IntersectClipRect(MakeRect(5, 5, 10, 10));
    EXPECT_EQ(c.ClipRect().left, 5);
    c.Brush().SetColor(clRed);
    c.Font().SetHeight(-20);
    c.FillRect(MakeRect(0, 0, 20, 20));
    EXPECT_EQ(CountColor(bmp, clRed), 25);
    c.RestoreState();
    EXPECT_EQ(c.Brush().Color(), clWhite); // Fill's colour, saved before
    EXPECT_EQ(c.Font().Height(), -11);
    EXPECT_EQ(c.TextHeight("gh"), 13); // the restored font is really selected
    c.Brush().SetColor(clBlue);
    c.FillRect(MakeRect(0, 0, 20, 20));
    EXPECT_EQ(CountColor(bmp, clBlue), 400); // clip gone

    // Excluded rectangles and a region that is not a rectangle.
    c.ExcludeClipRect(MakeRect(0, 0, 10, 20));
    c.Brush().SetColor(clGreen);
    c.FillRect(MakeRect(0, 0, 20, 20));
    EXPECT_EQ(CountColor(bmp, clGreen), 200);
    TOwnedRegion diamond;
    const POINT corners[] = { { 10, 0 }, { 20, 10 }, { 10, 20 }, { 0, 10 } };
    diamond.Reset(CreatePolygonRgn(corners, 4, ALTERNATE));
    c.SelectClipRegion(diamond.Get());
    c.Brush().SetColor(clRed);
    c.FillRect(MakeRect(0, 0, 20, 20));
    EXPECT_EQ(bmp.Pixel(0, 0), clBlue);
    EXPECT_EQ(bmp.Pixel(19, 0), clGreen);
    EXPECT_EQ(bmp.Pixel(10, 10), clRed);
    c.SelectClipRegion(nullptr);

    // A moved origin shifts what follows; restoring the state moves it back.
    Fill(bmp, 20, 20, clWhite);
    c.SaveState();
    c.MoveOrigin(-5, -5);
    EXPECT_EQ(c.Origin().x, -5);
    c.Brush().SetColor(clRed);
    c.FillRect(MakeRect(5, 5, 6, 6));
    EXPECT_EQ(bmp.Pixel(0, 0), clRed);
    c.RestoreState();
    EXPECT_EQ(c.Origin().x, 0);
    EXPECT_EQ(c.SavedStateCount(), 0);
    c.RestoreState(); // unbalanced: ignored
}

TEST(Canvas, FocusRectangleIsItsOwnInverse)
{
    TBitmap bmp;
    Fill(bmp, 20, 20, clWhite);
    bmp.Canvas().DrawFocusRect(MakeRect(2, 2, 18, 18));
    EXPECT_GT(400 - CountColor(bmp, clWhite), 10);
    EXPECT_EQ(CountColor(bmp, clWhite, MakeRect(3, 3, 17, 17)), 14 * 14);
    bmp.Canvas().DrawFocusRect(MakeRect(2, 2, 18, 18));
    EXPECT_EQ(CountColor(bmp, clWhite), 400);
}

TEST(Canvas, ObjectsChangedWhileSelectedAreReplacedNotLeaked)
{
    TBitmap bmp;
    Fill(bmp, 40, 40, clWhite);
    TCanvas& c = bmp.Canvas();
    const int small = c.TextHeight("gh");
    HFONT first = c.Font().Handle();
    c.Font().SetHeight(-24);
    // The old handle was deselected (equal fonts may still share it).
    EXPECT_NE(GetCurrentObject(c.Handle(), OBJ_FONT), first);
    EXPECT_GT(c.TextHeight("gh"), small);
    HFONT second = c.Font().Handle();
    EXPECT_EQ(GetCurrentObject(c.Handle(), OBJ_FONT), second);
    // Handing the DC on puts its own font back.
    c.Refresh();
    EXPECT_NE(GetCurrentObject(c.Handle(), OBJ_FONT), second);

    // A canvas over a foreign DC leaves that DC's objects as it found them.
    HDC dc = bmp.DC();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    {
        TCanvas borrowed(dc);
        borrowed.Pen().SetColor(clRed);
        borrowed.LineTo(5, 5);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
}

TEST(Canvas, MemoryCanvasCopiesOnceAtTheEnd)
{
    TBitmap target;
    Fill(target, 30, 30, clWhite);
    {
        TMemoryCanvas mem(target.Canvas(), Bounds(10, 5, 8, 6));
        EXPECT_EQ(mem.Width(), 8);
        mem.Canvas().Brush().SetColor(clRed);
        mem.Canvas().FillRect(Bounds(0, 0, 8, 6));
        EXPECT_EQ(CountColor(target, clRed), 0); // nothing shows before the copy
    }
    EXPECT_EQ(CountColor(target, clRed), 48);
    EXPECT_EQ(target.Pixel(10, 5), clRed);
    EXPECT_EQ(target.Pixel(9, 5), clWhite);

    {
        TMemoryCanvas mem(target.Canvas(), Bounds(0, 0, 30, 30));
        mem.CopyFromTarget();
        EXPECT_EQ(mem.Bitmap().Pixel(10, 5), clRed);
        mem.Canvas().Brush().SetColor(clBlue);
        mem.Canvas().FillRect(Bounds(0, 0, 1, 1));
        mem.Flush();
        EXPECT_EQ(target.Pixel(0, 0), clBlue);
        EXPECT_EQ(target.Pixel(10, 5), clRed);
        mem.Canvas().FillRect(Bounds(0, 0, 30, 30)); // after Flush: not copied again
    }
    EXPECT_EQ(target.Pixel(10, 5), clRed);
    {
        TMemoryCanvas mem(target.Canvas(), Bounds(0, 0, 30, 30));
        mem.Canvas().FillRect(Bounds(0, 0, 30, 30));
        mem.Discard();
    }
    EXPECT_EQ(target.Pixel(10, 5), clRed);
}

TEST(Canvas, MemoryCanvasOverAMemorySurfaceDrawsStraightInsideItsArea)
{
    TBitmap target;
    Fill(target, 30, 30, clWhite);
    const POINT origin = target.Canvas().Origin();
    {
        TMemoryCanvas mem(target.Canvas(), Bounds(10, 5, 8, 6), TBuffering::bfUnlessTargetIsMemory);
        EXPECT_TRUE(mem.DrawsStraight());
        mem.Canvas().Brush().SetColor(clRed);
        mem.Canvas().FillRect(Bounds(-5, -5, 40, 40)); // clipped to the area
        EXPECT_EQ(CountColor(target, clRed), 48);
        EXPECT_EQ(target.Pixel(10, 5), clRed);
    }
    // The target's origin and clipping are as before.
    EXPECT_EQ(target.Canvas().Origin().x, origin.x);
    target.Canvas().Brush().SetColor(clBlue);
    target.Canvas().FillRect(Bounds(0, 0, 30, 30));
    EXPECT_EQ(CountColor(target, clBlue), 900);
}

TEST(Canvas, MemoryCanvasOnAReusedBitmapGrowsItAndClipsToTheArea)
{
    TBitmap target, reusable;
    Fill(target, 30, 30, clWhite);
    {
        TMemoryCanvas mem(target.Canvas().Handle(), Bounds(2, 2, 20, 10), reusable);
        EXPECT_EQ(reusable.Width(), 20);
        mem.Canvas().Brush().SetColor(clRed);
        mem.Canvas().FillRect(Bounds(0, 0, 20, 10));
    }
    EXPECT_EQ(CountColor(target, clRed), 200);
    Fill(target, 30, 30, clWhite);
    {
        // A smaller area keeps the larger bitmap; drawing past the area reaches neither it nor the target.
        TMemoryCanvas mem(target.Canvas().Handle(), Bounds(5, 5, 8, 6), reusable);
        EXPECT_EQ(reusable.Width(), 20);
        mem.Canvas().Brush().SetColor(clBlue);
        mem.Canvas().FillRect(Bounds(0, 0, 20, 10));
        EXPECT_EQ(reusable.Pixel(8, 0), clRed);
    }
    EXPECT_EQ(CountColor(target, clBlue), 48);
    EXPECT_EQ(CountColor(target, clRed), 0);
    // The reused bitmap's canvas is as it was: unclipped again.
    reusable.Canvas().Brush().SetColor(clLime);
    reusable.Canvas().FillRect(Bounds(0, 0, 20, 10));
    EXPECT_EQ(CountColor(reusable, clLime), 200);
}

TEST(Font, PropertiesAssignAndChangeNotification)
{
    TFont a;
    EXPECT_EQ(a.Name(), "Tahoma");
    EXPECT_EQ(a.Height(), -11);
    int changes = 0;
    a.OnChange = [&] { ++changes; };
    a.SetSize(12);
    EXPECT_EQ(a.Height(), -16);
    a.SetSize(12);
    EXPECT_EQ(changes, 1);
    TFont b;
    b.SetName("Trebuchet MS");
    b.SetStyle(fsBold | fsUnderline);
    a.Assign(b);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(a == b);
    a.Assign(b);
    EXPECT_EQ(changes, 2);
    // The copy does not take the listener with it.
    TFont c(a);
    EXPECT_FALSE(c.OnChange);
    // A face name longer than LOGFONT holds still makes a font.
    a.SetName(std::string(80, 'x'));
    EXPECT_NE(a.Handle(), nullptr);
}

} // namespace
} // namespace folvane
