// TExLabel under Wine: the main window's title, the outlined style's ring, the disabled look,
// auto size and clicks, painted into memory bitmaps through the label's own buffer.
#include "ControlsTestSupport.h"
#include "labels/LabelPictures.h"

#include "controls/ExLabel.h"
#include "controls/ExTheme.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using testing::InkBox;
using testing::InkOf;
using testing::ReviewOnFailure;
using testing::SendMouse;
using testing::Snapshot;
using testing::TextSize;

const TColor kTitleOutline = MakeColor(0xE9, 0xED, 0xF5);

class ControlsExLabel : public testing::LabelFormTest {
protected:
    void SetUp() override
    {
        TLoadingScope scope;
        label = new TExLabel(form);
        label->SetParent(form);
        label->SetBounds(70, 10, 314, 27);
        label->Font().SetName("Trebuchet MS");
        label->Font().SetHeight(-21);
        label->Font().SetColor(clWindowText);
        label->SetOutlineColor(kTitleOutline);
        label->SetCaption(L"SKELVOR - FOLVANE");
        label->SetUseXPThemes(false); // Wine's visual style is active: see the title test
        label->OnClick = [this](TComponent*) { ++clicks; };
        scope.Finish();
    }
    void TearDown() override { delete label; }

    TExLabel* label = nullptr;
    int clicks = 0;
};

TEST_F(ControlsExLabel, TitleIsPlainTextOverWhatLiesBelow)
{
    EXPECT_EQ(label->Width(), TextSize(label->Font(), "SKELVOR - FOLVANE").cx);
    TBitmap picture;
    Snapshot(*label, picture, clFuchsia);
    ReviewOnFailure review(picture, "exlabel_title");
    // Transparent: the surface below shows between the letters.
    EXPECT_EQ(picture.Pixel(0, 0), clFuchsia);
    EXPECT_EQ(picture.Pixel(label->Width() - 1, label->Height() - 1), clFuchsia);
    EXPECT_NE(InkOf(picture, clWindowText).right, 0);
    EXPECT_EQ(InkOf(picture, kTitleOutline).right, 0); // the stored outline colour is unused

    label->SetTransparent(false);
    label->SetColor(clYellow);
    Snapshot(*label, picture, clFuchsia);
    EXPECT_EQ(picture.Pixel(0, 0), clYellow);

    // With a visual style the parent paints its own background under the label.
    label->SetUseXPThemes(true);
    Snapshot(*label, picture, clFuchsia);
    EXPECT_EQ(picture.Pixel(0, 0), ThemesActive() ? clWhite : clYellow);
}

TEST_F(ControlsExLabel, OutlinedStyleRingsEachGlyphByOnePixel)
{
    label->SetStyle(TExLabelStyle::ltsOutlined);
    label->Font().SetColor(clBlack);
    TBitmap picture;
    Snapshot(*label, picture, clNavy);
    ReviewOnFailure review(picture, "exlabel_outlined");
    const RECT ring = InkOf(picture, kTitleOutline);
    const RECT text = InkBox(picture, [](TColor c) { return c == clBlack; });
    ASSERT_NE(ring.right, 0);
    ASSERT_NE(text.right, 0);
    EXPECT_EQ(ring.left, text.left - 1);
    EXPECT_EQ(ring.top, text.top - 1);
    EXPECT_EQ(ring.right, text.right + 1);
    EXPECT_EQ(ring.bottom, text.bottom + 1);
}

TEST_F(ControlsExLabel, DisabledTextIsEngravedWhateverTheStyle)
{
    label->SetStyle(TExLabelStyle::ltsOutlined);
    label->Font().SetColor(clNavy);
    static_cast<TControl*>(label)->SetEnabled(false);
    TBitmap picture;
    Snapshot(*label, picture, clFuchsia);
    ReviewOnFailure review(picture, "exlabel_disabled");
    EXPECT_EQ(InkOf(picture, kTitleOutline).right, 0);
    EXPECT_EQ(InkOf(picture, clNavy).right, 0);
    const RECT light = InkOf(picture, clBtnHighlight);
    const RECT dark = InkOf(picture, clBtnShadow);
    ASSERT_NE(dark.right, 0);
    EXPECT_EQ(light.right, dark.right + 1); // the light copy lies one pixel right and down
    EXPECT_EQ(light.bottom, dark.bottom + 1);
}

TEST_F(ControlsExLabel, AutoSizeAndClicks)
{
    // Three lines of a word-wrapped message are three lines high.
    label->Font().SetName("Tahoma");
    label->Font().SetHeight(-11);
    label->SetWordWrap(true);
    label->SetBounds(135, 75, 155, 39);
    label->SetCaption(L"Folvane - Version 1.2\r\n2007 Skelvor\r\nWritten by the author");
    EXPECT_EQ(label->Height(), 39);
    // A line longer than the width breaks at a word boundary.
    label->SetBounds(135, 75, 155, 13);
    label->SetCaption(L"A line of the message that is longer than the label");
    EXPECT_EQ(label->Height(), 26);
    EXPECT_LE(label->Width(), 155);
    label->SetWordWrap(false);

    // A lone accelerator mark measures as a blank; the border counts on both sides.
    label->SetBorderWidth(2);
    label->SetCaption(L"&");
    EXPECT_EQ(label->Width(), TextSize(label->Font(), " ").cx + 4);
    EXPECT_EQ(label->Height(), 13 + 4);
    // Right-justified text keeps the right edge.
    label->SetAlignment(TAlignment::taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption(L"A longer caption");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_EQ(label->Width(), TextSize(label->Font(), "A longer caption").cx + 4);

    SendMouse(form->Handle(), WM_LBUTTONDOWN, label->Left() + 3, label->Top() + 3, MK_LBUTTON);
    SendMouse(form->Handle(), WM_LBUTTONUP, label->Left() + 3, label->Top() + 3);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace folvane
