// Review sheet of every picture, enlarged by whole factors without smoothing
// so that single pixels stay visible, each with its resource name.
#include "Artwork.h"
#include "Formats.h"
#include "Paint.h"

#include <algorithm>

namespace folvane {

namespace {

int ScaleFor(const Raster& r)
{
    const int side = std::max(r.Width(), r.Height());
    return side <= 32 ? 6 : side <= 64 ? 4 : side <= 130 ? 3 : side <= 320 ? 2 : 1;
}

struct Placed {
    const Preview* preview;
    int x, y, scale;
};

} // namespace

std::vector<std::uint8_t> DrawContactSheet(const std::vector<Preview>& previews)
{
    constexpr int kSheetWidth = 1600;
    constexpr int kGap = 16;
    constexpr int kLabel = 16;
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Preview& p : previews) {
        const int s = ScaleFor(p.picture);
        const int w = p.picture.Width() * s;
        const int h = p.picture.Height() * s + kLabel;
        if (x + w + kGap > kSheetWidth && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({ &p, x, y, s });
        x += std::max(w, 90) + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    Raster sheet(kSheetWidth, y + rowHeight + kGap);
    cairo_t* cr = sheet.Cr();
    cairo_rectangle(cr, 0, 0, sheet.Width(), sheet.Height());
    SetColour(cr, Rgb(0xF4F4F4));
    cairo_fill(cr);
    for (const Placed& item : placed) {
        const Raster& pic = item.preview->picture;
        // Checks under the picture show its transparent pixels.
        for (int cy = 0; cy < pic.Height() * item.scale; cy += 8)
            for (int cx = 0; cx < pic.Width() * item.scale; cx += 8) {
                cairo_rectangle(cr, item.x + cx, item.y + cy, std::min(8, pic.Width() * item.scale - cx),
                    std::min(8, pic.Height() * item.scale - cy));
                SetColour(cr, ((cx + cy) / 8) % 2 ? Rgb(0xD8D8D8) : Rgb(0xFFFFFF));
                cairo_fill(cr);
            }
        cairo_save(cr);
        cairo_translate(cr, item.x, item.y);
        cairo_scale(cr, item.scale, item.scale);
        cairo_set_source_surface(cr, pic.Surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, 11);
        SetColour(cr, Rgb(0x202020));
        cairo_move_to(cr, item.x, item.y + pic.Height() * item.scale + 12);
        const std::string label = item.preview->label + "  " + std::to_string(pic.Width()) + "x"
            + std::to_string(pic.Height()) + (item.scale > 1 ? "  x" + std::to_string(item.scale) : "");
        cairo_show_text(cr, label.c_str());
    }
    return EncodePng(sheet);
}

} // namespace folvane
