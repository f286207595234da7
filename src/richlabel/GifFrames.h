// Picking one frame out of an animated GIF without decoding it: the platform's picture loader
// shows only the first image of a GIF, so the frames before the wanted one are cut out and the
// loader is handed the header followed by the chosen frame onwards.
//
// Frames are found by a byte pattern, not by parsing blocks: a graphic control extension
// (0x21 0xF9 0x04 ...) whose terminator is directly followed by an image descriptor (0x2C).
// Only that pattern counts, so odd files may count more or fewer frames than they show; the
// result is never read past the end of the data.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace folvane {

struct GifFrameInfo {
    std::uint16_t x = 0; // the shown frame's offset inside the animation
    std::uint16_t y = 0;
    std::uint16_t width = 0; // the shown frame's size
    std::uint16_t height = 0;
    std::uint16_t animationWidth = 0; // the logical screen size
    std::uint16_t animationHeight = 0;
};

// At least 5 bytes starting with "GIF8".
bool IsGifData(std::span<const std::uint8_t> data);

// -1 when the data is not a GIF, else the number of frame patterns.
int CountGifFrames(std::span<const std::uint8_t> data);

// The data without the frames before `frame` (counted from 1); fills info with the screen size
// and the chosen frame's descriptor. Frame 1 (or less) keeps every byte.
std::vector<std::uint8_t> FilterGifFrames(std::span<const std::uint8_t> data, int frame, GifFrameInfo& info);

} // namespace folvane
