// Skinned button geometry.
#include "skin/SkinButtonLayout.h"

namespace folvane {

int SkinButtonFaceSlice(bool enabled, bool pressed, bool hot)
{
    if (!enabled)
        return kSliceNormal;
    if (pressed)
        return kSlicePressed;
    return hot ? kSliceHot : kSliceNormal;
}

SkinGlyphPlacement PlaceSkinGlyph(TSkinButtonLayout layout, int W, int H, int gw, int gh, int tw, int th, int spacing)
{
    SkinGlyphPlacement p;
    p.twoImages = gw == 2 * gh;
    if (p.twoImages)
        gw = gh;
    p.glyphWidth = gw;
    switch (layout) {
    case TSkinButtonLayout::blGlyphLeft:
        p.glyphX = (W - gw - tw - spacing) / 2;
        p.glyphY = (H - gh) / 2;
        p.textX = p.glyphX + gw + spacing;
        p.textY = (H - th) / 2;
        break;
    case TSkinButtonLayout::blGlyphRight:
        p.glyphX = (W + tw + spacing - gw) / 2;
        p.glyphY = (H - gh) / 2;
        p.textX = p.glyphX - tw - spacing;
        p.textY = (H - th) / 2;
        break;
    case TSkinButtonLayout::blGlyphTop:
        p.glyphX = (W - gw) / 2;
        p.glyphY = (H - th - gh - spacing) / 2;
        p.textX = (W - tw) / 2;
        p.textY = p.glyphY + gh + spacing;
        break;
    case TSkinButtonLayout::blGlyphBottom:
        p.glyphX = (W - gw) / 2;
        p.glyphY = (H + th + spacing - gh) / 2;
        p.textX = (W - tw) / 2;
        p.textY = p.glyphY - th - spacing;
        break;
    }
    return p;
}

SkinButtonSize SkinButtonAutoSize(int imageWidth, int imageHeight)
{
    if (imageWidth <= 0 || imageHeight <= 0) {
        imageWidth = 74;
        imageHeight = 21;
    }
    return SkinButtonSize { imageWidth / 3, imageHeight };
}

} // namespace folvane
