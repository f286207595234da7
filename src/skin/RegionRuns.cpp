// Run scanning of a window face.
#include "skin/RegionRuns.h"

namespace folvane {
namespace {

// Each maximal stretch of x with !isKey(x) is one run.
template <typename IsKey> void AppendRuns(int width, int y, IsKey isKey, std::vector<PixelRect>& runs)
{
    int x = 0;
    while (x < width) {
        while (x < width && isKey(x))
            ++x;
        if (x == width)
            break;
        const int start = x;
        while (x < width && !isKey(x))
            ++x;
        runs.push_back(PixelRect { start, y, x, y + 1 });
    }
}

} // namespace

void AppendRowRuns(const std::uint32_t* row, int width, int y, std::uint32_t keyRgb, std::vector<PixelRect>& runs)
{
    const std::uint32_t key = keyRgb & 0xFFFFFFu;
    AppendRuns(
        width, y, [&](int x) { return (row[x] & 0xFFFFFFu) == key; }, runs);
}

void AppendIndexedRowRuns(
    const std::uint8_t* row, int width, int y, const bool (&keyIndex)[256], std::vector<PixelRect>& runs)
{
    AppendRuns(
        width, y, [&](int x) { return keyIndex[row[x]]; }, runs);
}

std::vector<PixelRect> RegionRuns(const std::uint32_t* pixels, int width, int height, int stride, std::uint32_t keyRgb)
{
    std::vector<PixelRect> runs;
    for (int y = 0; y < height; ++y)
        AppendRowRuns(pixels + static_cast<std::ptrdiff_t>(y) * stride, width, y, keyRgb, runs);
    return runs;
}

} // namespace folvane
