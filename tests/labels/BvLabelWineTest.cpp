// The bevelled label under Wine with Tahoma: the main window's labels as laid out, painted into
// memory bitmaps and checked by their ink; measuring, the bevel's room and the accelerator.
#include "controls/ControlsTestSupport.h"
#include "labels/LabelPictures.h"

#include "labels/BvLabel.h"
#include "toolkit/Form.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using testing::InkBox;
using testing::InkOf;
using testing::ReviewOnFailure;
using testing::Snapshot;
using testing::TextSize;

class LabelsBvLabel : public testing::LabelFormTest {
protected:
    void TearDown() override { delete label; }

    // A label as the main window's layout makes it: stored values first, measured when loaded.
    template <typename Setup> void Load(int left, int top, int width, int height, Setup setup)
    {
        TLoadingScope scope;
        label = new TBvLabel(form);
        label->SetParent(form);
        label->SetBounds(left, top, width, height);
        label->Font().SetColor(clBlack);
        setup(*label);
        scope.Finish();
    }
    static void Fixed(TBvLabel& l, int width, int height) { l.SetConstraints({ width, height, width, height }); }

    TBvLabel* label = nullptr;
};

TEST_F(LabelsBvLabel, ExplanationBandIsFramedFilledAndCentred)
{
    const std::string caption
        = "This application helps to analyze and repair the FSX Folder Path in the Windows Registry";
    Load(45, 60, 530, 25, [&](TBvLabel& l) {
        Fixed(l, 530, 25);
        l.SetCaption(caption);
        l.Bevel().SetMode(TBvBevelMode::bmStandard);
        l.Bevel().SetStandardStyle(TBvBorderStyle::lsSingle);
        l.Bevel().SetWidthInner(5);
        l.Bevel().SetWidthOuter(0);
        l.Bevel().SetBorderWidth(1);
        l.Bevel().SetBorderInnerWidth(3);
        l.Bevel().SetBorderColor(clWhite);
        l.SetAlignment(TBvAlignment::agCenter);
        l.SetMultiLine(true);
        l.SetTransparent(false);
        l.SetColor(clWhite);
        l.Font().SetColor(clNavy);
    });
    EXPECT_EQ(label->Width(), 530);
    EXPECT_EQ(label->Height(), 25);
    TBitmap picture;
    Snapshot(*label, picture);
    ReviewOnFailure review(picture, "bvlabel7");

    const TColor white = clWhite;
    // One-pixel edges: the platform's sunken shade on the left and top, its raised outer
    // shade on the right and bottom; white right inside them.
    auto edgeShade = [](TColor c) { return c != clWhite && c != clFuchsia && ColorRed(c) < 0xE0; };
    EXPECT_TRUE(edgeShade(picture.Pixel(0, 12)));
    EXPECT_EQ(picture.Pixel(200, 0), picture.Pixel(0, 12));
    EXPECT_TRUE(edgeShade(picture.Pixel(529, 12)));
    EXPECT_EQ(picture.Pixel(200, 24), picture.Pixel(529, 12));
    EXPECT_EQ(picture.Pixel(528, 12), white);
    EXPECT_EQ(picture.Pixel(200, 23), white);
    // The rings have the fill's colour, so the band is white up to the edges.
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(picture.Pixel(i, 12), white);
        EXPECT_EQ(picture.Pixel(200, i), white);
    }
    // One line of navy text (smoothed edges included), from the interior's top, centred in it.
    auto navy = [](TColor c) { return ColorBlue(c) > ColorRed(c) + 32; };
    const RECT ink = InkBox(picture, navy);
    const SIZE text = TextSize(label->Font(), caption);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.top, 4 + 3);
    EXPECT_LE(ink.bottom, 4 + text.cy);
    const int start = 4 + (523 - text.cx) / 2;
    // Wine draws Tahoma's ink narrower than the extent it measures, so the start is what tells.
    EXPECT_NEAR(ink.left, start, 2);
    EXPECT_LE(ink.right, start + text.cx);

    // Text wider than the interior is clipped to it.
    label->SetCaption(caption + " " + caption);
    Snapshot(*label, picture);
    const RECT clipped = InkBox(picture, navy);
    EXPECT_GE(clipped.left, 4);
    EXPECT_LE(clipped.right, 527);
    EXPECT_LE(clipped.bottom, 22);
}

TEST_F(LabelsBvLabel, FolderPathWrapsFromTheTopLeftInItsFixedBox)
{
    Load(41, 138, 440, 30, [](TBvLabel& l) {
        Fixed(l, 440, 30);
        l.SetAlignment(TBvAlignment::agCenterLeft);
        l.SetMultiLine(true);
    });
    label->SetCaption("C:\\Games\\FSX\\");
    EXPECT_EQ(label->Width(), 440);
    EXPECT_EQ(label->Height(), 30);
    TBitmap picture;
    Snapshot(*label, picture);
    ReviewOnFailure review(picture, "folderpath");
    RECT ink = InkOf(picture, clBlack);
    // Not centred vertically: an auto-sized label draws from its top.
    EXPECT_LE(ink.top, 3);
    EXPECT_LE(ink.left, 2);
    EXPECT_LE(ink.bottom, 15);

    std::string longPath = "C:\\Program Files\\Microsoft Games\\Microsoft Flight Simulator X";
    longPath += " Deluxe Edition\\with a long folder name here\\and another one";
    ASSERT_GT(TextSize(label->Font(), longPath).cx, 440);
    label->SetCaption(longPath);
    EXPECT_EQ(label->Width(), 440);
    EXPECT_EQ(label->Height(), 30);
    Snapshot(*label, picture);
    ink = InkOf(picture, clBlack);
    EXPECT_GT(ink.bottom, 16); // a second line
    EXPECT_LE(ink.right, 440);
}

TEST_F(LabelsBvLabel, RegistryValueIsCentredAtTheTop)
{
    Load(356, 74, 120, 30, [](TBvLabel& l) {
        Fixed(l, 120, 30);
        l.SetAlignment(TBvAlignment::agCenter);
        l.SetMultiLine(true);
    });
    label->SetCaption("SetupPath");
    TBitmap picture;
    Snapshot(*label, picture);
    ReviewOnFailure review(picture, "regvalue");
    const RECT ink = InkOf(picture, clBlack);
    EXPECT_LE(ink.top, 3);
    const int start = (120 - TextSize(label->Font(), "SetupPath").cx) / 2;
    EXPECT_NEAR(ink.left, start, 2);
}

TEST_F(LabelsBvLabel, AutoSizeMeasuresTextBlanksAndBevel)
{
    const std::string caption = "Retrieve the FSX folder path as recorded in the registry";
    Load(97, 17, 269, 15, [&](TBvLabel& l) { l.SetCaption(caption); });
    EXPECT_EQ(label->Width(), TextSize(label->Font(), caption).cx + 2);
    EXPECT_EQ(label->Height(), 15);
    EXPECT_EQ(label->Left(), 97);

    // The bevel's room counts on every side.
    label->Bevel().SetBorderInnerWidth(3);
    EXPECT_EQ(label->Width(), TextSize(label->Font(), caption).cx + 2 + 6);
    EXPECT_EQ(label->Height(), 15 + 6);
    label->Bevel().SetBorderInnerWidth(0);

    // An empty caption and a lone accelerator mark are one blank; without accelerators "&" is text.
    const int blank = TextSize(label->Font(), " ").cx + 2;
    label->SetCaption("");
    EXPECT_EQ(label->Width(), blank);
    EXPECT_EQ(label->Height(), 15);
    label->SetCaption("&");
    EXPECT_EQ(label->Width(), blank);
    label->SetShowAccelChar(false);
    EXPECT_EQ(label->Width(), TextSize(label->Font(), "&").cx + 2);
}

TEST_F(LabelsBvLabel, EmptyTransparentLabelPaintsNothingAndAmpersandsDrawOnce)
{
    Load(10, 10, 30, 30, [](TBvLabel&) {});
    TBitmap picture;
    Snapshot(*label, picture);
    EXPECT_EQ(InkBox(picture, [](TColor c) { return c != clFuchsia; }).right, 0);

    label->SetCaption("&&");
    TBitmap doubled;
    Snapshot(*label, doubled);
    label->SetShowAccelChar(false);
    label->SetCaption("&");
    Snapshot(*label, picture);
    ReviewOnFailure review(doubled, "ampersand");
    ASSERT_EQ(picture.Width(), doubled.Width());
    EXPECT_NE(InkOf(doubled, clBlack).right, 0);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            ASSERT_EQ(picture.Pixel(x, y), doubled.Pixel(x, y)) << x << "," << y;
}

TEST_F(LabelsBvLabel, AcceleratorFocusesItsControlAndDisabledTextIsGrey)
{
    TWinControl* edit = new TCustomControl(form);
    edit->SetParent(form);
    edit->SetBounds(300, 10, 50, 20);
    edit->SetTabStop(true);
    Load(10, 10, 30, 30, [&](TBvLabel& l) {
        l.SetCaption("&Folder");
        l.SetFocusControl(edit);
    });
    EXPECT_TRUE(label->DialogChar('f', 0));
    EXPECT_TRUE(edit->Focused());
    EXPECT_FALSE(label->DialogChar('o', 0));
    delete edit; // the label lets go of its focus control
    EXPECT_EQ(label->FocusControl(), nullptr);

    int entered = 0, exited = 0;
    label->OnMouseEnter = [&](TComponent*) { ++entered; };
    label->OnMouseExit = [&](TComponent*) { ++exited; };
    label->DispatchMouseEnter();
    label->DispatchMouseLeave();
    static_cast<TControl*>(label)->SetEnabled(false);
    label->DispatchMouseEnter(); // a disabled label raises neither
    label->DispatchMouseLeave();
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(exited, 1);

    TBitmap picture;
    Snapshot(*label, picture);
    EXPECT_EQ(InkOf(picture, clBlack).right, 0);
    EXPECT_NE(InkOf(picture, clGrayText).right, 0);
}

TEST_F(LabelsBvLabel, CustomBevelsTakeTheirRoom)
{
    Load(10, 10, 30, 30, [](TBvLabel& l) {
        l.SetCaption("Frame");
        l.SetTransparent(false);
        l.SetColor(clWhite);
        l.Bevel().SetStyleOuter(TBvBevelStyle::bvRaised);
        l.Bevel().SetWidthOuter(3);
        l.Bevel().SetBorderWidth(1);
        l.Bevel().SetBorderColor(clRed);
        l.Bevel().SetStyleInner(TBvBevelStyle::bvFrameLowered);
        l.Bevel().SetWidthInner(1);
        l.Bevel().SetLightColor(clLime);
        l.Bevel().SetShadowColor(clBlue);
    });
    const int extent = 3 + 1 + 1 + 1;
    EXPECT_EQ(label->Bevel().Extent(), extent);
    TBitmap picture;
    Snapshot(*label, picture);
    ReviewOnFailure review(picture, "custombevel");
    const int w = label->Width(), h = label->Height();
    EXPECT_EQ(picture.Pixel(1, h / 2), clLime); // raised: light top and left band
    EXPECT_EQ(picture.Pixel(w - 2, h / 2), clBlue); // shadow bottom and right band
    EXPECT_EQ(picture.Pixel(3, h / 2), clRed); // the solid ring between the bevels
    EXPECT_EQ(picture.Pixel(w - 4, h / 2), clRed);
    const RECT ink = InkOf(picture, clBlack);
    EXPECT_GE(ink.left, extent);
    EXPECT_GE(ink.top, extent);
}

TEST_F(LabelsBvLabel, StandardStylesDrawOnlyOutsideTheirInterior)
{
    Load(10, 10, 30, 30, [](TBvLabel& l) {
        l.SetAutoSize(false);
        l.SetTransparent(false);
        l.SetColor(clWhite);
        l.SetCaption(" ");
        l.Bevel().SetMode(TBvBevelMode::bmStandard);
    });
    TBitmap picture;
    // lsSingle is left out: its raised right and bottom edge lies inside the rectangle it leaves.
    for (int s = 2; s <= static_cast<int>(TBvBorderStyle::lsDoubleLowered); ++s) {
        label->Bevel().SetStandardStyle(static_cast<TBvBorderStyle>(s));
        Snapshot(*label, picture);
        PixelRect inside { 0, 0, 30, 30 };
        for (const BevelEdgeStep& step : StandardStyleSteps(label->Bevel().StandardStyle()))
            inside = AfterStep(inside, step);
        int framePixels = 0; // not white, outside the interior
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                const bool in = x >= inside.left && x < inside.right && y >= inside.top && y < inside.bottom;
                if (in) {
                    ASSERT_EQ(picture.Pixel(x, y), clWhite) << "style " << s << " at " << x << "," << y;
                } else if (picture.Pixel(x, y) != clWhite) {
                    ++framePixels;
                }
            }
        EXPECT_GT(framePixels, 0) << s;
    }
}

TEST_F(LabelsBvLabel, TwinkleHidesOrRecoloursTheText)
{
    Load(10, 10, 30, 30, [](TBvLabel& l) { l.SetCaption("Blink"); });
    label->SetTwinkleVisible(1);
    label->SetTwinkleInVisible(60000);
    label->SetTwinkle(true);
    for (int i = 0; i < 100 && label->TwinkleShowing(); ++i) {
        Sleep(5);
        Application().ProcessMessages();
    }
    ASSERT_FALSE(label->TwinkleShowing());
    TBitmap picture;
    Snapshot(*label, picture);
    EXPECT_EQ(InkOf(picture, clBlack).right, 0);
    label->SetTwinkleColor(clRed);
    Snapshot(*label, picture);
    EXPECT_NE(InkOf(picture, clRed).right, 0);
    label->SetTwinkle(false);
    EXPECT_TRUE(label->TwinkleShowing());
}

} // namespace
} // namespace folvane
