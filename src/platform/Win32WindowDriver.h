// The window seam over user32: finds other programs' windows by class and
// sends them key messages synchronously.
#pragma once

#include "platform/WindowDriver.h"

namespace folvane {

class Win32WindowDriver : public WindowDriver {
public:
    WindowHandle FindTopLevel(const std::string& className) override;
    WindowHandle FindChild(WindowHandle parent, const std::string& className) override;
    WindowHandle FindDescendant(WindowHandle parent, const std::string& className) override;
    void ShowNormal(WindowHandle window) override;
    void SetForeground(WindowHandle window) override;
    void SendKeyDown(WindowHandle window, unsigned virtualKey, long keyData) override;
    void SendChar(WindowHandle window, unsigned char code, long keyData) override;
    std::string ReadText(WindowHandle window) override;
};

} // namespace folvane
