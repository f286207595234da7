// Counts frames and filters arbitrary bytes as a GIF; the first byte picks the frame.
#include "richlabel/GifFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace folvane;
    if (size < 1) {
        return 0;
    }
    const int frame = data[0] % 8;
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    CountGifFrames(bytes);
    GifFrameInfo info;
    const std::vector<std::uint8_t> filtered = FilterGifFrames(bytes, frame, info);
    // The filter only ever leaves bytes out, and frame 1 (or less) keeps them all.
    if (filtered.size() > bytes.size() || (frame <= 1 && filtered.size() != bytes.size())) {
        __builtin_trap();
    }
    return 0;
}
