// The drive seam over kernel32, mpr and the shell: drives, types, labels, network names, icons.
#include "controls/Win32DriveSource.h"

#include <windows.h>
#include <winnetwk.h>

namespace folvane {

namespace {

std::wstring Root(wchar_t letter)
{
    return std::wstring { letter } + L":\\";
}

} // namespace

unsigned Win32DriveSource::FailCriticalErrors()
{
    return SetErrorMode(SEM_FAILCRITICALERRORS);
}

void Win32DriveSource::RestoreErrorMode(unsigned mode)
{
    SetErrorMode(mode);
}

std::uint32_t Win32DriveSource::LogicalDrives()
{
    return GetLogicalDrives();
}

TDriveKind Win32DriveSource::KindOf(wchar_t letter)
{
    const UINT type = GetDriveTypeW(Root(letter).c_str());
    return type <= DRIVE_RAMDISK ? static_cast<TDriveKind>(type) : TDriveKind::Unknown;
}

std::wstring Win32DriveSource::VolumeLabel(wchar_t letter)
{
    wchar_t label[256] = {};
    DWORD serial = 0, maxLength = 0, flags = 0;
    if (!GetVolumeInformationW(Root(letter).c_str(), label, 255, &serial, &maxLength, &flags, nullptr, 0))
        return {};
    return label;
}

std::wstring Win32DriveSource::ConnectionName(wchar_t letter)
{
    const std::wstring local { letter, L':' };
    wchar_t remote[MAX_PATH + 1] = {};
    DWORD length = MAX_PATH;
    if (WNetGetConnectionW(local.c_str(), remote, &length) != NO_ERROR)
        return {};
    return remote;
}

wchar_t Win32DriveSource::CurrentDirectoryDrive()
{
    // Sized by the system: a long current directory still has a first character.
    std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data());
    return length > 0 && length < path.size() ? path[0] : 0;
}

} // namespace folvane
