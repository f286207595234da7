// Building a window region from a face bitmap.
#include "skin/BitmapRegion.h"

#include "skin/RegionRuns.h"
#include "toolkit/graphics/Bitmap.h"

#include <cstring>
#include <vector>

namespace folvane {
namespace {

std::vector<PixelRect> BitmapRuns(const TBitmap& bitmap, std::uint32_t key)
{
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    std::vector<PixelRect> runs;
    switch (bitmap.BitsPerPixel()) {
    case 32:
        for (int y = 0; y < h; ++y)
            AppendRowRuns(static_cast<const std::uint32_t*>(bitmap.ScanLine(y)), w, y, key, runs);
        return runs;
    case 24: {
        std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
        for (int y = 0; y < h; ++y) {
            const auto* p = static_cast<const std::uint8_t*>(bitmap.ScanLine(y));
            for (int x = 0; x < w; ++x, p += 3)
                row[static_cast<std::size_t>(x)] = p[0] | (p[1] << 8) | (p[2] << 16);
            AppendRowRuns(row.data(), w, y, key, runs);
        }
        return runs;
    }
    case 8:
    case 4:
    case 1: {
        // Palette faces: the key test per palette entry, then per index.
        bool keyIndex[256] = {};
        const auto& palette = bitmap.Palette();
        for (std::size_t i = 0; i < 256; ++i)
            keyIndex[i] = (i < palette.size() ? palette[i] & 0xFFFFFFu : 0u) == key;
        const int bpp = bitmap.BitsPerPixel();
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(w));
        for (int y = 0; y < h; ++y) {
            const auto* p = static_cast<const std::uint8_t*>(bitmap.ScanLine(y));
            const std::uint8_t* row = p;
            if (bpp != 8) {
                const int perByte = 8 / bpp;
                const unsigned mask = (1u << bpp) - 1u;
                for (int x = 0; x < w; ++x) {
                    const int shift = 8 - bpp * (x % perByte + 1);
                    indices[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>((p[x / perByte] >> shift) & mask);
                }
                row = indices.data();
            }
            AppendIndexedRowRuns(row, w, y, keyIndex, runs);
        }
        return runs;
    }
    default: {
        // 16-bit faces: one blit turns them into RGB exactly as a
        // device context reads their pixels.
        TBitmap rgb(w, h, TPixelFormat::pf32bit);
        BitBlt(rgb.DC(), 0, 0, w, h, bitmap.DC(), 0, 0, SRCCOPY);
        return BitmapRuns(rgb, key);
    }
    }
}

} // namespace

HRGN CreateBitmapRegion(const TBitmap& bitmap, TColor key)
{
    if (bitmap.Empty())
        return CreateRectRgn(0, 0, 0, 0);
    std::vector<PixelRect> runs;
    if (key > 0xFFFFFFu) {
        // A system colour or clNone never equals a pixel read as RGB: every row is one run.
        for (int y = 0; y < bitmap.Height(); ++y)
            runs.push_back(PixelRect { 0, y, bitmap.Width(), y + 1 });
    } else {
        runs = BitmapRuns(bitmap, ColorToDibPixel(key));
    }
    if (runs.empty())
        return CreateRectRgn(0, 0, 0, 0);
    const std::size_t bytes = sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT);
    std::vector<std::uint8_t> buffer(bytes);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(runs.size());
    data->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    data->rdh.rcBound = RECT { 0, 0, bitmap.Width(), bitmap.Height() };
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < runs.size(); ++i)
        rects[i] = RECT { runs[i].left, runs[i].top, runs[i].right, runs[i].bottom };
    return ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data);
}

void ApplyBitmapRegion(HWND window, const TBitmap& bitmap, TColor key)
{
    SetWindowRgn(window, CreateBitmapRegion(bitmap, key), TRUE);
}

} // namespace folvane
