// The standard message dialog, driven with keys from inside its own loop: caption, icon,
// buttons in their fixed order and the Enter/Escape results of every button set; the plain
// error box of an exception that escaped a handler, and the loop going on after it.
#include "ToolkitTestSupport.h"

#include "toolkit/Form.h"
#include "toolkit/MessageDialog.h"
#include "toolkit/Timer.h"
#include "toolkit/graphics/FontCache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace folvane {
namespace {

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// What a test saw of a dialog while it was open.
struct Seen {
    bool found = false;
    std::string caption;
    std::vector<std::string> buttons; // left to right
    std::string text;
    HICON icon = nullptr;
    bool stillOpenAfterKey = false;
};

Seen Inspect(HWND dialog)
{
    Seen seen;
    seen.found = dialog != nullptr;
    if (!dialog)
        return seen;
    seen.caption = WindowText(dialog);
    std::vector<HWND> buttons;
    for (HWND child : Children(dialog)) {
        std::string cls = ClassOf(child);
        std::transform(cls.begin(), cls.end(), cls.begin(), ::toupper);
        if (cls == "BUTTON") {
            buttons.push_back(child);
        } else if (cls == "STATIC") {
            if (GetWindowLongA(child, GWL_STYLE) & SS_ICON)
                seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            else
                seen.text = WindowText(child);
        }
    }
    std::sort(buttons.begin(), buttons.end(), [](HWND l, HWND r) {
        RECT a, b;
        GetWindowRect(l, &a);
        GetWindowRect(r, &b);
        return a.left < b.left;
    });
    for (HWND button : buttons)
        seen.buttons.push_back(WindowText(button));
    return seen;
}

// Opens a dialog and, from inside its loop, looks at it and presses `key` on the focused
// window. When the key closes nothing, the first button is clicked after a second look. Both
// looks have run when this returns, so none of them can reach the next dialog.
TModalResult RunDialog(TMsgDlgType type, TMsgDlgButtons buttons, WPARAM key, Seen& seen)
{
    bool secondLook = false;
    testing::RunSoon([&] {
        HWND dialog = FindWindowA(kMessageDialogClass, nullptr);
        seen = Inspect(dialog);
        if (!dialog) {
            secondLook = true;
            return;
        }
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
        testing::RunSoon(
            [&] {
                HWND still = FindWindowA(kMessageDialogClass, nullptr);
                seen.stillOpenAfterKey = still && IsWindowVisible(still);
                if (seen.stillOpenAfterKey)
                    SendMessageA(FindWindowExA(still, nullptr, "Button", nullptr), BM_CLICK, 0, 0);
                secondLook = true;
            },
            100);
    });
    TModalResult result = MessageDlg("It appears this registry entry is blank or does not exist!", type, buttons);
    testing::PumpUntil([&] { return secondLook; }, 2000);
    return result;
}

TEST(MessageDialog, ButtonOrderAndKeyResultsForEverySet)
{
    for (TMsgDlgButtons set = 1; set <= (mbYes | mbNo | mbOK | mbCancel); ++set) {
        std::vector<std::string> expected;
        if (set & mbYes)
            expected.push_back("&Yes");
        if (set & mbNo)
            expected.push_back("&No");
        if (set & mbOK)
            expected.push_back("OK");
        if (set & mbCancel)
            expected.push_back("Cancel");
        std::vector<std::string> captions;
        for (const auto& info : MessageDlgButtons(set))
            captions.push_back(info.caption);
        EXPECT_EQ(captions, expected) << "set " << set;
        TModalResult enter = (set & mbOK) ? mrOk : (set & mbYes) ? mrYes : (set & mbNo) ? mrNo : mrCancel;
        TModalResult escape = (set & mbCancel) ? mrCancel : (set & mbNo) ? mrNo : mrNone;
        EXPECT_EQ(MessageDlgEnterResult(set), enter) << "set " << set;
        EXPECT_EQ(MessageDlgEscapeResult(set), escape) << "set " << set;
    }
    EXPECT_EQ(MessageDlgButtons(0).size(), 1u); // an empty set still has OK
    EXPECT_EQ(MessageDlgButtons(0).front().result, mrOk);
}

// Each real dialog costs a window; these cases cover every type, every button and both keys.
TEST(MessageDialog, RealDialogsShowTheirCaptionIconButtonsAndAnswerTheKeys)
{
    Application().SetTitle("Folvane");
    struct Case {
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        WPARAM key;
        const char* caption;
        LPCSTR icon;
        std::vector<std::string> labels;
        TModalResult result;
        bool keyClosesIt;
    } cases[] = {
        { TMsgDlgType::mtWarning, mbOK, VK_RETURN, "Warning", IDI_WARNING, { "OK" }, mrOk, true },
        { TMsgDlgType::mtError, mbOK | mbCancel, VK_ESCAPE, "Error", IDI_ERROR, { "OK", "Cancel" }, mrCancel, true },
        { TMsgDlgType::mtInformation, mbYes | mbNo, VK_ESCAPE, "Information", IDI_INFORMATION, { "&Yes", "&No" }, mrNo,
            true },
        { TMsgDlgType::mtConfirmation, mbCancel | mbNo | mbYes, VK_RETURN, "Confirm", IDI_QUESTION,
            { "&Yes", "&No", "Cancel" }, mrYes, true },
        { TMsgDlgType::mtCustom, mbNo | mbCancel, VK_RETURN, "Folvane", nullptr, { "&No", "Cancel" }, mrNo, true },
        // Escape with neither Cancel nor No: nothing happens until a button is pressed.
        { TMsgDlgType::mtConfirmation, mbOK | mbYes, VK_ESCAPE, "Confirm", IDI_QUESTION, { "&Yes", "OK" }, mrYes,
            false },
    };
    for (const auto& c : cases) {
        Seen seen;
        EXPECT_EQ(RunDialog(c.type, c.buttons, c.key, seen), c.result) << c.caption;
        ASSERT_TRUE(seen.found) << c.caption;
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.icon, c.icon ? LoadIconA(nullptr, c.icon) : nullptr) << c.caption;
        EXPECT_EQ(seen.buttons, c.labels) << c.caption;
        EXPECT_EQ(seen.text, "It appears this registry entry is blank or does not exist!");
        EXPECT_EQ(seen.stillOpenAfterKey, !c.keyClosesIt) << c.caption;
    }
}

TEST(MessageDialog, TabMovesToAnotherButtonAndEnterPressesIt)
{
    testing::RunSoon([] {
        HWND dialog = FindWindowA(kMessageDialogClass, nullptr);
        if (!dialog)
            return;
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0); // Yes -> No
        testing::RunSoon([] { PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0); });
    });
    EXPECT_EQ(MessageDlg("Write the path?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrNo);
}

TEST(MessageDialog, TextAndButtonsUseTheSharedMessageFont)
{
    NONCLIENTMETRICSA metrics {};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    const TSharedFont shared = SharedFont(metrics.lfMessageFont);
    ASSERT_TRUE(shared);
    std::vector<HFONT> fonts;
    testing::RunSoon([&] {
        HWND window = FindWindowA(kMessageDialogClass, nullptr);
        if (!window)
            return;
        for (HWND child : Children(window))
            if (!(GetWindowLongA(child, GWL_STYLE) & SS_ICON) || ClassOf(child) == "Button")
                fonts.push_back(reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
        SendMessageA(FindWindowExA(window, nullptr, "Button", nullptr), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(MessageDlg("Write the path?", TMsgDlgType::mtConfirmation, mbOK | mbCancel), mrOk);
    ASSERT_EQ(fonts.size(), 3u); // the text and two buttons
    for (HFONT font : fonts)
        EXPECT_EQ(font, shared->Get());
}

TEST(MessageDialog, NeverOutgrowsTheWorkAreaAndItsButtonsShow)
{
    std::string manyLines = "The path your registry is reporting is:\r\n\r\n";
    for (int i = 0; i < 300; ++i)
        manyLines += "C:\\Games\\Flight Simulator X\\" + std::to_string(i) + "\r\n";
    const std::string longWord = "C:\\" + std::string(6000, 'x') + "\\";
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (const std::string& text : { manyLines, longWord }) {
        RECT dialog {}, button {};
        Seen seen;
        testing::RunSoon([&] {
            HWND window = FindWindowA(kMessageDialogClass, nullptr);
            seen = Inspect(window);
            if (!window)
                return;
            GetWindowRect(window, &dialog);
            for (HWND child : Children(window))
                if (ClassOf(child) == "Static" && !(GetWindowLongA(child, GWL_STYLE) & SS_ICON)) {
                    seen.text.resize(static_cast<std::size_t>(GetWindowTextLengthA(child)) + 1);
                    seen.text.resize(static_cast<std::size_t>(
                        GetWindowTextA(child, seen.text.data(), static_cast<int>(seen.text.size()))));
                }
            HWND ok = FindWindowExA(window, nullptr, "Button", nullptr);
            GetWindowRect(ok, &button);
            SendMessageA(ok, BM_CLICK, 0, 0);
        });
        EXPECT_EQ(MessageDlg(text, TMsgDlgType::mtWarning, mbOK), mrOk);
        ASSERT_TRUE(seen.found);
        EXPECT_GE(dialog.top, work.top);
        EXPECT_LE(dialog.bottom, work.bottom);
        EXPECT_GE(dialog.left, work.left);
        EXPECT_LE(dialog.right, work.right);
        EXPECT_LE(button.bottom, dialog.bottom);
        EXPECT_LE(button.right, dialog.right);
        EXPECT_GT(button.bottom, button.top);
        if (text == manyLines) {
            ASSERT_GT(seen.text.size(), 3u);
            EXPECT_EQ(seen.text.substr(seen.text.size() - 3), "...");
            EXPECT_EQ(text.compare(0, seen.text.size() - 3, seen.text, 0, seen.text.size() - 3), 0);
        }
    }
}

TEST(MessageDialog, OtherWindowsAreDisabledWhileItIsOpen)
{
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.Show();
    bool disabled = false;
    testing::RunSoon([&] {
        disabled = !IsWindowEnabled(form.Handle());
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    });
    MessageDlg("x", TMsgDlgType::mtInformation, mbOK);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

// ---- The standard error box ----

struct ErrorBox {
    bool found = false;
    std::string caption;
    std::string text;
    bool errorIcon = false;
    int buttons = 0;
    HWND owner = nullptr;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM param)
{
    if (ClassOf(window) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

// Arms a look at the next system message box of the thread and closes it with OK. On a busy
// machine the box may not be up at the first look, so it keeps looking for a few seconds
// instead of leaving a modal box open for ever.
void ExpectErrorBox(ErrorBox& box, int looksLeft = 200)
{
    testing::RunSoon([&box, looksLeft] {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindMessageBox, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) {
            if (looksLeft > 0)
                ExpectErrorBox(box, looksLeft - 1);
            return;
        }
        box.found = true;
        box.caption = WindowText(dialog);
        box.owner = GetWindow(dialog, GW_OWNER);
        for (HWND child : Children(dialog)) {
            std::string cls = ClassOf(child);
            std::transform(cls.begin(), cls.end(), cls.begin(), ::toupper);
            if (cls == "BUTTON")
                ++box.buttons;
            else if (cls == "STATIC" && (GetWindowLongA(child, GWL_STYLE) & SS_ICON))
                box.errorIcon
                    = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == LoadIconA(nullptr, IDI_ERROR);
            else if (cls == "STATIC" && !WindowText(child).empty())
                box.text = WindowText(child);
        }
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
}

TEST(ErrorBox, PlainMessageBoxHasNoOwnerAndReturnsTheButton)
{
    ErrorBox box;
    ExpectErrorBox(box);
    EXPECT_EQ(PlainMessageBox("Now exiting the Folvane.", "Skelvor - Folvane", MB_OK | MB_ICONINFORMATION | MB_TOPMOST),
        IDOK);
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.caption, "Skelvor - Folvane");
    EXPECT_EQ(box.text, "Now exiting the Folvane.");
    EXPECT_EQ(box.owner, nullptr);
}

TEST(ErrorBox, TextGetsAFinalPeriodOnce)
{
    EXPECT_EQ(ExceptionBoxText("Failed to get data for 'SetupPath'"), "Failed to get data for 'SetupPath'.");
    EXPECT_EQ(ExceptionBoxText("Already done."), "Already done.");
    EXPECT_EQ(ExceptionBoxText("Really?"), "Really?.");
    EXPECT_EQ(ExceptionBoxText(""), "");
}

TEST(ErrorBox, AnExceptionFromAHandlerIsShownAndTheLoopGoesOn)
{
    Application().SetTitle("Folvane");
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.Show();
    int clicks = 0;
    form.OnClick = [&](TComponent*) {
        if (++clicks == 1)
            throw std::runtime_error("Failed to get data for 'SetupPath'");
    };
    ErrorBox box;
    ExpectErrorBox(box);
    // The press and release arrive through the queue, as the user's would.
    PostMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(testing::PumpUntil([&] { return box.found && clicks == 1; }, 3000));
    EXPECT_EQ(box.caption, "Folvane");
    EXPECT_EQ(box.text, "Failed to get data for 'SetupPath'.");
    EXPECT_TRUE(box.errorIcon);
    EXPECT_EQ(box.buttons, 1);

    // The window and the loop still work.
    PostMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(testing::PumpUntil([&] { return clicks == 2; }, 2000));
}

TEST(ErrorBox, TimerHandlerErrorsAreCaughtToo)
{
    ErrorBox box;
    ExpectErrorBox(box);
    int ticks = 0;
    TTimer timer;
    timer.SetInterval(10);
    timer.OnTimer = [&](TComponent*) {
        if (++ticks == 1)
            throw std::runtime_error("Invalid data type for 'AppPath'");
    };
    ASSERT_TRUE(testing::PumpUntil([&] { return box.found && ticks >= 3; }, 3000));
    EXPECT_EQ(box.text, "Invalid data type for 'AppPath'.");
}

} // namespace
} // namespace folvane
