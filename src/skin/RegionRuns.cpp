// Run scanning of a window face.
#include "skin/RegionRuns.h"

namespace folvane {

void AppendRowRuns(const std::uint32_t* row, int width, int y, std::uint32_t keyRgb, std::vector<PixelRect>& runs)
{
    const std::uint32_t key = keyRgb & 0xFFFFFFu;
    int x = 0;
    while (x < width) {
        while (x < width && (row[x] & 0xFFFFFFu) == key)
            ++x;
        if (x == width)
            break;
        const int start = x;
        while (x < width && (row[x] & 0xFFFFFFu) != key)
            ++x;
        runs.push_back(PixelRect { start, y, x, y + 1 });
    }
}

std::vector<PixelRect> RegionRuns(const std::uint32_t* pixels, int width, int height, int stride, std::uint32_t keyRgb)
{
    std::vector<PixelRect> runs;
    for (int y = 0; y < height; ++y)
        AppendRowRuns(pixels + static_cast<std::ptrdiff_t>(y) * stride, width, y, keyRgb, runs);
    return runs;
}

} // namespace folvane
