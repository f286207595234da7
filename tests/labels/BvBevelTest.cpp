// The bevel's extent in every mode, the rectangles the standard styles leave, and what a
// change of the bevel tells its owner.
#include "labels/BvBevel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace folvane {
namespace {

PixelRect StandardInterior(TBvBorderStyle style, PixelRect r)
{
    for (const BevelEdgeStep& step : StandardStyleSteps(style))
        r = AfterStep(r, step);
    return r;
}

TEST(LabelsBevel, ExtentOfEachMode)
{
    TBvBevel b;
    EXPECT_EQ(b.Extent(), 0); // a label without bevel takes no room
    b.SetBorderWidth(2);
    b.SetBorderInnerWidth(3);
    EXPECT_EQ(b.Extent(), 5);
    b.SetStyleOuter(TBvBevelStyle::bvFrameRaised);
    b.SetWidthOuter(4);
    b.SetStyleInner(TBvBevelStyle::bvLowered);
    b.SetWidthInner(6);
    EXPECT_EQ(b.Extent(), 2 + 3 + 4 + 1 + 6);
    b.SetStyleInner(TBvBevelStyle::bvShadow); // only the inner width and the inner rings
    EXPECT_EQ(b.Extent(), 6 + 3);

    b.SetMode(TBvBevelMode::bmStandard);
    EXPECT_EQ(b.Extent(), 1 + 3); // lsSingleLowered
    b.SetStandardStyle(TBvBorderStyle::lsNone);
    EXPECT_EQ(b.Extent(), 3);
    b.SetStandardStyle(TBvBorderStyle::lsFrameOffset);
    EXPECT_EQ(b.Extent(), 5);

    b.SetMode(TBvBevelMode::bmEdge);
    EXPECT_EQ(b.Extent(), 5);
    b.SetBorderSides(0);
    EXPECT_EQ(b.Extent(), 3);

    b.SetMode(TBvBevelMode::bmWindows);
    EXPECT_EQ(b.Extent(), 5);
    b.SetWindowFrame(true);
    EXPECT_EQ(b.Extent(), 0);
}

TEST(LabelsBevel, StandardStylesLeaveTheirInterior)
{
    const PixelRect r { 0, 0, 530, 25 };
    // lsSingle adjusts only its sunken left and top; right and bottom stay.
    EXPECT_EQ(StandardInterior(TBvBorderStyle::lsSingle, r), (PixelRect { 1, 1, 530, 25 }));
    EXPECT_EQ(StandardInterior(TBvBorderStyle::lsLowered, r), (PixelRect { 2, 2, 528, 23 }));
    EXPECT_EQ(StandardInterior(TBvBorderStyle::lsRaisedspb, r), (PixelRect { 1, 1, 528, 23 }));
    EXPECT_EQ(StandardInterior(TBvBorderStyle::lsRaisedExt, r), (PixelRect { 2, 2, 528, 23 }));
    EXPECT_EQ(StandardInterior(TBvBorderStyle::lsLoweredExt, r), (PixelRect { 2, 2, 528, 23 }));
    EXPECT_EQ(StandardInterior(TBvBorderStyle::lsWindowBorder, r), (PixelRect { 2, 2, 528, 23 }));
    EXPECT_EQ(StandardInterior(TBvBorderStyle::lsDoubleLowered, r), (PixelRect { 2, 2, 528, 23 }));
    EXPECT_EQ(StandardInterior(TBvBorderStyle::lsNone, r), r);
    // Every style's width is the most its calls take on one side.
    for (int s = 0; s <= static_cast<int>(TBvBorderStyle::lsDoubleLowered); ++s) {
        const auto style = static_cast<TBvBorderStyle>(s);
        const PixelRect in = StandardInterior(style, r);
        EXPECT_EQ(std::max(in.left, r.right - in.right), StandardStyleWidth(style)) << s;
    }
}

TEST(LabelsBevel, ChangesNotifyTheOwner)
{
    TBvBevel b;
    int calls = 0;
    b.OnChange = [&] { ++calls; };
    b.SetBorderInnerWidth(3);
    b.SetBorderInnerWidth(3); // unchanged: no call
    EXPECT_EQ(calls, 1);
    b.SetWidthOuter(99);
    EXPECT_EQ(b.WidthOuter(), 50);
    b.SetBorderWidth(-4);
    EXPECT_EQ(b.BorderWidth(), 0);

    // The standard style only matters, and so only notifies, in the standard mode.
    calls = 0;
    b.SetStandardStyle(TBvBorderStyle::lsSingle);
    EXPECT_EQ(calls, 0);
    b.SetMode(TBvBevelMode::bmStandard);
    EXPECT_EQ(b.Extent(), 4);
    b.SetStandardStyle(TBvBorderStyle::lsLowered);
    EXPECT_EQ(calls, 2);

    // The shadow style couples the outer style to the inner one.
    b.SetStyleOuter(TBvBevelStyle::bvRaised);
    b.SetStyleInner(TBvBevelStyle::bvShadow);
    EXPECT_EQ(b.StyleOuter(), TBvBevelStyle::bvShadow);
    b.SetStyleInner(TBvBevelStyle::bvLowered);
    EXPECT_EQ(b.StyleOuter(), TBvBevelStyle::bvNone);

    // Assigning copies every field and notifies once; the owner's callback stays.
    TBvBevel other;
    other.SetMode(TBvBevelMode::bmEdge);
    other.SetBorderSides(fsTop);
    calls = 0;
    b = other;
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(b.Mode(), TBvBevelMode::bmEdge);
    EXPECT_EQ(b.Extent(), 2);
    EXPECT_EQ(BorderSideBits(b.BorderSides()), edge::kTop);
}

} // namespace
} // namespace folvane
