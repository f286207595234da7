// Font handles shared by equal descriptions. A canvas is made for each paint
// and copies its control's font, so without sharing every paint would create
// (and the system realise) the same font again. The cache keeps the fonts used
// most recently alive, a bounded number of those nobody else holds.
#pragma once

#include "toolkit/graphics/GdiHandle.h"

#include <windows.h>

#include <memory>

namespace folvane {

using TSharedFont = std::shared_ptr<const TOwnedFont>;

// The handle for this description; null when the system refuses the font.
TSharedFont SharedFont(const LOGFONTA& description);

// Fonts the cache keeps for later use, in use elsewhere or not.
int CachedFontCount();

} // namespace folvane
