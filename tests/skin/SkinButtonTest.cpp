// The skinned button under Wine: theme values replacing stored ones, the
// face slices by state, transparency to the parent's picture, glyphs, focus
// marks, mouse, repeat timer, keyboard and accelerators, with a theme made
// here (one solid colour per slice) and with the program's own skin.
#include "skin/SkinButton.h"
#include "skin/SkinForm.h"
#include "skin/SkinTestData.h"
#include "skin/SkinThemeRoutines.h"
#include "support/ProgramAssets.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/ToolkitTestSupport.h"
#include "toolkit/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <memory>
#include <vector>

namespace folvane {
namespace {

using S = TSkinUIStyle;
using Clock = std::chrono::steady_clock;

// Slices 20 x 11: red, green, blue, each with a magenta top-left corner pixel
// (colours as 0x00RRGGBB in the file, TColor below).
constexpr TColor kNormal = 0x000000CC, kHot = 0x0000CC00, kPressed = 0x00CC0000;
constexpr TColor kFormColor = 0x00123456;

test::Bytes SliceTheme(std::uint32_t normal = 0xCC0000)
{
    const std::uint32_t slices[] = { normal, 0x00CC00, 0x0000CC };
    auto face
        = test::MakeBmpWith(60, 11, [&](int x, int y) { return x % 20 == 0 && y == 0 ? 0xFF00FF : slices[x / 20]; });
    return test::MakeSkinArchive(test::ElementFileBuilder()
                                     .Bitmap("SKIN2_BUTTON", face)
                                     .Integer("SKIN2_BUTTONFONTCOLOR", 0x00224466)
                                     .Flag("SKIN2_BUTTONTRANS", 1)
                                     .Build());
}

test::Bytes ProgramSkin()
{
    HRSRC info = FindResourceA(nullptr, "SKINDATA", MAKEINTRESOURCEA(10)); // RT_RCDATA
    auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, info)));
    return test::Bytes(data, data + SizeofResource(nullptr, info));
}

struct SkinButtonFixture : ::testing::Test {
    static void SetUpTestSuite()
    {
        form = new TForm();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 300, 200);
        form->SetColor(kFormColor);
        theme = new TSkinBuiltInFileTheme(form);
        theme->SetSkinData(SliceTheme());
        form->Show();
        SetForegroundWindow(form->Handle());
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }

    std::unique_ptr<TSkinButton> Make(const std::string& caption, int left = 10)
    {
        auto button = std::make_unique<TSkinButton>(form);
        button->SetParent(form);
        button->SetBounds(left, 10, 80, 27);
        button->SetCaption(caption);
        button->SetFileTheme(theme);
        button->SetUIStyle(S::FromThemeFile);
        button->OnClick = [this](TComponent* sender) { clicks.push_back(static_cast<TSkinButton*>(sender)); };
        return button;
    }

    static TColor At(TWinControl& control, int x, int y)
    {
        TBitmap picture;
        testing::Picture(control, picture);
        return picture.Pixel(x, y);
    }

    // Pixels of one colour in the control's picture.
    static int Count(TWinControl& control, TColor colour)
    {
        TBitmap picture;
        testing::Picture(control, picture);
        int n = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                n += picture.Pixel(x, y) == colour;
        return n;
    }

    std::vector<TSkinButton*> clicks;
    static TForm* form;
    static TSkinBuiltInFileTheme* theme;
};
TForm* SkinButtonFixture::form = nullptr;
TSkinBuiltInFileTheme* SkinButtonFixture::theme = nullptr;

TEST_F(SkinButtonFixture, DefaultsAndAutoSize)
{
    TSkinButton button(form);
    EXPECT_EQ(button.Width(), 80);
    EXPECT_EQ(button.Height(), 27);
    EXPECT_EQ(button.UIStyle(), S::Marine);
    EXPECT_TRUE(button.TabStop());

    TBitmap marine;
    ASSERT_TRUE(SkinBuiltInBitmap(S::Marine, 1, marine));
    button.SetAutoSize(true);
    EXPECT_EQ(button.Width(), marine.Width() / 3);
    EXPECT_EQ(button.Height(), marine.Height());
    button.SetUIStyle(S::FromThemeFile); // no built-in image: the blank 74 x 21 face
    button.SetAutoSize(true);
    EXPECT_EQ(button.Width(), 24);
    EXPECT_EQ(button.Height(), 21);

    // ResHandle is inert: an assignment neither sticks nor changes what is drawn.
    auto shown = Make("Go");
    TBitmap before, after;
    testing::Picture(*shown, before);
    shown->SetResHandle(7);
    testing::Picture(*shown, after);
    EXPECT_EQ(shown->ResHandle(), 0);
    int differing = 0;
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x)
            differing += before.Pixel(x, y) != after.Pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(SkinButtonFixture, ThemeValuesReplaceStoredOnesAndFallBackToMarine)
{
    auto* own = new TSkinBuiltInFileTheme(form);
    own->SetSkinData(ProgramSkin());
    ASSERT_TRUE(own->Ready());
    TSkinButton* button;
    {
        TLoadingScope scope;
        button = new TSkinButton(form);
        button->SetParent(form);
        button->SetUIStyle(S::FromThemeFile);
        button->SetTransparent(false);
        button->Font().SetColor(0x006B635A);
        scope.Attach([&] { button->SetFileTheme(own); });
    }
    EXPECT_TRUE(button->Transparent());
    EXPECT_EQ(button->Font().Color(), static_cast<TColor>(own->GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR)));
    EXPECT_NE(button->Font().Color(), 0x006B635Au);

    button->SetUIStyle(S::Frost); // a built-in style wins over a ready theme
    EXPECT_FALSE(button->Transparent());
    EXPECT_EQ(button->Font().Color(), clBlack);
    button->SetUIStyle(S::Glass);
    EXPECT_TRUE(button->Transparent());

    button->SetUIStyle(S::FromThemeFile);
    delete own;
    EXPECT_EQ(button->FileTheme(), nullptr);
    EXPECT_EQ(button->UIStyle(), S::Marine);
    EXPECT_FALSE(button->Transparent());
    delete button;
}

TEST_F(SkinButtonFixture, AnotherThemeFileOrStyleRepaintsWithTheNewFace)
{
    // A theme outside any form: nothing but the theme itself tells the button it loaded anew.
    TSkinBuiltInFileTheme loose;
    loose.SetSkinData(SliceTheme());
    auto button = Make("");
    button->SetFileTheme(&loose);
    button->SetUIStyle(S::FromThemeFile);
    EXPECT_EQ(At(*button, 40, 13), kNormal);
    loose.SetSkinData(SliceTheme(0x3366CC));
    EXPECT_EQ(At(*button, 40, 13), 0x00CC6633u);

    TBitmap marine;
    ASSERT_TRUE(SkinBuiltInBitmapSlice(S::Marine, 1, marine, 1, 3));
    button->SetUIStyle(S::Marine);
    button->SetTransparent(false);
    EXPECT_EQ(At(*button, 0, 0), marine.Pixel(0, 0));
    button->SetUIStyle(S::FromThemeFile);
    EXPECT_EQ(At(*button, 40, 13), 0x00CC6633u);
}

TEST_F(SkinButtonFixture, EachBuiltInStyleDrawsItsSlicesByTheNinePartRule)
{
    auto button = Make("");
    button->SetBounds(10, 10, 97, 25);
    for (S style : { S::Pearl, S::Frost, S::Marine, S::Coral, S::Glass }) {
        button->SetUIStyle(style);
        button->SetTransparent(false); // opaque corners: every pixel comes from the face
        for (int slice : { 1, 2, 3 }) {
            SCOPED_TRACE(std::to_string(static_cast<int>(style)) + " slice " + std::to_string(slice));
            if (slice == 2)
                button->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
            if (slice == 3)
                button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            TBitmap face;
            ASSERT_TRUE(SkinBuiltInBitmapSlice(style, 1, face, slice, 3));
            const int hw = face.Width() / 2, hh = face.Height() / 2;
            const int cw = std::min(hw, 48), ch = std::min(hh, 12); // the top-left corner
            TBitmap picture;
            testing::Picture(*button, picture);
            EXPECT_EQ(picture.Pixel(cw - 1, ch - 1), face.Pixel(cw - 1, ch - 1));
            EXPECT_EQ(picture.Pixel(cw, ch), face.Pixel(hw, hh)); // the centre's first pixel
            EXPECT_EQ(picture.Pixel(96, 24), face.Pixel(face.Width() - 1, face.Height() - 1));
        }
        button->Perform(WM_CANCELMODE);
        button->Perform(WM_MOUSELEAVE);
    }
}

TEST_F(SkinButtonFixture, AResizedButtonDrawsItsFaceAtTheNewSize)
{
    auto button = Make("");
    button->SetUIStyle(S::Marine);
    button->SetTransparent(false);
    TBitmap face;
    ASSERT_TRUE(SkinBuiltInBitmapSlice(S::Marine, 1, face, 1, 3));
    const TColor corner = face.Pixel(face.Width() - 1, face.Height() - 1);
    EXPECT_EQ(At(*button, 79, 26), corner);
    button->SetBounds(10, 10, 121, 33);
    EXPECT_EQ(At(*button, 120, 32), corner);
    EXPECT_NE(At(*button, 79, 26), corner); // the old corner is now edge or centre
}

TEST_F(SkinButtonFixture, TransparentFaceShowsTheWindowsSkinThroughItsMagenta)
{
    // The program's window face behind a button of the program's skin.
    auto* own = new TSkinBuiltInFileTheme(form);
    own->SetSkinData(ProgramSkin());
    TBitmap face;
    ASSERT_TRUE(test::LoadProgramFace(face, "MainFace.bmp"));
    TForm window;
    TSkinForm skin(&window);
    skin.SetParent(&window);
    skin.SetGlyph(face);
    skin.SetTransparentColor(0x00FF07FF);
    TSkinButton button(&window);
    button.SetParent(&window);
    button.SetBounds(100, 120, 97, 25);
    button.SetTransparent(false); // stored; the theme says otherwise
    button.SetFileTheme(own);
    button.SetUIStyle(S::FromThemeFile);

    TBitmap picture;
    testing::Picture(button, picture);
    EXPECT_EQ(picture.Pixel(0, 0), face.Pixel(100, 120)); // keyed corner
    EXPECT_NE(picture.Pixel(48, 12), face.Pixel(148, 132)); // the face itself
    delete own;
}

TEST_F(SkinButtonFixture, FaceSliceFollowsTheState)
{
    auto button = Make("");
    EXPECT_EQ(At(*button, 40, 13), kNormal);
    EXPECT_EQ(At(*button, 0, 0), kFormColor); // theme transparency: the parent through the corner
    button->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button->Hot());
    EXPECT_EQ(At(*button, 40, 13), kHot);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(At(*button, 40, 13), kPressed);
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    button->SetEnabled(false);
    EXPECT_EQ(At(*button, 40, 13), kNormal);

    button->SetEnabled(true);
    button->SetUIStyle(S::Frost);
    button->SetUIStyle(S::FromThemeFile);
    button->SetTransparent(false); // corners opaque, edges still keyed
    button->SetColor(0x00010203);
    EXPECT_EQ(At(*button, 0, 0), 0x00FF00FFu);
}

TEST_F(SkinButtonFixture, PressMoveOutReleaseOutDoesNotClickAndTheTimerEndsOnLeave)
{
    auto button = Make("Go");
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](TComponent*) { ++ticks; };
    button->SetMouseContinuouslyDownInterval(40);
    SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    const auto pressed = Clock::now();
    EXPECT_TRUE(button->Pressed());
    EXPECT_TRUE(button->Focused());
    ASSERT_TRUE(testing::PumpUntil([&] { return ticks > 0; }, 2000));
    EXPECT_GE(Clock::now() - pressed, std::chrono::milliseconds(35)); // one period first

    SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 5));
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(At(*button, 10, 13), kNormal);
    SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-3, 5));
    EXPECT_TRUE(clicks.empty());
    const int before = ticks;
    EXPECT_TRUE(testing::PumpUntil([&] { return ticks > before; }, 2000)) << "a release outside keeps it";
    button->Perform(WM_MOUSELEAVE);
    EXPECT_FALSE(button->Repeating());
    const int after = ticks;
    testing::Pump(150);
    EXPECT_EQ(ticks, after);
}

TEST_F(SkinButtonFixture, ReleaseInsideClicksAndHandsModalResultToTheForm)
{
    auto button = Make("Go");
    form->SetModalResult(mrOk);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(button->Repeating());
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(button->Repeating());
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(form->ModalResult(), 0); // also when it is 0
    button->SetModalResult(mrCancel);
    button->Click();
    EXPECT_EQ(form->ModalResult(), mrCancel);
    form->SetModalResult(mrNone);

    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button->Perform(WM_CANCELMODE);
    EXPECT_FALSE(button->Pressed() || button->Repeating());

    // Out and back in: the look stays normal, the release clicks and ends the repeat.
    SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 40));
    SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(button->Pressed());
    SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks.size(), 3u);
    EXPECT_FALSE(button->Repeating());
}

TEST_F(SkinButtonFixture, ANewWindowStartsWithoutARepeat)
{
    auto button = Make("Go");
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](TComponent*) { ++ticks; };
    button->SetMouseContinuouslyDownInterval(40);
    // Released outside, the repeat goes on until the pointer leaves.
    SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 5));
    SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-3, 5));
    ASSERT_TRUE(button->Repeating());
    button->RecreateWnd(); // its timer went with the old window
    EXPECT_FALSE(button->Repeating());
    ticks = 0;
    SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(testing::PumpUntil([&] { return ticks > 0; }, 2000)) << "the next press repeats";
    SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(SkinButtonFixture, KeyPressEndsWhenTheFocusLeaves)
{
    auto button = Make("Go");
    auto other = Make("Other", 100);
    button->SetFocus();
    ASSERT_TRUE(button->Focused());
    SendMessageA(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(button->Pressed());
    other->SetFocus();
    ASSERT_TRUE(other->Focused());
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(At(*button, 10, 13), kNormal);
    SendMessageA(other->Handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(SkinButtonFixture, KeysDefaultCancelAndAccelerators)
{
    auto exit = Make("&Exit", 10);
    auto other = Make("&Other", 100);
    exit->SetDefault(true);
    exit->SetCancel(true);
    other->SetFocus();
    ASSERT_TRUE(other->Focused());
    EXPECT_TRUE(other->ActingDefault()); // a focused skinned button takes Enter itself
    EXPECT_FALSE(exit->ActingDefault());

    SendMessageA(other->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(other->Pressed());
    SendMessageA(other->Handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(clicks, (std::vector<TSkinButton*> { other.get() }));

    EXPECT_TRUE(form->ProcessDialogKey(VK_ESCAPE, 0));
    EXPECT_FALSE(form->ProcessDialogKey(VK_ESCAPE, ssShift));
    EXPECT_TRUE(form->ProcessDialogKey(VK_RETURN, 0));
    EXPECT_EQ(clicks, (std::vector<TSkinButton*> { other.get(), exit.get(), other.get() }));

    // The plain letter works while a skinned button has the focus.
    clicks.clear();
    SendMessageA(other->Handle(), WM_CHAR, 'e', 0);
    EXPECT_EQ(clicks, (std::vector<TSkinButton*> { exit.get() }));

    // Not while a control that does not agree has it; with Alt it does.
    TCustomControl plain(form);
    plain.SetParent(form);
    plain.SetBounds(200, 100, 20, 20);
    plain.SetFocus();
    ASSERT_TRUE(plain.Focused());
    EXPECT_TRUE(exit->ActingDefault());
    clicks.clear();
    EXPECT_FALSE(form->ProcessDialogChar('e', 0));
    EXPECT_TRUE(form->ProcessDialogChar('e', ssAlt));
    EXPECT_EQ(clicks, (std::vector<TSkinButton*> { exit.get() }));
    exit->SetDefault(false);
    EXPECT_FALSE(exit->ActingDefault());
}

TEST_F(SkinButtonFixture, FocusRectangleAtTheMarginAndBoldCaptionForPearl)
{
    auto button = Make("");
    auto focusedMinusPlain = [&](int column) {
        button->SetFocus();
        TBitmap focused;
        testing::Picture(*button, focused);
        form->SetFocus();
        TBitmap plain;
        testing::Picture(*button, plain);
        int differ = 0;
        for (int y = 3; y < 24; ++y)
            differ += focused.Pixel(column, y) != plain.Pixel(column, y);
        return differ;
    };
    EXPECT_GT(focusedMinusPlain(2), 0);
    EXPECT_EQ(focusedMinusPlain(0), 0);
    button->SetFocusedRectMargin(0);
    EXPECT_GT(focusedMinusPlain(0), 0);
    EXPECT_EQ(focusedMinusPlain(2), 0);

    // Pearl: no frame, a bold caption.
    button->SetCaption("Wide");
    button->SetUIStyle(S::Pearl);
    auto inkCount = [&](bool focus) {
        focus ? button->SetFocus() : form->SetFocus();
        return Count(*button, clBlack);
    };
    EXPECT_GT(inkCount(true), inkCount(false));
    button->SetFocus();
    EXPECT_EQ(focusedMinusPlain(0), 0);
}

TEST_F(SkinButtonFixture, GlyphImagesAndTheDisabledLook)
{
    auto button = Make("");
    // An action's caption and image, and the window text, become the button's.
    TImageList images;
    TBitmap icon(16, 16, TPixelFormat::pf24bit);
    images.Add(icon, nullptr);
    button->ActionChange("Act", &images, 0);
    EXPECT_EQ(button->Glyph().Width(), 16);
    EXPECT_EQ(button->Caption(), "Act");
    SetWindowTextA(button->Handle(), "");
    EXPECT_EQ(button->Caption(), "");

    // 32 x 16: two images, cyan then yellow, top-left pixel white (transparent).
    TBitmap strip(32, 16, TPixelFormat::pf24bit);
    strip.Canvas().Brush().SetColor(0x00FFFF00);
    strip.Canvas().FillRect(RECT { 0, 0, 16, 16 });
    strip.Canvas().Brush().SetColor(0x0000FFFF);
    strip.Canvas().FillRect(RECT { 16, 0, 32, 16 });
    strip.SetPixel(0, 0, 0x00FFFFFF);
    button->SetGlyph(strip);
    // Glyph left, no caption: x = (80 - 16 - 0 - 4) / 2 = 30, y = (27 - 16) / 2 = 5.
    EXPECT_EQ(At(*button, 30, 5), kNormal); // the transparent corner pixel
    EXPECT_EQ(At(*button, 38, 12), 0x00FFFF00u);
    EXPECT_EQ(At(*button, 46, 12), kNormal); // second image not drawn
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(At(*button, 46, 20), 0x00FFFF00u); // moved by one when pressed
    button->Perform(WM_CANCELMODE);
    button->SetEnabled(false);
    EXPECT_EQ(At(*button, 38, 12), 0x0000FFFFu);

    // 16 x 32: one image, greyed when disabled.
    TBitmap tall(16, 32, TPixelFormat::pf24bit);
    tall.Canvas().Brush().SetColor(0x000000FF);
    tall.Canvas().FillRect(RECT { 0, 0, 16, 32 });
    tall.SetPixel(0, 0, 0x00FFFFFF);
    button->SetGlyph(tall);
    const TColor grey = At(*button, 38, 12);
    EXPECT_NE(grey, 0x000000FFu);
    EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
    button->SetEnabled(true);
    EXPECT_EQ(At(*button, 38, 12), 0x000000FFu);
}

TEST_F(SkinButtonFixture, DisabledCaptionIsEmbossed)
{
    auto button = Make("MMMM");
    button->SetEnabled(false);
    EXPECT_GT(Count(*button, 0x00FFFFFF), 10);
    EXPECT_GT(Count(*button, 0x00808080), 10);
    EXPECT_EQ(Count(*button, 0x00224466), 0);
    button->SetEnabled(true);
    EXPECT_GT(Count(*button, 0x00224466), 10); // the theme's caption colour
}

TEST_F(SkinButtonFixture, PaintingAndReshapingKeepNoGdiObjects)
{
    auto button = Make("&Go");
    TBitmap glyph(16, 16, TPixelFormat::pf24bit);
    button->SetGlyph(glyph);
    TForm window;
    TSkinForm skin(&window);
    TBitmap face;
    ASSERT_TRUE(test::LoadProgramFace(face, "DialogFace.bmp"));
    skin.SetGlyph(face); // first-use objects (DCs, the window) exist before counting
    At(*button, 0, 0);
    const DWORD before = testing::GdiObjects();
    for (int i = 0; i < 50; ++i) {
        At(*button, 0, 0);
        skin.SetTransparentColor(i % 2 ? 0x00FF07FF : 0x00FF00FF);
    }
    EXPECT_EQ(testing::GdiObjects(), before);
}

} // namespace
} // namespace folvane
