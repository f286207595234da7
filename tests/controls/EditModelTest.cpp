// The text box's editing model and its pixel and key rules.
#include "controls/EditModel.h"
#include "controls/EditGeometry.h"
#include "controls/FolderDialogRules.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

EditModel With(const std::wstring& text)
{
    EditModel m;
    m.SetText(text);
    return m;
}

TEST(ControlsEditModel, WordMovementStepsThroughPathParts)
{
    EditModel m = With(L"C:\\Flight Sim  X");
    m.Home(false);
    m.Right(true, false);
    EXPECT_EQ(m.Caret(), 1u); // "C" | ":\"
    m.Right(true, false);
    EXPECT_EQ(m.Caret(), 3u);
    m.Right(true, false);
    EXPECT_EQ(m.Caret(), 10u); // blanks after "Flight" are skipped
    m.End(false);
    m.Left(true, true);
    EXPECT_EQ(m.Caret(), 15u);
    m.Left(true, true);
    EXPECT_EQ(m.Caret(), 10u);
    EXPECT_EQ(m.SelectedText(), L"Sim  X");
    // Without Shift a plain arrow collapses the selection to its edge.
    m.Right(false, false);
    EXPECT_EQ(m.Caret(), 16u);
    EXPECT_FALSE(m.HasSelection());
    m.SelectWordAt(5);
    EXPECT_EQ(m.SelectedText(), L"Flight");
}

TEST(ControlsEditModel, DeletionInsertionAndUndo)
{
    EditModel m = With(L"one two");
    EXPECT_TRUE(m.DeleteBackward(true));
    EXPECT_EQ(m.Text(), L"one ");
    m.Home(false);
    EXPECT_TRUE(m.DeleteForward(true));
    EXPECT_EQ(m.Text(), L"");
    EXPECT_FALSE(m.DeleteForward(false));

    m = With(L"ab");
    for (wchar_t ch : std::wstring(L"cde"))
        m.Insert(std::wstring(1, ch), true);
    m.Insert(L"X\r\nignored");
    EXPECT_EQ(m.Text(), L"abcdeX");
    EXPECT_TRUE(m.Undo()); // the paste
    EXPECT_EQ(m.Text(), L"abcde");
    EXPECT_TRUE(m.Undo()); // the typed run as one step
    EXPECT_EQ(m.Text(), L"ab");
    EXPECT_FALSE(m.CanUndo());

    m.SelectAll();
    std::wstring cut;
    EXPECT_TRUE(m.Cut(cut));
    EXPECT_EQ(cut, L"ab");
    EXPECT_TRUE(m.Text().empty());
}

TEST(ControlsEditModel, ReadOnlyRefusesChangesButSelectsAndCopies)
{
    EditModel m = With(L"C:\\FSX");
    m.SetReadOnly(true);
    m.Left(true, true);
    std::wstring out;
    EXPECT_TRUE(m.Copy(out));
    EXPECT_EQ(out, L"FSX");
    EXPECT_FALSE(m.Cut(out));
    EXPECT_FALSE(m.Insert(L"x", true));
    EXPECT_FALSE(m.DeleteBackward(false));
    EXPECT_FALSE(m.DeleteSelection());
    EXPECT_EQ(m.Text(), L"C:\\FSX");

    const EditMenuState menu = ContextMenuState(m, true);
    EXPECT_FALSE(menu.paste);
    EXPECT_FALSE(menu.cut);
    EXPECT_TRUE(menu.copy);
    EXPECT_FALSE(menu.undo);
    EXPECT_TRUE(menu.selectAll);
    m.SelectAll();
    EXPECT_FALSE(ContextMenuState(m, true).selectAll);
    m.SetReadOnly(false);
    m.MoveTo(0, false);
    const EditMenuState plain = ContextMenuState(m, false);
    EXPECT_FALSE(plain.copy || plain.cut || plain.del || plain.paste);
    EXPECT_TRUE(ContextMenuState(m, true).paste);
}

TEST(ControlsEditGeometry, FolderFieldLayout)
{
    // 437 x 21 with the 2-pixel client edge: a 433 x 17 client area.
    const EditFrame frame;
    EXPECT_EQ(NonClientInsets(frame), (EditInsets { 2, 2, 2, 2 }));
    EXPECT_EQ(ClientInset(frame), 0);
    ButtonEditLayoutInput in;
    in.clientWidth = 433;
    in.clientHeight = 17;
    in.buttonWidth = 20;
    const ButtonEditLayout out = LayoutButtonEdit(in);
    EXPECT_EQ(out.button, (PixelRect { 413, 0, 433, 17 }));
    EXPECT_EQ(out.text, (PixelRect { 0, 0, 413, 17 }));
    EXPECT_EQ(WidenedButtonWidth(20, 13, 17), 20);
    EXPECT_EQ(WidenedButtonWidth(12, 13, 17), 17);

    in.altButtonVisible = true;
    EXPECT_EQ(LayoutButtonEdit(in).altButton, (PixelRect { 398, 0, 413, 17 }));
    EXPECT_EQ(LayoutButtonEdit(in).text.right, 398);
    in.altButtonLeft = true;
    in.inset = 1;
    const ButtonEditLayout left = LayoutButtonEdit(in);
    EXPECT_EQ(left.altButton, (PixelRect { 1, 1, 16, 16 }));
    EXPECT_EQ(left.button, (PixelRect { 412, 1, 432, 16 }));
    EXPECT_EQ(left.text, (PixelRect { 16, 1, 412, 16 }));
}

TEST(ControlsEditGeometry, FramesAndAutoSize)
{
    EditFrame frame;
    EXPECT_EQ(AutoSizeHeight(frame, 13), 21);
    frame.sides = ebsLeft | ebsBottom;
    EXPECT_EQ(NonClientInsets(frame), (EditInsets { 2, 0, 0, 2 }));
    frame.ctl3D = false;
    EXPECT_EQ(AutoSizeHeight(frame, 13), 19);
    EXPECT_EQ(NonClientInsets(frame), EditInsets {});
    EXPECT_EQ(ClientInset(frame), 1);
    frame.borderStyle = TEditBorderStyle::bsNone;
    EXPECT_EQ(AutoSizeHeight(frame, 13), 13);
    EXPECT_EQ(ClientInset(frame), 0);
}

TEST(ControlsEditGeometry, LineOriginScrollAndHits)
{
    LineLayoutInput in;
    in.area = PixelRect { 0, 0, 413, 17 };
    in.lineHeight = LineHeight(-11);
    in.textWidth = 100;
    EXPECT_EQ(LineBaselineY(in), 13);
    EXPECT_EQ(LineOriginX(in), 1);
    in.alignment = TEditAlignment::taRightJustify;
    EXPECT_EQ(LineOriginX(in), 413 - 1 - 2 - 100);
    in.alignment = TEditAlignment::taCenter;
    EXPECT_EQ(LineOriginX(in), 206 - 50);
    in.textWidth = 500; // too wide: scrolls from the left
    in.scroll = 90;
    EXPECT_EQ(LineOriginX(in), 1 - 90);

    EXPECT_EQ(ScrollForCaret(0, 50, 100, 411), 0);
    EXPECT_EQ(ScrollForCaret(0, 500, 500, 411), 90);
    EXPECT_EQ(ScrollForCaret(90, 200, 500, 411), 90);
    EXPECT_EQ(ScrollForCaret(90, 40, 500, 411), 40);
    EXPECT_EQ(ScrollForCaret(90, 40, 300, 411), 0); // the text became short

    const std::vector<int> prefix { 0, 6, 12, 20 };
    EXPECT_EQ(PositionAtX(prefix, -5), 0u);
    EXPECT_EQ(PositionAtX(prefix, 2), 0u);
    EXPECT_EQ(PositionAtX(prefix, 3), 1u);
    EXPECT_EQ(PositionAtX(prefix, 16), 3u);
    EXPECT_EQ(PositionAtX(prefix, 99), 3u);
}

TEST(ControlsEditGeometry, TabsAndShortcuts)
{
    EXPECT_EQ(ExpandTabs(L"a\tb"), L"a    b");
    EXPECT_EQ(ExpandedIndex(L"a\tb\tc", 3), 6u);
    EXPECT_EQ(MakeShortcut(0x28, false, false, true), 0x8028);
    EXPECT_EQ(MakeShortcut('V', true, true, false), 0x6056);
    EXPECT_TRUE(ShortcutMatches(0x8028, 0x8028));
    EXPECT_FALSE(ShortcutMatches(0x8028, 0x0028));
    EXPECT_FALSE(ShortcutMatches(0, MakeShortcut(0, false, false, false)));
}

TEST(ControlsFolderDialogRules, FlagsRootsAndCentring)
{
    using enum TBrowseForFolderOption;
    EXPECT_EQ(BrowseFlags(0), 0u);
    EXPECT_EQ(BrowseFlags(OptionBit(bfoFileSysDirsOnly) | OptionBit(bfoStatusText) | OptionBit(bfoBrowseIncludeFiles)),
        0x4005u);
    // The last two options have no flag.
    EXPECT_EQ(
        BrowseFlags(OptionBit(bfoShowPath) | OptionBit(bfoNewDialogStyle) | OptionBit(bfoBrowseForComputer)), 0x1000u);
    EXPECT_EQ(ShellFolderId(TShellFolders::sfoDesktopExpanded), 0xFEFE);
    EXPECT_EQ(ShellFolderId(TShellFolders::sfoDesktopDirectory), 0x10);
    EXPECT_EQ(ShellFolderId(TShellFolders::sfoAdminTools), 0x30);
    EXPECT_EQ(ShellFolderId(TShellFolders::sfoCustom), -1);

    EXPECT_EQ(CenteredPlacement({ 0, 0, 1024, 768 }, 300, 400), (PlacementPoint { 362, 184 }));
    EXPECT_EQ(CenteredPlacement({ 100, 50, 200, 100 }, 300, 400), (PlacementPoint { 50, 0 }));
    EXPECT_EQ(CenteredPlacement({ 0, 0, 200, 100 }, 300, 400), (PlacementPoint { 0, 0 }));
}

} // namespace
} // namespace folvane
