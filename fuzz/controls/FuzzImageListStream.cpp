// Feeds arbitrary bytes to the image-list stream reader. The first two bytes
// choose the list's size, the rest is the stream. Whatever it reads must be
// well formed, and writing it back must read back the same entries.
#include "controls/ImageListStream.h"
#include "controls/RunLengthCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace folvane;
    if (size < 2)
        return 0;
    ImageListContent list;
    list.width = data[0] % 40 + 1;
    list.height = data[1] % 40 + 1;
    const std::span<const std::uint8_t> stream(data + 2, size - 2);

    const ImageListResult read = ReadImageListStream(stream, list);
    if (!read.Ok() && read.message.empty())
        std::abort();
    const std::size_t pixels = static_cast<std::size_t>(list.width) * list.height;
    for (const ImageListEntry& entry : list.images)
        if (entry.pixels.size() != pixels || entry.mask.size() != pixels)
            std::abort();
    if (!read.Ok() || list.images.empty())
        return 0;

    std::vector<std::uint8_t> written;
    if (!WriteImageListStream(list, written).Ok())
        std::abort();
    ImageListContent back;
    back.width = list.width;
    back.height = list.height;
    if (!ReadImageListStream(written, back).Ok() || back.Count() != list.Count())
        std::abort();
    for (int i = 0; i < list.Count(); ++i) {
        const ImageListEntry& a = list.images[static_cast<std::size_t>(i)];
        const ImageListEntry& b = back.images[static_cast<std::size_t>(i)];
        if (a.mask != b.mask)
            std::abort();
        for (std::size_t p = 0; p < pixels; ++p)
            if ((a.pixels[p] & 0xFFFFFF) != (b.pixels[p] & 0xFFFFFF))
                std::abort();
    }
    return 0;
}
