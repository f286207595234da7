// The window seam for driving another program's windows by messages: find
// them by class, show them, and send them keys and characters synchronously.
#pragma once

#include <cstdint>
#include <string>

namespace folvane {

using WindowHandle = std::uintptr_t;

class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    // The first top-level window of the class, any title; 0 when none.
    virtual WindowHandle FindTopLevel(const std::string& className) = 0;
    // The first direct child of the class; 0 when none.
    virtual WindowHandle FindChild(WindowHandle parent, const std::string& className) = 0;
    // The first descendant of the class at any depth, in window order.
    virtual WindowHandle FindDescendant(WindowHandle parent, const std::string& className) = 0;
    virtual void ShowNormal(WindowHandle window) = 0;
    virtual void SetForeground(WindowHandle window) = 0;
    virtual void SendKeyDown(WindowHandle window, unsigned virtualKey, long keyData) = 0;
    virtual void SendChar(WindowHandle window, unsigned char code, long keyData) = 0;
    // The window's text as WM_GETTEXT gives it, also from another process.
    virtual std::string ReadText(WindowHandle window) = 0;
};

} // namespace folvane
