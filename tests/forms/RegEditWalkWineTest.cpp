// The registry editor walk against Wine's own regedit.exe: started by the
// walk, then walked again while it is open at another key. The editor's
// status bar names the key that ends up selected.
#include "forms/RegEditNavigator.h"
#include "platform/Win32System.h"
#include "platform/Win32WindowDriver.h"
#include "support/SimulatorKeyView.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>

namespace folvane {
namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string StatusText(HWND editor)
{
    Win32WindowDriver driver;
    const WindowHandle status = driver.FindChild(reinterpret_cast<WindowHandle>(editor), "msctls_statusbar32");
    return status ? driver.ReadText(status) : "<no status bar>";
}

int EditorWindows()
{
    int count = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, "RegEdit_RegEdit", nullptr); w;
         w = FindWindowExA(nullptr, w, "RegEdit_RegEdit", nullptr))
        ++count;
    return count;
}

class RegEditWalkWine : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (HKEY root : { HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER }) {
            HKEY key = nullptr;
            ASSERT_EQ(ERROR_SUCCESS, testing::CreateSimulatorKey(root, KEY_WRITE, &key));
            RegCloseKey(key);
        }
    }
    void TearDown() override
    {
        // Close every editor this test started, and wait until it is gone.
        for (int i = 0; i < 100 && EditorWindows() > 0; ++i) {
            if (HWND editor = FindWindowA("RegEdit_RegEdit", nullptr))
                PostMessageA(editor, WM_CLOSE, 0, 0);
            Sleep(100);
        }
        EXPECT_EQ(0, EditorWindows());
        testing::DeleteSimulatorKey(HKEY_LOCAL_MACHINE);
        testing::DeleteSimulatorKey(HKEY_CURRENT_USER);
    }

    Win32WindowDriver windows;
    Win32Shell shell;
    Win32Clock clock;
    Win32SystemInfo system;
    RegEditNavigator navigator { windows, shell, clock };
};

TEST_F(RegEditWalkWine, StartsTheEditorThenWalksItFromAnotherKey)
{
    ASSERT_EQ(0, EditorWindows());
    navigator.ShowRegEditKey(RegEditPathFor(RegistryRoot::CurrentUser, system.WindowsIs64Bit()));
    HWND editor = FindWindowA("RegEdit_RegEdit", nullptr);
    ASSERT_NE(nullptr, editor) << "the walk did not start the editor";
    const std::string userStatus = Lower(StatusText(editor));
    EXPECT_NE(std::string::npos,
        userStatus.find("hkey_current_user\\software\\microsoft\\microsoft games\\flight simulator\\10.0"))
        << userStatus;
    EXPECT_EQ("10.0", userStatus.substr(userStatus.size() - 4)) << userStatus;

    // Open at the user key now; the machine walk restores the same editor.
    ShowWindow(editor, SW_MINIMIZE);
    navigator.ShowRegEditKey(RegEditPathFor(RegistryRoot::LocalMachine, system.WindowsIs64Bit()));
    EXPECT_EQ(1, EditorWindows());
    EXPECT_EQ(editor, FindWindowA("RegEdit_RegEdit", nullptr));
    EXPECT_FALSE(IsIconic(editor));
    const std::string machineStatus = Lower(StatusText(editor));
    // The 32-bit view, where the program writes, as the editor of 64-bit Windows shows it.
    const std::string machineKey
        = "hkey_local_machine\\software\\wow6432node\\microsoft\\microsoft games\\flight simulator\\10.0";
    EXPECT_NE(std::string::npos, machineStatus.find(machineKey)) << machineStatus;
    EXPECT_EQ("10.0", machineStatus.substr(machineStatus.size() - 4)) << machineStatus;
}

} // namespace
} // namespace folvane
