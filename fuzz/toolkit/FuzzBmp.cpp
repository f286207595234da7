// Feeds arbitrary bytes to the BMP parser; whatever it accepts must encode
// and parse back to the same picture.
#include "toolkit/graphics/BmpFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace folvane;
    BmpImage image;
    std::size_t consumed = 0;
    std::string error;
    if (!ParseBmpFile({ data, size }, image, &consumed, &error)) {
        if (error.empty() || consumed != 0 || !image.pixels.empty())
            std::abort();
        return 0;
    }
    if (consumed > size || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        std::abort();
    // 16-bit input may use masks the encoder's 5-5-5 cannot hold; compare
    // the rest exactly.
    if (image.bitsPerPixel == 16)
        return 0;
    const std::vector<std::uint8_t> again = EncodeBmpFile(image);
    BmpImage back;
    if (!ParseBmpFile(again, back))
        std::abort();
    if (image.bitsPerPixel <= 8) {
        if (back.indices != image.indices)
            std::abort();
    } else if (back.pixels != image.pixels) {
        std::abort();
    }
    return 0;
}
