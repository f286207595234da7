// BlitThroughMask: lays a picture over a DC through a one-bit mask in two blits. The mask's
// 1 bits keep what the target shows and its 0 bits clear it; then the picture, black where
// it is transparent, is ORed in. The target's text and background colours are put back.
#pragma once

#include <windows.h>

namespace folvane {

// A width x height area at (x, y) of target, from (sourceX, 0) of both mask and picture.
void BlitThroughMask(HDC target, int x, int y, int width, int height, HDC mask, HDC picture, int sourceX = 0);

} // namespace folvane
