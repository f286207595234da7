// Fakes of every platform seam for native tests. They share one event log, so
// that a test can assert the order of sleeps, dialogs, keys and registry calls
// across seams, and they can be told to fail in the ways the real ones do.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace folvane::testing {

using EventLog = std::vector<std::string>;

class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type = reg::kTypeSz;
        std::vector<std::uint8_t> data;
    };
    struct Call {
        std::string op; // open, create, query, set, close
        RegistryRoot root = RegistryRoot::LocalMachine;
        std::string path;
        std::uint32_t access = 0;
        std::string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    explicit FakeRegistry(EventLog& log)
        : log_(log)
    {
    }

    // Test set-up.
    void AddKey(RegistryRoot root, const std::string& path) { keys_[{ root, path }]; }
    void SetString(RegistryRoot root, const std::string& path, const std::string& name, const std::string& text,
        std::uint32_t type = reg::kTypeSz);
    void SetRaw(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t type,
        std::vector<std::uint8_t> data);
    bool HasKey(RegistryRoot root, const std::string& path) const { return keys_.count({ root, path }) != 0; }
    bool HasValue(RegistryRoot root, const std::string& path, const std::string& name) const;
    // The stored bytes as text, NUL included.
    std::string RawText(RegistryRoot root, const std::string& path, const std::string& name) const;
    std::uint32_t TypeOf(RegistryRoot root, const std::string& path, const std::string& name) const;

    // Failure injection.
    std::set<RegistryRoot> denied; // open and create fail with "access denied"
    std::set<RegistryRoot> writeDenied; // create fails so, as for a user without rights
    std::set<std::string> failingSets; // value names whose write fails
    bool failDataQuery = false; // a query with a buffer fails
    int growBy = 0; // the value grows (or shrinks) between the two queries

    std::vector<Call> calls;
    int OpenHandles() const { return static_cast<int>(open_.size()); }
    std::vector<Call> CallsOf(const std::string& op) const;

    long OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) override;
    long CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) override;
    long QueryValue(RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
        std::uint32_t* size) override;
    long SetValue(RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
        std::uint32_t size) override;
    // Strings come back widened from Latin-1, as the wide entry point would.
    long QueryStoredValue(RegistryKey key, const std::string& name, RegistryValue& value) override;
    void CloseKey(RegistryKey key) override;

private:
    using KeyId = std::pair<RegistryRoot, std::string>;
    long Acquire(const KeyId& id, RegistryKey& key);

    EventLog& log_;
    std::map<KeyId, std::map<std::string, Value>> keys_;
    std::map<RegistryKey, KeyId> open_;
    RegistryKey next_ = 0x100;
};

class FakeFileSystem : public FileSystem {
public:
    explicit FakeFileSystem(EventLog& log)
        : log_(log)
    {
    }
    std::set<std::string> files;
    std::set<std::string> directories;
    std::string programFolder = "C:\\Tools\\";
    std::vector<std::string> asked;

    bool FileExists(const std::string& name) override;
    std::string ProgramFolder() override { return programFolder; }
    std::u16string ProgramPath() override { return u"C:\\Tools\\Folvane.exe"; }
    std::string TempFolder() override { return "C:\\Temp\\"; }

    std::string localAppData = "C:\\Users\\Pilot\\AppData\\Local\\";
    bool folderCreationFails = false;
    bool fileWriteFails = false;
    std::set<std::string> folders; // created by CreateFolders
    std::map<std::string, std::vector<std::uint8_t>> written; // by WriteNewFile
    std::string LocalAppDataFolder() override { return localAppData; }
    bool CreateFolders(const std::string& folder) override;
    NewFile WriteNewFile(const std::string& name, const std::vector<std::uint8_t>& bytes) override;

private:
    EventLog& log_;
};

class FakeShell : public Shell {
public:
    explicit FakeShell(EventLog& log)
        : log_(log)
    {
    }
    std::vector<std::string> opened;
    std::function<void()> onStart; // e.g. the started program's window appears
    bool startFails = false;

    bool Open(const std::string& target) override;
    bool StartAndWaitForInputIdle(const std::string& target, unsigned timeoutMs) override;

    struct ElevatedRequest {
        std::u16string program;
        std::u16string parameters;
    };
    std::vector<ElevatedRequest> elevated;
    ElevatedStart elevatedAnswer = ElevatedStart::Started;
    ElevatedStart StartElevated(const std::u16string& program, const std::u16string& parameters) override;

private:
    EventLog& log_;
};

class FakeSound : public Sound {
public:
    explicit FakeSound(EventLog& log)
        : log_(log)
    {
    }
    std::vector<std::string> played;
    void PlayFileAsync(const std::string& fileName) override;

private:
    EventLog& log_;
};

class FakeClock : public Clock {
public:
    explicit FakeClock(EventLog& log)
        : log_(log)
    {
    }
    unsigned total = 0;
    std::function<void()> onSleep; // e.g. another program's window appears meanwhile
    void Sleep(unsigned milliseconds) override;
    UtcTime now { 2026, 3, 7, 9, 5, 2, 40 };
    UtcTime Now() override { return now; }

private:
    EventLog& log_;
};

class FakeDialogs : public Dialogs {
public:
    struct Shown {
        std::string text;
        DialogType type = DialogType::Information;
        unsigned buttons = 0;
        std::string caption; // plain box only
        unsigned flags = 0; // plain box only
        bool plainBox = false;
    };
    explicit FakeDialogs(EventLog& log)
        : log_(log)
    {
    }
    std::deque<int> answers; // next answers; an empty queue answers the first button
    std::vector<Shown> shown;

    int MessageDlg(const std::string& text, DialogType type, unsigned buttons) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;

private:
    EventLog& log_;
};

class FakeWindowDriver : public WindowDriver {
public:
    struct Window {
        std::string className;
        WindowHandle parent = 0;
    };
    explicit FakeWindowDriver(EventLog& log)
        : log_(log)
    {
    }
    WindowHandle AddWindow(const std::string& className, WindowHandle parent = 0);
    std::map<WindowHandle, Window> windows;

    WindowHandle FindTopLevel(const std::string& className) override;
    WindowHandle FindChild(WindowHandle parent, const std::string& className) override;
    WindowHandle FindDescendant(WindowHandle parent, const std::string& className) override;
    void ShowNormal(WindowHandle window) override;
    void SetForeground(WindowHandle window) override;
    void SendKeyDown(WindowHandle window, unsigned virtualKey, long keyData) override;
    void SendChar(WindowHandle window, unsigned char code, long keyData) override;
    std::string ReadText(WindowHandle window) override;
    std::map<WindowHandle, std::string> texts;

private:
    EventLog& log_;
    WindowHandle next_ = 0x10;
};

class FakeSystemInfo : public SystemInfo {
public:
    int dpi = 96;
    bool windows64 = false;
    bool elevated = false;
    std::set<unsigned char> leadBytes;

    int ScreenDpi() override { return dpi; }
    bool WindowsIs64Bit() override { return windows64; }
    bool IsElevated() override { return elevated; }
    bool IsLeadByte(unsigned char byte) override { return leadBytes.count(byte) != 0; }
    // Latin-1 passes through; anything else becomes '?'.
    std::string ToAnsi(const std::u16string& text) override;
    bool FitsCodePage(const std::u16string& text) override;
};

// All fakes, wired into one Platform.
struct FakePlatform {
    EventLog log;
    FakeRegistry registry { log };
    FakeFileSystem files { log };
    FakeShell shell { log };
    FakeSound sound { log };
    FakeClock clock { log };
    FakeDialogs dialogs { log };
    FakeWindowDriver windows { log };
    FakeSystemInfo system;
    Platform platform { registry, files, shell, sound, clock, dialogs, windows, system };
};

std::string RootName(RegistryRoot root);

} // namespace folvane::testing
