// Type-ahead search, pop-up geometry, drive rows and the drive list over a
// fake system.
#include "controls/ComboGeometry.h"
#include "controls/DriveList.h"
#include "controls/TypeAheadSearch.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace folvane {
namespace {

const std::vector<std::wstring> kItems { L"Alpha", L"beta", L"Bravo", L"Charlie", L"Bb" };

TEST(ControlsTypeAhead, SearchesFromTheItemAfterTheCurrentOneAndWraps)
{
    TypeAheadSearch search;
    EXPECT_EQ(search.Type(L'b', kItems, -1), 1); // case-insensitive, from the first
    search.Clear();
    EXPECT_EQ(search.Type(L'B', kItems, 1), 2); // after the current one
    search.Clear();
    EXPECT_EQ(search.Type(L'a', kItems, 3), 0); // wraps to the first
    search.Clear();
    // Typing on keeps a match that is already selected.
    EXPECT_EQ(search.Type(L'c', kItems, 0), 3);
    EXPECT_EQ(search.Type(L'h', kItems, 3), 3);
    EXPECT_EQ(search.Type(L'x', kItems, 3), -1);
    EXPECT_EQ(search.Typed(), L"chx");
    search.Backspace();
    EXPECT_EQ(search.Typed(), L"ch");
    EXPECT_EQ(search.Type(L'a', kItems, 3), 3);
    EXPECT_EQ(search.Type(L'b', {}, -1), -1);
}

TEST(ControlsTypeAhead, RepeatedLetterStepsThroughItsItems)
{
    TypeAheadSearch search;
    int index = search.Type(L'b', kItems, -1);
    EXPECT_EQ(index, 1);
    // "bb" names an item of its own and is found first.
    index = search.Type(L'b', kItems, index);
    EXPECT_EQ(index, 4);
    // "bbb" finds nothing: the search starts again with "b" after "Bb".
    index = search.Type(L'b', kItems, index);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(search.Typed(), L"b");
    index = search.Type(L'b', kItems, index);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(search.Type(L'b', kItems, index), 1);
    EXPECT_EQ(search.Type(L'b', kItems, 1), 4);
    // Mixed text that finds nothing does not restart.
    search.Clear();
    EXPECT_EQ(search.Type(L'a', kItems, -1), 0);
    EXPECT_EQ(search.Type(L'b', kItems, 0), -1);
    EXPECT_EQ(search.Typed(), L"ab");
}

DropDownInput Combo(int left, int top)
{
    DropDownInput in;
    in.combo = { left, top, left + 124, top + 21 };
    in.itemCount = 3;
    in.itemHeight = 17;
    in.workArea = { 0, 0, 800, 600 };
    return in;
}

TEST(ControlsComboGeometry, PopUpSize)
{
    DropDownInput in = Combo(100, 100);
    EXPECT_EQ(DropDownRect(in), (PixelRect { 100, 121, 224, 121 + 3 * 17 + 4 }));
    in.itemCount = 0; // one row when empty
    EXPECT_EQ(DropDownRect(in).Height(), 17 + 4);
    in.itemCount = 20;
    EXPECT_EQ(DropDownRect(in).Height(), 8 * 17 + 4);
    in.horizontalScroll = true;
    in.scrollBarHeight = 16;
    EXPECT_EQ(DropDownRect(in).Height(), 8 * 17 + 4 + 16);
    in.dropDownWidth = 200; // right edges line up
    EXPECT_EQ(DropDownRect(in).left, 224 - 200);
    in.alignment = TAlignment::taLeftJustify;
    EXPECT_EQ(DropDownRect(in).left, 100);
    in.rightToLeft = true;
    EXPECT_EQ(DropDownRect(in).left, 24);
}

TEST(ControlsComboGeometry, PopUpPlacedAboveOrRightAlignedAtTheEdges)
{
    DropDownInput in = Combo(100, 560);
    EXPECT_EQ(DropDownRect(in).bottom, 560); // near the bottom: above
    in = Combo(700, 100);
    in.alignment = TAlignment::taLeftJustify;
    in.dropDownWidth = 150;
    EXPECT_EQ(DropDownRect(in).right, 824); // passes the right: right-aligned

    // Within the parent form: above only when it still starts inside it.
    in = Combo(100, 300);
    in.hasParentForm = true;
    in.parentClient = { 50, 200, 500, 340 };
    EXPECT_EQ(DropDownRect(in).bottom, 300);
    in.parentClient.top = 260;
    EXPECT_EQ(DropDownRect(in).top, 321);
    in.parentClient.top = 200;
    in.adjustDropDownPos = false;
    EXPECT_EQ(DropDownRect(in).top, 321);
}

TEST(ControlsComboGeometry, DriveRowsIconsAndArrow)
{
    EXPECT_EQ(DriveItemHeight(-11, 2, 0, 16), 17);
    EXPECT_EQ(DriveItemHeight(-8, 2, 0, 16), 16);
    EXPECT_EQ(DriveItemHeight(-8, 2, 18, 16), 18);

    EXPECT_EQ(ChooseDriveIcon(17, 16, 32).size, 16);
    EXPECT_FALSE(ChooseDriveIcon(12, 16, 32).large);
    EXPECT_EQ(ChooseDriveIcon(12, 16, 32).size, 12);
    EXPECT_TRUE(ChooseDriveIcon(40, 16, 32).large);
    EXPECT_EQ(ChooseDriveIcon(40, 16, 32).size, 32);

    const DriveItemLayout row = LayoutDriveItem({ 0, 17, 120, 34 }, 16);
    EXPECT_EQ(row.icon, (PixelRect { 0, 17, 16, 33 }));
    EXPECT_EQ(row.textLeft, 20);
    EXPECT_EQ(LayoutDriveItem({ 2, 0, 120, 21 }, 16).icon.top, 2);

    EXPECT_EQ(DriveTextThemeState(false, true, true), 4);
    EXPECT_EQ(DriveTextThemeState(true, true, true), 3);
    EXPECT_EQ(DriveTextThemeState(true, false, true), 2);
    EXPECT_EQ(DriveTextThemeState(true, false, false), 1);

    std::string rows;
    for (int y = 0; y < kArrowGlyphHeight; ++y) {
        for (int x = 0; x < kArrowGlyphWidth; ++x)
            rows += ArrowGlyphPixel(x, y) ? '#' : '.';
        rows += '/';
    }
    EXPECT_EQ(rows, "........./.#######./..#####../...###.../....#..../");
}

class FakeDrives : public DriveSource {
public:
    struct Drive {
        TDriveKind kind;
        std::wstring name;
    };
    std::map<wchar_t, Drive> drives;
    unsigned mode = 7;
    std::vector<unsigned> modes;

    unsigned FailCriticalErrors() override
    {
        modes.push_back(1);
        return std::exchange(mode, 1);
    }
    void RestoreErrorMode(unsigned old) override
    {
        modes.push_back(old);
        mode = old;
    }
    std::uint32_t LogicalDrives() override
    {
        std::uint32_t mask = 0;
        for (auto& [letter, drive] : drives)
            mask |= 1u << (letter - L'A');
        return mask;
    }
    TDriveKind KindOf(wchar_t letter) override { return drives.at(letter).kind; }
    std::wstring VolumeLabel(wchar_t letter) override
    {
        const Drive& drive = drives.at(letter);
        EXPECT_NE(drive.kind, TDriveKind::Remote);
        EXPECT_EQ(mode, 1u); // read with error boxes off
        return drive.name;
    }
    std::wstring ConnectionName(wchar_t letter) override
    {
        EXPECT_EQ(drives.at(letter).kind, TDriveKind::Remote);
        return drives.at(letter).name;
    }
    wchar_t CurrentDirectoryDrive() override { return L'C'; }
};

TEST(ControlsDriveList, ListsWantedTypesWithTheirNames)
{
    FakeDrives fake;
    fake.drives = {
        { L'A', { TDriveKind::Removable, L"ignored" } },
        { L'C', { TDriveKind::Fixed, L"SYSTEM" } },
        { L'E', { TDriveKind::CDRom, L"FSX" } },
        { L'F', { TDriveKind::CDRom, L"" } }, // not ready
        { L'N', { TDriveKind::Remote, L"\\\\server\\share" } },
        { L'R', { TDriveKind::RamDisk, L"RAM" } },
        { L'Z', { TDriveKind::Unknown, L"odd" } },
    };
    EXPECT_EQ(BuildDriveList(fake, kAllDriveTypes),
        (std::vector<std::wstring> {
            L"A: []", L"C: [SYSTEM]", L"E: [FSX]", L"F: []", L"N: [\\\\server\\share]", L"R: [RAM]", L"Z: [odd]" }));
    EXPECT_EQ(BuildDriveList(fake, dcoDisplayCD), (std::vector<std::wstring> { L"E: [FSX]", L"F: []", L"Z: [odd]" }));
    EXPECT_EQ(BuildDriveList(fake, dcoDisplayFloppy | dcoDisplayNetwork | dcoDisplayHard | dcoDisplayRAM).size(), 5u);
    EXPECT_EQ(fake.mode, 7u);
    EXPECT_EQ(fake.modes.back(), 7u);
}

TEST(ControlsDriveList, LettersSelectItems)
{
    const std::vector<std::wstring> items { L"D: [DATA]", L"E: [FSX]" };
    EXPECT_EQ(FindDriveItem(items, L'e'), 1);
    EXPECT_EQ(FindDriveItem(items, L'['), -1);
    EXPECT_EQ(DriveOfItem(items, 0), L'D');
    EXPECT_EQ(DriveOfItem(items, -1), 0);
    EXPECT_EQ(DriveOfItem(items, 2), 0);

    const DriveSelection none { -1, L'C' };
    EXPECT_EQ(ApplyDriveLetter(items, none, L'e'), (DriveSelection { 1, L'E' }));
    EXPECT_EQ(ApplyDriveLetter(items, none, L'X'), none);
    EXPECT_EQ(ApplyDriveLetter(items, none, L'5'), none);
    // The current directory's drive first, then the remembered one.
    EXPECT_EQ(ChooseDriveAfterRebuild(items, L'C', L'C'), none);
    EXPECT_EQ(ChooseDriveAfterRebuild(items, L'E', L'C'), (DriveSelection { 1, L'E' }));
    EXPECT_EQ(ChooseDriveAfterRebuild(items, L'G', L'Z'), (DriveSelection { -1, L'Z' }));
    EXPECT_EQ(ChooseDriveAfterRebuild(items, 0, L'D'), (DriveSelection { -1, L'D' }));

    EXPECT_EQ(ApplyTextCase(L"e: [Fsx\u00e9]", TExTextCase::etcUppercase), L"E: [FSX\u00e9]");
    EXPECT_EQ(ApplyTextCase(L"E: [FSX\u00c9]", TExTextCase::etcLowercase), L"e: [fsx\u00c9]");
    EXPECT_EQ(ApplyTextCase(L"E: [Fsx]", TExTextCase::etcNoChange), L"E: [Fsx]");
}

} // namespace
} // namespace folvane
