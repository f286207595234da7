// TExGraphicButton under Wine, with the title band's close-button settings:
// the picture for each look, mouse tracking with capture, the click rules,
// and the frame and bitmap-glyph variants.
#include "ControlsTestSupport.h"

#include "controls/ExGraphicButton.h"
#include "controls/ExImageList.h"
#include "toolkit/Form.h"
#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using testing::Hex;
using testing::SendMouse;
using testing::Snapshot;

const TColor kBand = MakeColor(0x27, 0x37, 0x7F);
const TColor kNormal = MakeColor(200, 0, 0);
const TColor kHot = MakeColor(0, 200, 0);
const TColor kDown = MakeColor(0, 0, 200);

void SetEnabledOf(TControl& control, bool value)
{
    control.SetEnabled(value);
}

class ControlsExGraphicButton : public testing::WindowsTest {
protected:
    static void SetUpTestSuite()
    {
        testing::WindowsTest::SetUpTestSuite();
        form = new TForm();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 640, 60);
        form->SetColor(kBand);
        form->Show();
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }

    TExImageList* MakeList(TColor colour, int width = 30, int height = 22)
    {
        auto* list = new TExImageList(form);
        list->SetSize(width, height);
        testing::FillSolidList(*list, { colour });
        lists.push_back(list);
        return list;
    }

    void SetUp() override
    {
        button = new TExGraphicButton(form);
        button->SetParent(form);
        button->SetBounds(567, 6, 34, 34);
        button->SetUseImageList(true);
        button->SetImageIndex(0);
        button->SetImages(MakeList(kNormal));
        button->SetHotImages(MakeList(kHot));
        button->SetDownImages(MakeList(kDown));
        button->SetSpacing(0);
        button->SetShowBorder(false);
        button->SetUseXPThemes(false);
        button->SetColor(kBand);
        button->OnClick = [this](TComponent*) { ++clicks; };
    }
    void TearDown() override
    {
        SendMouse(form->Handle(), WM_MOUSEMOVE, 5, 50); // away from the button
        delete button;
        for (TExImageList* list : lists)
            delete list;
        lists.clear();
    }

    // Mouse messages in the button's own coordinates, through the form.
    void Mouse(UINT message, int x, int y, WPARAM keys = 0)
    {
        SendMouse(form->Handle(), message, button->Left() + x, button->Top() + y, keys);
    }

    // The image colour shown at the top-left opaque pixel of a glyph at
    // (left, top), with the face colour everywhere around the 30 x 22 area.
    void ExpectGlyph(TColor colour, int left, int top, const char* name)
    {
        TBitmap picture;
        Snapshot(*button, picture);
        SCOPED_TRACE(name);
        testing::ReviewOnFailure review(picture, std::string("button_") + name);
        EXPECT_EQ(Hex(picture.Pixel(left, top)), Hex(kBand)); // the transparent corner
        EXPECT_EQ(Hex(picture.Pixel(left + 1, top)), Hex(colour));
        EXPECT_EQ(Hex(picture.Pixel(left + 29, top + 21)), Hex(colour));
        EXPECT_EQ(Hex(picture.Pixel(left - 1, top)), Hex(kBand));
        EXPECT_EQ(Hex(picture.Pixel(left + 30, top + 21)), Hex(kBand));
        EXPECT_EQ(Hex(picture.Pixel(left, top - 1)), Hex(kBand));
        EXPECT_EQ(Hex(picture.Pixel(left + 29, top + 22)), Hex(kBand));
        EXPECT_EQ(Hex(picture.Pixel(0, 0)), Hex(kBand));
        EXPECT_EQ(Hex(picture.Pixel(33, 33)), Hex(kBand));
    }

    static inline TForm* form = nullptr;
    TExGraphicButton* button = nullptr;
    std::vector<TExImageList*> lists;
    int clicks = 0;
};

TEST_F(ControlsExGraphicButton, NormalHotPressedAndDraggedOut)
{
    ExpectGlyph(kNormal, 2, 6, "normal");

    Mouse(WM_MOUSEMOVE, 10, 10);
    EXPECT_TRUE(button->MouseOver());
    ExpectGlyph(kHot, 2, 6, "hot");

    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_TRUE(button->Tracking());
    ExpectGlyph(kDown, 2, 6, "pressed"); // distinct down list: no offset

    Mouse(WM_MOUSEMOVE, 40, 10, MK_LBUTTON);
    EXPECT_EQ(button->Look(), TExButtonLook::bsUp);
    ExpectGlyph(kHot, 2, 6, "dragged_out");

    Mouse(WM_MOUSEMOVE, 10, 10, MK_LBUTTON);
    ExpectGlyph(kDown, 2, 6, "dragged_back");

    Mouse(WM_MOUSEMOVE, 40, 10, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 40, 10);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->Tracking());
    ExpectGlyph(kNormal, 2, 6, "released_outside");
}

TEST_F(ControlsExGraphicButton, ReleaseOnTheBottomRowCountsOneBelowDoesNot)
{
    form->SetModalResult(mrNone);
    button->SetModalResult(mrCancel);
    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 33, 33, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 33, 33);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->ModalResult(), mrCancel);
    EXPECT_TRUE(button->MouseOver());

    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 10, 34, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 10, 34);
    EXPECT_EQ(clicks, 1);
    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 34, 10);
    EXPECT_EQ(clicks, 1);
    form->SetModalResult(mrNone);

    // The right button and a disabled button do not click.
    Mouse(WM_RBUTTONDOWN, 10, 10, MK_RBUTTON);
    Mouse(WM_RBUTTONUP, 10, 10);
    SetEnabledOf(*button, false);
    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks, 1);
    SetEnabledOf(*button, true);

    // Click() from code: modal result, then OnClick.
    button->OnClick = [this](TComponent*) {
        EXPECT_EQ(form->ModalResult(), mrCancel);
        ++clicks;
    };
    button->Click();
    EXPECT_EQ(clicks, 2);
    form->SetModalResult(mrNone);
}

TEST_F(ControlsExGraphicButton, FallbacksOffsetsAndScaling)
{
    // Without a down list the current list is drawn 1 pixel right and down.
    button->SetDownImages(nullptr);
    Mouse(WM_MOUSEMOVE, 10, 10);
    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    ExpectGlyph(kHot, 3, 7, "pressed_without_down_list");
    Mouse(WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks, 1);

    // Without a hot list the normal one serves.
    button->SetHotImages(nullptr);
    Mouse(WM_MOUSEMOVE, 11, 10);
    ExpectGlyph(kNormal, 2, 6, "hot_without_hot_list");

    // ImageIndex -1: only the face.
    button->SetImageIndex(-1);
    TBitmap picture;
    Snapshot(*button, picture);
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 34; ++x)
            ASSERT_EQ(Hex(picture.Pixel(x, y)), Hex(kBand)) << x << "," << y;
    button->SetImageIndex(0);

    // A 40 x 40 image in a 30 x 30 area is drawn 28 x 28 at (3, 3).
    button->SetImages(MakeList(kDown, 40, 40));
    SendMouse(form->Handle(), WM_MOUSEMOVE, 5, 50);
    Snapshot(*button, picture);
    testing::ReviewOnFailure reviewScaled(picture, "button_scaled");
    EXPECT_EQ(Hex(picture.Pixel(4, 4)), Hex(kDown));
    EXPECT_EQ(Hex(picture.Pixel(30, 30)), Hex(kDown));
    EXPECT_EQ(Hex(picture.Pixel(31, 30)), Hex(kBand));
    EXPECT_EQ(Hex(picture.Pixel(30, 31)), Hex(kBand));
    EXPECT_EQ(Hex(picture.Pixel(2, 4)), Hex(kBand));
}

TEST_F(ControlsExGraphicButton, DisabledLooks)
{
    SetEnabledOf(*button, false);
    EXPECT_EQ(button->Look(), TExButtonLook::bsDisabled);
    // No disabled list: the normal image's shape, embossed.
    TBitmap picture;
    Snapshot(*button, picture);
    testing::ReviewOnFailure reviewDisabled(picture, "button_disabled");
    const TColor shadow = PixelToColor(ColorToPixel(ColorToRGB(clBtnShadow)));
    const TColor highlight = PixelToColor(ColorToPixel(ColorToRGB(clBtnHighlight)));
    EXPECT_EQ(Hex(picture.Pixel(5, 10)), Hex(shadow));
    EXPECT_EQ(Hex(picture.Pixel(32, 28)), Hex(highlight)); // the shifted copy's corner
    EXPECT_EQ(Hex(picture.Pixel(2, 6)), Hex(kBand)); // the transparent pixel stays open

    button->SetDisabledImages(MakeList(kDown));
    ExpectGlyph(kDown, 2, 6, "disabled_list");

    // A disabled parent disables the button's look too.
    SetEnabledOf(*button, true);
    SetEnabledOf(*form, false);
    EXPECT_EQ(button->Look(), TExButtonLook::bsDisabled);
    SetEnabledOf(*form, true);
    EXPECT_EQ(button->Look(), TExButtonLook::bsUp);
}

TEST_F(ControlsExGraphicButton, FramesInSystemColours)
{
    button->SetShowBorder(true);
    button->SetColor(clBtnFace);
    const auto rgb = [](TColor c) { return Hex(PixelToColor(ColorToPixel(ColorToRGB(c)))); };
    TBitmap picture;
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(0, 0)), rgb(clBtnHighlight));
    EXPECT_EQ(Hex(picture.Pixel(33, 33)), rgb(clBtnShadow));
    EXPECT_EQ(Hex(picture.Pixel(1, 1)), rgb(clBtnFace));

    Mouse(WM_MOUSEMOVE, 10, 10); // classic frame while over
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(33, 33)), rgb(cl3DDkShadow));
    EXPECT_EQ(Hex(picture.Pixel(32, 32)), rgb(clBtnShadow));

    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON); // sunken
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(0, 0)), rgb(clBtnShadow));
    EXPECT_EQ(Hex(picture.Pixel(1, 1)), rgb(cl3DDkShadow));
    EXPECT_EQ(Hex(picture.Pixel(33, 33)), rgb(clBtnHighlight));
    Mouse(WM_LBUTTONUP, 10, 10);

    // Flat: no frame until the pointer is over it.
    button->SetFlat(true);
    SendMouse(form->Handle(), WM_MOUSEMOVE, 5, 50);
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(0, 0)), rgb(clBtnFace));
    // A thin frame has one ring only.
    button->SetFlat(false);
    button->SetThinFrame(true);
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(0, 0)), rgb(clBtnHighlight));
    EXPECT_EQ(Hex(picture.Pixel(32, 32)), rgb(clBtnFace));
}

TEST_F(ControlsExGraphicButton, BitmapGlyphsAndSwitching)
{
    button->SetUseImageList(false);
    button->SetColor(clWhite);
    // Two 10 x 8 images: red (up) and green (disabled), each with a magenta
    // bottom-left pixel that is transparent.
    TBitmap strip(20, 8, TPixelFormat::pf24bit);
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(RECT { 0, 0, 10, 8 });
    strip.Canvas().Brush().SetColor(clLime);
    strip.Canvas().FillRect(RECT { 10, 0, 20, 8 });
    strip.SetPixel(0, 7, clFuchsia);
    strip.SetPixel(10, 7, clFuchsia);
    button->SetGlyph(strip);
    button->SetNumGlyphs(2);
    // Area 30 x 30 at (2, 2): the glyph at (2 + 10, 2 + 11).
    TBitmap picture;
    Snapshot(*button, picture);
    testing::ReviewOnFailure reviewGlyph(picture, "button_glyph");
    EXPECT_EQ(Hex(picture.Pixel(12, 13)), Hex(clRed));
    EXPECT_EQ(Hex(picture.Pixel(12, 20)), Hex(clWhite)); // transparent bottom-left
    EXPECT_EQ(Hex(picture.Pixel(21, 20)), Hex(clRed));
    EXPECT_EQ(Hex(picture.Pixel(22, 20)), Hex(clWhite));

    SetEnabledOf(*button, false);
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(12, 13)), Hex(clLime));
    SetEnabledOf(*button, true);

    // One image: pressed moves it 1 pixel right and down.
    button->SetNumGlyphs(1);
    button->SetGlyph(TBitmap(10, 8, TPixelFormat::pf24bit)); // black, bottom-left black: all clear
    strip.SetSize(10, 8);
    button->SetGlyph(strip);
    button->SetIsSwitch(true);
    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(12, 13)), Hex(clWhite));
    EXPECT_EQ(Hex(picture.Pixel(13, 14)), Hex(clRed));
    Mouse(WM_LBUTTONUP, 10, 10);
    // The switch latched: still down after the release.
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 1);
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(13, 14)), Hex(clRed));
    Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 10, 10);
    EXPECT_FALSE(button->Down());
}

TEST_F(ControlsExGraphicButton, ListChangesRepaintTheButton)
{
    form->Update();
    ValidateRect(form->Handle(), nullptr);
    lists[0]->Delete(0);
    RECT dirty {};
    ASSERT_TRUE(GetUpdateRect(form->Handle(), &dirty, FALSE));
    EXPECT_EQ(dirty.left, 567);
    EXPECT_EQ(dirty.top, 6);
    TBitmap picture;
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(10, 10)), Hex(kBand)); // nothing left to draw
}

TEST_F(ControlsExGraphicButton, DestroyedListsAreDropped)
{
    button->SetHotImages(button->Images()); // one list in two roles
    TExImageList* normal = lists[0];
    lists.erase(lists.begin());
    delete normal;
    EXPECT_EQ(button->Images(), nullptr);
    EXPECT_EQ(button->HotImages(), nullptr);
    EXPECT_NE(button->DownImages(), nullptr);
    TBitmap picture;
    Snapshot(*button, picture);
    EXPECT_EQ(Hex(picture.Pixel(10, 10)), Hex(kBand));
}

} // namespace
} // namespace folvane
