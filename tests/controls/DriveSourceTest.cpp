// The drive list's system seam: the error mode comes back as it was, and
// the current directory's drive is read.
#include "controls/DriveList.h"
#include "controls/Win32DriveSource.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace folvane {
namespace {

TEST(ControlsDriveSource, RestoresTheErrorModeAndReadsTheCurrentDrive)
{
    Win32DriveSource system;
    const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
    EXPECT_FALSE(BuildDriveList(system, kAllDriveTypes).empty());
    EXPECT_EQ(SetErrorMode(before), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));

    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(system.CurrentDirectoryDrive(), current[0]);
    EXPECT_EQ(system.ConnectionName(L'C'), L"");
}

} // namespace
} // namespace folvane
