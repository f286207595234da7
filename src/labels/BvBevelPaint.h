// Drawing a bevel: the frame of its mode on the rectangle, then its inner solid rings; the
// result is the interior left for the text. With noFill the solid rings take their room
// without painting (the label is transparent, or its fill already has the ring colour).
#pragma once

#include "labels/BvBevel.h"

#include <windows.h>

namespace folvane {

class TCanvas;

RECT PaintBevel(TCanvas& canvas, const TBvBevel& bevel, const RECT& rect, bool noFill);

} // namespace folvane
