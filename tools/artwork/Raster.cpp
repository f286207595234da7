// Straight-alpha access over cairo's premultiplied ARGB32 pixels.
#include "Raster.h"

#include <utility>

namespace folvane {

Raster::Raster(int width, int height)
    : width_(width)
    , height_(height)
    , surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
    , cr_(cairo_create(surface_))
{
}

Raster::~Raster()
{
    if (cr_)
        cairo_destroy(cr_);
    if (surface_)
        cairo_surface_destroy(surface_);
}

Raster::Raster(Raster&& other) noexcept
    : width_(other.width_)
    , height_(other.height_)
    , surface_(std::exchange(other.surface_, nullptr))
    , cr_(std::exchange(other.cr_, nullptr))
{
}

Raster& Raster::operator=(Raster&& other) noexcept
{
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(surface_, other.surface_);
    std::swap(cr_, other.cr_);
    return *this;
}

Argb Raster::Pixel(int x, int y) const
{
    cairo_surface_flush(surface_);
    const auto* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
    const std::uint32_t a = p >> 24;
    if (a == 0)
        return 0;
    if (a == 255)
        return p;
    auto un = [a](std::uint32_t c) { return (c * 255 + a / 2) / a; };
    return (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
}

void Raster::SetPixel(int x, int y, Argb colour)
{
    cairo_surface_flush(surface_);
    auto* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    const std::uint32_t a = colour >> 24;
    auto pre = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    reinterpret_cast<std::uint32_t*>(row)[x]
        = (a << 24) | (pre((colour >> 16) & 0xFF) << 16) | (pre((colour >> 8) & 0xFF) << 8) | pre(colour & 0xFF);
    cairo_surface_mark_dirty(surface_);
}

void Raster::Paste(const Raster& source, int x, int y)
{
    cairo_save(cr_);
    cairo_set_source_surface(cr_, source.surface_, x, y);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

} // namespace folvane
