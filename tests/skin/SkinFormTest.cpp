// The shaped skin form under Wine: the region against the plain pixel-by-pixel
// rule on the program's faces and on hand-made bitmaps, reshaping and sizing
// of the owner, painting, and the drag on a press of any button.
#include "skin/SkinForm.h"
#include "skin/BitmapRegion.h"
#include "skin/LiteralRegion.h"
#include "support/ProgramAssets.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace folvane {
namespace {

constexpr TColor kFaceKey = 0x00FF07FF;

// Records the caption presses that the skin hands to the form instead of
// letting the system start a move loop.
class RecordingForm : public TForm {
public:
    using TForm::TForm;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCLBUTTONDOWN) {
            log.push_back("caption " + std::to_string(wParam) + " " + std::to_string(lParam) + " capture "
                + std::to_string(GetCapture() != nullptr));
            return 0;
        }
        return TForm::WndProc(message, wParam, lParam);
    }
    std::vector<std::string> log;
};

void LoadFace(TBitmap& bitmap, const char* file)
{
    ASSERT_TRUE(test::LoadProgramFace(bitmap, file)) << file;
}

bool SameRegion(HRGN a, HRGN b)
{
    return EqualRgn(a, b) != FALSE;
}

// Rows of a hand-made 24-bit face: '#' opaque, 'k' key, 'm' magenta (one
// component off the key).
void Paint(TBitmap& bitmap, const std::vector<std::string>& rows, TPixelFormat format = TPixelFormat::pf24bit)
{
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            bitmap.SetPixel(x, y, c == 'k' ? kFaceKey : c == 'm' ? 0x00FF00FF : 0x00336699);
        }
}

TEST(BitmapRegion, EqualsThePlainRuleOnTheProgramsFaces)
{
    for (const char* name : { "MainFace.bmp", "DialogFace.bmp" }) {
        TBitmap face;
        LoadFace(face, name);
        TOwnedRegion ours(CreateBitmapRegion(face, kFaceKey));
        TOwnedRegion literal(test::LiteralBitmapRegion(face, kFaceKey));
        EXPECT_TRUE(SameRegion(ours.Get(), literal.Get())) << name;
        RECT box;
        EXPECT_EQ(GetRgnBox(ours.Get(), &box), COMPLEXREGION) << name << " has cut-out corners";
    }
}

TEST(BitmapRegion, EqualsThePlainRuleOnHandMadeFaces)
{
    const std::vector<std::vector<std::string>> faces {
        { "##k##", "kkkkk", "#kkk#", "mk##k", "k####" }, // last column, empty row, magenta
        { "#", "k", "#" }, // one column: every pixel is the last
        { "kkk", "kkk" }, // nothing left
    };
    for (TPixelFormat format : { TPixelFormat::pf24bit, TPixelFormat::pf32bit, TPixelFormat::pf8bit,
             TPixelFormat::pf4bit, TPixelFormat::pf16bit }) {
        for (const auto& rows : faces) {
            TBitmap face;
            Paint(face, rows, TPixelFormat::pf24bit);
            face.SetPixelFormat(format);
            TOwnedRegion ours(CreateBitmapRegion(face, kFaceKey));
            TOwnedRegion literal(test::LiteralBitmapRegion(face, kFaceKey));
            EXPECT_TRUE(SameRegion(ours.Get(), literal.Get())) << rows[0] << " at " << face.BitsPerPixel() << " bits";
        }
    }
}

// ---------------------------------------------------------------------------

struct SkinFormFixture : ::testing::Test {
    static void SetUpTestSuite() { form = new RecordingForm(); }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }
    static RecordingForm* form;
};
RecordingForm* SkinFormFixture::form = nullptr;

TEST_F(SkinFormFixture, LoadingMakesABorderlessWindowOfTheGlyphsSizeAndShape)
{
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    form->SetBounds(10, 10, 456, 226);
    TBitmap face;
    LoadFace(face, "DialogFace.bmp");
    int regionChanges = 0;
    TSkinForm* skin;
    {
        TLoadingScope scope;
        skin = new TSkinForm(form);
        skin->SetParent(form);
        skin->OnRegionChanged = [&](TComponent* sender) {
            EXPECT_EQ(sender, skin);
            ++regionChanges;
        };
        skin->Glyph()->Assign(face); // read straight in, as a layout does
        skin->SetTransparentColor(kFaceKey);
    }
    EXPECT_EQ(regionChanges, 1);
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(GetWindowLongPtrA(form->Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_EQ(form->ClientWidth(), face.Width());
    EXPECT_EQ(form->ClientHeight(), face.Height());
    EXPECT_EQ(form->Width(), face.Width());
    EXPECT_EQ(skin->BoundsRect().right, face.Width());
    EXPECT_EQ(skin->BoundsRect().bottom, face.Height());

    TOwnedRegion window(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(form->Handle(), window.Get()), ERROR);
    TOwnedRegion literal(test::LiteralBitmapRegion(face, kFaceKey));
    EXPECT_TRUE(SameRegion(window.Get(), literal.Get()));

    // An empty glyph changes nothing and says nothing.
    TBitmap empty;
    skin->SetGlyph(empty);
    EXPECT_EQ(regionChanges, 1);
    EXPECT_EQ(form->ClientWidth(), face.Width());
    TOwnedRegion after(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(form->Handle(), after.Get());
    EXPECT_TRUE(SameRegion(after.Get(), literal.Get()));
    delete skin;
}

TEST_F(SkinFormFixture, GlyphWithoutKeyPixelsGivesARectangleAndIsPaintedAsIs)
{
    TSkinForm skin(form);
    skin.SetParent(form);
    EXPECT_EQ(skin.Width(), 200);
    EXPECT_EQ(skin.TransparentColor(), 0x00FF00FFu);

    // Empty: a black frame, and OnPaint afterwards.
    TBitmap picture(200, 100, TPixelFormat::pf32bit);
    picture.Canvas().Brush().SetColor(0x00FFFFFF);
    picture.Canvas().FillRect(RECT { 0, 0, 200, 100 });
    int paints = 0;
    skin.OnPaint = [&](TComponent*) { ++paints; };
    skin.PaintTo(picture.Canvas());
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(picture.Pixel(0, 0), clBlack);
    EXPECT_EQ(picture.Pixel(199, 50), clBlack);
    EXPECT_EQ(picture.Pixel(100, 50), 0x00FFFFFFu);

    TBitmap glyph;
    Paint(glyph, { "####", "#mm#", "####" }); // magenta is not this key
    skin.SetTransparentColor(kFaceKey);
    skin.SetGlyph(glyph);
    EXPECT_EQ(form->ClientWidth(), 4);
    EXPECT_EQ(form->ClientHeight(), 3);
    TOwnedRegion window(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(form->Handle(), window.Get()), ERROR);
    TOwnedRegion rectangle(CreateRectRgn(0, 0, 4, 3));
    EXPECT_TRUE(SameRegion(window.Get(), rectangle.Get()));

    skin.PaintTo(picture.Canvas());
    EXPECT_EQ(picture.Pixel(1, 1), 0x00FF00FFu);
    EXPECT_EQ(picture.Pixel(0, 0), 0x00336699u);
    EXPECT_EQ(paints, 2);
}

TEST_F(SkinFormFixture, AnyButtonPressedOnTheFaceDragsTheWindowAfterOnMouseDown)
{
    TSkinForm skin(form);
    skin.SetParent(form);
    skin.SendToBack();
    TBitmap glyph;
    Paint(glyph, { "####", "####" });
    skin.SetGlyph(glyph);
    skin.SetBounds(0, 0, 40, 20);
    skin.OnMouseDown = [&](TComponent*, TMouseButton button, TShiftState, int x, int y) {
        form->log.push_back(
            "down " + std::to_string(static_cast<int>(button)) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    form->log.clear();
    form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 2));
    form->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 1));
    form->Perform(WM_MBUTTONDBLCLK, MK_MBUTTON, MAKELPARAM(1, 1));
    const std::vector<std::string> expected { "down 0 3,2", "caption 2 0 capture 0", "down 1 5,1",
        "caption 2 0 capture 0", "down 2 1,1", "caption 2 0 capture 0" };
    EXPECT_EQ(form->log, expected);
}

} // namespace
} // namespace folvane
