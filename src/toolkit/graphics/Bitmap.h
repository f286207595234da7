// TBitmap: a picture held in a DIB section, with a canvas of its own.
//
// Rows are stored top-down, so ScanLine(y) is a plain offset into the bits.
// Pixel formats map to DIB depths (pf15bit is 5-5-5, pf16bit 5-6-5 bit
// fields; pfDevice takes the screen's depth, 32 bits when it has no DIB
// equivalent). Palette formats start with a standard table (black and white;
// the 16 VGA colours; those plus a 6x6x6 cube and a grey ramp) unless the
// loaded image brings its own. BMP bytes come and go through BmpFile, so a
// bitmap never trusts a file's headers itself. Transparency is a property for
// the canvas's Draw: the transparent colour is either fixed or, by default,
// the colour of the bottom-left pixel.
#pragma once

#include "toolkit/graphics/BmpFile.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiHandle.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace folvane {

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum class TTransparentMode { tmAuto, tmFixed };

namespace detail {
// A top-down DIB section and the layout of its bits.
struct DibSurface {
    TOwnedBitmap bitmap;
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int bpp = 32;
    bool rgb565 = false; // 16 bits as 5-6-5 bit fields rather than 5-5-5
    std::vector<std::uint32_t> palette; // 0x00RRGGBB, depths <= 8

    int RowBytes() const
    {
        return static_cast<int>(BmpRowBytes(static_cast<unsigned>(width), static_cast<unsigned>(bpp)));
    }
    std::uint8_t* Row(int y) const { return bits + static_cast<std::size_t>(y) * static_cast<std::size_t>(RowBytes()); }
};
} // namespace detail

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pfDevice);
    ~TBitmap();

    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // A deep copy of pixels, format, palette and transparency settings.
    void Assign(const TBitmap& source);

    int Width() const { return surface_.width; }
    int Height() const { return surface_.height; }
    bool Empty() const { return surface_.bits == nullptr; }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // Keeps the pixels of the overlapping area; new pixels are 0 (black, or
    // palette entry 0). A size of 0 in either direction frees the pixels.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return format_; }
    // Converts the existing pixels (to the nearest palette entry when the
    // new format has a palette).
    void SetPixelFormat(TPixelFormat format);
    // The real depth of the pixels: 1, 4, 8, 16, 24 or 32.
    int BitsPerPixel() const { return surface_.bpp; }
    // 0x00RRGGBB entries; empty for formats above 8 bits.
    const std::vector<std::uint32_t>& Palette() const { return surface_.palette; }
    // Replaces the colour table of a palette format (extra entries are cut,
    // missing ones become black); pixel indices stay.
    void SetPalette(const std::vector<std::uint32_t>& palette);

    // nullptr while empty.
    HBITMAP Handle() const { return surface_.bitmap.Get(); }
    // A memory DC with the bitmap selected, created on first use.
    HDC DC() const;
    TCanvas& Canvas();

    // --- file images --------------------------------------------------------
    // On failure the bitmap is left as it was and error says why.
    bool LoadFromBmpBytes(std::span<const std::uint8_t> bytes, std::string* error = nullptr);
    bool LoadFromImage(const BmpImage& image, std::string* error = nullptr);
    // An RT_BITMAP resource: a packed DIB, validated like a file.
    bool LoadFromResourceName(HINSTANCE instance, const char* name, std::string* error = nullptr);
    // Empty for an empty bitmap. pf16bit is written as 5-5-5.
    std::vector<std::uint8_t> SaveToBmpBytes() const;
    BmpImage ToImage() const;

    // --- pixels ---------------------------------------------------------------
    // Direct reads and writes of the bits; clNone outside the bitmap. Writes
    // to palette formats pick the nearest entry.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    // Row y, top row first; nullptr outside the bitmap. Flushes pending GDI
    // drawing first.
    void* ScanLine(int y);
    const void* ScanLine(int y) const;
    int RowBytes() const { return surface_.RowBytes(); }

    // This bitmap becomes a 1-bit mask of source: white (1) where source has
    // the key colour, black (0) elsewhere.
    void AssignMask(const TBitmap& source, TColor key);

    // --- transparency ---------------------------------------------------------
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);
    // The fixed colour, or in tmAuto the bottom-left pixel (clNone when empty).
    TColor TransparentColor() const;
    // Fixes the colour (tmFixed); clDefault goes back to tmAuto.
    void SetTransparentColor(TColor color);

    // Raised when the size, format, contents as a whole or transparency
    // change; drawing on the canvas does not raise it (call Changed()).
    std::function<void()> OnChange;
    void Changed();

private:
    void Install(detail::DibSurface&& surface);

    detail::DibSurface surface_;
    TPixelFormat format_ = TPixelFormat::pfDevice;
    mutable TMemoryDC dc_;
    mutable HGDIOBJ dcOriginalBitmap_ = nullptr; // non-null while surface_ is selected into dc_
    std::unique_ptr<TCanvas> canvas_;
    bool transparent_ = false;
    TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
    TColor transparentColor_ = clDefault;
};

// Depth of a pixel format on this display.
int PixelFormatBits(TPixelFormat format);

} // namespace folvane
