// The effect label's vertical placement, the copies of its styles and effects, and its
// auto-size bounds.
#include "controls/ExLabelGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace folvane {
namespace {

TEST(ControlsExLabelGeometry, LayoutAndAutoBounds)
{
    EXPECT_EQ(LayoutOffset(TTextLayout::tlTop, 40, 13), 0);
    EXPECT_EQ(LayoutOffset(TTextLayout::tlCenter, 40, 13), 13);
    EXPECT_EQ(LayoutOffset(TTextLayout::tlBottom, 40, 13), 27);
    const PixelRect current { 70, 10, 384, 37 };
    EXPECT_EQ(ExLabelAutoBounds(current, 100, 20, 2, TAlignment::taLeftJustify), (PixelRect { 70, 10, 174, 34 }));
    EXPECT_EQ(ExLabelAutoBounds(current, 100, 20, 2, TAlignment::taCenter), (PixelRect { 70, 10, 174, 34 }));
    EXPECT_EQ(ExLabelAutoBounds(current, 100, 20, 2, TAlignment::taRightJustify), (PixelRect { 280, 10, 384, 34 }));
}

TEST(ControlsExLabelGeometry, StyleAndEffectCopies)
{
    const TColor font = clNavy, light = clWhite, dark = clGray, outline = MakeColor(0xE9, 0xED, 0xF5);
    const std::vector<TextCopy> outlined = StyleCopies(TExLabelStyle::ltsOutlined, font, light, dark, outline);
    ASSERT_EQ(outlined.size(), 5u);
    for (int i = 0; i < 4; ++i) { // the four diagonals, then the text in place
        EXPECT_EQ(outlined[i].color, outline);
        EXPECT_EQ(std::abs(outlined[i].dx) + std::abs(outlined[i].dy), 2);
    }
    EXPECT_EQ(outlined[4], (TextCopy { 0, 0, font }));
    EXPECT_EQ(
        StyleCopies(TExLabelStyle::ltsNormal, font, light, dark, outline), (std::vector<TextCopy> { { 0, 0, font } }));
    const auto embossed = StyleCopies(TExLabelStyle::ltsEmbossed, font, light, dark, outline);
    const auto recessed = StyleCopies(TExLabelStyle::ltsRecessed, font, light, dark, outline);
    EXPECT_EQ(embossed[0], (TextCopy { -1, -1, light }));
    EXPECT_EQ(recessed[0], (TextCopy { -1, -1, dark }));
    EXPECT_EQ(recessed[1], (TextCopy { 1, 1, light }));

    ExtrudeSettings s;
    s.depth = 4;
    s.farColor = MakeColor(0, 0, 0);
    s.nearColor = MakeColor(200, 100, 0);
    const std::vector<TextCopy> extruded = ExtrudeCopies(s, 100, 100);
    ASSERT_EQ(extruded.size(), 4u);
    EXPECT_EQ(extruded.front(), (TextCopy { 4, 4, MakeColor(0, 0, 0) })); // farthest first
    EXPECT_EQ(extruded.back(), (TextCopy { 1, 1, MakeColor(150, 75, 0) }));
    s.position = TExExtrudePosition::lepLeftTop;
    EXPECT_EQ(ExtrudeCopies(s, 100, 100).front().dx, -4);
    s.depth = 0;
    EXPECT_TRUE(ExtrudeCopies(s, 100, 100).empty());
}

TEST(ControlsExLabelGeometry, ExtrusionStopsWhereNoCopyCanBeSeen)
{
    // Reach 30 across, 12 down: copies moved that far lie wholly outside the label.
    ExtrudeSettings s;
    s.depth = 2147483647;
    s.farColor = MakeColor(0, 0, 0);
    s.nearColor = MakeColor(255, 255, 255);
    const std::vector<TextCopy> diagonal = ExtrudeCopies(s, 30, 12);
    ASSERT_EQ(diagonal.size(), 11u);
    EXPECT_EQ(diagonal.front(), (TextCopy { 11, 11, MakeColor(254, 254, 254) }));
    EXPECT_EQ(diagonal.back(), (TextCopy { 1, 1, MakeColor(254, 254, 254) }));
    s.position = TExExtrudePosition::lepLeft;
    EXPECT_EQ(ExtrudeCopies(s, 30, 12).size(), 29u);
    EXPECT_EQ(ExtrudeCopies(s, 30, 12).front().dx, -29);
    s.position = TExExtrudePosition::lepTop;
    EXPECT_EQ(ExtrudeCopies(s, 30, 12).size(), 11u);

    // The copies that are kept look as they would without the bound.
    s.depth = 20;
    s.position = TExExtrudePosition::lepRight;
    const std::vector<TextCopy> all = ExtrudeCopies(s, 100, 100);
    const std::vector<TextCopy> seen = ExtrudeCopies(s, 8, 8);
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_TRUE(std::equal(seen.begin(), seen.end(), all.end() - 7));
}

} // namespace
} // namespace folvane
