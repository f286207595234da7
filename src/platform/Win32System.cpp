#include "platform/Win32System.h"

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#include <vector>

namespace folvane {

// ---- File system ----

bool Win32FileSystem::FileExists(const std::string& name)
{
    // A search pattern would let "C:\FSX\*" + "fsx.exe" find "myfsx.exe";
    // no existing file's name contains a wildcard.
    if (name.find_first_of("*?") != std::string::npos)
        return false;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Win32FileSystem::ProgramFolder()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        // A full buffer means the name was cut short.
        if (length < buffer.size()) {
            std::string path(buffer.data(), length);
            const auto slash = path.find_last_of("\\/");
            return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
        }
        if (buffer.size() >= 32768)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string Win32FileSystem::TempFolder()
{
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length > MAX_PATH)
        return {};
    return std::string(buffer, length);
}

// ---- Shell ----

bool Win32Shell::Open(const std::string& target)
{
    const auto result
        = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32Shell::OpenOwned(std::uintptr_t ownerWindow, const std::string& target)
{
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(reinterpret_cast<HWND>(ownerWindow), nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32Shell::StartAndWaitForInputIdle(const std::string& target, unsigned timeoutMs)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "open";
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info))
        return false;
    if (info.hProcess) {
        WaitForInputIdle(info.hProcess, timeoutMs);
        // The process handle is only needed for the wait.
        CloseHandle(info.hProcess);
    }
    return true;
}

// ---- Sound and clock ----

void Win32Sound::PlayFileAsync(const std::string& fileName)
{
    sndPlaySoundA(fileName.c_str(), SND_FILENAME | SND_ASYNC);
}

void Win32Clock::Sleep(unsigned milliseconds)
{
    ::Sleep(milliseconds);
}

// ---- System ----

int Win32SystemInfo::ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 96;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool Win32SystemInfo::IsWow64()
{
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool Win32SystemInfo::IsLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

std::string Win32SystemInfo::ToAnsi(const std::u16string& text)
{
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    // Best fit would turn a fullwidth backslash into "\\" and so name another,
    // perhaps existing, folder; the default character fails the proof instead.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int bytes = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide, length, out.data(), bytes, nullptr, nullptr);
    return out;
}

bool Win32SystemInfo::FitsCodePage(const std::u16string& text)
{
    if (text.empty())
        return true;
    BOOL usedDefault = FALSE;
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(text.data()),
        static_cast<int>(text.size()), nullptr, 0, nullptr, &usedDefault);
    return bytes > 0 && !usedDefault;
}

} // namespace folvane
