// The colours of a left-to-right gradient, column by column, exactly: the
// popup menu's icon bar is painted from these. Portable; the painting is
// the menu's.
#pragma once

#include "toolkit/graphics/Color.h"

namespace folvane {

// Colour of column offset (0 .. width - 1) of a gradient width columns wide
// from `from` (column 0) to `to` (column width - 1). Inner columns take each
// channel from + round((to - from) / width * offset), halves to even; both
// colours are RGB.
TColor GradientColumnColor(TColor from, TColor to, int width, int offset);

} // namespace folvane
