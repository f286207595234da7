// The file-system, shell, sound, clock and system seams over kernel32,
// shell32, winmm, gdi32 and user32, with the application's ANSI entry points.
#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/SystemInfo.h"

namespace folvane {

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& name) override;
    std::string ProgramFolder() override;
    std::string TempFolder() override;
};

class Win32Shell : public Shell {
public:
    bool Open(const std::string& target) override;
    bool OpenOwned(std::uintptr_t ownerWindow, const std::string& target) override;
    bool StartAndWaitForInputIdle(const std::string& target, unsigned timeoutMs) override;
};

class Win32Sound : public Sound {
public:
    void PlayFileAsync(const std::string& fileName) override;
};

class Win32Clock : public Clock {
public:
    void Sleep(unsigned milliseconds) override;
};

class Win32SystemInfo : public SystemInfo {
public:
    int ScreenDpi() override;
    bool IsWow64() override;
    bool IsLeadByte(unsigned char byte) override;
    std::string ToAnsi(const std::u16string& text) override;
    bool FitsCodePage(const std::u16string& text) override;
};

} // namespace folvane
