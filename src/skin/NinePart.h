// The nine-part rule that stretches a skin image over a control: four corners
// copied 1:1, four edges and a centre stretched between them. This file only
// computes the pieces (where each comes from in the image and where it lands);
// NinePartDraw paints them.
//
// The rule is asymmetric on purpose: the right and bottom corner boxes start
// one pixel past the middle, the right edge samples rows from the lower half,
// the centre ends one row above the bottom corners and the bottom edge starts
// one column left of the top-left corner's edge. Faces drawn for it rely on
// exactly these pixels, so nothing here is "tidied".
#pragma once

#include "toolkit/graphics/PixelRect.h"

#include <vector>

namespace folvane {

enum class NinePieceKind { TopLeft, BottomLeft, Left, TopRight, BottomRight, Right, Top, Centre, Bottom };

struct NinePiece {
    NinePieceKind kind;
    PixelRect source; // in the image
    PixelRect dest; // in the control
    bool Corner() const
    {
        return kind == NinePieceKind::TopLeft || kind == NinePieceKind::BottomLeft || kind == NinePieceKind::TopRight
            || kind == NinePieceKind::BottomRight;
    }
};

// The pieces for an image of imageWidth x imageHeight over a client area of
// width x height at (0, 0), in drawing order. Pieces whose destination is
// empty are left out. Corners have equal source and destination sizes; edges
// and centre are stretched from source to dest. A source span that the rule
// makes empty (an even image height for the left edge and centre) takes the
// single row or column where it starts.
std::vector<NinePiece> NinePartPieces(int imageWidth, int imageHeight, int width, int height);

} // namespace folvane
