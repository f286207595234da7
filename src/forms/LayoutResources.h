// The program's embedded artwork as the window layouts read it: raw data
// resources (PNG, image-list streams, the skin archive) and bitmaps. The
// artwork is part of the program file, so a missing or damaged piece is a
// broken build and throws instead of leaving a window half drawn.
#pragma once

#include "toolkit/graphics/Bitmap.h"

#include <cstdint>
#include <span>

namespace folvane {

// The resource type of a large picture stored as a gzip file of its BMP file:
// the faces and frames are mostly flat colour and shrink to a few percent.
inline constexpr char kPackedBitmapType[] = "BMPGZ";

// An RCDATA resource of the program file; valid for the process's lifetime.
std::span<const std::uint8_t> ResourceData(const char* name);
// A bitmap of the program file: a packed one if there is one by that name,
// otherwise a BITMAP resource.
void LoadResourceBitmap(TBitmap& target, const char* name);
// A packed bitmap's bytes (a gzip file of a BMP file); name is for the error.
void LoadPackedBitmap(TBitmap& target, std::span<const std::uint8_t> member, const char* name);

} // namespace folvane
