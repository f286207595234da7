// The drive list's view of the real system: logical drives, their types,
// volume labels and network connection names, the error mode and the
// current directory.
#pragma once

#include "controls/DriveList.h"

namespace folvane {

class Win32DriveSource : public DriveSource {
public:
    unsigned FailCriticalErrors() override;
    void RestoreErrorMode(unsigned mode) override;
    std::uint32_t LogicalDrives() override;
    TDriveKind KindOf(wchar_t letter) override;
    std::wstring VolumeLabel(wchar_t letter) override;
    std::wstring ConnectionName(wchar_t letter) override;
    wchar_t CurrentDirectoryDrive() override;
};

} // namespace folvane
