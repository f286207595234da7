// Alignment flags, block placement, measurement growth, text plans and jump targets.
#include "labels/BvTextLayout.h"
#include "labels/BvJump.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

TEST(LabelsTextLayout, FlagsOfAlignmentsAndOptions)
{
    EXPECT_EQ(AlignmentFlags(TBvAlignment::agTopLeft), 0u);
    EXPECT_EQ(AlignmentFlags(TBvAlignment::agCenterLeft), dt::kVCenter);
    EXPECT_EQ(AlignmentFlags(TBvAlignment::agCenter), dt::kVCenter | dt::kCenter);
    EXPECT_EQ(AlignmentFlags(TBvAlignment::agBottomRight), dt::kBottom | dt::kRight);
    EXPECT_EQ(OptionFlags(loPathEllipsis | loEditControl), dt::kPathEllipsis | dt::kEditControl);
    EXPECT_EQ(OptionFlags(0), 0u);
}

TEST(LabelsTextLayout, BlockPlacement)
{
    const PixelRect t { 10, 20, 130, 50 }; // 120 x 30
    EXPECT_EQ(PlaceTextBlock(t, 50, 13, TBvAlignment::agTopLeft), (PixelRect { 10, 20, 60, 33 }));
    EXPECT_EQ(PlaceTextBlock(t, 51, 13, TBvAlignment::agCenter), (PixelRect { 44, 28, 95, 41 }));
    EXPECT_EQ(PlaceTextBlock(t, 50, 13, TBvAlignment::agBottomRight), (PixelRect { 80, 37, 130, 50 }));
    // A block larger than the target moves out of it; the halves truncate toward zero.
    EXPECT_EQ(PlaceTextBlock(t, 125, 33, TBvAlignment::agCenter), (PixelRect { 8, 19, 133, 52 }));
    EXPECT_EQ(GrowMeasurement(PixelRect { 0, 0, 267, 13 }, 0), (PixelRect { 0, 0, 269, 15 }));
    EXPECT_EQ(GrowMeasurement(PixelRect { 0, 0, 40, 13 }, 3), (PixelRect { 0, 0, 48, 21 }));
    EXPECT_TRUE(MeasuresAsBlank(std::string(), true));
    EXPECT_TRUE(MeasuresAsBlank(std::wstring(L"&"), true));
    EXPECT_FALSE(MeasuresAsBlank(std::string("&"), false));
    EXPECT_FALSE(MeasuresAsBlank(std::string("&&"), true));
}

TEST(LabelsTextLayout, PlansOfTheTwoLabels)
{
    using A = TBvAlignment;
    // Auto size leaves everything to DrawTextEx: no single line, no placed block.
    const TextPlan autoSized = BevelledLabelTextPlan(true, false, false, A::agCenter);
    EXPECT_FALSE(autoSized.singleLine);
    EXPECT_FALSE(autoSized.placeBlock);
    EXPECT_TRUE(BevelledLabelTextPlan(false, false, false, A::agCenter).singleLine);
    EXPECT_TRUE(BevelledLabelTextPlan(false, false, true, A::agCenterLeft).placeBlock);
    EXPECT_FALSE(BevelledLabelTextPlan(false, false, true, A::agTopRight).placeBlock);
    const TextPlan angled = BevelledLabelTextPlan(false, true, true, A::agTopCenter);
    EXPECT_TRUE(angled.singleLine && angled.placeBlock);
    // The simple label decides the same way with or without auto size.
    EXPECT_TRUE(SimpleLabelTextPlan(false, A::agCenterLeft).singleLine);
    EXPECT_TRUE(SimpleLabelTextPlan(true, A::agCenter).placeBlock);
    EXPECT_FALSE(SimpleLabelTextPlan(true, A::agTopCenter).placeBlock);
}

TEST(LabelsJump, Targets)
{
    using M = TBvJumpMode;
    EXPECT_EQ(JumpTarget(M::jmInternet, "", "me@example.org"), "mailto:me@example.org");
    EXPECT_EQ(JumpTarget(M::jmInternet, " \t", "www.example.org"), "www.example.org");
    EXPECT_EQ(JumpTarget(M::jmInternet, "http://x", "me@example.org"), "http://x");
    EXPECT_EQ(JumpTarget(M::jmApplication, "", "a@b.exe"), "a@b.exe"); // only the internet mode mails
    EXPECT_TRUE(ClickRunsHandler(M::jmCustom));
    EXPECT_FALSE(ClickRunsHandler(M::jmInternet));
    EXPECT_TRUE(IsLinkMode(M::jmCustom));
    EXPECT_FALSE(IsLinkMode(M::jmNone));
}

} // namespace
} // namespace folvane
