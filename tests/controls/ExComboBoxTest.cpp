// The combo and the drive combo under Wine, in a prefix with a CD drive E:
// labelled FSX: opening and closing through real keys and clicks, the
// pop-up's place, type-ahead with its timeout thread, and a drawn row.
#include "ControlsTestSupport.h"
#include "support/MessagePump.h"

#include "controls/ExComboBox.h"
#include "controls/ExDriveComboBox.h"
#include "controls/ExTheme.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiObjects.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>

namespace folvane {
namespace {

using testing::Pump;
using testing::SendMouse;

// Presses the keys in order through the system's input queue and lets go in
// reverse order, as a user's chord.
void Press(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT in {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT in {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *--it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump(30);
}

// A left click at a point of a window, through the input queue.
void Click(HWND window, int x, int y)
{
    POINT at { x, y };
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    INPUT in[2] {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    Pump(30);
}

bool PopupShown(TCustomExComboBox& combo)
{
    HWND popup = combo.Popup().ExistingHandle();
    return popup && IsWindowVisible(popup);
}

class FakeDrives : public DriveSource {
public:
    unsigned FailCriticalErrors() override { return 0; }
    void RestoreErrorMode(unsigned) override { }
    std::uint32_t LogicalDrives() override { return 1u << 2; }
    TDriveKind KindOf(wchar_t) override { return TDriveKind::Fixed; }
    std::wstring VolumeLabel(wchar_t) override { return L"SYSTEM"; }
    std::wstring ConnectionName(wchar_t) override { return {}; }
    wchar_t CurrentDirectoryDrive() override { return L'D'; }
};

class ControlsExComboBox : public testing::WindowsTest {
protected:
    static void SetUpTestSuite()
    {
        testing::WindowsTest::SetUpTestSuite();
        form = new TForm();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(40, 40, 300, 120);
        form->SetColor(clWhite);
        form->Show();
        Pump(100);
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }

    // The main window's drive list, loaded as its layout loads it: TextCase
    // and Options each rebuild the list, and it starts disabled.
    std::unique_ptr<TExDriveComboBox> MakeDriveCombo()
    {
        std::unique_ptr<TExDriveComboBox> combo;
        {
            TLoadingScope scope;
            combo = std::make_unique<TExDriveComboBox>(nullptr);
            combo->SetParent(form);
            combo->SetBounds(10, 10, 124, 21);
            combo->SetColor(MakeColor(0xDE, 0xE7, 0xEF));
            combo->Font().SetName("Tahoma");
            combo->Font().SetHeight(-11);
            combo->Font().SetColor(clBlack);
            combo->SetTextCase(TExTextCase::etcUppercase);
            combo->SetOptions(dcoDisplayCD);
            combo->SetButtonEnabled(false);
            combo->SetEnabled(false);
            scope.Finish();
        }
        combo->HandleNeeded();
        return combo;
    }

    static TForm* form;
};

TForm* ControlsExComboBox::form = nullptr;

TEST_F(ControlsExComboBox, CdListStartsEmptyOnTheCurrentDirectoryDrive)
{
    auto combo = MakeDriveCombo();
    EXPECT_EQ(combo->Items(), (std::vector<std::wstring> { L"E: [FSX]" }));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), L"");
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(combo->Drive(), current[0]);
    EXPECT_EQ(combo->ItemHeight(), 17);

    // The letter selects its item; an unlisted one changes nothing.
    combo->SetDrive(L'e');
    EXPECT_EQ(combo->Text(), L"E: [FSX]");
    EXPECT_EQ(combo->Drive(), L'E');
    combo->SetDrive(L'Q');
    EXPECT_EQ(combo->Drive(), L'E');
    // Rebuilding keeps it.
    combo->SetOptions(dcoDisplayCD | dcoDisplayRAM);
    EXPECT_EQ(combo->Text(), L"E: [FSX]");
}

TEST_F(ControlsExComboBox, KeyboardJourneyThroughThePopUp)
{
    auto combo = MakeDriveCombo();
    int dropDowns = 0, changes = 0;
    bool shownAtDropDown = true;
    combo->OnDropDown = [&](TComponent*) {
        ++dropDowns;
        shownAtDropDown = PopupShown(*combo);
    };
    combo->OnChange = [&](TComponent*) { ++changes; };
    combo->SetEnabled(true);
    combo->SetFocus();
    Pump(30);
    ASSERT_TRUE(combo->Focused());

    Press({ VK_MENU, VK_DOWN });
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(PopupShown(*combo));
    EXPECT_TRUE(combo->Focused()); // the pop-up never takes the focus
    EXPECT_EQ(dropDowns, 1);
    EXPECT_FALSE(shownAtDropDown);
    Press({ VK_DOWN });
    EXPECT_EQ(combo->ListBox().ItemIndex(), 0);
    Press({ VK_ESCAPE }); // not accepted
    EXPECT_FALSE(PopupShown(*combo));
    EXPECT_EQ(combo->Text(), L"");
    EXPECT_EQ(changes, 0);

    Press({ VK_F4 });
    EXPECT_EQ(dropDowns, 2);
    EXPECT_FALSE(shownAtDropDown);
    Press({ VK_DOWN });
    Press({ VK_RETURN });
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), L"E: [FSX]"); // as listed, not case-mapped
    EXPECT_EQ(combo->Drive(), L'E');
    EXPECT_EQ(changes, 1);

    // Alt+Up closes what it opened without accepting; Up while closed stays
    // at the first item.
    Press({ VK_MENU, VK_UP });
    EXPECT_TRUE(combo->DroppedDown());
    Press({ VK_MENU, VK_UP });
    EXPECT_FALSE(combo->DroppedDown());
    Press({ VK_UP });
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsExComboBox, MouseOpensHoversAndAccepts)
{
    auto combo = MakeDriveCombo();
    EXPECT_FALSE(combo->ButtonEnabled());
    Click(combo->Handle(), 20, 10);
    EXPECT_FALSE(combo->DroppedDown()); // disabled: nothing

    combo->SetEnabled(true);
    EXPECT_TRUE(combo->ButtonEnabled()); // although the layout turned it off
    Click(combo->Handle(), 20, 10);
    ASSERT_TRUE(combo->DroppedDown());
    HWND list = combo->ListBox().Handle();
    SendMouse(list, WM_MOUSEMOVE, 20, 8);
    EXPECT_EQ(combo->ListBox().ItemIndex(), 0);
    // Released outside the list: closed, not accepted.
    SendMouse(list, WM_LBUTTONDOWN, 20, 8, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), list);
    SendMouse(list, WM_LBUTTONUP, 20, -40);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), L"");

    Click(combo->Handle(), 20, 10);
    SendMouse(list, WM_LBUTTONDOWN, 20, 8, MK_LBUTTON);
    SendMouse(list, WM_LBUTTONUP, 20, 8);
    EXPECT_FALSE(PopupShown(*combo));
    EXPECT_EQ(combo->Drive(), L'E');
    EXPECT_NE(GetCapture(), list);

    // A press whose capture is taken away is over: its late release does nothing.
    combo->SetItemIndex(-1);
    Click(combo->Handle(), 20, 10);
    ASSERT_TRUE(combo->DroppedDown());
    SendMouse(list, WM_LBUTTONDOWN, 20, 8, MK_LBUTTON);
    ReleaseCapture();
    SendMouse(list, WM_LBUTTONUP, 20, 8);
    EXPECT_TRUE(combo->DroppedDown());
    Press({ VK_ESCAPE });
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), L"");

    // Losing the focus closes without accepting.
    combo->SetItemIndex(-1);
    Click(combo->Handle(), 20, 10);
    ASSERT_TRUE(combo->DroppedDown());
    SetFocus(form->Handle());
    Pump(30);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), L"");
}

TEST_F(ControlsExComboBox, EmptyListOpensOneRowHighAndAboveNearTheBottom)
{
    auto combo = MakeDriveCombo();
    FakeDrives noCd;
    combo->SetDriveSource(&noCd);
    combo->RebuildList();
    EXPECT_EQ(combo->Items().size(), 0u);
    EXPECT_EQ(combo->Drive(), L'D');
    combo->SetEnabled(true);
    combo->SetFocus();
    Pump(30);
    // Focused with nothing selected: the text area in the focused colour.
    TBitmap face;
    testing::Snapshot(*combo, face);
    EXPECT_EQ(face.Pixel(5, 5), static_cast<TColor>(ColorToRGB(combo->FocusedSelectColor())));
    combo->DropDown();
    RECT popup, box;
    GetWindowRect(combo->Popup().Handle(), &popup);
    GetWindowRect(combo->Handle(), &box);
    EXPECT_EQ(popup.bottom - popup.top, 17 + 2 * GetSystemMetrics(SM_CYEDGE));
    EXPECT_EQ(popup.top, box.bottom);
    EXPECT_EQ(popup.right, box.right);
    Press({ VK_RETURN });
    EXPECT_EQ(combo->Text(), L"");
    combo->SetDriveSource(nullptr);

    // Near the bottom of the screen it opens above the box.
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    form->SetTop(work.bottom - form->Height());
    combo->SetTop(form->Height() - 30);
    combo->RebuildList();
    combo->DropDown();
    GetWindowRect(combo->Popup().Handle(), &popup);
    GetWindowRect(combo->Handle(), &box);
    EXPECT_EQ(popup.bottom, box.top);
    combo->CloseUp(false);
    form->SetTop(40);
}

// Set by the timer below when a context menu was up.
bool menuSeen = false;

void CALLBACK LookForMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND menu = FindWindowA("#32768", nullptr);
    menuSeen = menu && IsWindowVisible(menu);
    EndMenu();
}

TEST_F(ControlsExComboBox, ListOnlyBoxHasNoCaretNoEditMenuAndUpOnAnEmptyListIsQuiet)
{
    auto combo = MakeDriveCombo();
    combo->SetEnabled(true);
    combo->SetFocus();
    Pump(30);
    ASSERT_TRUE(combo->Focused());
    GUITHREADINFO thread {};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetCurrentThreadId(), &thread);
    EXPECT_NE(thread.hwndCaret, combo->Handle());

    menuSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, &LookForMenu);
    POINT at { 20, 10 };
    ClientToScreen(combo->Handle(), &at);
    SendMessageA(combo->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(combo->Handle()), MAKELPARAM(at.x, at.y));
    KillTimer(nullptr, timer);
    EXPECT_FALSE(menuSeen);

    FakeDrives noCd;
    combo->SetDriveSource(&noCd);
    combo->RebuildList();
    int changes = 0;
    combo->OnChange = [&](TComponent*) { ++changes; };
    SendMessageA(combo->Handle(), WM_KEYDOWN, VK_UP, 0);
    SendMessageA(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetDriveSource(nullptr);
}

TEST_F(ControlsExComboBox, PressOnALabelOrTheWindowFaceClosesTheOpenList)
{
    auto combo = MakeDriveCombo();
    combo->SetEnabled(true);
    auto label = std::make_unique<TLabel>(nullptr);
    label->SetParent(form);
    label->SetBounds(150, 60, 60, 13);
    label->SetCaption("Label5");
    for (POINT press : { POINT { 155, 65 }, POINT { 250, 100 } }) {
        combo->DropDown();
        ASSERT_TRUE(PopupShown(*combo));
        SendMouse(form->Handle(), WM_LBUTTONDOWN, press.x, press.y, MK_LBUTTON);
        SendMouse(form->Handle(), WM_LBUTTONUP, press.x, press.y);
        EXPECT_FALSE(PopupShown(*combo)) << press.x;
        EXPECT_FALSE(combo->DroppedDown());
        EXPECT_EQ(combo->Text(), L"");
    }
}

TEST_F(ControlsExComboBox, TypedTextSearchesAndIsForgottenAfterAPause)
{
    auto combo = std::make_unique<TCustomExComboBox>(nullptr);
    combo->SetParent(form);
    combo->SetBounds(10, 40, 124, 21);
    combo->SetStyle(TExComboStyle::csDropDownList);
    combo->SetItems({ L"Alpha", L"beta", L"Bravo", L"Charlie" });
    int changes = 0;
    combo->OnChange = [&](TComponent*) { ++changes; };
    combo->SetFocus();
    Pump(30);
    Press({ 'B' });
    EXPECT_EQ(combo->ItemIndex(), 1);
    Press({ 'B' }); // the same letter again steps on
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), L"Bravo");
    EXPECT_EQ(changes, 2);
    Press({ VK_BACK });
    EXPECT_EQ(combo->SearchText(), L"");
    Press({ 'C' });
    EXPECT_EQ(combo->SearchText(), L"c");
    Pump(1500); // more than two timeout steps
    EXPECT_EQ(combo->SearchText(), L"");
    Press({ 'A' });
    EXPECT_EQ(combo->ItemIndex(), 0);
    // Destroyed while the timeout runs: its end must not reach the combo.
    combo.reset();
    Pump(1100);
}

TEST_F(ControlsExComboBox, RowDrawsIconThenTextInCapitals)
{
    auto combo = MakeDriveCombo();
    combo->SetColor(clWhite);
    combo->SetUseXPThemes(false); // the classic drawing; the visual style's is below
    TBitmap row(124, 17, TPixelFormat::pf32bit);
    testing::ReviewOnFailure review(row, "combo_row");
    combo->DrawItem(row.Canvas(), 0, RECT { 0, 0, 124, 17 }, false);

    bool icon = false;
    for (int x = 0; x < 16 && !icon; ++x)
        for (int y = 0; y < 17 && !icon; ++y)
            icon = row.Pixel(x, y) != clWhite;
    EXPECT_TRUE(icon);

    // Pixels right of the icon that differ from `text` drawn as the row draws it.
    const auto differingFrom = [&](std::string_view text) {
        TBitmap expected(124, 17, TPixelFormat::pf32bit);
        expected.Canvas().Brush().SetColor(clWhite);
        expected.Canvas().FillRect(RECT { 0, 0, 124, 17 });
        expected.Canvas().SetFont(combo->Font());
        RECT area { 20, 0, 124, 17 };
        expected.Canvas().DrawText(text, area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        int differing = 0;
        for (int x = 16; x < 124; ++x)
            for (int y = 0; y < 17; ++y)
                differing += row.Pixel(x, y) != expected.Pixel(x, y);
        return differing;
    };
    EXPECT_EQ(differingFrom("E: [FSX]"), 0);
    int firstInk = 124;
    for (int x = 16; x < 124; ++x)
        for (int y = 0; y < 17; ++y)
            if (row.Pixel(x, y) != clWhite)
                firstInk = std::min(firstInk, x);
    EXPECT_GE(firstInk, 20);
    EXPECT_LE(firstInk, 21);
    // The label is upper case already: the case shows only when it is mapped down.
    combo->SetTextCase(TExTextCase::etcLowercase);
    combo->DrawItem(row.Canvas(), 0, RECT { 0, 0, 124, 17 }, false);
    EXPECT_EQ(differingFrom("e: [fsx]"), 0);
    EXPECT_EQ(combo->Items(), (std::vector<std::wstring> { L"E: [FSX]" })); // the drawing only

    // The arrow glyph: the triangle in the button-text colour on white.
    EXPECT_STREQ(combo->Button()->ClassName(), "TExComboButton");
    TBitmap& glyph = combo->Button()->Glyph();
    ASSERT_EQ(glyph.Width(), 9);
    EXPECT_EQ(glyph.Pixel(0, 4), clWhite);
    EXPECT_EQ(glyph.Pixel(4, 4), static_cast<TColor>(ColorToRGB(clBtnText)));
    EXPECT_EQ(glyph.Pixel(1, 1), static_cast<TColor>(ColorToRGB(clBtnText)));
    EXPECT_EQ(glyph.Pixel(0, 1), clWhite);
}

// The colours of a drawn row's text, right of its icon.
std::set<TColor> RowInk(TExDriveComboBox& combo)
{
    TBitmap row(124, 17, TPixelFormat::pf32bit);
    combo.DrawItem(row.Canvas(), 0, RECT { 0, 0, 124, 17 }, false);
    std::set<TColor> ink;
    for (int x = 20; x < 124; ++x)
        for (int y = 0; y < 17; ++y)
            if (row.Pixel(x, y) != clWhite)
                ink.insert(row.Pixel(x, y));
    return ink;
}

TEST_F(ControlsExComboBox, RowTextTakesTheVisualStylesEditTextStates)
{
    ASSERT_TRUE(ThemesActive()) << "the test prefix runs with a visual style";
    auto combo = MakeDriveCombo(); // disabled
    combo->SetColor(clWhite);
    const std::set<TColor> disabled = RowInk(*combo);
    combo->SetEnabled(true);
    const std::set<TColor> normal = RowInk(*combo);
    ASSERT_FALSE(normal.empty());
    EXPECT_NE(disabled, normal);
    // Without the style the disabled box keeps its colours.
    combo->SetUseXPThemes(false);
    const std::set<TColor> classic = RowInk(*combo);
    combo->SetEnabled(false);
    EXPECT_EQ(RowInk(*combo), classic);
}

} // namespace
} // namespace folvane
