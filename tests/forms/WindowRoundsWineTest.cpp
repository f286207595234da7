// The real main window and about dialog, built from their layouts under Wine:
// a thousand rounds of each thing a user repeats leave the process's GDI and
// USER object counts where they were.
#include "app/InterfaceSounds.h"
#include "app/SimulatorLocator.h"
#include "controls/ExCheckBox.h"
#include "controls/ExDriveComboBox.h"
#include "forms/AboutDialog.h"
#include "forms/MainWindow.h"
#include "program/Win32Dialogs.h"
#include "program/Win32Seams.h"
#include "skin/SkinPageControl.h"
#include "support/GuiObjectCount.h"
#include "support/RealProgram.h"
#include "support/SimulatorKeyView.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <memory>
#include <string>
#include <utility>

namespace folvane {
namespace {

constexpr int kRounds = 1000;

using Program = testing::RealProgram;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

class WindowRounds : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // A proven simulator folder, so that the look-in commands show no message.
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "folvane-rounds\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        std::ofstream(folder_ + "fsx.exe").put('x');
        testing::SetSimulatorText(HKEY_LOCAL_MACHINE, "SetupPath", folder_);
        testing::SetSimulatorText(HKEY_CURRENT_USER, "AppPath", folder_);

        Application().Initialize();
        program_ = new Program;
        main_ = Application().CreateForm<TfrmMain>(program_->platform, program_->locator, program_->sounds);
        dialog_ = Application().CreateForm<TfrmDialog>(program_->sounds, main_->skinTheme);
        main_->SetAboutDialog(dialog_);
        main_->Show();
        Application().ProcessMessages();
    }

    static void TearDownTestSuite()
    {
        delete dialog_;
        delete main_;
        delete program_;
        testing::DeleteSimulatorKey(HKEY_LOCAL_MACHINE);
        testing::DeleteSimulatorKey(HKEY_CURRENT_USER);
        DeleteFileA((folder_ + "fsx.exe").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    // Two warm-up rounds create whatever is created once (both ways of a
    // toggle); the rest must add nothing.
    template <typename Round> static void ExpectFlat(Round round)
    {
        round(0);
        round(1);
        Application().ProcessMessages();
        const DWORD gdi = testing::GdiObjects();
        const DWORD user = testing::UserObjects();
        for (int i = 2; i < kRounds; ++i)
            round(i);
        Application().ProcessMessages();
        EXPECT_EQ(testing::GdiObjects(), gdi);
        EXPECT_EQ(testing::UserObjects(), user);
    }

    static inline std::string folder_;
    static inline Program* program_ = nullptr;
    static inline TfrmMain* main_ = nullptr;
    static inline TfrmDialog* dialog_ = nullptr;
};

TEST_F(WindowRounds, SwitchingTabsAndTheDriveList)
{
    ExpectFlat([](int i) {
        main_->skinPageControl->SetActivePage(i % 2 ? main_->tabSet : main_->tabAnalyze);
        main_->cbSetCDROMPath->SetChecked(i % 2 != 0);
        main_->Commands().cbSetCDROMPathClick();
        main_->skinPageControl->Repaint();
    });
    // The last round (odd) shows "Set Path" and ticks the box: the rounds did their work.
    EXPECT_EQ(main_->skinPageControl->ActivePage(), main_->tabSet);
    EXPECT_TRUE(main_->cbDrive->Enabled()) << "the list follows the ticked box";
}

TEST_F(WindowRounds, LookInCommands)
{
    ExpectFlat([](int i) {
        if (i % 2)
            main_->Commands().menLookInLocMachClick();
        else
            main_->Commands().menLookInCurUsrClick();
        main_->tabAnalyze->Repaint();
    });
}

TEST_F(WindowRounds, OpeningAndClosingEachMenu)
{
    ExpectFlat([](int i) {
        SetTimer(nullptr, 0, 0, CloseMenu);
        if (i % 2)
            main_->Commands().btnGetRegPathClick();
        else
            main_->Commands().btnSearchRegEditClick();
    });
}

TEST_F(WindowRounds, OpeningAndClosingTheAboutDialog)
{
    ExpectFlat([](int) {
        PostMessageA(dialog_->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        main_->Commands().imgAboutClick();
        ASSERT_FALSE(dialog_->Visible());
    });
}

} // namespace
} // namespace folvane
