// Live GDI and USER object counts of this process, for leak tests under
// Wine as on Windows.
#pragma once

#include <windows.h>

#include <cstdint>

namespace folvane::testing {

// GDI and USER objects of the process. Wine answers 0 from GetGuiResources; its handles are
// table slots in the low word (accepted without the generation in the high word), so the live
// ones are counted by asking for each slot.
inline DWORD GdiObjects()
{
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return n;
    DWORD n = 0;
    for (std::uintptr_t slot = 0x20; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0)
            ++n;
    return n;
}

// USER handles are shared by every Wine process, so the fallback counts only this process's
// windows (menus carry no owner to tell them apart).
inline DWORD UserObjects()
{
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))
        return n;
    DWORD n = 0;
    DWORD self = GetCurrentProcessId();
    for (std::uintptr_t slot = 0x20; slot <= 0xFFFF; slot += 2) {
        auto window = reinterpret_cast<HWND>(slot);
        DWORD process = 0;
        if (IsWindow(window) && GetWindowThreadProcessId(window, &process) && process == self)
            ++n;
    }
    return n;
}

} // namespace folvane::testing
