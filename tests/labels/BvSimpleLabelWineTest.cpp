// The simple label under Wine: the main window's link captions as laid out, clicks by link mode
// through real mouse messages, the link look, and jumps seen at the shell seam.
#include "controls/ControlsTestSupport.h"
#include "labels/LabelPictures.h"

#include "labels/BvSimpleLabel.h"
#include "platform/Shell.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using testing::InkOf;
using testing::ReviewOnFailure;
using testing::SendMouse;
using testing::Snapshot;
using testing::TextSize;

class RecordingShell : public Shell {
public:
    bool Open(const std::string& target) override
    {
        opened.push_back({ 0, target });
        return succeed;
    }
    bool OpenOwned(std::uintptr_t owner, const std::string& target) override
    {
        opened.push_back({ owner, target });
        return succeed;
    }
    bool StartAndWaitForInputIdle(const std::string&, unsigned) override { return false; }
    ElevatedStart StartElevated(const std::u16string&, const std::u16string&) override { return ElevatedStart::Failed; }

    std::vector<std::pair<std::uintptr_t, std::string>> opened;
    bool succeed = true;
};

class LabelsBvSimpleLabel : public testing::LabelFormTest {
protected:
    void SetUp() override { TBvCustomSimpleLabel::SetLinkShell(&shell); }
    void TearDown() override
    {
        delete label;
        TBvCustomSimpleLabel::SetLinkShell(nullptr);
    }

    // VisitWebsiteLabel as the main window's layout stores it.
    void LoadWebsiteLabel(const std::string& caption = "Skelvor Website")
    {
        TLoadingScope scope;
        label = new TBvSimpleLabel(form);
        label->SetParent(form);
        label->SetBounds(179, 374, 101, 15);
        label->SetCaption(caption);
        label->SetAlignment(TBvAlignment::agCenterLeft);
        label->Font().SetStyle(fsBold);
        label->Font().SetColor(clBlack);
        label->SetCursor(crHandPoint);
        label->SetShowHint(true);
        label->OnClick = [this](TComponent*) { ++clicks; };
        scope.Finish();
    }
    void ClickLabel()
    {
        const int x = label->Left() + 5, y = label->Top() + 7;
        SendMouse(form->Handle(), WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        SendMouse(form->Handle(), WM_LBUTTONUP, x, y);
    }

    RecordingShell shell;
    TBvSimpleLabel* label = nullptr;
    int clicks = 0;
};

TEST_F(LabelsBvSimpleLabel, WebsiteLabelIsOneCentredLineAndClicksOnlyItsHandler)
{
    LoadWebsiteLabel();
    EXPECT_EQ(label->Width(), TextSize(label->Font(), "Skelvor Website").cx + 2);
    EXPECT_EQ(label->Height(), 15);
    TBitmap picture;
    Snapshot(*label, picture);
    ReviewOnFailure review(picture, "websitelabel");
    const RECT ink = InkOf(picture, clBlack);
    EXPECT_LE(ink.left, 1);
    // One line centred in 15 pixels: the text cell starts at y = 1, as drawn here.
    const int cellHeight = TextSize(label->Font(), "Skelvor Website").cy;
    ASSERT_EQ(cellHeight, 13);
    TBitmap expected(label->Width(), label->Height(), TPixelFormat::pf32bit);
    expected.Canvas().Brush().SetColor(clWhite);
    expected.Canvas().FillRect(RECT { 0, 0, label->Width(), label->Height() });
    expected.Canvas().SetFont(label->Font());
    RECT cell { 0, 1, label->Width(), 1 + cellHeight };
    expected.Canvas().DrawText(std::string_view("Skelvor Website"), cell, DT_SINGLELINE | DT_NOPREFIX);
    const RECT expectedInk = InkOf(expected, clBlack);
    EXPECT_EQ(ink.top, expectedInk.top);
    EXPECT_EQ(ink.bottom, expectedInk.bottom);
    EXPECT_EQ(label->Cursor(), crHandPoint);

    ClickLabel();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(label->PressCount(), 0);
}

TEST_F(LabelsBvSimpleLabel, LinkModesLookAndCount)
{
    LoadWebsiteLabel();
    label->SetJumpMode(TBvJumpMode::jmCustom);
    EXPECT_EQ(label->Font().Color(), MakeColor(0, 0, 0xFF));
    EXPECT_TRUE(label->Font().Style() & fsUnderline);
    EXPECT_EQ(label->Cursor(), crHandPoint);
    ClickLabel(); // jmCustom clicks as usual
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(label->PressCount(), 1);
    EXPECT_EQ(label->Font().Color(), MakeColor(0x80, 0, 0x80)); // a followed link stays purple
    TBitmap picture;
    Snapshot(*label, picture);
    EXPECT_NE(InkOf(picture, MakeColor(0x80, 0, 0x80)).right, 0);

    label->SetJumpMode(TBvJumpMode::jmNone);
    EXPECT_EQ(label->Font().Color(), clBlack);
    EXPECT_FALSE(label->Font().Style() & fsUnderline);
    EXPECT_EQ(label->Cursor(), crDefault);
    EXPECT_TRUE(label->Font().Style() & fsBold);
}

TEST_F(LabelsBvSimpleLabel, InternetJumpOpensMailtoOwnedByTheMainWindow)
{
    LoadWebsiteLabel("someone@skelvor.example");
    label->SetJumpMode(TBvJumpMode::jmInternet);
    ClickLabel();
    EXPECT_EQ(clicks, 0);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].second, "mailto:someone@skelvor.example");
    std::uintptr_t owner = 0;
    if (TForm* main = Application().MainForm())
        owner = reinterpret_cast<std::uintptr_t>(main->Handle());
    EXPECT_EQ(shell.opened[0].first, owner);

    label->SetJump("  ");
    label->SetJumpMode(TBvJumpMode::jmApplication);
    label->SetCaption("notepad.exe");
    ClickLabel();
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[1].second, "notepad.exe");
    EXPECT_EQ(clicks, 0);
}

TEST_F(LabelsBvSimpleLabel, FailedInternetJumpDisablesTheLabel)
{
    LoadWebsiteLabel("www.skelvor.example");
    label->SetJumpMode(TBvJumpMode::jmInternet);
    shell.succeed = false;
    ClickLabel();
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(label->JumpMode(), TBvJumpMode::jmNone);
    EXPECT_FALSE(label->Enabled());
    TBitmap picture;
    Snapshot(*label, picture);
    EXPECT_NE(InkOf(picture, clGrayText).right, 0);
    EXPECT_EQ(InkOf(picture, MakeColor(0, 0, 0xFF)).right, 0);
    ClickLabel(); // disabled: no longer a link
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(clicks, 0);
}

TEST_F(LabelsBvSimpleLabel, LegacyFlagMakesAnInternetLinkWhenLoaded)
{
    TLoadingScope scope;
    label = new TBvSimpleLabel(form);
    label->SetParent(form);
    label->SetCaption("www.skelvor.example");
    label->SetUseAsJump(true);
    label->SetJumpMode(TBvJumpMode::jmNone);
    label->SetInActiveColor(clGreen);
    scope.Finish();
    EXPECT_EQ(label->JumpMode(), TBvJumpMode::jmInternet);
    EXPECT_EQ(label->Font().Color(), clGreen);
    const int x = label->Left() + 3, y = label->Top() + 5;
    SendMouse(form->Handle(), WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    EXPECT_EQ(label->Font().Color(), MakeColor(0x80, 0, 0x80));
    SendMouse(form->Handle(), WM_LBUTTONUP, x, y); // older layouts turn back on release
    EXPECT_EQ(label->Font().Color(), clGreen);
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(LabelsBvSimpleLabel, MultiLineBlockCentresWithoutAutoSize)
{
    label = new TBvSimpleLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 120, 60);
    label->SetMultiLine(true);
    label->SetAlignment(TBvAlignment::agCenter);
    label->Font().SetColor(clBlack);
    label->SetCaption("Two short\r\nlines");
    TBitmap picture;
    Snapshot(*label, picture);
    ReviewOnFailure review(picture, "simplecentre");
    const RECT ink = InkOf(picture, clBlack);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 30, 3);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 60, 3);
    EXPECT_GT(ink.bottom - ink.top, 15); // two lines
}

} // namespace
} // namespace folvane
