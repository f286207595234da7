// DrawNinePart: paints a skin image over a control by the nine-part rule
// (NinePart.h). Corners go 1:1 through an image list, masked by magenta when
// transparent is set and opaque otherwise; edges and centre are stretched
// into a bitmap of their destination size and drawn with magenta as the
// transparent colour whatever the flag.
#pragma once

namespace folvane {

class TBitmap;
class TCanvas;

// The client area is width x height at the canvas's (0, 0).
void DrawNinePart(TCanvas& canvas, const TBitmap& image, int width, int height, bool transparent);

} // namespace folvane
