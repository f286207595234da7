// The locator and the path writer against the real registry and file system
// of the Wine prefix. With --keep, the writer's values stay for an outside
// check by Wine's own reg.exe.
#include "app/PathWriter.h"
#include "app/RegistryBackup.h"
#include "app/SimulatorKey.h"
#include "app/SimulatorLocator.h"
#include "app/StartupCheck.h"
#include "platform/FakePlatform.h"
#include "platform/Win32Registry.h"
#include "platform/Win32System.h"
#include "support/SimulatorKeyView.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace folvane {
namespace {

bool gKeep = false;

using testing::DeleteSimulatorKey;

void DeleteSimulatorKeys()
{
    DeleteSimulatorKey(HKEY_LOCAL_MACHINE);
    DeleteSimulatorKey(HKEY_CURRENT_USER);
    DeleteSimulatorKey(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY);
}

void SetRaw(HKEY root, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, testing::CreateSimulatorKey(root, KEY_WRITE, &key));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
    RegCloseKey(key);
}

void SetText(HKEY root, const char* name, const char* text, DWORD type = REG_SZ)
{
    SetRaw(root, name, type, text, static_cast<DWORD>(std::strlen(text) + 1));
}

// Type and bytes as stored, read without any of the code under test.
std::string RawValue(HKEY root, const char* name, DWORD* type)
{
    HKEY key = nullptr;
    if (testing::OpenSimulatorKey(root, KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    char data[512] = {};
    DWORD size = sizeof data;
    const LONG status = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(data, size) : "<missing>";
}

struct Inputs : PathWriterInputs {
    std::u16string FolderText() const override { return u"C:\\FSX"; }
    bool DriveListEnabled() const override { return true; }
    std::u16string DriveListText() const override { return u"E:"; }
    char DriveLetter() const override { return 'E'; }
    bool AddToCurrentUserChecked() const override { return true; }
    void ClickGetFSXPath() override { }
    void EndForElevatedInstance() override { }
};

const std::string kUpdated
    = "The FSX Registry entry has been updated!\r\n\r\nUse the Get Path tab to verify the change.";

class RealRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteSimulatorKeys();
        CreateDirectoryA("C:\\FSX", nullptr);
        HANDLE file = CreateFileA("C:\\FSX\\fsx.exe", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        CloseHandle(file);
        CreateDirectoryA("C:\\FSXDIR", nullptr);
        CreateDirectoryA("C:\\FSXDIR\\fsx.exe", nullptr);
    }
    void TearDown() override
    {
        if (!gKeep)
            DeleteSimulatorKeys();
        DeleteFileA("C:\\FSX\\fsx.exe");
        RemoveDirectoryA("C:\\FSX");
        RemoveDirectoryA("C:\\FSXDIR\\fsx.exe");
        RemoveDirectoryA("C:\\FSXDIR");
    }

    // "Set FSX Path" for C:\FSX with the CD-ROM path and the user copy, every
    // question answered with its first button; the last message shown.
    std::string SetPathAnsweringYes()
    {
        testing::EventLog log;
        testing::FakeDialogs dialogs(log);
        testing::FakeShell shell(log);
        testing::FakeSound sound(log);
        Win32Clock clock;
        testing::FakeWindowDriver windows(log);
        Platform platform { registry, files, shell, sound, clock, dialogs, windows, system };
        InterfaceSounds sounds(locator, files, sound);
        PathWriter writer(platform, locator, sounds);
        Inputs inputs;
        writer.btnSetRegPathClick(inputs);
        return dialogs.shown.empty() ? std::string() : dialogs.shown.back().text;
    }

    std::string MachineRead()
    {
        locator.GetFSXPath_LocMach();
        return locator.CurrentFolder();
    }

    Win32Registry registry;
    Win32FileSystem files;
    Win32SystemInfo system;
    SimulatorLocator locator { registry, files, system };
};

TEST_F(RealRegistry, RawMachineReadReportsWhatIsStored)
{
    EXPECT_EQ("", MachineRead());
    SetText(HKEY_CURRENT_USER, "AppPath", "C:\\FSX"); // the other root does not count
    EXPECT_EQ("", MachineRead());
    SetText(HKEY_LOCAL_MACHINE, "CDPath", "E:\\");
    EXPECT_EQ("\\", MachineRead());
    SetText(HKEY_LOCAL_MACHINE, "SetupPath", "D:\\Nowhere");
    EXPECT_EQ("D:\\Nowhere\\", MachineRead());
    SetText(HKEY_LOCAL_MACHINE, "SetupPath", "%SystemDrive%\\FSX\\", REG_EXPAND_SZ);
    EXPECT_EQ("%SystemDrive%\\FSX\\", MachineRead());
    // Stored without its NUL: the text ends at the data's end.
    SetRaw(HKEY_LOCAL_MACHINE, "SetupPath", REG_SZ, "C:\\FSX", 6);
    EXPECT_EQ("C:\\FSX\\", MachineRead());
}

TEST_F(RealRegistry, LooksOnlyInTheThirtyTwoBitView)
{
    // Where a 64-bit program would have put it: not the simulator's entry.
    testing::SetSimulatorText(HKEY_LOCAL_MACHINE, "SetupPath", "C:\\FSX\\", KEY_WOW64_64KEY);
    EXPECT_EQ("", MachineRead());
    locator.GetFSXPath_Valid();
    EXPECT_EQ("", locator.CurrentFolder());
    SetText(HKEY_LOCAL_MACHINE, "SetupPath", "C:\\FSX");
    EXPECT_EQ("C:\\FSX\\", MachineRead());
}

TEST_F(RealRegistry, NumberInSetupPathRaisesAndLeavesTheFolderEmpty)
{
    const DWORD number = 42;
    SetRaw(HKEY_LOCAL_MACHINE, "SetupPath", REG_DWORD, &number, sizeof number);
    locator.SetCurrentFolder("C:\\Before\\");
    try {
        locator.GetFSXPath_LocMach();
        ADD_FAILURE() << "no error";
    } catch (const RegistryError& error) {
        EXPECT_STREQ("Invalid data type for 'SetupPath'", error.what());
    }
    EXPECT_EQ("", locator.CurrentFolder());
}

TEST_F(RealRegistry, ResolverProvesFoldersByTheRealFile)
{
    SetText(HKEY_LOCAL_MACHINE, "SetupPath", "C:\\FSX");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());

    SetText(HKEY_CURRENT_USER, "AppPath", "C:\\FSXDIR\\"); // fsx.exe there is a directory
    locator.GetFSXPath_Valid();
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());

    SetText(HKEY_LOCAL_MACHINE, "SetupPath", "C:\\NoSuchFolder\\");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("", locator.CurrentFolder());

    SetText(HKEY_CURRENT_USER, "AppPath", "c:\\fsx\\");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("c:\\fsx\\", locator.CurrentFolder());
}

TEST_F(RealRegistry, WriterCreatesTheKeysAndWritesStrings)
{
    EXPECT_EQ(kUpdated, SetPathAnsweringYes());

    DWORD type = 0;
    EXPECT_EQ(std::string("C:\\FSX\\\0", 8), RawValue(HKEY_LOCAL_MACHINE, "SetupPath", &type));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(std::string("E:\\\0", 4), RawValue(HKEY_LOCAL_MACHINE, "CDPath", &type));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(std::string("C:\\FSX\\\0", 8), RawValue(HKEY_CURRENT_USER, "AppPath", &type));

    // Read back through the locator's raw reads.
    EXPECT_EQ("C:\\FSX\\", MachineRead());
    locator.GetFSXPath_CurrentUsr();
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());
}

// Every value of both simulator keys, as the wide entry point reads them.
std::map<std::wstring, std::pair<DWORD, std::vector<BYTE>>> AllValues()
{
    std::map<std::wstring, std::pair<DWORD, std::vector<BYTE>>> all;
    for (HKEY root : { HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER }) {
        HKEY key = nullptr;
        if (testing::OpenSimulatorKey(root, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        for (DWORD i = 0;; ++i) {
            wchar_t name[256];
            DWORD nameLength = 256;
            BYTE data[1024];
            DWORD size = sizeof data;
            DWORD type = 0;
            if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
                break;
            all[(root == HKEY_LOCAL_MACHINE ? L"HKLM\\" : L"HKCU\\") + std::wstring(name, nameLength)]
                = { type, std::vector<BYTE>(data, data + size) };
        }
        RegCloseKey(key);
    }
    return all;
}

std::string NewestBackup(Win32FileSystem& files)
{
    const std::string folder = files.LocalAppDataFolder() + kBackupFolderTail;
    std::string newest;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((folder + "Folvane-*.reg").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    do
        newest = std::max(newest, std::string(found.cFileName));
    while (FindNextFileA(search, &found));
    FindClose(search);
    return folder + newest;
}

// The system's own reg.exe, as a user's double-click on the file would import
// it: into the key paths the file names, Wow6432Node included.
DWORD ImportWithReg(const std::string& file)
{
    std::string command = "reg.exe import \"" + file + "\" /reg:64";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError() | 0x80000000u;
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST_F(RealRegistry, ImportedBackupGivesBackTheStateBeforeTheWrite)
{
    // Before: an expandable SetupPath with quotes and characters beyond the
    // code page, a number in AppPath, no CDPath, and a value the write leaves alone.
    const std::wstring setupPath = L"%SystemDrive%\\Old \"FSX\" \u00e9\u4e2d\\";
    HKEY machine = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, testing::CreateSimulatorKey(HKEY_LOCAL_MACHINE, KEY_WRITE, &machine));
    RegSetValueExW(machine, L"SetupPath", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(setupPath.c_str()),
        static_cast<DWORD>((setupPath.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(machine);
    SetRaw(HKEY_LOCAL_MACHINE, "Other", REG_BINARY, "\x00\xff\x10", 3);
    const DWORD seven = 7;
    SetRaw(HKEY_CURRENT_USER, "AppPath", REG_DWORD, &seven, sizeof seven);
    const auto before = AllValues();
    ASSERT_EQ(3u, before.size());

    ASSERT_EQ(kUpdated, SetPathAnsweringYes());
    ASSERT_NE(before, AllValues());

    const std::string backup = NewestBackup(files);
    ASSERT_FALSE(backup.empty());
    EXPECT_EQ(0u, ImportWithReg(backup)) << backup;
    EXPECT_EQ(before, AllValues());
}

struct QuietSplash : SplashScreen {
    std::vector<std::string> markups;
    bool released = false;
    void Show() override { }
    void Repaint() override { }
    void SetMarkup(const std::string& markup) override { markups.push_back(markup); }
    void Hide() override { }
    void Release() override { released = true; }
};

TEST_F(RealRegistry, StartupCheckFindsTheSettingsFileAndTheFolder)
{
    testing::EventLog log;
    testing::FakeDialogs dialogs(log);
    testing::FakeShell shell(log);
    testing::FakeSound sound(log);
    testing::FakeClock clock(log);
    testing::FakeWindowDriver windows(log);
    Platform platform { registry, files, shell, sound, clock, dialogs, windows, system };
    QuietSplash splash;
    const SplashFactory makeSplash = [&]() -> SplashScreen& { return splash; };

    const std::string settings = files.ProgramFolder() + "Folvane.ini";
    DeleteFileA(settings.c_str());
    EXPECT_EQ(StartupOutcome::OpenMainWindow, RunStartupCheck(platform, locator, makeSplash).outcome);
    EXPECT_TRUE(splash.markups.empty());

    // An empty settings file switches the check on.
    HANDLE file = CreateFileA(settings.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    SetText(HKEY_LOCAL_MACHINE, "SetupPath", "C:\\FSX");
    StartupResult result = RunStartupCheck(platform, locator, makeSplash);
    EXPECT_EQ(StartupOutcome::EndProgram, result.outcome);
    EXPECT_TRUE(result.checkPassed);
    EXPECT_TRUE(splash.released);
    ASSERT_EQ(1u, splash.markups.size());
    EXPECT_NE(std::string::npos, splash.markups[0].find("LOCAL_MACHINE!"));

    const DWORD number = 1;
    SetRaw(HKEY_LOCAL_MACHINE, "SetupPath", REG_DWORD, &number, sizeof number);
    result = RunStartupCheck(platform, locator, makeSplash);
    EXPECT_EQ(1, result.exitCode);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ("Invalid data type for 'SetupPath'.", dialogs.shown.back().text);
    DeleteFileA(settings.c_str());
}

TEST(Win32Files, DirectoriesAreNotFilesAndFoldersEndInABackslash)
{
    Win32FileSystem files;
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    EXPECT_FALSE(files.FileExists(windows));
    EXPECT_TRUE(files.FileExists(std::string(windows) + "\\regedit.exe"));
    EXPECT_FALSE(files.FileExists(std::string(windows) + "\\no-such-file.exe"));
    // Wildcards never stand for the name they might match.
    EXPECT_FALSE(files.FileExists(std::string(windows) + "\\*regedit.exe"));
    EXPECT_FALSE(files.FileExists(std::string(windows) + "\\regedi?.exe"));
    const std::string program = files.ProgramFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ('\\', program.back());
    EXPECT_TRUE(files.FileExists(program + "app_registry_wine_test.exe"));
    EXPECT_EQ('\\', files.TempFolder().back());

    // A new file is written whole, in folders made for it, and never replaces one.
    const std::string folder = files.TempFolder() + "folvane-new\\a\\b\\";
    ASSERT_TRUE(files.CreateFolders(folder));
    ASSERT_TRUE(files.CreateFolders(folder));
    const std::string name = folder + "x.reg";
    DeleteFileA(name.c_str());
    EXPECT_EQ(FileSystem::NewFile::Written, files.WriteNewFile(name, { 1, 2, 3 }));
    EXPECT_EQ(FileSystem::NewFile::AlreadyExists, files.WriteNewFile(name, { 4 }));
    std::ifstream written(name, std::ios::binary);
    EXPECT_EQ(std::string("\1\2\3", 3), std::string(std::istreambuf_iterator<char>(written), {}));
    written.close();
    EXPECT_EQ(FileSystem::NewFile::Failed, files.WriteNewFile(folder + "no\\such\\x.reg", { 1 }));
    DeleteFileA(name.c_str());
    for (const char* level : { "folvane-new\\a\\b", "folvane-new\\a", "folvane-new" })
        RemoveDirectoryA((files.TempFolder() + level).c_str());
    EXPECT_FALSE(files.LocalAppDataFolder().empty());
}

TEST(Win32System, ReportsTheScreenAndTheRegistryView)
{
    Win32SystemInfo system;
    EXPECT_EQ(96, system.ScreenDpi());
    // The prefixes are 64-bit Windows, whichever loader runs this build.
    EXPECT_TRUE(system.WindowsIs64Bit());
    EXPECT_EQ("C:\\Caf\xe9?", system.ToAnsi(u"C:\\Caf\u00e9\u4e2d"));
    // No look-alike stands in for a character the code page lacks: a
    // fullwidth backslash must not become a real one and name another folder.
    EXPECT_EQ("C:\\FSX?Old", system.ToAnsi(u"C:\\FSX\uFF3COld"));
    EXPECT_EQ("?", system.ToAnsi(u"\u0100"));
    // What the code page holds, a question mark of its own included, and what it loses.
    EXPECT_TRUE(system.FitsCodePage(u"C:\\Caf\u00e9 ?"));
    EXPECT_FALSE(system.FitsCodePage(u"C:\\Caf\u00e9\u0531"));
    EXPECT_FALSE(system.FitsCodePage(u"C:\\FSX\uFF3COld"));
    EXPECT_FALSE(system.IsLeadByte('\\'));
}

} // namespace
} // namespace folvane

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        folvane::gKeep = folvane::gKeep || std::strcmp(argv[i], "--keep") == 0;
    return RUN_ALL_TESTS();
}
