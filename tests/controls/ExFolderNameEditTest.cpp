// TExFolderNameEdit and TExFolderDialog under Wine with the real shell
// browse dialog, set up as the main window's folder field: a thread timer
// finds the dialog by its caption while it runs modally, looks at it, selects
// folders the test made and presses OK or Cancel.
#include "ControlsTestSupport.h"
#include "HeldKeys.h"

#include "controls/ExFolderNameEdit.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/graphics/TextConvert.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace folvane {
namespace {

const wchar_t* const kCaption = L"Select FSX root folder...";
const wchar_t* const kBase = L"C:\\FolvaneBrowse";
const wchar_t* const kPick = L"C:\\FolvaneBrowse\\pick";
const wchar_t* const kInner = L"C:\\FolvaneBrowse\\pick\\inner";

// What the dialog showed when the script found it.
struct DialogView {
    bool found = false;
    std::wstring caption;
    std::wstring selected; // the tree's selected item, empty when none
    bool selectedParentExpanded = false;
    std::wstring statics; // every static text joined
};

std::wstring ItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[MAX_PATH] = {};
    TVITEMW tv {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = MAX_PATH;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return text;
}

DialogView Look(HWND dialog)
{
    DialogView view;
    view.found = true;
    wchar_t text[256] = {};
    GetWindowTextW(dialog, text, 256);
    view.caption = text;
    HWND tree = FindWindowExW(dialog, nullptr, L"SysTreeView32", nullptr);
    if (tree) {
        auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
        if (item) {
            view.selected = ItemText(tree, item);
            auto parent = reinterpret_cast<HTREEITEM>(
                SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
            view.selectedParentExpanded = parent
                && (SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(parent), TVIS_EXPANDED)
                    & TVIS_EXPANDED);
        }
    }
    for (HWND child = FindWindowExW(dialog, nullptr, L"Static", nullptr); child;
         child = FindWindowExW(dialog, child, L"Static", nullptr)) {
        GetWindowTextW(child, text, 256);
        view.statics += text;
    }
    return view;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Selects `path` in the dialog and waits until the component has it: a busy
// tree may still be settling on its own first selection.
void Select(HWND dialog, const wchar_t* path, const TExFolderDialog& component)
{
    const std::string wanted = WideToAnsi(path);
    // A folder made just before may take the shell a while to know, on a new prefix above all.
    for (int attempt = 0; attempt < 150; ++attempt) {
        PumpMessages();
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path));
        PumpMessages();
        if (component.Folder() == wanted)
            return;
        Sleep(20);
    }
}

void Press(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Runs `script` on the dialog once it shows (within about 6 s). A dialog
// the script leaves open is cancelled, so that a failing test cannot hang.
class DialogScript {
public:
    explicit DialogScript(std::function<void(HWND)> script)
    {
        script_ = std::move(script);
        ticks_ = 0;
        timer_ = SetTimer(nullptr, 0, 30, &DialogScript::Tick);
    }
    ~DialogScript()
    {
        if (timer_)
            KillTimer(nullptr, timer_);
        timer_ = 0;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND dialog = FindWindowW(nullptr, kCaption);
        // The dialog shows once its first messages are handled.
        if (dialog && IsWindowVisible(dialog) && script_) {
            auto script = std::move(script_);
            script_ = nullptr;
            PumpMessages(); // what the dialog queued for itself comes first
            script(dialog);
            // A dialog that was ended is hidden until its loop returns.
            if (IsWindowVisible(dialog))
                Press(dialog, IDCANCEL);
        } else if (++ticks_ > 200 && timer_) {
            KillTimer(nullptr, timer_);
            timer_ = 0;
        }
    }

    static inline std::function<void(HWND)> script_;
    static inline int ticks_ = 0;
    static inline UINT_PTR timer_ = 0;
};

class ControlsExFolderNameEdit : public testing::WindowsTest {
protected:
    static void SetUpTestSuite()
    {
        testing::WindowsTest::SetUpTestSuite();
        CreateDirectoryW(kBase, nullptr);
        CreateDirectoryW(kPick, nullptr);
        CreateDirectoryW(kInner, nullptr);
        form = new TForm();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 500, 60);
        form->Show();
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
        RemoveDirectoryW(kInner);
        RemoveDirectoryW(kPick);
        RemoveDirectoryW(kBase);
    }

    // The main window's folder field.
    void SetUp() override
    {
        edit = new TExFolderNameEdit(form);
        edit->SetParent(form);
        edit->SetAutoSize(false);
        edit->SetBounds(8, 8, 437, 21);
        edit->SetReadOnly(true);
        edit->SetButtonWidth(20);
        edit->SetRootFolder(TShellFolders::sfoDesktopExpanded);
        edit->SetDialogTitle(kCaption);
        edit->OnChange = [this](TComponent*) { ++changes; };
        edit->OnDialogExecute = [this](TComponent*) { ++accepted; };
        edit->OnBeforeDialogExecute = [this](TComponent*, TExFolderDialog*) { ++opened; };
        edit->HandleNeeded();
    }
    void TearDown() override { delete edit; }

    static inline TForm* form = nullptr;
    TExFolderNameEdit* edit = nullptr;
    int changes = 0;
    int accepted = 0;
    int opened = 0;
};

TEST_F(ControlsExFolderNameEdit, DefaultsOfTheFolderEdit)
{
    EXPECT_EQ(edit->ButtonShortcut(), 0x8028);
    EXPECT_EQ(edit->ButtonGlyph().Width(), 13);
    EXPECT_EQ(edit->ButtonGlyph().Height(), 11);
    EXPECT_EQ(edit->Dialog()->Owner(), edit);
    EXPECT_EQ(edit->Button()->Left(), 413);

    // Built as a layout is loaded, with an emptied glyph: it comes back, and
    // the buttons are laid out once loading ends, also when the window was
    // made while the box still loaded.
    for (const bool windowWhileLoading : { false, true }) {
        TExFolderNameEdit* loaded = nullptr;
        {
            TLoadingScope scope;
            loaded = new TExFolderNameEdit(form);
            loaded->SetParent(form);
            loaded->SetAutoSize(false);
            loaded->SetBounds(8, 30, 437, 21);
            loaded->SetButtonWidth(20);
            loaded->SetButtonGlyph(TBitmap());
            if (windowWhileLoading)
                loaded->HandleNeeded();
        }
        EXPECT_EQ(loaded->ButtonGlyph().Width(), 13);
        EXPECT_EQ(loaded->Button()->Left(), 413) << windowWhileLoading;
        EXPECT_EQ(loaded->Button()->Width(), 20);
        EXPECT_EQ(loaded->Button()->Height(), 17);
        delete loaded;
    }
}

TEST_F(ControlsExFolderNameEdit, FirstBrowseEmptySecondOpensOnTheChoice)
{
    DialogView first;
    {
        DialogScript script([&](HWND dialog) {
            first = Look(dialog);
            Select(dialog, kPick, *edit->Dialog());
            Press(dialog, IDOK);
        });
        testing::SendAltDown(edit->Handle());
    }
    ASSERT_TRUE(first.found);
    EXPECT_EQ(first.caption, kCaption);
    EXPECT_EQ(first.statics, L""); // nothing above the tree
    EXPECT_EQ(first.selected, L""); // nothing selected
    EXPECT_EQ(edit->Text(), kPick);
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(accepted, 1);

    DialogView second;
    {
        DialogScript script([&](HWND dialog) { second = Look(dialog); });
        testing::SendAltDown(edit->Handle());
    }
    ASSERT_TRUE(second.found);
    EXPECT_EQ(second.selected, L"pick");
    EXPECT_TRUE(second.selectedParentExpanded);
    EXPECT_EQ(edit->Text(), kPick); // cancelled
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsExFolderNameEdit, CancelAfterClickingThroughKeepsTheText)
{
    edit->SetText(kPick);
    std::string during;
    {
        DialogScript script([&](HWND dialog) {
            Select(dialog, kInner, *edit->Dialog());
            Select(dialog, kBase, *edit->Dialog());
            during = edit->Dialog()->Folder();
            Press(dialog, IDCANCEL);
        });
        edit->Button()->Click();
    }
    EXPECT_EQ(during, "C:\\FolvaneBrowse");
    EXPECT_EQ(edit->Text(), kPick);
    EXPECT_EQ(edit->Dialog()->Folder(), "C:\\FolvaneBrowse\\pick");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(accepted, 0);
}

TEST_F(ControlsExFolderNameEdit, DriveRootKeepsItsBackslashAndUnknownTextOpensAtTheRoot)
{
    edit->SetText(L"Q:\\no such\\folder");
    edit->Dialog()->SetPosition(TFolderDialogPosition::fdpScreenCenter);
    DialogView view;
    RECT placed {};
    {
        DialogScript script([&](HWND dialog) {
            view = Look(dialog);
            GetWindowRect(dialog, &placed);
            Select(dialog, L"C:\\", *edit->Dialog());
            Press(dialog, IDOK);
        });
        EXPECT_TRUE(edit->Browse());
    }
    EXPECT_TRUE(view.found);
    EXPECT_EQ(view.selected, L"");
    EXPECT_EQ(edit->Text(), L"C:\\");
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int width = placed.right - placed.left;
    EXPECT_EQ(placed.left, std::max(0, (screenWidth - width) / 2));
}

TEST_F(ControlsExFolderNameEdit, FolderTheCodePageCannotHoldLeavesTheTextAndIsReported)
{
    // Armenian letters: no ANSI code page holds them.
    const std::wstring foreign = std::wstring(kBase) + L"\\FSX \u0531\u0532";
    ASSERT_TRUE(CreateDirectoryW(foreign.c_str(), nullptr));
    edit->SetText(kPick);
    std::vector<std::string> reported;
    edit->OnFolderNameNotRepresentable = [&](TComponent*, const std::string& shown) { reported.push_back(shown); };
    {
        DialogScript script([&](HWND dialog) {
            Select(dialog, foreign.c_str(), *edit->Dialog());
            Press(dialog, IDOK);
        });
        EXPECT_FALSE(edit->Browse());
    }
    RemoveDirectoryW(foreign.c_str());
    ASSERT_EQ(reported, std::vector<std::string> { WideToAnsi(foreign) });
    EXPECT_EQ(reported.front().find("C:\\FolvaneBrowse\\FSX "), 0u);
    EXPECT_EQ(edit->Text(), kPick);
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(accepted, 0);
}

TEST_F(ControlsExFolderNameEdit, ItemWithoutPathGivesEmptyText)
{
    edit->SetText(kPick);
    PIDLIST_ABSOLUTE computer = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)));
    {
        DialogScript script([&](HWND dialog) {
            SendMessageW(dialog, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(computer));
            PumpMessages();
            Press(dialog, IDOK);
        });
        EXPECT_TRUE(edit->Browse());
    }
    CoTaskMemFree(computer);
    EXPECT_EQ(edit->Text(), L"");
    EXPECT_TRUE(edit->Dialog()->HasCurrentItem());
    EXPECT_EQ(accepted, 1);
}

TEST_F(ControlsExFolderNameEdit, DisabledOrReadOnlyBoxRefusesTheUser)
{
    edit->SetText(L"C:\\FSX");
    SendMessageA(edit->Handle(), WM_CHAR, 'x', 0);
    EXPECT_EQ(edit->Text(), L"C:\\FSX");
    edit->SetEnabled(false);
    testing::SendAltDown(edit->Handle());
    EXPECT_EQ(opened, 0);
    edit->SetEnabled(true);
}

TEST(ControlsExFolderDialog, FolderTextAndItems)
{
    TExFolderDialog dialog;
    int changes = 0;
    dialog.OnChange = [&](TComponent*) { ++changes; };
    dialog.SetFolder("C:\\FolvaneBrowse\\pick\\");
    // Parsed, so the text is the item's path; the folder may not exist.
    EXPECT_EQ(dialog.HasCurrentItem(), GetFileAttributesW(kPick) != INVALID_FILE_ATTRIBUTES);
    const int afterPick = changes;
    EXPECT_EQ(afterPick, dialog.HasCurrentItem() ? 1 : 0);
    dialog.SetFolder("not a path at all <>|");
    EXPECT_FALSE(dialog.HasCurrentItem());
    EXPECT_EQ(dialog.Folder(), "not a path at all <>|");
    dialog.SetFolder(std::string(400, 'a'));
    EXPECT_FALSE(dialog.HasCurrentItem());
    EXPECT_EQ(changes, afterPick); // no item, no change
    dialog.SetFolder("C:\\");
    EXPECT_TRUE(dialog.HasCurrentItem());
    EXPECT_EQ(dialog.Folder(), "C:\\");
    EXPECT_EQ(changes, afterPick + 1);
    dialog.SetFolder("");
    EXPECT_FALSE(dialog.HasCurrentItem());
    EXPECT_EQ(changes, afterPick + 1);
}

TEST_F(ControlsExFolderNameEdit, DialogDestroyedWhileOpenLeavesItsWindowAlone)
{
    // Overwritten once destroyed, so that anything still reaching the
    // component would fail at once instead of reading what was left.
    alignas(TExFolderDialog) unsigned char storage[sizeof(TExFolderDialog)];
    auto* dialog = new (storage) TExFolderDialog();
    dialog->SetDialogTitle(kCaption);
    HWND window = nullptr;
    bool chosen = true;
    {
        DialogScript script([&](HWND found) {
            window = found;
            dialog->~TExFolderDialog();
            std::memset(storage, 0xCD, sizeof storage);
        });
        chosen = dialog->Execute();
    }
    EXPECT_FALSE(chosen);
    ASSERT_TRUE(window);
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
} // namespace folvane
