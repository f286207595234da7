// The built-in style table, the element vocabulary and the slice arithmetic.
#include "skin/SkinStyleTable.h"

#include <gtest/gtest.h>

#include <set>

namespace folvane {
namespace {

using S = TSkinUIStyle;
constexpr S kStyles[] = { S::Pearl, S::Frost, S::Marine, S::Coral, S::Glass };

TEST(SkinStyleTable, KindsAreTheSameForEveryStyle)
{
    // Positions 1-10, 11-20, 21-30, 31-40, 41-48.
    const std::string kinds = std::string("2322230002") + "2200110111" + "1112111222" + "1222111222" + "22212201";
    ASSERT_EQ(kinds.size(), 48u);
    for (S style : kStyles) {
        for (int p = 1; p <= kSkinStylePositions; ++p)
            EXPECT_EQ(static_cast<int>(SkinStyleLookup(style, p).kind), kinds[p - 1] - '0') << p;
    }
    // Outside the table and for FromThemeFile: -1 of kind 0.
    for (auto [style, p] : { std::pair { S::FromThemeFile, 1 }, { S::Marine, 0 }, { S::Marine, 49 } }) {
        EXPECT_EQ(SkinStyleLookup(style, p).value, -1);
        EXPECT_EQ(SkinStyleLookup(style, p).kind, TSkinStyleValueKind::metric);
    }
}

TEST(SkinStyleTable, ValuesTheControlsRead)
{
    struct Row {
        int position;
        std::int32_t values[5];
    };
    const Row rows[] = {
        { 15, { 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } },
        { 18, { 0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E } },
        { 19, { 0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E } },
        { 20, { 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF } },
        { 21, { 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7 } },
        { 22, { 0, 0, 0, 0, 0 } },
        { 23, { 0, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6 } },
        { 25, { 0x7F7F7F, 0x686868, 0, 0, 0 } },
        { 26, { 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } },
    };
    for (const Row& row : rows) {
        for (int s = 0; s < 5; ++s)
            EXPECT_EQ(SkinStyleColor(kStyles[s], row.position), row.values[s]) << row.position << " style " << s;
    }
    const std::int32_t transparent[] = { 1, 0, 0, 0, 1 };
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(SkinStyleFlag(kStyles[s], 2), transparent[s]);
    // Each getter answers only for its own kind.
    EXPECT_EQ(SkinStyleColor(S::Marine, 2), 0);
    EXPECT_EQ(SkinStyleFlag(S::Marine, 26), 0);
    EXPECT_EQ(SkinStyleInteger(S::Marine, 26), -1);
    EXPECT_EQ(SkinStyleInteger(S::Marine, 7), 0);
    EXPECT_EQ(SkinStyleInteger(S::FromThemeFile, 7), -1);
}

TEST(SkinStyleTable, BitmapResourceNames)
{
    EXPECT_EQ(SkinStyleBitmapName(S::Pearl, 1), "PEARL_BUTTON");
    EXPECT_EQ(SkinStyleBitmapName(S::Glass, 1), "GLASS_BUTTON");
    EXPECT_EQ(SkinStyleBitmapName(S::Marine, 39), "MARINE_TAB");
    EXPECT_EQ(SkinStyleBitmapName(S::Coral, 40), "CORAL_TAB_LINE");
    EXPECT_EQ(SkinStyleBitmapName(S::Frost, 41), "FROST_SIDECHENNEL_HANDLE");
    EXPECT_EQ(SkinStyleBitmapName(S::Pearl, 38), "PEARL_SCROLLBUTTON");
    EXPECT_EQ(SkinStyleBitmapName(S::Frost, 38), "FROST_SCROLLBUTTON");
    for (S style : { S::Marine, S::Coral, S::Glass })
        EXPECT_EQ(SkinStyleBitmapName(style, 38), "MORE_SCROLLBUTTON");
    for (int p : { 43, 45, 46 })
        EXPECT_EQ(SkinStyleBitmapName(S::Marine, p), "") << p;
    EXPECT_EQ(SkinStyleBitmapName(S::Marine, 2), ""); // a flag
    EXPECT_EQ(SkinStyleBitmapName(S::FromThemeFile, 1), "");
}

TEST(SkinStyleTable, EightyFourDistinctElementNames)
{
    std::set<std::string> names;
    for (int i = 0; i < kSkinColorElementCount; ++i)
        names.insert(SkinElementName(static_cast<TSkinColorElement>(i)));
    for (int i = 0; i < kSkinBitmapElementCount; ++i)
        names.insert(SkinElementName(static_cast<TSkinBitmapElement>(i)));
    for (int i = 0; i < kSkinMetricElementCount; ++i)
        names.insert(SkinElementName(static_cast<TSkinMetricElement>(i)));
    for (int i = 0; i < kSkinFlagElementCount; ++i)
        names.insert(SkinElementName(static_cast<TSkinFlagElement>(i)));
    EXPECT_EQ(names.size(), 84u);
    EXPECT_STREQ(SkinElementName(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), "SKIN2_BUTTONFONTCOLOR");
    EXPECT_EQ(static_cast<int>(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 24);
    EXPECT_EQ(static_cast<int>(TSkinBitmapElement::SKIN2_SCROLLBUTTON), 33);
    EXPECT_EQ(static_cast<int>(TSkinFlagElement::SKIN2_BUTTONTRANS), 5);
    EXPECT_STREQ(SkinElementName(static_cast<TSkinFlagElement>(9)), "");
}

TEST(SkinSlices, TheLastSliceIsTheRightmost)
{
    // 100 px into 3: columns 0-32, 33-65 and 67-99; column 66 is skipped.
    EXPECT_EQ(SliceColumns(100, 3, 1).left, 0);
    EXPECT_EQ(SliceColumns(100, 3, 1).width, 33);
    EXPECT_EQ(SliceColumns(100, 3, 2).left, 33);
    EXPECT_EQ(SliceColumns(100, 3, 3).left, 67);
    EXPECT_EQ(SliceColumns(100, 3, 3).width, 33);
    EXPECT_EQ(SliceColumns(222, 3, 3).left, 148);
    EXPECT_EQ(SliceColumns(7, 1, 1).width, 7);
    // No slice: index outside 1..count, no count, narrower than the count.
    for (auto [w, c, i] : { std::tuple { 100, 3, 0 }, { 100, 3, 4 }, { 100, 0, 1 }, { 2, 3, 1 }, { 0, 1, 1 } })
        EXPECT_EQ(SliceColumns(w, c, i).width, 0) << w << " " << c << " " << i;
}

} // namespace
} // namespace folvane
