// The simulator's key as the Windows tests set it up and inspect it: in the
// 32-bit registry view, where the program reads and writes in every build, so
// that one expectation holds for the 32-bit and the 64-bit tree alike.
#pragma once

#include <windows.h>

#include <string>

namespace folvane::testing {

inline constexpr char kSimulatorKeyPath[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
inline constexpr char kSimulatorParentPath[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator";

// RegCreateKeyEx of the simulator key in the 32-bit view (or the view named).
inline LONG CreateSimulatorKey(HKEY root, REGSAM access, HKEY* key, REGSAM view = KEY_WOW64_32KEY)
{
    return RegCreateKeyExA(root, kSimulatorKeyPath, 0, nullptr, 0, access | view, nullptr, key, nullptr);
}

inline LONG OpenSimulatorKey(HKEY root, REGSAM access, HKEY* key, REGSAM view = KEY_WOW64_32KEY)
{
    return RegOpenKeyExA(root, kSimulatorKeyPath, 0, access | view, key);
}

// The key and everything under it, in the view named.
inline void DeleteSimulatorKey(HKEY root, REGSAM view = KEY_WOW64_32KEY)
{
    HKEY parent = nullptr;
    if (RegOpenKeyExA(root, kSimulatorParentPath, 0, KEY_ALL_ACCESS | view, &parent) != ERROR_SUCCESS)
        return;
    RegDeleteTreeA(parent, "10.0");
    RegCloseKey(parent);
}

inline void SetSimulatorValue(
    HKEY root, const char* name, DWORD type, const void* data, DWORD size, REGSAM view = KEY_WOW64_32KEY)
{
    HKEY key = nullptr;
    if (CreateSimulatorKey(root, KEY_SET_VALUE, &key, view) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

inline void SetSimulatorText(HKEY root, const char* name, const std::string& text, REGSAM view = KEY_WOW64_32KEY)
{
    SetSimulatorValue(root, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1), view);
}

} // namespace folvane::testing
