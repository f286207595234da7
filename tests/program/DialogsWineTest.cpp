// The dialog seam under Wine: the standard message dialog gets the caption
// and the buttons of its type and set, the plain box the caller's caption and
// flags, and both return the button that was pressed.
#include "program/Win32Dialogs.h"
#include "toolkit/Application.h"
#include "toolkit/MessageDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

namespace folvane {
namespace {

struct SeenDialog {
    std::string caption;
    std::vector<int> buttonIds;
};

// Waits on another thread for a top-level window of the class, records what
// it shows and presses the button with the given id.
class Presser {
public:
    Presser(const char* className, int buttonId)
        : thread_([this, className, buttonId] {
            for (int i = 0; i < 200 && !done_; ++i) {
                HWND dialog = FindWindowA(className, nullptr);
                if (dialog && IsWindowVisible(dialog)) {
                    char caption[256] = {};
                    GetWindowTextA(dialog, caption, sizeof caption);
                    seen.caption = caption;
                    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                        char cls[64] = {};
                        GetClassNameA(c, cls, sizeof cls);
                        if (lstrcmpiA(cls, "Button") == 0)
                            seen.buttonIds.push_back(GetDlgCtrlID(c));
                    }
                    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
                    return;
                }
                Sleep(25);
            }
        })
    {
    }
    ~Presser()
    {
        done_ = true;
        thread_.join();
    }
    SeenDialog seen;

private:
    std::atomic<bool> done_ { false };
    std::thread thread_;
};

TEST(Win32DialogsTest, StandardDialogShowsTheTypesCaptionAndAnswers)
{
    Application().Initialize();
    Win32Dialogs dialogs;
    int answer = 0;
    SeenDialog seen;
    {
        Presser presser(kMessageDialogClass, IDCANCEL);
        answer = dialogs.MessageDlg("Are you sure?", DialogType::Confirmation, dlg::kYes | dlg::kCancel);
        Sleep(50);
        seen = presser.seen;
    }
    EXPECT_EQ(dlg::kAnswerCancel, answer);
    EXPECT_EQ("Confirm", seen.caption);
    EXPECT_EQ((std::vector<int> { IDYES, IDCANCEL }), seen.buttonIds);

    {
        Presser presser(kMessageDialogClass, IDOK);
        answer = dialogs.MessageDlg("Failed.", DialogType::Error, dlg::kOK);
        Sleep(50);
        seen = presser.seen;
    }
    EXPECT_EQ(dlg::kAnswerOk, answer);
    EXPECT_EQ("Error", seen.caption);
}

TEST(Win32DialogsTest, PlainBoxHasTheCallersCaptionAndAnswers)
{
    Win32Dialogs dialogs;
    int answer = 0;
    SeenDialog seen;
    {
        Presser presser("#32770", IDNO);
        answer = dialogs.ShowMessageBox("Repair?", "Folvane", dlg::kBoxYesNo | dlg::kBoxIconWarning | dlg::kBoxTopmost);
        Sleep(50);
        seen = presser.seen;
    }
    EXPECT_EQ(dlg::kAnswerNo, answer);
    EXPECT_EQ("Folvane", seen.caption);
}

} // namespace
} // namespace folvane
