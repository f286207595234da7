// The drive combo's list, built over a small seam onto the system so that
// the rules run natively with fakes: which drives are listed, what each is
// called, which item a drive letter selects, and the case mapping of the
// drawn text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace folvane {

enum TDriveComboOption : unsigned {
    dcoDisplayFloppy = 1,
    dcoDisplayNetwork = 2,
    dcoDisplayHard = 4,
    dcoDisplayCD = 8,
    dcoDisplayRAM = 16,
};
using TDriveComboOptions = unsigned;
constexpr TDriveComboOptions kAllDriveTypes
    = dcoDisplayFloppy | dcoDisplayNetwork | dcoDisplayHard | dcoDisplayCD | dcoDisplayRAM;

enum class TExTextCase { etcNoChange, etcUppercase, etcLowercase };

// The system's drive type codes.
enum class TDriveKind : unsigned { Unknown, NoRootDir, Removable, Fixed, Remote, CDRom, RamDisk };

class DriveSource {
public:
    virtual ~DriveSource() = default;
    // Turns the system's critical-error boxes off; returns the mode to restore.
    virtual unsigned FailCriticalErrors() = 0;
    virtual void RestoreErrorMode(unsigned mode) = 0;
    // Bit n set: drive 'A' + n exists.
    virtual std::uint32_t LogicalDrives() = 0;
    virtual TDriveKind KindOf(wchar_t letter) = 0;
    // Empty on failure.
    virtual std::wstring VolumeLabel(wchar_t letter) = 0;
    // The network resource the drive is connected to; empty on failure.
    virtual std::wstring ConnectionName(wchar_t letter) = 0;
    // First character of the process's current directory.
    virtual wchar_t CurrentDirectoryDrive() = 0;
};

// One item per listed drive, "E: [label]", in letter order. Drives of a type
// outside `options` are left out; drives of no known type are always listed.
// The critical-error mode is restored on every path.
std::vector<std::wstring> BuildDriveList(DriveSource& source, TDriveComboOptions options);

// The letter upper-cased, or 0 when it is not a letter A to Z.
wchar_t DriveLetter(wchar_t letter);
// The first item beginning with the (upper-cased) letter; -1 for none.
int FindDriveItem(const std::vector<std::wstring>& items, wchar_t letter);
// The first character of the item, or 0 for no item.
wchar_t DriveOfItem(const std::vector<std::wstring>& items, int index);

// The selected item and the Drive letter of a drive combo.
struct DriveSelection {
    int itemIndex = -1;
    wchar_t drive = 0;
    bool operator==(const DriveSelection&) const = default;
};

// Assigning a letter to Drive: nothing when it equals the current letter or
// no item begins with it; otherwise that item is selected.
DriveSelection ApplyDriveLetter(const std::vector<std::wstring>& items, DriveSelection state, wchar_t letter);
// After the list was rebuilt (nothing selected): Drive becomes the current
// directory's drive, then the remembered letter is applied.
DriveSelection ChooseDriveAfterRebuild(
    const std::vector<std::wstring>& items, wchar_t remembered, wchar_t currentDirectoryDrive);

// Only A-Z and a-z change.
std::wstring ApplyTextCase(std::wstring text, TExTextCase textCase);

} // namespace folvane
