// Geometry and rules of the image button and image check box that do not
// touch the platform: where glyph and caption go, which box image shows, how
// the check state advances, how big an auto-sized box gets, and the frame
// shades derived from a face colour. Painting and hit-testing both use these;
// the Win32 controls only feed them measured sizes.
#pragma once

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/PixelRect.h"

namespace folvane {

using LayoutRect = PixelRect;

// ---------------------------------------------------------------------------
// Graphic button
// ---------------------------------------------------------------------------

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct GlyphLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    bool adjustSpaceForGlyph = true;
    bool thinFrame = false;
    int glyphWidth = 0; // 0 x 0 when there is no glyph
    int glyphHeight = 0;
    int captionWidth = 0; // 0 x 0 when there is no caption
    int captionHeight = 0;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1; // -1 centres glyph and caption as a group
    int spacing = 4;
};

struct GlyphLayout {
    LayoutRect area; // the client area less the frame allowance
    LayoutRect glyph; // where the (possibly scaled) glyph is drawn
    LayoutRect caption; // where the caption's measured text goes
};

// Glyphs taller or wider than the area shrink to area - 2, keeping their
// proportions. No offset for the pressed look is added here.
GlyphLayout LayoutGlyph(const GlyphLayoutInput& in);

// The four frame shades. For the system button face they are the system's 3-D
// colours; for any other face they are lighter and darker versions of it.
struct FrameShades {
    TColor highlight;
    TColor face;
    TColor shadow;
    TColor darkShadow;
};

// `face` must be an RGB colour (resolve system colours first).
FrameShades ShadesFromFace(TColor face);

// Lightness scaled by `factor` in hue-lightness-saturation space; above 1
// moves toward white, below toward black.
TColor ScaleLightness(TColor rgb, double factor);

// ---------------------------------------------------------------------------
// Check box
// ---------------------------------------------------------------------------

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum class TTextDrawType { tdtNormal, tdtShadowed, tdtRaised };

// The box image: 2 s + d, s = 0/1/2 for unchecked/checked/grayed, d = 1 when
// disabled or pressed with the pointer inside.
int CheckBoxImageIndex(TCheckBoxState state, bool disabled, bool pressedInside);

// The state a user toggle leads to.
TCheckBoxState NextCheckBoxState(TCheckBoxState state, bool allowGrayed);

// Top-left corner of the box image: at the left or right edge, centred
// vertically (both halves truncated separately).
int CheckBoxImageLeft(int clientWidth, int imageWidth, bool boxAtLeft);
int CheckBoxImageTop(int clientHeight, int imageHeight);

// The caption's rectangle beside the box, text height high and centred.
LayoutRect CheckBoxCaptionRect(
    int clientWidth, int clientHeight, int imageWidth, int checkMargin, bool boxAtLeft, int textHeight);

struct CheckBoxSize {
    int width;
    int height;
};

CheckBoxSize CheckBoxAutoSize(
    int imageWidth, int imageHeight, int checkMargin, int captionWidth, int captionHeight, TTextDrawType textDrawType);

} // namespace folvane
