// The program's embedded artwork as the window layouts read it: raw data
// resources (PNG, image-list streams, the skin archive) and bitmaps. The
// artwork is part of the program file, so a missing piece is a broken build
// and throws instead of leaving a window half drawn.
#pragma once

#include "toolkit/graphics/Bitmap.h"

#include <cstdint>
#include <span>

namespace folvane {

// An RCDATA resource of the program file; valid for the process's lifetime.
std::span<const std::uint8_t> ResourceData(const char* name);
// A BITMAP resource of the program file.
void LoadResourceBitmap(TBitmap& target, const char* name);

} // namespace folvane
