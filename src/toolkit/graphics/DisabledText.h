// Text drawn as copies moved by a pixel: the embossed look of a disabled caption (light one
// pixel right and down, then dark in place) and the single moved copies that shadowed, raised,
// embossed and outlined text styles are built from. The caller chooses the font, the
// background mode and the flags; the rectangle is not changed.
#pragma once

#include "toolkit/graphics/Color.h"

#include <windows.h>

#include <string_view>

namespace folvane {

class TCanvas;

// The text in `color`, in `r` moved by (dx, dy).
void DrawShiftedText(TCanvas& canvas, std::string_view text, const RECT& r, UINT flags, int dx, int dy, TColor color);
void DrawShiftedText(TCanvas& canvas, std::wstring_view text, const RECT& r, UINT flags, int dx, int dy, TColor color);

// Disabled text: in `light` moved 1 pixel right and down, then in `dark` in place. The defaults
// are the embossed system look; white and grey give the engraved look of skinned buttons.
void DrawDisabledText(TCanvas& canvas, std::string_view text, const RECT& r, UINT flags, TColor light = clBtnHighlight,
    TColor dark = clBtnShadow);
void DrawDisabledText(TCanvas& canvas, std::wstring_view text, const RECT& r, UINT flags, TColor light = clBtnHighlight,
    TColor dark = clBtnShadow);

} // namespace folvane
