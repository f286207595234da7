// The file-system, shell, sound, clock and system seams over Win32.
#include "platform/Win32System.h"

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
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

namespace {

// The program file's full name, however long, in the character type of the call given
// (GetModuleFileNameA or W); empty when it cannot be had. A full buffer means the name
// was cut short, so the buffer grows up to the longest path Windows knows.
template <typename Char, typename Call> std::basic_string<Char> ModuleFileName(Call call)
{
    std::vector<Char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = call(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::basic_string<Char>(buffer.data(), length);
        if (buffer.size() >= 32768)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::string Win32FileSystem::ProgramFolder()
{
    const std::string path = ModuleFileName<char>(GetModuleFileNameA);
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::u16string Win32FileSystem::ProgramPath()
{
    const std::wstring path = ModuleFileName<wchar_t>(GetModuleFileNameW);
    return std::u16string(path.begin(), path.end());
}

std::string Win32FileSystem::TempFolder()
{
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length > MAX_PATH)
        return {};
    return std::string(buffer, length);
}

std::string Win32FileSystem::LocalAppDataFolder()
{
    char buffer[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK || !buffer[0])
        return {};
    std::string folder(buffer);
    return folder.back() == '\\' ? folder : folder + '\\';
}

bool Win32FileSystem::CreateFolders(const std::string& folder)
{
    // Each level in turn, from the first below the drive: one that exists
    // already is no failure, and the last one's attributes decide.
    for (std::size_t slash = folder.find('\\', 3); slash != std::string::npos; slash = folder.find('\\', slash + 1))
        CreateDirectoryA(folder.substr(0, slash).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FileSystem::NewFile Win32FileSystem::WriteNewFile(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS ? NewFile::AlreadyExists : NewFile::Failed;
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    const bool whole = WriteFile(file, bytes.data(), size, &written, nullptr) && written == size;
    // A backup that is not on the disk when the write follows is no backup.
    const bool flushed = whole && FlushFileBuffers(file);
    const bool closed = CloseHandle(file);
    if (whole && flushed && closed)
        return NewFile::Written;
    DeleteFileA(name.c_str());
    return NewFile::Failed;
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

Shell::ElevatedStart Win32Shell::StartElevated(const std::u16string& program, const std::u16string& parameters)
{
    const std::wstring file(program.begin(), program.end());
    const std::wstring arguments(parameters.begin(), parameters.end());
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.lpVerb = L"runas";
    info.lpFile = file.c_str();
    info.lpParameters = arguments.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info))
        return ElevatedStart::Started;
    return GetLastError() == ERROR_CANCELLED ? ElevatedStart::Declined : ElevatedStart::Failed;
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

UtcTime Win32Clock::Now()
{
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    return { now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds };
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

bool Win32SystemInfo::WindowsIs64Bit()
{
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

bool Win32SystemInfo::IsElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return true;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    // Without user account control (before Vista) the question does not arise.
    const bool known = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return !known || elevation.TokenIsElevated != 0;
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
