// What the about dialog and the splash share: the 440 x 190 shaped face and
// the cog shown as a reflection image, and the layouts' font helper.
#pragma once

#include "toolkit/graphics/GdiObjects.h"

namespace folvane {

class TControl;
class TExLabel;
class TForm;
class TReflectionImage;
class TSkinForm;

inline constexpr TColor kWindowFaceKey = 0x00FF07FF; // RGB FF 07 FF

// The form's face: DIALOGFACE cut along the window key colour.
TSkinForm* AddDialogFace(TForm& form);
// The 48 x 48 cog with its reflection below it, 48 x 80 in all.
TReflectionImage* AddCog(TForm& form, int left, int top);

// A word-wrapping effect label with its text, in Tahoma 8 pt and the given
// style; bounds are left, top, width, height as the layout tables give them.
TExLabel* AddWrappedLabel(TForm& form, const char* name, const RECT& bounds, const wchar_t* caption, TFontStyles style);

// A stored font of the layout: Tahoma 8 pt unless told otherwise, in the
// window-text colour; the control no longer follows its parent's font.
void StoreFont(TControl& control, TFontStyles style = 0, TColor color = clWindowText, const char* name = "Tahoma",
    int height = -11);

} // namespace folvane
