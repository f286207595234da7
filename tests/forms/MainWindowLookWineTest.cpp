// What a user sees of the real main window under Wine: hints under a resting pointer, the
// result labels showing a path literally, the check boxes' bold captions, the group-box
// captions where the layout puts them, the maker's notice on any code page and the folder
// box's stored height.
#include "controls/ExCheckBox.h"
#include "controls/ExFolderNameEdit.h"
#include "forms/MainWindow.h"
#include "forms/MakerNotice.h"
#include "labels/BvLabel.h"
#include "skin/SkinButton.h"
#include "skin/SkinPageControl.h"
#include "support/MessagePump.h"
#include "support/RealProgram.h"
#include "support/Snapshot.h"
#include "toolkit/Application.h"
#include "toolkit/HintWindow.h"
#include "toolkit/Label.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace folvane {
namespace {

using Program = testing::RealProgram;

using testing::PumpUntil;

// The pointer moved through the input queue, as a user's mouse moves it.
void MovePointer(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT in {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

bool HintShowing()
{
    return Application().HintWindow() && Application().HintWindow()->IsShowing();
}

class MainWindowLook : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        program_ = new Program;
        main_ = Application().CreateForm<TfrmMain>(program_->seams.platform, program_->locator, program_->sounds);
        main_->Show();
        Application().ProcessMessages();
    }
    static void TearDownTestSuite()
    {
        delete main_;
        delete program_;
    }

    static inline Program* program_ = nullptr;
    static inline TfrmMain* main_ = nullptr;
};

TEST_F(MainWindowLook, HintAppearsUnderARestingPointerAndGoesWhenItLeaves)
{
    main_->skinPageControl->SetActivePage(main_->tabSet);
    SetForegroundWindow(main_->Handle());
    Application().ProcessMessages();
    TSkinButton& button = *main_->btnSetRegPath;
    MovePointer(button.ClientToScreen(POINT { button.Width() / 2, button.Height() / 2 }));
    ASSERT_TRUE(PumpUntil(HintShowing, 500));
    EXPECT_EQ(Application().HintWindow()->Caption(), "Write the data to the Windows Registry");

    // Beside the window, where no control of it lies.
    RECT window;
    GetWindowRect(main_->Handle(), &window);
    MovePointer(POINT { window.right + 20, window.bottom + 20 });
    EXPECT_TRUE(PumpUntil([] { return !HintShowing(); }, 500));
    main_->skinPageControl->SetActivePage(main_->tabAnalyze);
}

TEST_F(MainWindowLook, ResultLabelsShowAnAmpersandAsItIs)
{
    for (TBvLabel* label : { main_->lbFSXFolderPath, main_->lbFSXRegKey, main_->lbRegValue }) {
        SCOPED_TRACE(label->Name());
        // Read as accelerator marks, "&&" draws one ampersand, as "&" does.
        TBitmap one, two;
        label->SetCaption("&");
        testing::Snapshot(*label, one);
        label->SetCaption("&&");
        testing::Snapshot(*label, two);
        int differing = 0;
        for (int y = 0; y < one.Height(); ++y)
            for (int x = 0; x < one.Width(); ++x)
                differing += one.Pixel(x, y) != two.Pixel(x, y);
        EXPECT_GT(differing, 5);
        label->SetCaption("");
    }
}

TEST_F(MainWindowLook, CheckBoxCaptionsAreInThePagesBoldFont)
{
    for (TExCheckBox* box : { main_->cbSetCDROMPath, main_->cbCurrentUser }) {
        SCOPED_TRACE(box->Name());
        EXPECT_EQ(box->Font().Style(), fsBold);
        EXPECT_EQ(box->Font().Name(), "Tahoma");
        EXPECT_EQ(box->Font().Height(), -11);
    }
}

TEST_F(MainWindowLook, GroupBoxCaptionsStandWhereTheLayoutPutsThem)
{
    const std::pair<TLabel*, int> lefts[] = { { main_->Label1, 39 }, { main_->Label2, 39 }, { main_->Label3, 351 },
        { main_->Label4, 42 }, { main_->Label5, 42 }, { main_->Label6, 42 }, { main_->Label7, 315 } };
    for (const auto& [label, left] : lefts) {
        EXPECT_EQ(label->Left(), left) << label->Name();
    }
}

TEST_F(MainWindowLook, MakersNoticeReadsRightOnEveryCodePage)
{
    for (unsigned codePage : { 1252u, 1250u, 1251u, 874u, 932u, 936u, 949u, 950u }) {
        SCOPED_TRACE(codePage);
        const std::string notice = MakerNotice(codePage);
        wchar_t wide[64] = {};
        const int length = MultiByteToWideChar(
            codePage, MB_ERR_INVALID_CHARS, notice.c_str(), -1, wide, static_cast<int>(std::size(wide)));
        ASSERT_GT(length, 0);
        const std::wstring read = wide;
        const std::wstring rest = L" 2007 Skelvor. All rights reserved.";
        EXPECT_TRUE(read == L"\u00A9" + rest || read == L"(c)" + rest);
    }
    EXPECT_EQ(MakerNotice(1252), "\xA9 2007 Skelvor. All rights reserved.");
    EXPECT_EQ(main_->lbSkelvor->Caption(), MakerNotice(GetACP()));
}

TEST_F(MainWindowLook, FolderBoxKeepsItsStoredHeight)
{
    TExFolderNameEdit& box = *main_->edNewFS9Path;
    const TFont stored = box.Font();
    TFont larger = stored;
    larger.SetHeight(-16);
    box.SetFont(larger);
    EXPECT_EQ(box.Height(), 21);
    box.SetFont(stored);
}

} // namespace
} // namespace folvane
