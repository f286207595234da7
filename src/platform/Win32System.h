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
    std::u16string ProgramPath() override;
    std::string TempFolder() override;
    std::string LocalAppDataFolder() override;
    bool CreateFolders(const std::string& folder) override;
    NewFile WriteNewFile(const std::string& name, const std::vector<std::uint8_t>& bytes) override;
};

class Win32Shell : public Shell {
public:
    bool Open(const std::string& target) override;
    bool OpenOwned(std::uintptr_t ownerWindow, const std::string& target) override;
    bool StartAndWaitForInputIdle(const std::string& target, unsigned timeoutMs) override;
    ElevatedStart StartElevated(const std::u16string& program, const std::u16string& parameters) override;
};

class Win32Sound : public Sound {
public:
    void PlayFileAsync(const std::string& fileName) override;
};

class Win32Clock : public Clock {
public:
    void Sleep(unsigned milliseconds) override;
    UtcTime Now() override;
};

class Win32SystemInfo : public SystemInfo {
public:
    int ScreenDpi() override;
    bool WindowsIs64Bit() override;
    bool IsElevated() override;
    bool IsLeadByte(unsigned char byte) override;
    std::string ToAnsi(const std::u16string& text) override;
    bool FitsCodePage(const std::u16string& text) override;
};

} // namespace folvane
