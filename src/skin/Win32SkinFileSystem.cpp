// Win32 implementation of the skin file seam.
#include "skin/Win32SkinFileSystem.h"

#include "platform/Win32System.h"

#include <windows.h>

#include <objbase.h>

namespace folvane {

namespace {

std::string WithBackslash(std::string folder)
{
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

class Win32File final : public SkinFile {
public:
    explicit Win32File(HANDLE handle)
        : handle_(handle)
    {
    }
    ~Win32File() override { CloseHandle(handle_); }

    std::uint64_t Size() override
    {
        LARGE_INTEGER size;
        return GetFileSizeEx(handle_, &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
    }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override
    {
        LARGE_INTEGER to;
        to.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN))
            return 0;
        std::size_t done = 0;
        while (done < size) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 20));
            if (!ReadFile(handle_, static_cast<char*>(buffer) + done, want, &got, nullptr) || got == 0)
                break;
            done += got;
        }
        return done;
    }
    bool Append(const void* data, std::size_t size) override
    {
        LARGE_INTEGER zero {};
        if (!SetFilePointerEx(handle_, zero, nullptr, FILE_END))
            return false;
        std::size_t done = 0;
        while (done < size) {
            DWORD put = 0;
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 20));
            if (!WriteFile(handle_, static_cast<const char*>(data) + done, want, &put, nullptr) || put == 0)
                return false;
            done += put;
        }
        return true;
    }

private:
    HANDLE handle_;
};

} // namespace

bool Win32SkinFileSystem::FileExists(const std::string& path)
{
    Win32FileSystem files;
    return files.FileExists(path);
}

std::unique_ptr<SkinFile> Win32SkinFileSystem::OpenRead(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : std::make_unique<Win32File>(h);
}

std::unique_ptr<SkinFile> Win32SkinFileSystem::Create(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : std::make_unique<Win32File>(h);
}

bool Win32SkinFileSystem::Delete(const std::string& path)
{
    return DeleteFileA(path.c_str()) != 0;
}

std::string Win32SkinFileSystem::TempFolder()
{
    Win32FileSystem files;
    return WithBackslash(files.TempFolder());
}

std::string Win32SkinFileSystem::NewGuidText()
{
    GUID guid {};
    if (FAILED(CoCreateGuid(&guid)))
        return {};
    wchar_t wide[40] = {};
    if (StringFromGUID2(guid, wide, 40) == 0)
        return {};
    // The braced form is plain ASCII.
    std::string text;
    for (const wchar_t* p = wide; *p; ++p)
        text += static_cast<char>(*p);
    return text;
}

std::string Win32SkinFileSystem::ProgramFolder()
{
    Win32FileSystem files;
    return WithBackslash(files.ProgramFolder());
}

std::string Win32SkinFileSystem::WindowsFolder()
{
    char buffer[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return length == 0 || length > MAX_PATH ? std::string() : WithBackslash(std::string(buffer, length));
}

std::string Win32SkinFileSystem::SystemFolder()
{
    char buffer[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
    return length == 0 || length > MAX_PATH ? std::string() : WithBackslash(std::string(buffer, length));
}

SkinFileSystem& DefaultSkinFileSystem()
{
    static Win32SkinFileSystem files;
    return files;
}

} // namespace folvane
