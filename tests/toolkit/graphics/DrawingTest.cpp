// The shared drawing helpers in memory bitmaps: which ring owns which corner of a 3-D edge,
// the embossed disabled text as a light copy moved right and down under the dark one,
// and gradient bands on a canvas.
#include "GraphicsTestUtil.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/DisabledText.h"
#include "toolkit/graphics/Edges.h"
#include "toolkit/graphics/Gradient.h"

#include <algorithm>
#include <string_view>

namespace folvane {
namespace {

using testing::CountColor;
using testing::Fill;

constexpr TColor kHighlight = MakeColor(250, 250, 250);
constexpr TColor kFace = MakeColor(200, 200, 200);
constexpr TColor kShadow = MakeColor(120, 120, 120);
constexpr TColor kDark = MakeColor(40, 40, 40);
constexpr TEdgeShades kShades { kHighlight, kFace, kShadow, kDark };

TEST(Drawing, EdgesGiveTheFarCornersToTheBottomRightColour)
{
    TBitmap bmp;
    Fill(bmp, 6, 6, clWhite);
    DrawEdge3D(bmp.Canvas(), MakeRect(0, 0, 6, 6), TEdgeStyle::esSunken, kShades);
    EXPECT_EQ(bmp.Pixel(0, 0), kShadow);
    EXPECT_EQ(bmp.Pixel(5, 0), kHighlight);
    EXPECT_EQ(bmp.Pixel(0, 5), kHighlight);
    EXPECT_EQ(bmp.Pixel(1, 1), kDark);
    EXPECT_EQ(bmp.Pixel(4, 1), kFace);
    EXPECT_EQ(bmp.Pixel(2, 2), clWhite);

    Fill(bmp, 6, 6, clWhite);
    DrawEdge3D(bmp.Canvas(), MakeRect(0, 0, 6, 6), TEdgeStyle::esRaised, kShades, true);
    EXPECT_EQ(bmp.Pixel(0, 0), kHighlight);
    EXPECT_EQ(bmp.Pixel(5, 5), kDark);
    EXPECT_EQ(bmp.Pixel(1, 1), clWhite); // thin: no inner ring

    // Frame3D steps inwards and reports the rectangle left inside; a collapsed ring draws nothing.
    Fill(bmp, 6, 6, clWhite);
    RECT r = MakeRect(0, 0, 6, 1);
    Frame3D(bmp.Canvas(), r, clRed, clBlue, 2);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.bottom, -1);
    EXPECT_EQ(CountColor(bmp, clRed, MakeRect(0, 0, 6, 6)), 0);
    EXPECT_EQ(CountColor(bmp, clBlue, MakeRect(0, 0, 6, 6)), 6);
}

// The bounding box of the ink (anything not white) of `text` drawn by `draw`.
template <typename Draw> RECT InkBox(Draw draw)
{
    TBitmap bmp;
    Fill(bmp, 40, 20, clWhite);
    bmp.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    draw(bmp.Canvas(), MakeRect(4, 2, 40, 20));
    RECT box { 40, 20, 0, 0 };
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            if (bmp.Pixel(x, y) != clWhite)
                box = RECT { std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                    std::max<LONG>(box.bottom, y + 1) };
    return box;
}

TEST(Drawing, DisabledTextIsALightCopyMovedRightAndDownUnderTheDarkOne)
{
    const std::wstring_view text = L"IH";
    const UINT flags = DT_SINGLELINE;
    const RECT plain = InkBox([&](TCanvas& c, RECT r) { c.DrawText(text, r, flags); });
    ASSERT_LT(plain.left, plain.right);
    // Each layer alone (the other in the background colour), then both.
    const RECT light = InkBox([&](TCanvas& c, RECT r) { DrawDisabledText(c, text, r, flags, clRed, clWhite); });
    const RECT dark = InkBox([&](TCanvas& c, RECT r) { DrawDisabledText(c, text, r, flags, clWhite, clBlue); });
    const RECT both = InkBox([&](TCanvas& c, RECT r) { DrawDisabledText(c, text, r, flags, clRed, clBlue); });
    EXPECT_EQ(dark.left, plain.left);
    EXPECT_EQ(dark.bottom, plain.bottom);
    EXPECT_EQ(light.right, plain.right + 1);
    EXPECT_EQ(light.bottom, plain.bottom + 1);
    EXPECT_EQ(both.left, plain.left);
    EXPECT_EQ(both.bottom, plain.bottom + 1);
}

TEST(Drawing, GradientBandsOnACanvasOverlapByTheTruncatedStep)
{
    TBitmap bmp;
    Fill(bmp, 10, 2, clWhite);
    FillGradient(bmp.Canvas(), PixelRect { 0, 0, 10, 1 }, clBlack, MakeColor(200, 100, 3), true, 4);
    EXPECT_EQ(bmp.Pixel(0, 0), MakeColor(0, 0, 0));
    EXPECT_EQ(bmp.Pixel(2, 0), MakeColor(50, 25, 1)); // the second band starts at round(2.5)
    EXPECT_EQ(bmp.Pixel(9, 0), MakeColor(150, 75, 2));
    EXPECT_EQ(bmp.Pixel(5, 1), clWhite);
}

} // namespace
} // namespace folvane
