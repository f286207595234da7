// "&Set FSX Path" through the real main window under Wine: the folder in the
// folder box and "Add to Current User" ticked reach the registry as REG_SZ
// values; with the machine key's write refused the window reports failure
// and the values written before stay as they were.
#include "app/ElevationOffer.h"
#include "app/InterfaceSounds.h"
#include "app/SimulatorLocator.h"
#include "controls/ExCheckBox.h"
#include "controls/ExFolderNameEdit.h"
#include "forms/MainWindow.h"
#include "platform/Win32Registry.h"
#include "program/Win32Seams.h"
#include "support/SimulatorKeyView.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace folvane {
namespace {

// The real registry, whose machine root can refuse to be opened for writing.
class RefusingRegistry : public Win32Registry {
public:
    long CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) override
    {
        if (refuseMachine && root == RegistryRoot::LocalMachine)
            return reg::kAccessDenied;
        return Win32Registry::CreateKey(root, path, access, key);
    }
    bool refuseMachine = false;
};

// Says Yes (or OK) to everything but starting as administrator, and keeps
// what it was shown.
class AgreeingDialogs : public Dialogs {
public:
    int MessageDlg(const std::string& text, DialogType type, unsigned buttons) override
    {
        shown.push_back({ text, type });
        if (text == elevation::kQuestion)
            return dlg::kAnswerNo;
        return buttons & dlg::kYes ? dlg::kAnswerYes : dlg::kAnswerOk;
    }
    int ShowMessageBox(const std::string&, const std::string&, unsigned) override { return dlg::kAnswerOk; }
    std::vector<std::pair<std::string, DialogType>> shown;
};

std::string ReadValue(HKEY root, const char* name, DWORD* type)
{
    HKEY key = nullptr;
    if (testing::OpenSimulatorKey(root, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return "(none)";
    char data[MAX_PATH] = {};
    DWORD size = sizeof data - 1;
    const LONG status = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? data : "(none)";
}

TEST(SetPath, WritesTheFolderAndReportsARefusedMachineWrite)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "folvane-set-path\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(folder + "fsx.exe").put('x');
    testing::DeleteSimulatorKey(HKEY_LOCAL_MACHINE);
    testing::DeleteSimulatorKey(HKEY_CURRENT_USER);

    Application().Initialize();
    RefusingRegistry registry;
    AgreeingDialogs dialogs;
    Win32Seams seams(dialogs);
    Platform platform { registry, seams.files, seams.shell, seams.sound, seams.clock, dialogs, seams.windows,
        seams.system };
    SimulatorLocator locator(registry, seams.files, seams.system);
    InterfaceSounds sounds(locator, seams.files, seams.sound);
    auto* main = Application().CreateForm<TfrmMain>(platform, locator, sounds);

    main->edNewFS9Path->SetText(std::wstring(folder.begin(), folder.end()));
    main->cbCurrentUser->SetChecked(true);
    main->Commands().btnSetRegPathClick();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().second, DialogType::Information) << dialogs.shown.back().first;
    DWORD type = 0;
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, "SetupPath", &type), folder);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, "AppPath", &type), folder);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, "CDPath", &type), "(none)");

    registry.refuseMachine = true;
    main->edNewFS9Path->SetText(L"C:\\windows\\");
    dialogs.shown.clear();
    main->Commands().btnSetRegPathClick();
    const auto failure = std::find_if(dialogs.shown.begin(), dialogs.shown.end(),
        [](const auto& shown) { return shown.second == DialogType::Error; });
    ASSERT_NE(failure, dialogs.shown.end());
    // Starting as administrator is offered (and declined here) only to a process that is not.
    if (seams.system.IsElevated()) {
        EXPECT_EQ(failure + 1, dialogs.shown.end());
    } else {
        ASSERT_EQ(failure + 2, dialogs.shown.end());
        EXPECT_EQ(dialogs.shown.back().first, elevation::kQuestion);
    }
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, "SetupPath", &type), folder);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, "AppPath", &type), folder);

    delete main;
    testing::DeleteSimulatorKey(HKEY_LOCAL_MACHINE);
    testing::DeleteSimulatorKey(HKEY_CURRENT_USER);
    DeleteFileA((folder + "fsx.exe").c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace
} // namespace folvane
