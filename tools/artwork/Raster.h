// An anti-aliased drawing surface for the artwork: a cairo ARGB32 image with
// straight-alpha pixel access.
//
// Cairo stores premultiplied pixels; Pixel() and SetPixel() convert, so the
// pictures' code thinks in plain colours. The raster knows nothing about file
// formats; Formats.h turns it into BMP, PNG and icon images.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace folvane {

// 0xAARRGGBB with straight (not premultiplied) alpha.
using Argb = std::uint32_t;

constexpr Argb Rgb(std::uint32_t rgb)
{
    return 0xFF000000u | rgb;
}
constexpr int RedOf(Argb c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int GreenOf(Argb c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Argb c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int AlphaOf(Argb c)
{
    return static_cast<int>(c >> 24);
}

class Raster {
public:
    Raster(int width, int height); // fully transparent
    ~Raster();
    Raster(Raster&& other) noexcept;
    Raster& operator=(Raster&& other) noexcept;
    Raster(const Raster&) = delete;
    Raster& operator=(const Raster&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }

    Argb Pixel(int x, int y) const;
    void SetPixel(int x, int y, Argb colour);

    // Copies `source` with its top-left corner at (x, y), unscaled, composited over.
    void Paste(const Raster& source, int x, int y);

private:
    int width_ = 0;
    int height_ = 0;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};

} // namespace folvane
