// The platform-free rules of the skinned controls: nine-part pieces, window
// region runs and the button's face slice, glyph placement and auto-size.
#include "skin/NinePart.h"
#include "skin/RegionRuns.h"
#include "skin/SkinButtonLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace folvane {

std::ostream& operator<<(std::ostream& os, const PixelRect& r)
{
    return os << '(' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ')';
}

namespace {

using K = NinePieceKind;

struct Expected {
    K kind;
    PixelRect source;
    PixelRect dest;
};

void ExpectPieces(int W, int H, int w, int h, const std::vector<Expected>& expected)
{
    auto pieces = NinePartPieces(W, H, w, h);
    ASSERT_EQ(pieces.size(), expected.size()) << W << 'x' << H << " on " << w << 'x' << h;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pieces[i].kind, expected[i].kind);
        EXPECT_EQ(pieces[i].source, expected[i].source);
        EXPECT_EQ(pieces[i].dest, expected[i].dest);
    }
}

TEST(NinePart, OddHeightEvenWidthFaceOnALargerButton)
{
    // One slice of a 222 x 21 face on the default 80 x 27 button.
    ExpectPieces(74, 21, 80, 27,
        {
            { K::TopLeft, { 0, 0, 37, 10 }, { 0, 0, 37, 10 } },
            { K::BottomLeft, { 0, 12, 37, 21 }, { 0, 18, 37, 27 } },
            { K::Left, { 0, 10, 37, 11 }, { 0, 10, 37, 18 } }, // the middle row
            { K::TopRight, { 38, 0, 74, 10 }, { 44, 0, 80, 10 } },
            { K::BottomRight, { 38, 12, 74, 21 }, { 44, 18, 80, 27 } },
            { K::Right, { 38, 11, 74, 12 }, { 44, 10, 80, 18 } },
            { K::Top, { 37, 0, 38, 10 }, { 37, 0, 44, 10 } }, // even width: column hw alone
            { K::Centre, { 37, 10, 38, 11 }, { 37, 10, 44, 17 } },
            { K::Bottom, { 37, 11, 38, 21 }, { 36, 17, 44, 27 } },
        });
}

TEST(NinePart, SmallButtonCutsCornersAtTheImageCorners)
{
    ExpectPieces(74, 21, 20, 9,
        {
            { K::TopLeft, { 0, 0, 10, 4 }, { 0, 0, 10, 4 } },
            { K::BottomLeft, { 0, 18, 10, 21 }, { 0, 6, 10, 9 } },
            { K::Left, { 0, 10, 10, 11 }, { 0, 4, 10, 6 } },
            { K::TopRight, { 65, 0, 74, 4 }, { 11, 0, 20, 4 } },
            { K::BottomRight, { 65, 18, 74, 21 }, { 11, 6, 20, 9 } },
            { K::Right, { 65, 11, 74, 12 }, { 11, 4, 20, 6 } },
            { K::Top, { 37, 0, 38, 4 }, { 10, 0, 11, 4 } },
            { K::Centre, { 37, 10, 38, 11 }, { 10, 4, 11, 5 } },
            { K::Bottom, { 37, 17, 38, 21 }, { 9, 5, 11, 9 } },
        });
}

TEST(NinePart, OddWidthEvenHeightAndEmptyPieces)
{
    // Odd width: two middle columns; even height: the empty left-edge span
    // samples row hh; the centre's destination is empty and is skipped.
    ExpectPieces(5, 4, 5, 4,
        {
            { K::TopLeft, { 0, 0, 2, 2 }, { 0, 0, 2, 2 } },
            { K::BottomLeft, { 0, 3, 2, 4 }, { 0, 3, 2, 4 } },
            { K::Left, { 0, 2, 2, 3 }, { 0, 2, 2, 3 } },
            { K::TopRight, { 4, 0, 5, 2 }, { 4, 0, 5, 2 } },
            { K::BottomRight, { 4, 3, 5, 4 }, { 4, 3, 5, 4 } },
            { K::Right, { 4, 2, 5, 4 }, { 4, 2, 5, 3 } },
            { K::Top, { 2, 0, 4, 2 }, { 2, 0, 4, 2 } },
            { K::Bottom, { 2, 2, 4, 4 }, { 1, 2, 4, 4 } },
        });
    EXPECT_TRUE(NinePartPieces(0, 0, 80, 27).empty());
    EXPECT_TRUE(NinePartPieces(74, 21, 0, 27).empty());
    for (const auto& piece : NinePartPieces(74, 21, 1, 1)) // corners vanish on a 1 x 1 button
        EXPECT_FALSE(piece.Corner());
}

// ---------------------------------------------------------------------------

TEST(RegionRuns, OneRectanglePerRunPerRowIncludingTheLastColumn)
{
    constexpr std::uint32_t k = 0xFF07FF; // the windows' key, as a DIB pixel
    constexpr std::uint32_t o = 0x123456;
    constexpr std::uint32_t magenta = 0xFF00FF; // one component off the key: opaque
    const std::uint32_t pixels[] = {
        o, o, k, o, o, // run ends in the last column
        k, k, k, k, k, // nothing
        o, k, k, k, o, // lone pixel in the last column
        magenta, k, o, o, k, // key in the last column closes the run
        0xFF000000u | k, o, o, o, o, // an alpha byte does not matter
    };
    auto runs = RegionRuns(pixels, 5, 5, 5, k);
    const std::vector<PixelRect> expected { { 0, 0, 2, 1 }, { 3, 0, 5, 1 }, { 0, 2, 1, 3 }, { 4, 2, 5, 3 },
        { 0, 3, 1, 4 }, { 2, 3, 4, 4 }, { 1, 4, 5, 5 } };
    EXPECT_EQ(runs, expected);

    const std::uint32_t column[] = { o, 0, k, 0, o, 0 }; // stride longer than the width
    EXPECT_EQ(RegionRuns(column, 1, 3, 2, k), (std::vector<PixelRect> { { 0, 0, 1, 1 }, { 0, 2, 1, 3 } }));
    EXPECT_EQ(ColorToDibPixel(0x00FF07FF), 0xFF07FFu);
    EXPECT_EQ(ColorToDibPixel(0x006B635A), 0x5A636Bu);
}

// ---------------------------------------------------------------------------

TEST(SkinButtonLayout, FaceSliceByState)
{
    EXPECT_EQ(SkinButtonFaceSlice(false, true, true), kSliceNormal);
    EXPECT_EQ(SkinButtonFaceSlice(true, true, true), kSlicePressed);
    EXPECT_EQ(SkinButtonFaceSlice(true, false, true), kSliceHot);
    EXPECT_EQ(SkinButtonFaceSlice(true, false, false), kSliceNormal);
}

TEST(SkinButtonLayout, GlyphAndCaptionForEachLayout)
{
    using L = TSkinButtonLayout;
    // 97 x 25 button, 16 x 16 glyph, 41 x 13 caption, spacing 4.
    auto left = PlaceSkinGlyph(L::blGlyphLeft, 97, 25, 16, 16, 41, 13, 4);
    EXPECT_EQ((std::array { left.glyphX, left.glyphY, left.textX, left.textY }), (std::array { 18, 4, 38, 6 }));
    auto right = PlaceSkinGlyph(L::blGlyphRight, 97, 25, 16, 16, 41, 13, 4);
    EXPECT_EQ((std::array { right.glyphX, right.glyphY, right.textX, right.textY }), (std::array { 63, 4, 18, 6 }));
    auto top = PlaceSkinGlyph(L::blGlyphTop, 97, 45, 16, 16, 41, 13, 4);
    EXPECT_EQ((std::array { top.glyphX, top.glyphY, top.textX, top.textY }), (std::array { 40, 6, 28, 26 }));
    auto bottom = PlaceSkinGlyph(L::blGlyphBottom, 97, 45, 16, 16, 41, 13, 4);
    EXPECT_EQ(
        (std::array { bottom.glyphX, bottom.glyphY, bottom.textX, bottom.textY }), (std::array { 40, 23, 28, 6 }));
    // Truncation toward zero on a button smaller than its contents.
    auto tight = PlaceSkinGlyph(L::blGlyphLeft, 20, 10, 16, 16, 41, 13, 4);
    EXPECT_EQ(tight.glyphX, -20);
    EXPECT_EQ(tight.glyphY, -3);
    EXPECT_EQ(tight.textY, -1);
}

TEST(SkinButtonLayout, TwoImageStripsAndAutoSize)
{
    auto two = PlaceSkinGlyph(TSkinButtonLayout::blGlyphLeft, 80, 27, 32, 16, 0, 0, 4);
    EXPECT_TRUE(two.twoImages);
    EXPECT_EQ(two.glyphWidth, 16);
    EXPECT_EQ(two.glyphX, 30);
    auto one = PlaceSkinGlyph(TSkinButtonLayout::blGlyphLeft, 80, 27, 16, 32, 0, 0, 4);
    EXPECT_FALSE(one.twoImages);
    EXPECT_EQ(one.glyphWidth, 16);

    EXPECT_EQ(SkinButtonAutoSize(222, 21).width, 74);
    EXPECT_EQ(SkinButtonAutoSize(54, 21).width, 18);
    EXPECT_EQ(SkinButtonAutoSize(0, 0).width, 24); // no image: 74 x 21 in thirds
    EXPECT_EQ(SkinButtonAutoSize(0, 0).height, 21);
}

} // namespace
} // namespace folvane
