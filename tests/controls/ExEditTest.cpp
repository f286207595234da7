// TCustomExEdit and TCustomExButtonEdit under Wine: the folder field's frame
// and button layout, the line by pixels (caret, selection, alignment,
// scrolling), keys and clipboard round trips, read-only refusals, the context
// menu's greying and the button shortcuts.
#include "ControlsTestSupport.h"
#include "HeldKeys.h"

#include "controls/ExButtonEdit.h"
#include "controls/UnicodeClipboard.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using testing::HeldKeys;
using testing::Snapshot;

const TColor kFieldColor = MakeColor(0xDE, 0xE7, 0xEF);
const TColor kSelect = MakeColor(0, 0, 200);
const TColor kSelectText = MakeColor(255, 255, 0);

void Key(HWND window, WPARAM key)
{
    SendMessageA(window, WM_KEYDOWN, key, 0);
}

void Type(HWND window, const char* text)
{
    for (const char* p = text; *p; ++p)
        SendMessageA(window, WM_CHAR, static_cast<unsigned char>(*p), 0);
}

// Columns of the picture that hold `colour` somewhere in rows top..bottom-1.
std::vector<int> ColumnsWith(const TBitmap& picture, TColor colour, int top, int bottom)
{
    std::vector<int> columns;
    for (int x = 0; x < picture.Width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (picture.Pixel(x, y) == colour) {
                columns.push_back(x);
                break;
            }
    return columns;
}

// Columns holding anything but the field colour in the client rows.
std::vector<int> InkColumns(const TBitmap& picture, int right)
{
    std::vector<int> columns;
    for (int x = 0; x < right; ++x)
        for (int y = 0; y < 17; ++y)
            if (picture.Pixel(x, y) != kFieldColor) {
                columns.push_back(x);
                break;
            }
    return columns;
}

class ControlsExEdit : public testing::WindowsTest {
protected:
    static void SetUpTestSuite()
    {
        testing::WindowsTest::SetUpTestSuite();
        form = new TForm();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 600, 80);
        form->Show();
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }

    // The folder field's stored values.
    void SetUp() override
    {
        edit = new TCustomExButtonEdit(form);
        edit->SetParent(form);
        edit->SetAutoSize(false);
        edit->SetBounds(8, 8, 437, 21);
        edit->SetReadOnly(true);
        edit->SetButtonWidth(20);
        edit->SetButtonShortcut(0x8028);
        edit->SetTopMargin(0);
        edit->SetColor(kFieldColor);
        edit->Font().SetName("Tahoma");
        edit->Font().SetHeight(-11);
        edit->Font().SetColor(clBlack);
        edit->SetFocusedSelectColor(kSelect);
        edit->SetFocusedSelectTextColor(kSelectText);
        edit->OnButtonClick = [this](TComponent*) { ++clicks; };
        edit->OnChange = [this](TComponent*) { ++changes; };
        edit->HandleNeeded();
    }
    void TearDown() override { delete edit; }

    static inline TForm* form = nullptr;
    TCustomExButtonEdit* edit = nullptr;
    int clicks = 0;
    int changes = 0;
};

TEST_F(ControlsExEdit, FolderFieldFrameAndButtonLayout)
{
    EXPECT_EQ(edit->ClientWidth(), 433);
    EXPECT_EQ(edit->ClientHeight(), 17);
    const TExEditBtn* button = edit->Button();
    EXPECT_EQ(button->Left(), 413);
    EXPECT_EQ(button->Width(), 20);
    EXPECT_EQ(button->Height(), 17);
    EXPECT_EQ(button->Cursor(), crArrow);
    EXPECT_EQ(edit->Cursor(), crIBeam);
    const RECT area = edit->TextArea();
    EXPECT_EQ(area.right - area.left, 413);
    EXPECT_FALSE(edit->AltButton()->Visible());

    // Missing sides give their width back; the window is made again.
    edit->SetBorderSides(ebsLeft | ebsTop);
    EXPECT_EQ(edit->ClientWidth(), 435);
    EXPECT_EQ(edit->ClientHeight(), 19);
    EXPECT_EQ(edit->Button()->Left(), 415);
    edit->SetBorderStyle(TEditBorderStyle::bsNone);
    EXPECT_EQ(edit->ClientWidth(), 437);

    // Auto-size: Tahoma's 13-pixel text plus four edge widths.
    edit->SetBorderStyle(TEditBorderStyle::bsSingle);
    edit->SetAutoSize(true);
    EXPECT_EQ(edit->Height(), 21);
    edit->SetCtl3D(false);
    EXPECT_EQ(edit->Height(), 19);
}

TEST_F(ControlsExEdit, LineAlignmentSelectionAndScrolling)
{
    edit->SetReadOnly(false);
    edit->SetText(L"C:\\Flight Simulator X");
    TBitmap picture;
    testing::ReviewOnFailure review(picture, "edit_line");
    Snapshot(*edit, picture);
    const std::vector<int> ink = InkColumns(picture, 413);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.front(), 1); // the left margin
    EXPECT_LE(ink.front(), 3);
    const int width = ink.back() - ink.front();

    edit->SetAlignment(TEditAlignment::taRightJustify);
    Snapshot(*edit, picture);
    const std::vector<int> right = InkColumns(picture, 413);
    ASSERT_FALSE(right.empty());
    EXPECT_NEAR(right.back(), 413 - 1 - 2, 2);
    EXPECT_EQ(right.back() - right.front(), width);
    edit->SetAlignment(TEditAlignment::taLeftJustify);

    // Focused selection of "Flight": a fill of the select colour under it,
    // the glyphs in the select text colour, nothing selected elsewhere.
    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());
    edit->SetSelection(3, 6);
    Snapshot(*edit, picture);
    const std::vector<int> fill = ColumnsWith(picture, kSelect, 0, 17);
    ASSERT_FALSE(fill.empty());
    EXPECT_GT(fill.front(), ink.front() + 8);
    EXPECT_LT(fill.back(), ink.front() + width / 2);
    EXPECT_FALSE(ColumnsWith(picture, kSelectText, 0, 17).empty());
    POINT caret {};
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, edit->CaretX());
    EXPECT_NEAR(caret.x, fill.back() + 1, 1);

    // Unfocused with HideSelection the fill goes; without it, other colours.
    form->SetFocus();
    SetFocus(nullptr);
    Snapshot(*edit, picture);
    EXPECT_TRUE(ColumnsWith(picture, kSelect, 0, 17).empty());

    // A text longer than the area scrolls to keep the caret in view.
    edit->SetFocus();
    edit->SetText(std::wstring(120, L'W') + L"END");
    EXPECT_EQ(edit->ScrollOffset(), 0);
    Key(edit->Handle(), VK_END);
    EXPECT_GT(edit->ScrollOffset(), 0);
    EXPECT_LT(edit->CaretX(), 413);
    EXPECT_GE(edit->CaretX(), 400);
    Key(edit->Handle(), VK_HOME);
    EXPECT_EQ(edit->ScrollOffset(), 0);
}

TEST_F(ControlsExEdit, MouseClickDragAndDoubleClickSelect)
{
    edit->SetText(L"C:\\Flight Simulator X");
    const auto xOf = [this](int position) {
        edit->SetSelection(position, 0);
        return edit->CaretX();
    };
    const int x3 = xOf(3), x9 = xOf(9), x12 = xOf(12);
    HWND window = edit->Handle();
    testing::SendMouse(window, WM_LBUTTONDOWN, x3 + 1, 8, MK_LBUTTON);
    EXPECT_TRUE(edit->Focused());
    testing::SendMouse(window, WM_MOUSEMOVE, x9 - 1, 8, MK_LBUTTON);
    testing::SendMouse(window, WM_LBUTTONUP, x9 - 1, 8);
    EXPECT_EQ(edit->SelText(), L"Flight");
    testing::SendMouse(window, WM_MOUSEMOVE, 5, 8); // no button: no selecting
    EXPECT_EQ(edit->SelText(), L"Flight");
    testing::SendMouse(window, WM_LBUTTONDOWN, x12, 8, MK_LBUTTON);
    testing::SendMouse(window, WM_LBUTTONUP, x12, 8);
    testing::SendMouse(window, WM_LBUTTONDBLCLK, x12, 8, MK_LBUTTON);
    testing::SendMouse(window, WM_LBUTTONUP, x12, 8);
    EXPECT_EQ(edit->SelText(), L"Simulator");

    // Blended selection: neither the fill nor the field colour under it.
    edit->SetHighlightAlphaLevel(128);
    TBitmap picture;
    Snapshot(*edit, picture);
    const TColor blended = picture.Pixel(x12 + 1, 4);
    EXPECT_NE(blended, kSelect);
    EXPECT_NE(blended, kFieldColor);
    EXPECT_GT(ColorBlue(blended), 100);
    // A disabled box keeps its colour unless asked for the disabled ones.
    edit->SetEnabled(false);
    Snapshot(*edit, picture);
    EXPECT_EQ(picture.Pixel(400, 2), kFieldColor);
    edit->SetUseDisabledColors(true);
    edit->SetDisabledColor(clRed);
    Snapshot(*edit, picture);
    EXPECT_EQ(picture.Pixel(400, 2), clRed);
}

TEST_F(ControlsExEdit, KeysClipboardAndUndo)
{
    edit->SetReadOnly(false);
    edit->SetFocus();
    Type(edit->Handle(), "C:\\FSX\r");
    EXPECT_EQ(edit->Text(), L"C:\\FSX"); // Enter is not text
    EXPECT_EQ(changes, 6);
    // Characters outside the code page arrive whole.
    SendMessageW(edit->Handle(), WM_CHAR, 0x263A, 0);
    EXPECT_EQ(edit->Text(), L"C:\\FSX\x263A");
    Key(edit->Handle(), VK_BACK);
    EXPECT_TRUE(edit->Modified());
    {
        HeldKeys ctrlShift { VK_CONTROL, VK_SHIFT };
        Key(edit->Handle(), VK_LEFT);
    }
    EXPECT_EQ(edit->SelText(), L"FSX");
    {
        HeldKeys ctrl { VK_CONTROL };
        Key(edit->Handle(), 'X');
    }
    EXPECT_EQ(edit->Text(), L"C:\\");
    std::wstring clip;
    ASSERT_TRUE(ReadClipboardText(nullptr, clip));
    EXPECT_EQ(clip, L"FSX");
    WriteClipboardText(nullptr, L"Games\x263A\r\nsecond line");
    {
        HeldKeys shift { VK_SHIFT };
        Key(edit->Handle(), VK_INSERT);
    }
    EXPECT_EQ(edit->Text(), L"C:\\Games\x263A");
    {
        HeldKeys ctrl { VK_CONTROL };
        Key(edit->Handle(), 'Z');
        EXPECT_EQ(edit->Text(), L"C:\\");
        Key(edit->Handle(), 'A');
        Key(edit->Handle(), VK_INSERT);
    }
    ASSERT_TRUE(ReadClipboardText(nullptr, clip));
    EXPECT_EQ(clip, L"C:\\");
    Key(edit->Handle(), VK_BACK);
    EXPECT_EQ(edit->Text(), L"");

    // Text set by code raises no OnChange unless asked to.
    const int before = changes;
    edit->SetText(L"X");
    EXPECT_EQ(changes, before);
    EXPECT_FALSE(edit->Modified());
    edit->SetNotifyUserChangeOnly(false);
    edit->SetText(L"Y");
    EXPECT_EQ(changes, before + 1);
}

// Counts the Enter presses that reach the form's dialog keys (a default button would).
class EnterWatch : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    bool DialogKey(std::uint16_t key, TShiftState) override
    {
        enters += key == VK_RETURN;
        return false;
    }
    int enters = 0;
};

TEST_F(ControlsExEdit, TextSetByCodeForgetsUndoAndEnterEndsInTheBox)
{
    edit->SetReadOnly(false);
    edit->SetFocus();
    Type(edit->Handle(), "C:\\Old");
    edit->SetText(L"C:\\New\\");
    {
        HeldKeys ctrl { VK_CONTROL };
        Key(edit->Handle(), 'Z');
    }
    EXPECT_EQ(edit->Text(), L"C:\\New\\");

    auto* watch = new EnterWatch(form);
    watch->SetParent(form);
    Key(edit->Handle(), VK_RETURN);
    EXPECT_EQ(watch->enters, 0);
    delete watch;
}

TEST_F(ControlsExEdit, ReadOnlyRefusesTypingAndGreysPaste)
{
    edit->SetText(L"C:\\FSX");
    edit->SetFocus();
    WriteClipboardText(nullptr, L"D:\\Other");
    Type(edit->Handle(), "abc");
    Key(edit->Handle(), VK_BACK);
    Key(edit->Handle(), VK_DELETE);
    {
        HeldKeys ctrl { VK_CONTROL };
        Key(edit->Handle(), 'V');
        Key(edit->Handle(), 'A');
        Key(edit->Handle(), 'C');
    }
    EXPECT_EQ(edit->Text(), L"C:\\FSX");
    EXPECT_EQ(changes, 0);
    std::wstring clip;
    ASSERT_TRUE(ReadClipboardText(nullptr, clip));
    EXPECT_EQ(clip, L"C:\\FSX"); // copying still works

    HMENU menu = edit->BuildContextMenu();
    const auto greyed = [menu](UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_TRUE(greyed(kEditMenuPaste));
    EXPECT_TRUE(greyed(kEditMenuUndo));
    EXPECT_TRUE(greyed(kEditMenuCut));
    EXPECT_FALSE(greyed(kEditMenuCopy));
    EXPECT_TRUE(greyed(kEditMenuSelectAll)); // all is selected
    DestroyMenu(menu);
}

TEST_F(ControlsExEdit, ShortcutClicksVisibleEnabledButtonOnly)
{
    edit->SetFocus();
    testing::SendAltDown(edit->Handle());
    EXPECT_EQ(clicks, 1);
    Key(edit->Handle(), VK_DOWN); // without Alt
    EXPECT_EQ(clicks, 1);
    edit->SetEnabled(false);
    testing::SendAltDown(edit->Handle());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->Button()->Look(), TExButtonLook::bsDisabled);
    edit->SetEnabled(true);
    edit->SetButtonVisible(false);
    testing::SendAltDown(edit->Handle());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->TextArea().right, 433); // the text takes the button's place

    // The alternate button, and a shortcut of 0 that never matches.
    int altClicks = 0;
    edit->OnAltButtonClick = [&](TComponent*) { ++altClicks; };
    edit->SetAltButtonVisible(true);
    edit->SetAltButtonShortcut(MakeShortcut(VK_F4, false, false, false));
    edit->SetAltButtonPosition(TAltButtonPosition::apLeft);
    EXPECT_EQ(edit->AltButton()->Left(), 0);
    EXPECT_EQ(edit->TextArea().left, 15);
    Key(edit->Handle(), VK_F4);
    EXPECT_EQ(altClicks, 1);
    edit->SetAltButtonShortcut(0);
    Key(edit->Handle(), 0); // combines to 0 as well
    EXPECT_EQ(altClicks, 1);
}

class DropButton : public TExEditBtn {
public:
    using TExEditBtn::TExEditBtn;
    const char* ClassName() const override { return "DropButton"; }
};

class DropEdit : public TCustomExButtonEdit {
public:
    explicit DropEdit(TComponent* owner)
        : TCustomExButtonEdit(owner, [](TComponent* box) { return new DropButton(box); })
    {
    }
};

TEST_F(ControlsExEdit, SubclassSuppliesItsMainButton)
{
    DropEdit drop(form);
    drop.SetParent(form);
    drop.SetBounds(8, 40, 100, 21);
    drop.HandleNeeded();
    EXPECT_STREQ(drop.Button()->ClassName(), "DropButton");
    EXPECT_EQ(drop.Button()->Parent(), &drop);
    EXPECT_EQ(drop.Button()->Left(), drop.ClientWidth() - 15);
}

} // namespace
} // namespace folvane
