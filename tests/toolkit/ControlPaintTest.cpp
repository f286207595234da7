// Painting through the toolkit into memory bitmaps: graphic children in z-order inside the
// parent's paint, windowed children over them, and transparency through DrawParentBackground.
#include "ToolkitTestSupport.h"

#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ParentBackground.h"
#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

class Block : public TGraphicControl {
public:
    Block(TComponent* owner, TWinControl* parent, RECT r, TColor color)
        : TGraphicControl(owner)
    {
        SetParent(parent);
        SetBounds(r.left, r.top, r.right, r.bottom);
        SetColor(color);
    }
    int paints = 0;

protected:
    void Paint(TCanvas& canvas) override
    {
        ++paints;
        canvas.Brush().SetColor(Color());
        canvas.FillRect(ClientRect());
    }
};

class Panel : public TCustomControl {
public:
    Panel(TComponent* owner, TWinControl* parent, RECT r, TColor color)
        : TCustomControl(owner)
    {
        SetParent(parent);
        SetBounds(r.left, r.top, r.right, r.bottom);
        SetColor(color);
    }
};

// Shows its parent through itself and marks its top-left 2 x 2 pixels blue.
template <typename Base> class SeeThrough : public Base {
public:
    SeeThrough(TComponent* owner, TWinControl* parent, RECT r)
        : Base(owner)
    {
        this->SetParent(parent);
        this->SetBounds(r.left, r.top, r.right, r.bottom);
        this->SetColor(clFuchsia);
    }

protected:
    void Paint(TCanvas& canvas) override
    {
        DrawParentBackground(canvas, *this);
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(RECT { 0, 0, 2, 2 });
    }
};

struct PaintFixture : ::testing::Test {
    PaintFixture()
    {
        form.SetBorderStyle(TFormBorderStyle::bsNone);
        form.SetBounds(0, 0, 200, 150);
        form.SetColor(clGreen);
    }
    TColor At(int x, int y)
    {
        TBitmap picture;
        testing::Picture(form, picture);
        TColor c = picture.Pixel(x, y);
        if (c != expectedHint)
            testing::SaveForReview(picture, ::testing::UnitTest::GetInstance()->current_test_info()->name());
        return c;
    }
    TForm form;
    TColor expectedHint = clNone;
};

TEST_F(PaintFixture, GraphicChildrenPaintInZOrderOverTheFormFace)
{
    auto* a = new Block(&form, &form, RECT { 10, 10, 50, 50 }, clRed);
    new Block(&form, &form, RECT { 30, 30, 50, 50 }, clYellow);
    auto* hidden = new Block(&form, &form, RECT { 0, 0, 200, 150 }, clMaroon);
    hidden->SetVisible(false);

    EXPECT_EQ(At(5, 5), clGreen);
    EXPECT_EQ(At(15, 15), clRed);
    EXPECT_EQ(At(35, 35), clYellow); // the later one lies above
    EXPECT_EQ(At(79, 79), clYellow);
    EXPECT_EQ(At(80, 80), clGreen); // right and bottom are exclusive
    EXPECT_EQ(hidden->paints, 0);

    a->BringToFront();
    EXPECT_EQ(At(35, 35), clRed);
    a->SendToBack();
    EXPECT_EQ(At(35, 35), clYellow);
}

TEST_F(PaintFixture, WindowedChildrenReorderTheirWindowsToo)
{
    auto* a = new Panel(&form, &form, RECT { 10, 10, 50, 50 }, clRed);
    auto* b = new Panel(&form, &form, RECT { 30, 30, 50, 50 }, clYellow);
    form.HandleNeeded();
    const auto topWindow = [&] { return GetWindow(form.Handle(), GW_CHILD); };
    a->BringToFront();
    EXPECT_EQ(topWindow(), a->Handle());
    a->SendToBack();
    EXPECT_EQ(topWindow(), b->Handle());
    EXPECT_EQ(GetWindow(a->Handle(), GW_HWNDNEXT), nullptr);
}

TEST_F(PaintFixture, AWindowItsSiblingsCoverEntirelyIsNotPaintedOnTheScreen)
{
    struct Counting : Panel {
        using Panel::Panel;
        int paints = 0;
        void Paint(TCanvas& canvas) override
        {
            ++paints;
            Panel::Paint(canvas);
        }
    };
    auto* below = new Counting(&form, &form, RECT { 10, 10, 40, 40 }, clRed);
    auto* above = new Counting(&form, &form, RECT { 0, 0, 100, 100 }, clYellow);
    above->BringToFront();
    form.Show();
    const auto repaint
        = [&] { RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); };
    repaint();
    below->paints = above->paints = 0;
    repaint();
    EXPECT_EQ(above->paints, 1);
    EXPECT_EQ(below->paints, 0);
    below->BringToFront();
    repaint();
    EXPECT_EQ(below->paints, 1);
}

TEST_F(PaintFixture, GraphicChildIsClippedToItsOwnRectangle)
{
    // Paints far beyond its bounds; only its rectangle may change.
    struct Greedy : Block {
        using Block::Block;
        void Paint(TCanvas& canvas) override
        {
            canvas.Brush().SetColor(Color());
            canvas.FillRect(RECT { -100, -100, 400, 400 });
        }
    };
    new Greedy(&form, &form, RECT { 50, 50, 20, 20 }, clRed);
    EXPECT_EQ(At(55, 55), clRed);
    EXPECT_EQ(At(49, 55), clGreen);
    EXPECT_EQ(At(70, 70), clGreen);
}

TEST_F(PaintFixture, WindowedChildrenCoverGraphicOnesAndPaintTheirOwnChildren)
{
    auto* panel = new Panel(&form, &form, RECT { 100, 10, 40, 40 }, clNavy);
    new Block(&form, panel, RECT { 5, 5, 10, 10 }, clLime);
    // A graphic control created later, under the panel's window all the same.
    new Block(&form, &form, RECT { 90, 0, 60, 60 }, clRed);
    EXPECT_EQ(At(101, 11), clNavy);
    EXPECT_EQ(At(106, 16), clLime);
    EXPECT_EQ(At(95, 5), clRed);
}

TEST_F(PaintFixture, TransparentWindowedControlShowsTheParentFaceAndItsGraphicControls)
{
    new Block(&form, &form, RECT { 30, 70, 10, 10 }, clAqua);
    new SeeThrough<TCustomControl>(&form, &form, RECT { 20, 60, 60, 40 });
    EXPECT_EQ(At(20, 60), clBlue); // its own mark
    EXPECT_EQ(At(25, 65), clGreen); // the form's face
    EXPECT_EQ(At(32, 72), clAqua); // the graphic control behind it
    EXPECT_EQ(At(79, 99), clGreen); // never its own colour
}

TEST_F(PaintFixture, TransparentWindowedControlSeesThroughANestedParent)
{
    auto* panel = new Panel(&form, &form, RECT { 10, 10, 100, 100 }, clNavy);
    new Block(&form, panel, RECT { 0, 0, 20, 20 }, clYellow);
    new SeeThrough<TCustomControl>(&form, panel, RECT { 10, 10, 30, 30 });
    EXPECT_EQ(At(20, 20), clBlue);
    EXPECT_EQ(At(25, 25), clYellow); // panel's child at panel (15, 15)
    EXPECT_EQ(At(35, 35), clNavy);
}

TEST_F(PaintFixture, TransparentGraphicControlShowsOnlyWhatLiesBelowIt)
{
    new Block(&form, &form, RECT { 40, 40, 40, 40 }, clRed);
    new SeeThrough<TGraphicControl>(&form, &form, RECT { 20, 20, 40, 40 });
    auto* above = new Block(&form, &form, RECT { 50, 50, 5, 5 }, clYellow);
    EXPECT_EQ(At(20, 20), clBlue);
    EXPECT_EQ(At(25, 25), clGreen);
    EXPECT_EQ(At(45, 45), clRed);
    EXPECT_EQ(At(52, 52), clYellow); // painted after, over it
    above->paints = 0;
    At(0, 0);
    EXPECT_EQ(above->paints, 1); // and not a second time inside its background
}

TEST_F(PaintFixture, LabelsFillOrShowTheParentAndFollowTheParentColour)
{
    auto* opaque = new TLabel(&form);
    opaque->SetParent(&form);
    opaque->SetCaption(" ");
    opaque->SetBounds(10, 10, 30, 20);
    EXPECT_TRUE(opaque->ParentColor());
    EXPECT_EQ(opaque->Color(), clGreen);
    form.SetColor(clNavy); // follows while ParentColor is on
    EXPECT_EQ(opaque->Color(), clNavy);
    opaque->SetColor(clRed);
    EXPECT_FALSE(opaque->ParentColor());
    EXPECT_EQ(At(12, 12), clRed);
    opaque->SetTransparent(true);
    EXPECT_EQ(At(12, 12), clNavy);
}

TEST_F(PaintFixture, AutoSizedLabelTakesTheSizeOfItsText)
{
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("Get FSX &Path");
    TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(label->Font());
    RECT r { 0, 0, 0, 0 };
    scratch.Canvas().DrawText(std::string("Get FSX &Path"), r, DT_CALCRECT);
    EXPECT_EQ(label->Width(), r.right);
    EXPECT_EQ(label->Height(), 13); // Tahoma at height -11
    label->SetAlignment(TAlignment::taRightJustify);
    int right = label->Left() + label->Width();
    label->SetCaption("Get");
    EXPECT_EQ(label->Left() + label->Width(), right); // grows and shrinks away from the right edge
}

TEST_F(PaintFixture, CentredLabelOfFixedWidthStaysWhereItIsStored)
{
    // A group-box caption: centred, its width held by constraints, wider than its text.
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetAlignment(TAlignment::taCenter);
    label->SetBounds(39, 45, 80, 13);
    label->SetConstraints({ 80, 0, 80, 0 });
    label->SetCaption("Registry Key:");
    EXPECT_EQ(label->Left(), 39);
    EXPECT_EQ(label->Width(), 80);
    label->SetCaption("Key:");
    EXPECT_EQ(label->Left(), 39);
}

TEST_F(PaintFixture, ImageDrawsItsBitmapWithTheTransparentColourLeftOut)
{
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(10, 10, 20, 20);
    TBitmap bitmap(4, 4, TPixelFormat::pf24bit);
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect(RECT { 0, 0, 4, 4 });
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(RECT { 1, 1, 3, 3 });
    image->SetBitmap(bitmap);
    EXPECT_EQ(At(10, 10), clWhite);
    EXPECT_EQ(At(11, 11), clRed);
    image->SetTransparent(true); // the bottom-left pixel's white goes
    EXPECT_EQ(At(10, 10), clGreen);
    EXPECT_EQ(At(12, 12), clRed);
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 4);

    image->SetIcon(LoadIconA(nullptr, IDI_INFORMATION));
    EXPECT_EQ(image->PictureSize().cx, 32);
    EXPECT_EQ(image->Width(), 32);
}

TEST(ControlPaintOnScreen, ShownFormPaintsOffScreenAndCopiesToTheWindow)
{
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(50, 50, 120, 80);
    form.SetColor(clTeal);
    auto* block = new Block(&form, &form, RECT { 10, 10, 20, 20 }, clRed);
    form.Show();
    form.Update();
    testing::Pump(50);
    HDC dc = GetDC(form.Handle());
    EXPECT_EQ(GetPixel(dc, 5, 5), clTeal);
    EXPECT_EQ(GetPixel(dc, 15, 15), clRed);
    ReleaseDC(form.Handle(), dc);

    // A repaint of the block alone leaves the rest of the window as it was.
    int before = block->paints;
    block->SetColor(clYellow);
    form.Update();
    EXPECT_EQ(block->paints, before + 1);
    dc = GetDC(form.Handle());
    EXPECT_EQ(GetPixel(dc, 15, 15), clYellow);
    EXPECT_EQ(GetPixel(dc, 100, 70), clTeal);
    ReleaseDC(form.Handle(), dc);
    EXPECT_EQ(form.Perform(WM_ERASEBKGND, 0, 0), 1);
}

} // namespace
} // namespace folvane
