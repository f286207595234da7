// The drive list over the real system, in a prefix with a CD-ROM drive E:
// labelled FSX.
#include "controls/DriveList.h"
#include "controls/Win32DriveSource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace folvane {
namespace {

TEST(ControlsDriveSource, ListsTheCdDriveWithItsLabel)
{
    Win32DriveSource system;
    ASSERT_EQ(GetDriveTypeW(L"E:\\"), static_cast<UINT>(DRIVE_CDROM)) << "the test prefix has no CD drive E:";
    const std::vector<std::wstring> cds = BuildDriveList(system, dcoDisplayCD);
    EXPECT_NE(std::find(cds.begin(), cds.end(), L"E: [FSX]"), cds.end());
    const std::vector<std::wstring> hard = BuildDriveList(system, dcoDisplayHard);
    EXPECT_EQ(std::find(hard.begin(), hard.end(), L"E: [FSX]"), hard.end());
    EXPECT_NE(FindDriveItem(hard, L'c'), -1);

    // The error mode is back as it was.
    const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
    BuildDriveList(system, kAllDriveTypes);
    EXPECT_EQ(SetErrorMode(before), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));

    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(system.CurrentDirectoryDrive(), current[0]);
    EXPECT_EQ(system.ConnectionName(L'C'), L"");
}

} // namespace
} // namespace folvane
