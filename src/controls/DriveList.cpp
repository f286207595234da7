// The drive list: one row per drive, its text, icon and order, over the drive seam.
#include "controls/DriveList.h"

namespace folvane {

namespace {

bool Listed(TDriveKind kind, TDriveComboOptions options)
{
    switch (kind) {
    case TDriveKind::Removable:
        return (options & dcoDisplayFloppy) != 0;
    case TDriveKind::Remote:
        return (options & dcoDisplayNetwork) != 0;
    case TDriveKind::CDRom:
        return (options & dcoDisplayCD) != 0;
    case TDriveKind::Fixed:
        return (options & dcoDisplayHard) != 0;
    case TDriveKind::RamDisk:
        return (options & dcoDisplayRAM) != 0;
    default:
        return true;
    }
}

std::wstring DriveName(DriveSource& source, wchar_t letter, TDriveKind kind)
{
    switch (kind) {
    case TDriveKind::Removable:
        return {};
    case TDriveKind::Remote:
        return source.ConnectionName(letter);
    default:
        return source.VolumeLabel(letter);
    }
}

class ErrorModeScope {
public:
    explicit ErrorModeScope(DriveSource& source)
        : source_(source)
        , old_(source.FailCriticalErrors())
    {
    }
    ~ErrorModeScope() { source_.RestoreErrorMode(old_); }
    ErrorModeScope(const ErrorModeScope&) = delete;
    ErrorModeScope& operator=(const ErrorModeScope&) = delete;

private:
    DriveSource& source_;
    unsigned old_;
};

} // namespace

std::vector<std::wstring> BuildDriveList(DriveSource& source, TDriveComboOptions options)
{
    std::vector<std::wstring> items;
    ErrorModeScope errorMode(source);
    const std::uint32_t mask = source.LogicalDrives();
    for (int n = 0; n < 26; ++n) {
        if ((mask & (std::uint32_t { 1 } << n)) == 0)
            continue;
        const wchar_t letter = static_cast<wchar_t>(L'A' + n);
        const TDriveKind kind = source.KindOf(letter);
        if (!Listed(kind, options))
            continue;
        items.push_back(std::wstring { letter } + L": [" + DriveName(source, letter, kind) + L"]");
    }
    return items;
}

wchar_t DriveLetter(wchar_t letter)
{
    if (letter >= L'a' && letter <= L'z')
        letter = static_cast<wchar_t>(letter - L'a' + L'A');
    return letter >= L'A' && letter <= L'Z' ? letter : 0;
}

int FindDriveItem(const std::vector<std::wstring>& items, wchar_t letter)
{
    letter = DriveLetter(letter);
    if (letter == 0)
        return -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].empty() && items[i][0] == letter)
            return static_cast<int>(i);
    }
    return -1;
}

wchar_t DriveOfItem(const std::vector<std::wstring>& items, int index)
{
    if (index < 0 || index >= static_cast<int>(items.size()) || items[index].empty())
        return 0;
    return items[index][0];
}

DriveSelection ApplyDriveLetter(const std::vector<std::wstring>& items, DriveSelection state, wchar_t letter)
{
    if (letter == state.drive)
        return state;
    const int index = FindDriveItem(items, letter);
    if (index < 0)
        return state;
    return { index, DriveLetter(letter) };
}

DriveSelection ChooseDriveAfterRebuild(
    const std::vector<std::wstring>& items, wchar_t remembered, wchar_t currentDirectoryDrive)
{
    return ApplyDriveLetter(items, { -1, currentDirectoryDrive }, remembered);
}

std::wstring ApplyTextCase(std::wstring text, TExTextCase textCase)
{
    for (wchar_t& ch : text) {
        if (textCase == TExTextCase::etcUppercase && ch >= L'a' && ch <= L'z')
            ch = static_cast<wchar_t>(ch - L'a' + L'A');
        else if (textCase == TExTextCase::etcLowercase && ch >= L'A' && ch <= L'Z')
            ch = static_cast<wchar_t>(ch - L'A' + L'a');
    }
    return text;
}

} // namespace folvane
