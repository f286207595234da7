// The system seam: facts about the machine that the application's decisions
// depend on (screen resolution, the bitness of Windows, the ANSI code page).
#pragma once

#include <string>

namespace folvane {

class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // Logical pixels per inch of the screen.
    virtual int ScreenDpi() = 0;
    // True on 64-bit Windows, whether this process is 32-bit (WoW64) or 64-bit.
    virtual bool WindowsIs64Bit() = 0;
    // False only when this process is known to run without the rights an
    // administrator could give it (a filtered token under user account control).
    virtual bool IsElevated() = 0;
    // True when the byte starts a double-byte character in the ANSI code page.
    virtual bool IsLeadByte(unsigned char byte) = 0;
    // UTF-16 to the ANSI code page; what it cannot represent becomes '?'.
    virtual std::string ToAnsi(const std::u16string& text) = 0;
    // False when ToAnsi would turn some of the text into '?'.
    virtual bool FitsCodePage(const std::u16string& text) = 0;
};

} // namespace folvane
