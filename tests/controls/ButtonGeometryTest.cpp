// Layout of glyph and caption, check-box rules and derived frame shades.
#include "controls/ButtonGeometry.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

GlyphLayoutInput Button(int w, int h, int gw, int gh)
{
    GlyphLayoutInput in;
    in.clientWidth = w;
    in.clientHeight = h;
    in.glyphWidth = gw;
    in.glyphHeight = gh;
    return in;
}

TEST(ControlsButtonGeometry, TitleBandButtonPlacesItsImageAt2And6)
{
    GlyphLayoutInput in = Button(34, 34, 30, 22);
    in.spacing = 0;
    const GlyphLayout out = LayoutGlyph(in);
    EXPECT_EQ(out.area, (LayoutRect { 2, 2, 32, 32 }));
    EXPECT_EQ(out.glyph, (LayoutRect { 2, 6, 32, 28 }));
    // The default spacing does not count without a caption.
    EXPECT_EQ(LayoutGlyph(Button(34, 34, 30, 22)).glyph, out.glyph);
    // Without the allowance the area is the client area, so a glyph at margin 0 sits at the
    // edge instead of 2 pixels in; a thin frame takes 1.
    in.adjustSpaceForGlyph = false;
    EXPECT_EQ(LayoutGlyph(in).area, (LayoutRect { 0, 0, 34, 34 }));
    in.margin = 0;
    EXPECT_EQ(LayoutGlyph(in).glyph, (LayoutRect { 0, 6, 30, 28 }));
    in.adjustSpaceForGlyph = true;
    EXPECT_EQ(LayoutGlyph(in).glyph, (LayoutRect { 2, 6, 32, 28 }));
    in.thinFrame = true;
    EXPECT_EQ(LayoutGlyph(in).area, (LayoutRect { 1, 1, 33, 33 }));
}

TEST(ControlsButtonGeometry, GlyphAndCaptionCentreAsAGroup)
{
    GlyphLayoutInput in = Button(75, 25, 16, 16);
    in.captionWidth = 30;
    in.captionHeight = 13;
    // Area 71 x 21; group 16 + 4 + 30 = 50; margin 10.
    GlyphLayout out = LayoutGlyph(in);
    EXPECT_EQ(out.glyph, (LayoutRect { 12, 4, 28, 20 }));
    EXPECT_EQ(out.caption, (LayoutRect { 32, 6, 62, 19 }));

    in.layout = TButtonLayout::blGlyphRight;
    out = LayoutGlyph(in);
    EXPECT_EQ(out.glyph, (LayoutRect { 46, 4, 62, 20 }));
    EXPECT_EQ(out.caption, (LayoutRect { 12, 6, 42, 19 }));

    in.layout = TButtonLayout::blGlyphLeft;
    in.margin = 3;
    EXPECT_EQ(LayoutGlyph(in).glyph.left, 5);

    // Top: the axes exchange. Area 71 x 61 for a 75 x 65 button.
    in = Button(75, 65, 16, 16);
    in.captionWidth = 30;
    in.captionHeight = 13;
    in.layout = TButtonLayout::blGlyphTop;
    out = LayoutGlyph(in);
    // Group 16 + 4 + 13 = 33; margin 14.
    EXPECT_EQ(out.glyph, (LayoutRect { 29, 16, 45, 32 }));
    EXPECT_EQ(out.caption, (LayoutRect { 22, 36, 52, 49 }));
    in.layout = TButtonLayout::blGlyphBottom;
    EXPECT_EQ(LayoutGlyph(in).glyph, (LayoutRect { 29, 33, 45, 49 }));
}

TEST(ControlsButtonGeometry, OversizedGlyphsScaleDown)
{
    // 40 x 20 in a 30 x 30 area: wider, so 28 wide and 14 high.
    GlyphLayout out = LayoutGlyph(Button(34, 34, 40, 20));
    EXPECT_EQ(out.glyph.Width(), 28);
    EXPECT_EQ(out.glyph.Height(), 14);
    EXPECT_EQ(out.glyph.left, 3);
    // 20 x 60 in a 21 x 21 area: taller, 19 high and 6 wide.
    out = LayoutGlyph(Button(25, 25, 20, 60));
    EXPECT_EQ(out.glyph.Height(), 19);
    EXPECT_EQ(out.glyph.Width(), 6);
    // Filling the area exactly is not oversized.
    EXPECT_EQ(LayoutGlyph(Button(34, 34, 30, 30)).glyph.Width(), 30);
}

TEST(ControlsButtonGeometry, ShadesFollowTheFaceLightness)
{
    const TColor face = MakeColor(0x27, 0x37, 0x7F);
    const FrameShades s = ShadesFromFace(face);
    auto lightness = [](TColor c) {
        return std::max({ ColorRed(c), ColorGreen(c), ColorBlue(c) })
            + std::min({ ColorRed(c), ColorGreen(c), ColorBlue(c) });
    };
    EXPECT_EQ(s.face, face);
    EXPECT_GT(lightness(s.highlight), lightness(face));
    EXPECT_LT(lightness(s.shadow), lightness(face));
    EXPECT_LT(lightness(s.darkShadow), lightness(s.shadow));
    // Hue is kept: blue stays the strongest channel.
    EXPECT_GT(ColorBlue(s.shadow), ColorRed(s.shadow));
    EXPECT_EQ(ScaleLightness(MakeColor(128, 128, 128), 1.0), MakeColor(128, 128, 128));
    EXPECT_EQ(ScaleLightness(MakeColor(10, 200, 30), 2.0), MakeColor(255, 255, 255));
    EXPECT_EQ(ScaleLightness(MakeColor(10, 200, 30), 0.0), MakeColor(0, 0, 0));
}

TEST(ControlsCheckBoxRules, ImageIndexAndToggling)
{
    using S = TCheckBoxState;
    EXPECT_EQ(CheckBoxImageIndex(S::cbUnchecked, false, false), 0);
    EXPECT_EQ(CheckBoxImageIndex(S::cbUnchecked, false, true), 1);
    EXPECT_EQ(CheckBoxImageIndex(S::cbChecked, false, false), 2);
    EXPECT_EQ(CheckBoxImageIndex(S::cbChecked, true, false), 3);
    EXPECT_EQ(CheckBoxImageIndex(S::cbGrayed, false, false), 4);
    EXPECT_EQ(CheckBoxImageIndex(S::cbGrayed, true, true), 5);

    EXPECT_EQ(NextCheckBoxState(S::cbUnchecked, false), S::cbChecked);
    EXPECT_EQ(NextCheckBoxState(S::cbUnchecked, true), S::cbGrayed);
    EXPECT_EQ(NextCheckBoxState(S::cbChecked, true), S::cbUnchecked);
    EXPECT_EQ(NextCheckBoxState(S::cbGrayed, false), S::cbChecked);
}

TEST(ControlsCheckBoxRules, BoxCaptionAndAutoSize)
{
    // The form's boxes: 16 x 18 images in a 22-high control.
    EXPECT_EQ(CheckBoxImageLeft(114, 16, true), 0);
    EXPECT_EQ(CheckBoxImageTop(22, 18), 2);
    EXPECT_EQ(CheckBoxImageLeft(114, 16, false), 98);
    EXPECT_EQ(CheckBoxImageTop(17, 18), -1); // 8 - 9, each half truncated

    EXPECT_EQ(CheckBoxCaptionRect(114, 22, 16, 5, true, 13), (LayoutRect { 21, 4, 114, 17 }));
    EXPECT_EQ(CheckBoxCaptionRect(114, 22, 16, 5, false, 13), (LayoutRect { 0, 4, 93, 17 }));

    // 16 + 2 + 5 + 80 + 2; max(18 + 4, 13 + 2).
    CheckBoxSize size = CheckBoxAutoSize(16, 18, 5, 80, 13, TTextDrawType::tdtNormal);
    EXPECT_EQ(size.width, 105);
    EXPECT_EQ(size.height, 22);
    size = CheckBoxAutoSize(16, 8, 9, 80, 20, TTextDrawType::tdtRaised);
    EXPECT_EQ(size.width, 16 + 4 + 9 + 80 + 2);
    EXPECT_EQ(size.height, 24 + 2);
}

} // namespace
} // namespace folvane
