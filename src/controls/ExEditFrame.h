// The frame of the self-drawn text box: the non-client frame (the sunken
// 3-D edge, the visual style's edit frame, or one of the flat styles) on the
// sides that exist, and the single line frame drawn inside the client area.
// TCustomExEdit decides which look applies; these only draw it.
#pragma once

#include "controls/EditGeometry.h"
#include "toolkit/graphics/Color.h"

#include <windows.h>

namespace folvane {

enum class TFlatBorderType {
    fbtFlat,
    fbtSunken,
    fbtSunkenInner,
    fbtSunkenOuter,
    fbtRaised,
    fbtRaisedInner,
    fbtRaisedOuter,
    fbtBump,
    fbtBigBump,
    fbtEtched,
    fbtFramed,
    fbtLine,
    fbtLineBorder,
    fbtNone,
    fbtColorLineBorder
};

// States of the visual style's edit frame.
enum class TEditThemeState { normal = 1, disabled = 4, focused = 5, readOnly = 6 };

struct EditFrameLook {
    EditFrame frame;
    TFlatBorderType flatType = TFlatBorderType::fbtSunken; // the active or inactive one
    TColor lineColor = clBlack; // of fbtColorLineBorder
    TColor face = clWindow; // behind a flat frame
    bool themed = false;
    TEditThemeState themeState = TEditThemeState::normal;
};

// Draws the non-client frame of `window` (whose whole rectangle is `bounds`,
// origin 0, 0) into the window's frame device context `dc`.
void PaintEditFrame(HWND window, HDC dc, const RECT& bounds, const EditFrameLook& look);
// The frame drawn with the window's whole device context.
void PaintEditFrame(HWND window, const EditFrameLook& look);
// The 1-pixel line on the sides that exist.
void PaintLineFrame(HDC dc, const RECT& r, TEditBorderSides sides, TColor color);

} // namespace folvane
