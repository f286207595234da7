// Pixel rules of the skinned button that do not touch the platform: which
// slice of the three-state face shows, where glyph and caption go, and the
// size an auto-sized button takes from its face image.
#pragma once

namespace folvane {

enum class TSkinButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Face slices, counted from 1 as SliceBitmap counts them.
enum SkinButtonSlice { kSliceNormal = 1, kSliceHot = 2, kSlicePressed = 3 };

// Disabled shows the normal slice; pressed wins over hot.
int SkinButtonFaceSlice(bool enabled, bool pressed, bool hot);

struct SkinGlyphPlacement {
    int glyphX = 0;
    int glyphY = 0;
    int textX = 0;
    int textY = 0;
    int glyphWidth = 0; // one image: half the strip when it holds two
    bool twoImages = false;
};

// Glyph of glyphWidth x glyphHeight (a strip twice as wide as high holds a
// normal and a disabled image) beside a caption of textWidth x textHeight on
// a button of width x height. Halvings truncate toward zero, as the
// positions may be negative on a small button. No pressed offset.
SkinGlyphPlacement PlaceSkinGlyph(TSkinButtonLayout layout, int width, int height, int glyphWidth, int glyphHeight,
    int textWidth, int textHeight, int spacing);

struct SkinButtonSize {
    int width;
    int height;
};

// An auto-sized button: one slice of the face image; an empty image counts
// as 74 x 21.
SkinButtonSize SkinButtonAutoSize(int imageWidth, int imageHeight);

} // namespace folvane
