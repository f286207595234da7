// The window seam over user32: other programs' windows found and driven by messages.
#include "platform/Win32WindowDriver.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace folvane {

namespace {

HWND ToHwnd(WindowHandle window)
{
    return reinterpret_cast<HWND>(window);
}

WindowHandle FromHwnd(HWND window)
{
    return reinterpret_cast<WindowHandle>(window);
}

HWND FindDescendantOf(HWND parent, const char* className, int depth)
{
    // A direct child wins over a deeper match; the depth bound guards against
    // a window tree that changes while it is searched.
    if (depth > 8)
        return nullptr;
    if (HWND direct = FindWindowExA(parent, nullptr, className, nullptr))
        return direct;
    for (HWND child = FindWindowExA(parent, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(parent, child, nullptr, nullptr)) {
        if (HWND below = FindDescendantOf(child, className, depth + 1))
            return below;
    }
    return nullptr;
}

} // namespace

WindowHandle Win32WindowDriver::FindTopLevel(const std::string& className)
{
    return FromHwnd(FindWindowA(className.c_str(), nullptr));
}

WindowHandle Win32WindowDriver::FindChild(WindowHandle parent, const std::string& className)
{
    return FromHwnd(FindWindowExA(ToHwnd(parent), nullptr, className.c_str(), nullptr));
}

WindowHandle Win32WindowDriver::FindDescendant(WindowHandle parent, const std::string& className)
{
    if (parent == 0)
        return 0;
    return FromHwnd(FindDescendantOf(ToHwnd(parent), className.c_str(), 0));
}

void Win32WindowDriver::ShowNormal(WindowHandle window)
{
    ShowWindow(ToHwnd(window), SW_SHOWNORMAL);
}

void Win32WindowDriver::SetForeground(WindowHandle window)
{
    SetForegroundWindow(ToHwnd(window));
}

void Win32WindowDriver::SendKeyDown(WindowHandle window, unsigned virtualKey, long keyData)
{
    SendMessageA(ToHwnd(window), WM_KEYDOWN, virtualKey, keyData);
}

void Win32WindowDriver::SendChar(WindowHandle window, unsigned char code, long keyData)
{
    SendMessageA(ToHwnd(window), WM_CHAR, code, keyData);
}

std::string Win32WindowDriver::ReadText(WindowHandle window)
{
    if (window == 0)
        return {};
    const auto length = SendMessageA(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0)
        return {};
    // The text may grow between the two messages; the copy is bounded anyway.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const auto copied
        = SendMessageA(ToHwnd(window), WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(
        buffer.data(), static_cast<std::size_t>(std::max<LRESULT>(0, std::min<LRESULT>(copied, length))));
}

} // namespace folvane
