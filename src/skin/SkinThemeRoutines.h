// Routines every skinned control shares: the choice between the file theme
// and a built-in style, slicing multi-state images, the built-in style
// bitmaps (resources of the program, by name), handing a theme to child
// controls and the initial style of a new control.
#pragma once

#include "skin/SkinFileTheme.h"
#include "skin/SkinStyleTable.h"
#include "toolkit/graphics/Bitmap.h"

namespace folvane {

class TComponent;
class TWinControl;

// True when the control should draw from theme: the style is FromThemeFile
// and the theme is there and ready. effective is the style to use otherwise:
// the given one, or Marine when FromThemeFile cannot be honoured.
bool UsesFileTheme(const TSkinFileTheme* theme, TSkinUIStyle style, TSkinUIStyle& effective);

// Slice index (1-based) of count equal-width slices of source into target,
// all rows, 1:1; the last slice is the rightmost columns. Target becomes
// empty for an absent source or a slice that does not exist.
void SliceBitmap(const TBitmap* source, TBitmap& target, int count, int index);

// Loads the bitmap resource of a bitmap position into target; other
// positions leave target unchanged. False, and target empty, when the
// program has no such resource.
bool SkinBuiltInBitmap(TSkinUIStyle style, int position, TBitmap& target);
// With count 0 the whole resource, else slice index of count.
bool SkinBuiltInBitmapSlice(TSkinUIStyle style, int position, TBitmap& target, int index, int count);

// Gives theme and style to every direct child control of container that
// publishes both: FileTheme first, then UIStyle.
void PropagateTheme(TWinControl* container, TSkinUIStyle style, TSkinFileTheme* theme);

// The initial UIStyle of a skinned control created for owner: Marine, as no
// window here carries a skinned window frame to take a style from.
TSkinUIStyle FormUIStyle(const TComponent* owner);

} // namespace folvane
