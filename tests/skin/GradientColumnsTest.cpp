// Column colours of the menu bar's gradient.
#include "skin/GradientColumns.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

TEST(SkinGradientColumns, BlackToWhiteOver255Columns)
{
    EXPECT_EQ(GradientColumnColor(0x000000, 0xFFFFFF, 255, 0), 0x000000u);
    EXPECT_EQ(GradientColumnColor(0x000000, 0xFFFFFF, 255, 100), 0x646464u);
    EXPECT_EQ(GradientColumnColor(0x000000, 0xFFFFFF, 255, 253), 0xFDFDFDu);
    // The last column is the end colour itself, not 254/255 of the way.
    EXPECT_EQ(GradientColumnColor(0x000000, 0xFFFFFF, 255, 254), 0xFFFFFFu);
}

TEST(SkinGradientColumns, HalvesRoundToEvenInBothDirections)
{
    // Red rises 0 -> 1 over 4 columns: 0.5 at column 2 rounds to 0; green
    // rises 0 -> 3: 1.5 rounds to 2; blue falls 3 -> 0: -1.5 rounds to -2.
    EXPECT_EQ(GradientColumnColor(MakeColor(0, 0, 3), MakeColor(1, 3, 0), 4, 2), MakeColor(0, 2, 1));
    // 0.75 and 2.25 round to the nearest.
    EXPECT_EQ(GradientColumnColor(MakeColor(0, 0, 3), MakeColor(1, 3, 0), 5, 1), MakeColor(0, 1, 2));
    // Channels move independently.
    EXPECT_EQ(GradientColumnColor(0x0000FF, 0xFF0000, 3, 1), MakeColor(170, 0, 85));
}

} // namespace
} // namespace folvane
