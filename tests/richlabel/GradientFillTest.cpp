// Band positions and colours of GradientFill, with its rounding to nearest, ties to even.
#include "richlabel/GradientFill.h"
#include "richlabel/FakeMarkupCanvas.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

TEST(richlabel_GradientFill, ComponentsRoundHalfToEven)
{
    EXPECT_EQ(GradientComponent(0, 1, 1, 2), 0); // 0.5
    EXPECT_EQ(GradientComponent(0, 3, 1, 2), 2); // 1.5
    EXPECT_EQ(GradientComponent(0, 5, 1, 2), 2); // 2.5
    EXPECT_EQ(GradientComponent(10, 7, 1, 2), 8); // 10 - 1.5
    EXPECT_EQ(GradientComponent(255, 0, 3, 4), 64); // 255 - 191.25
    EXPECT_EQ(GradientComponent(0, 255, 0, 64), 0);
}

TEST(richlabel_GradientFill, HorizontalBandsOverlapByTheTruncatedStep)
{
    test::FakeCanvas canvas;
    GradientFill(canvas, MakeColor(0, 0, 0), MakeColor(200, 100, 3), true, { 0, 5, 10, 15 }, 4);
    ASSERT_EQ(canvas.fills.size(), 4u);
    // step 2.5: lefts round(0), round(2.5), round(5), round(7.5); width trunc(2.5) + 1.
    EXPECT_EQ(canvas.fills[0].rect, (MarkupRect { 0, 5, 3, 15 }));
    EXPECT_EQ(canvas.fills[1].rect, (MarkupRect { 2, 5, 5, 15 }));
    EXPECT_EQ(canvas.fills[2].rect, (MarkupRect { 5, 5, 8, 15 }));
    EXPECT_EQ(canvas.fills[3].rect, (MarkupRect { 8, 5, 10, 15 }));
    EXPECT_EQ(canvas.fills[0].color, MakeColor(0, 0, 0));
    EXPECT_EQ(canvas.fills[1].color, MakeColor(50, 25, 1)); // 0.75 rounds up
    EXPECT_EQ(canvas.fills[2].color, MakeColor(100, 50, 2)); // 1.5 to even
    EXPECT_EQ(canvas.fills[3].color, MakeColor(150, 75, 2)); // 2.25
}

TEST(richlabel_GradientFill, VerticalZeroStepsAndSystemColours)
{
    test::FakeCanvas canvas;
    GradientFill(canvas, clBtnFace, clWhite, false, { 0, 0, 8, 100 }, 0);
    ASSERT_EQ(canvas.fills.size(), 1u);
    EXPECT_EQ(canvas.fills[0].rect, (MarkupRect { 0, 0, 8, 100 }));
    EXPECT_EQ(canvas.fills[0].color, MakeColor(15, 15, 15)); // the fake's resolution of 15

    canvas.Clear();
    // A 100-wide label gives 25 steps; the bands reach the right edge and no further.
    GradientFill(canvas, clBlack, clNone, false, { 0, 0, 100, 30 }, 100 / 4);
    ASSERT_EQ(canvas.fills.size(), 25u);
    EXPECT_EQ(canvas.fills[24].rect, (MarkupRect { 0, 29, 100, 30 }));
    EXPECT_EQ(canvas.fills[24].color, MakeColor(245, 245, 245)); // towards white
}

} // namespace
} // namespace folvane
