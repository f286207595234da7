// TExCheckBox under Wine: the box image for every state, mouse and keyboard
// toggling with OnClick, code changes without events, and the caption.
#include "ControlsTestSupport.h"

#include "controls/ExCheckBox.h"
#include "controls/ExImageList.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using testing::Hex;
using testing::SendMouse;
using testing::Snapshot;

const std::vector<TColor> kBoxColours = {
    MakeColor(10, 0, 0),
    MakeColor(20, 0, 0),
    MakeColor(30, 0, 0),
    MakeColor(40, 0, 0),
    MakeColor(50, 0, 0),
    MakeColor(60, 0, 0),
    MakeColor(70, 0, 0),
};

// The image index a picture shows, from a colour sampled inside its box.
// SetEnabled is reached through TControl, where it is public.
void SetEnabledOf(TControl& control, bool value)
{
    control.SetEnabled(value);
}

int ShownImage(TControl& control)
{
    TBitmap picture;
    Snapshot(control, picture);
    const TColor at = picture.Pixel(5, 8);
    for (std::size_t i = 0; i < kBoxColours.size(); ++i)
        if (at == kBoxColours[i])
            return static_cast<int>(i);
    testing::SaveForReview(picture, "checkbox_unknown");
    return -1;
}

class ControlsExCheckBox : public testing::WindowsTest {
protected:
    // One shown form for the suite: hiding a form waits for Wine's focus
    // hand-over, which would cost seconds per test.
    static void SetUpTestSuite()
    {
        testing::WindowsTest::SetUpTestSuite();
        form = new TForm();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 300, 60);
        form->SetColor(clWhite);
        form->Show();
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }

    void SetUp() override
    {
        images = new TExImageList(form);
        images->SetHeight(18);
        testing::FillSolidList(*images, kBoxColours);
        box = new TExCheckBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 114, 22);
        box->SetColor(clWhite);
        box->SetUseXPThemes(false);
        box->SetImages(images);
        box->SetCaption(L"Set &CD-ROM Path:");
        box->OnClick = [this](TComponent*) { clicks.push_back(box->Checked()); };
        window = box->Handle();
    }
    void TearDown() override
    {
        delete box;
        delete images;
    }

    void ClickAt(int x, int y)
    {
        SendMouse(window, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        SendMouse(window, WM_LBUTTONUP, x, y);
    }

    static inline TForm* form = nullptr;
    TExImageList* images = nullptr;
    TExCheckBox* box = nullptr;
    HWND window = nullptr;
    std::vector<bool> clicks;
};

TEST_F(ControlsExCheckBox, ImageIndexFollowsStateAndEnabled)
{
    EXPECT_TRUE(box->UseImageList());
    EXPECT_EQ(ShownImage(*box), 0);
    box->SetChecked(true);
    EXPECT_EQ(ShownImage(*box), 2);
    box->SetAllowGrayed(true);
    box->SetState(TCheckBoxState::cbGrayed);
    EXPECT_EQ(ShownImage(*box), 4);
    SetEnabledOf(*box, false);
    EXPECT_EQ(ShownImage(*box), 5);
    box->SetState(TCheckBoxState::cbChecked);
    EXPECT_EQ(ShownImage(*box), 3);
    box->SetState(TCheckBoxState::cbUnchecked);
    EXPECT_EQ(ShownImage(*box), 1);
    // A disabled parent disables the look as well.
    SetEnabledOf(*box, true);
    SetEnabledOf(*form, false);
    EXPECT_EQ(ShownImage(*box), 1);
    SetEnabledOf(*form, true);
    EXPECT_EQ(ShownImage(*box), 0);
    EXPECT_TRUE(clicks.empty()); // no code change raised OnClick
}

TEST_F(ControlsExCheckBox, MouseTogglesOnReleaseInside)
{
    SendMouse(window, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(ShownImage(*box), 1);
    EXPECT_EQ(GetCapture(), window);
    SendMouse(window, WM_MOUSEMOVE, 200, 5, MK_LBUTTON); // dragged out
    EXPECT_EQ(ShownImage(*box), 0);
    const int w = box->Width();
    SendMouse(window, WM_MOUSEMOVE, w - 1, 21, MK_LBUTTON); // back on the last pixel
    EXPECT_EQ(ShownImage(*box), 1);
    SendMouse(window, WM_MOUSEMOVE, w, 21, MK_LBUTTON);
    EXPECT_EQ(ShownImage(*box), 0);
    SendMouse(window, WM_LBUTTONUP, w, 21);
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(clicks.empty());
    EXPECT_NE(GetCapture(), window);
    EXPECT_EQ(ShownImage(*box), 0);

    ClickAt(50, 10);
    ClickAt(50, 10);
    EXPECT_EQ(clicks, (std::vector<bool> { true, false }));
    EXPECT_EQ(ShownImage(*box), 0);

    // Two quick presses are two clicks.
    SendMouse(window, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    SendMouse(window, WM_LBUTTONUP, 5, 5);
    SendMouse(window, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    SendMouse(window, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks.size(), 4u);
    // The right button does nothing.
    SendMouse(window, WM_RBUTTONDOWN, 5, 5, MK_RBUTTON);
    SendMouse(window, WM_RBUTTONUP, 5, 5);
    EXPECT_EQ(clicks.size(), 4u);
}

TEST_F(ControlsExCheckBox, ReleaseOutsideGivesTheCaptureBack)
{
    HWND holder = form->Handle();
    SetCapture(holder);
    SendMouse(window, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), window);
    SendMouse(window, WM_LBUTTONUP, -3, 5);
    EXPECT_EQ(GetCapture(), holder);
    ReleaseCapture();
}

TEST_F(ControlsExCheckBox, GrayedStateAndReadOnly)
{
    box->SetState(TCheckBoxState::cbGrayed); // ignored without AllowGrayed
    EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
    box->SetAllowGrayed(true);
    ClickAt(5, 5);
    EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
    ClickAt(5, 5);
    EXPECT_EQ(box->State(), TCheckBoxState::cbChecked);
    ClickAt(5, 5);
    EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
    box->SetState(TCheckBoxState::cbGrayed);
    box->SetAllowGrayed(false);
    EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);

    clicks.clear();
    box->SetReadOnly(true);
    ClickAt(5, 5);
    SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ControlsExCheckBox, KeyboardTogglesWithSpaceAndAccelerator)
{
    SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(clicks, (std::vector<bool> { true }));
    // Alt+C, the caption's accelerator, from anywhere on the form.
    SendMessageA(form->Handle(), WM_SYSCHAR, 'c', 0);
    EXPECT_EQ(clicks, (std::vector<bool> { true, false }));
    SendMessageA(form->Handle(), WM_SYSCHAR, 'x', 0);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(TExButtonControl::AcceleratorOf(L"Fish && &chips"), L'C');
    EXPECT_EQ(TExButtonControl::AcceleratorOf(L"No && accelerator&"), 0);
}

TEST_F(ControlsExCheckBox, BoxSitsAtTheLeftEdgeTwoPixelsDown)
{
    // Every pixel of the shown image but its transparent top-left one, and none elsewhere.
    const int shown = ShownImage(*box);
    ASSERT_GE(shown, 0);
    TBitmap picture;
    Snapshot(*box, picture);
    const testing::ReviewOnFailure review(picture, "checkbox_box");
    const int w = images->Width();
    const int h = images->Height();
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) == kBoxColours[static_cast<std::size_t>(shown)])
                ++(x < w && y >= 2 && y < 2 + h ? inside : outside);
    EXPECT_EQ(inside, w * h - 1);
    EXPECT_EQ(outside, 0);
    EXPECT_NE(picture.Pixel(0, 2), kBoxColours[static_cast<std::size_t>(shown)]);
}

TEST_F(ControlsExCheckBox, CaptionBesideTheBoxAndAutoSize)
{
    // The window exists, so the box sized itself: 16 + 2 + 5 + text + 2 by 22.
    EXPECT_EQ(box->Height(), 22);
    const int width = box->Width();
    box->SetCaption(L"Set &CD-ROM Path: and more");
    EXPECT_GT(box->Width(), width);
    box->SetCaption(L"Set &CD-ROM Path:");
    EXPECT_EQ(box->Width(), width);
    box->SetCheckMargin(-2); // ignored
    EXPECT_EQ(box->CheckMargin(), 5);
    box->SetCheckMargin(9);
    EXPECT_EQ(box->Width(), width + 4 + 2);
    box->SetCheckMargin(5);

    box->SetFocus();
    TBitmap picture;
    Snapshot(*box, picture);
    // Caption from x = 21, the focus rectangle 1 pixel outside it, nothing
    // between box and focus rectangle.
    ASSERT_TRUE(box->Focused());
    int textPixels = 0;
    int focusPixels = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TColor c = picture.Pixel(x, y);
            if (x == 20 && c != clWhite)
                ++focusPixels;
            if (x >= 16 && x < 20) {
                ASSERT_EQ(Hex(c), Hex(clWhite)) << x << "," << y;
            }
            if (x >= 21 && c != clWhite)
                ++textPixels;
        }
    EXPECT_GT(textPixels, 20);
    EXPECT_GE(focusPixels, 5);
    SetFocus(form->Handle());
    Snapshot(*box, picture);
    for (int y = 0; y < picture.Height(); ++y)
        EXPECT_EQ(Hex(picture.Pixel(20, y)), Hex(clWhite)) << y;

    // Disabled: the caption is embossed in highlight and shadow only.
    SetEnabledOf(*box, false);
    Snapshot(*box, picture);
    testing::ReviewOnFailure review(picture, "checkbox_caption");
    const TColor highlight = PixelToColor(ColorToPixel(ColorToRGB(clBtnHighlight)));
    const TColor shadow = PixelToColor(ColorToPixel(ColorToRGB(clBtnShadow)));
    int shadowPixels = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 21; x < picture.Width(); ++x) {
            const TColor c = picture.Pixel(x, y);
            if (c == shadow)
                ++shadowPixels;
            else
                ASSERT_TRUE(c == clWhite || c == highlight) << x << "," << y << " " << Hex(c);
        }
    EXPECT_GT(shadowPixels, 20);
}

TEST_F(ControlsExCheckBox, CaptionTakesTheParentsFaceSizeAndStyleInItsOwnColour)
{
    auto* page = new TCustomControl(form);
    page->SetParent(form);
    page->SetBounds(0, 0, 200, 40);
    TFont bold;
    bold.SetStyle(fsBold);
    bold.SetColor(clNavy);
    page->SetFont(bold);
    auto* own = new TExCheckBox(form);
    own->SetParent(page);
    own->SetCaption(L"Set &CD-ROM Path:");
    EXPECT_TRUE(own->ParentFont());
    EXPECT_EQ(own->Font().Style(), fsBold);
    EXPECT_EQ(own->Font().Name(), page->Font().Name());
    EXPECT_EQ(own->Font().Color(), clBtnText);
    const int boldWidth = own->Width();
    bold.SetStyle(0);
    page->SetFont(bold); // and it follows later changes
    EXPECT_EQ(own->Font().Style(), 0);
    EXPECT_EQ(own->Font().Color(), clBtnText);
    EXPECT_LT(own->Width(), boldWidth);
    delete page;
}

TEST_F(ControlsExCheckBox, TransparentShowsTheParent)
{
    box->SetColor(clYellow);
    TBitmap picture;
    Snapshot(*box, picture);
    EXPECT_EQ(Hex(picture.Pixel(box->Width() - 1, 0)), Hex(clYellow));
    box->SetTransparent(true);
    Snapshot(*box, picture);
    EXPECT_EQ(Hex(picture.Pixel(box->Width() - 1, 0)), Hex(clWhite));
    EXPECT_EQ(ShownImage(*box), 0);
}

TEST_F(ControlsExCheckBox, DestroyedListIsDropped)
{
    delete images;
    images = nullptr;
    EXPECT_EQ(box->Images(), nullptr);
    EXPECT_FALSE(box->UseImageList());
    TBitmap picture;
    Snapshot(*box, picture); // paints the system box without crashing
    EXPECT_FALSE(box->UseImageList());
    box->SetUseImageList(true); // no list: stays off
    EXPECT_FALSE(box->UseImageList());
}

TEST_F(ControlsExCheckBox, LoadingKeepsUseImageListAsStored)
{
    // Stored UseImageList with the list attached at the end stays on.
    TExCheckBox* stored = nullptr;
    {
        TLoadingScope scope;
        stored = new TExCheckBox(form);
        stored->SetParent(form);
        stored->SetUseImageList(true);
        EXPECT_TRUE(stored->UseImageList());
        scope.Attach([&] { stored->SetImages(images); });
        scope.Finish();
    }
    EXPECT_TRUE(stored->UseImageList());
    EXPECT_EQ(stored->ImageIndex(), 0);

    // A list without the flag leaves it off; the flag without a list is cleared.
    TExCheckBox* listOnly = nullptr;
    TExCheckBox* flagOnly = nullptr;
    {
        TLoadingScope scope;
        listOnly = new TExCheckBox(form);
        flagOnly = new TExCheckBox(form);
        flagOnly->SetUseImageList(true);
        scope.Attach([&] { listOnly->SetImages(images); });
        scope.Finish();
    }
    EXPECT_FALSE(listOnly->UseImageList());
    EXPECT_FALSE(flagOnly->UseImageList());
    // Outside loading, assigning and removing the list switches the flag.
    flagOnly->SetImages(images);
    EXPECT_TRUE(flagOnly->UseImageList());
    flagOnly->SetImages(nullptr);
    EXPECT_FALSE(flagOnly->UseImageList());
    delete stored;
    delete listOnly;
    delete flagOnly;
}

} // namespace
} // namespace folvane
