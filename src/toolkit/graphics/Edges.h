// 3-D edges and solid rings drawn with filled one-pixel lines, the classic look of buttons,
// bevels and frames. A ring's top and left lines stop one pixel short of the far corner, so
// the bottom-right colour owns both outer corners it touches.
#pragma once

#include "toolkit/graphics/Color.h"

#include <windows.h>

namespace folvane {

class TCanvas;

// The four shades of an edge; the defaults are the system's 3-D colours.
struct TEdgeShades {
    TColor highlight = clBtnHighlight;
    TColor face = clBtnFace;
    TColor shadow = clBtnShadow;
    TColor darkShadow = cl3DDkShadow;
};

enum class TEdgeStyle {
    esRaised, // outer ring highlight / dark shadow, inner face / shadow: a push button
    esRaisedSoft, // outer ring highlight / shadow, inner face: a quieter raised edge
    esSunken, // outer ring shadow / highlight, inner dark shadow / face: a pressed button
};

// One ring on the edge of `r`: top and left in `topLeft`, bottom and right in `bottomRight`.
// Nothing for a rectangle less than one pixel wide or high.
void DrawRing(TCanvas& canvas, const RECT& r, TColor topLeft, TColor bottomRight);

// `width` rings from the edge of `r` inwards; `r` shrinks by `width` on every side.
void Frame3D(TCanvas& canvas, RECT& r, TColor topLeft, TColor bottomRight, int width);

// A two-ring edge on the border of `r` (only the outer ring when `thin`).
void DrawEdge3D(TCanvas& canvas, const RECT& r, TEdgeStyle style, const TEdgeShades& shades = {}, bool thin = false);

} // namespace folvane
