// Review sheet of every picture, enlarged by whole factors without smoothing
// so that single pixels stay visible, each with its resource name.
#include "Artwork.h"
#include "Formats.h"
#include "Paint.h"

#include <algorithm>
#include <tuple>

namespace folvane {

namespace {

int ScaleFor(const Raster& r)
{
    const int side = std::max(r.Width(), r.Height());
    return side <= 32 ? 6 : side <= 64 ? 4 : side <= 130 ? 3 : side <= 320 ? 2 : 1;
}

std::string Label(const Preview& p, int scale)
{
    return p.label + "  " + std::to_string(p.picture.Width()) + "x" + std::to_string(p.picture.Height())
        + (scale > 1 ? "  x" + std::to_string(scale) : "");
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
    // Measuring labels needs a context; a scratch surface serves.
    Raster scratch(1, 1);
    cairo_select_font_face(scratch.Cr(), "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(scratch.Cr(), 11);
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Preview& p : previews) {
        const int s = ScaleFor(p.picture);
        cairo_text_extents_t extents;
        cairo_text_extents(scratch.Cr(), Label(p, s).c_str(), &extents);
        const int w = std::max(p.picture.Width() * s, static_cast<int>(extents.x_advance) + 4);
        const int h = p.picture.Height() * s + kLabel;
        if (x + w + kGap > kSheetWidth && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({ &p, x, y, s });
        x += w + kGap;
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
        cairo_show_text(cr, Label(*item.preview, item.scale).c_str());
    }
    return EncodePng(sheet);
}

} // namespace folvane

namespace folvane {

namespace {

// The nine-part stretch of the skinned button, close enough for review:
// quarter corners 1:1, the middle row and column stretched.
void NinePart(cairo_t* cr, const Raster& image, int sx, int sw, int x, int y, int w, int h)
{
    const int hw = sw / 2, hh = image.Height() / 2;
    const int sh = image.Height();
    auto piece = [&](int srcX, int srcY, int srcW, int srcH, int dx, int dy, int dw, int dh) {
        if (srcW <= 0 || srcH <= 0 || dw <= 0 || dh <= 0)
            return;
        cairo_save(cr);
        cairo_rectangle(cr, dx, dy, dw, dh);
        cairo_clip(cr);
        cairo_translate(cr, dx, dy);
        cairo_scale(cr, static_cast<double>(dw) / srcW, static_cast<double>(dh) / srcH);
        cairo_set_source_surface(cr, image.Surface(), -srcX, -srcY);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
    };
    const int cw = std::min(hw, w / 2), ch = std::min(hh, h / 2);
    piece(sx, 0, cw, ch, x, y, cw, ch);
    piece(sx + sw - cw, 0, cw, ch, x + w - cw, y, cw, ch);
    piece(sx, sh - ch, cw, ch, x, y + h - ch, cw, ch);
    piece(sx + sw - cw, sh - ch, cw, ch, x + w - cw, y + h - ch, cw, ch);
    piece(sx + hw, 0, 1, ch, x + cw, y, w - 2 * cw, ch);
    piece(sx + hw, sh - ch, 1, ch, x + cw, y + h - ch, w - 2 * cw, ch);
    piece(sx, hh, cw, 1, x, y + ch, cw, h - 2 * ch);
    piece(sx + sw - cw, hh, cw, 1, x + w - cw, y + ch, cw, h - 2 * ch);
    piece(sx + hw, hh, 1, 1, x + cw, y + ch, w - 2 * cw, h - 2 * ch);
}

void Text(cairo_t* cr, double x, double y, const char* text, Argb colour, double size = 11, bool bold = false)
{
    cairo_select_font_face(
        cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    SetColour(cr, colour);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text);
}

void Put(cairo_t* cr, const Raster& picture, double x, double y)
{
    cairo_set_source_surface(cr, picture.Surface(), x, y);
    cairo_paint(cr);
}

void Tab(cairo_t* cr, const Raster& tabs, int slice, int x, int y, int w)
{
    const int cell = tabs.Width() / 6;
    const int sx = slice * cell * 3;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, cell, tabs.Height());
    cairo_clip(cr);
    Put(cr, tabs, x - sx, y);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_rectangle(cr, x + w - cell, y, cell, tabs.Height());
    cairo_clip(cr);
    Put(cr, tabs, x + w - cell - sx - 2 * cell, y);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_rectangle(cr, x + cell, y, w - 2 * cell, tabs.Height());
    cairo_clip(cr);
    cairo_translate(cr, x + cell, y);
    cairo_scale(cr, static_cast<double>(w - 2 * cell) / cell, 1);
    cairo_set_source_surface(cr, tabs.Surface(), -(sx + cell), 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

} // namespace

Raster DrawMockup()
{
    Raster r(620, 470);
    cairo_t* cr = r.Cr();
    Put(cr, DrawMainFace(), 0, 0);
    Text(cr, 70, 31, "SKELVOR - FOLVANE", ink::black, 19);
    Put(cr, DrawTitleButton(TitleGlyph::minimise, TitleState::normal), 537, 12);
    Put(cr, DrawTitleButton(TitleGlyph::close, TitleState::hot), 569, 12);

    cairo_rectangle(cr, 45, 60, 530, 25);
    SetColour(cr, ink::white);
    cairo_fill(cr);
    Text(cr, 62, 77, "This application helps to analyze and repair the FSX Folder Path in the Windows Registry",
        Rgb(0x000080), 10);

    // Page control: strip, line, body, page.
    const int px = 46, py = 95;
    const Raster tabs = DrawSkinTab(Look::theme);
    const Raster line = DrawSkinTabLine(Look::theme);
    cairo_save(cr);
    cairo_translate(cr, px + 1, py + tabs.Height());
    cairo_scale(cr, (529 - 2) / 8.0, 1);
    cairo_set_source_surface(cr, line.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    Tab(cr, tabs, 1, px + 10 + 68, py, 66);
    Tab(cr, tabs, 0, px + 10, py + 1, 68);
    Text(cr, px + 24, py + 16, "Get Path", Rgb(0x1E2E6E), 10, true);
    Text(cr, px + 92, py + 15, "Set Path", Rgb(0x4A5A7A), 10, true);
    const int body = py + tabs.Height() + line.Height();
    cairo_rectangle(cr, px, body, 529, 266 - 23);
    SetColour(cr, ink::white);
    cairo_fill(cr);
    cairo_rectangle(cr, px + 0.5, py + 22.5, 528, 243);
    SetColour(cr, LookBorder(Look::theme));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const int pgx = px + 3, pgy = py + 26;
    cairo_rectangle(cr, pgx, pgy, 523, 237);
    SetColour(cr, ink::page);
    cairo_fill(cr);

    Put(cr, DrawFrame(305), pgx + 29, pgy + 50);
    Put(cr, DrawFrame(150), pgx + 341, pgy + 50);
    Put(cr, DrawFrame(460), pgx + 29, pgy + 121);
    for (const auto& [x, y, w, text] : { std::tuple { 39, 45, 80, "Registry Key:" }, { 351, 45, 90, "Registry Value:" },
             { 39, 116, 160, "FSX Folder Path in Registry:" } }) {
        cairo_rectangle(cr, pgx + x, pgy + y, w, 13);
        SetColour(cr, ink::page);
        cairo_fill(cr);
        Text(cr, pgx + x + 3, pgy + y + 10, text, ink::black, 10, true);
    }
    Text(cr, pgx + 97, pgy + 28, "Retrieve the FSX folder path as recorded in the registry", ink::black, 10);
    Text(cr, pgx + 108, pgy + 210, "Launch RegEdit and search for the FSX registry entry", ink::black, 10);

    const Raster button = DrawSkinButton(Look::theme);
    const int slice = button.Width() / 3;
    auto skinButton = [&](int x, int y, int w, int h, int state, const char* caption, const Raster* glyph) {
        NinePart(cr, button, slice * state, slice, x, y, w, h);
        double tx = x + w / 2.0 - 28;
        if (glyph) {
            Put(cr, *glyph, x + 12, y + (h - 16) / 2);
            tx = x + 34;
        }
        Text(cr, tx, y + h / 2.0 + 4, caption, Rgb(0x1E2E6E), 10, true);
    };
    const Raster get = DrawButtonGlyph(ButtonGlyph::getPath);
    const Raster search = DrawButtonGlyph(ButtonGlyph::searchReg);
    skinButton(pgx + 371, pgy + 11, 120, 27, 1, "Get FSX Path", &get);
    skinButton(pgx + 371, pgy + 193, 120, 27, 0, "Search Reg", &search);
    skinButton(363, 426, 100, 27, 0, "Exit to FSX", nullptr);
    skinButton(469, 426, 100, 27, 2, "Exit", nullptr);

    Put(cr, DrawWebsiteIcon(), 158, 373);
    Text(cr, 181, 385, "Skelvor Website", ink::black, 10, true);
    Put(cr, DrawAboutIcon(), 297, 373);
    Text(cr, 321, 385, "About the Folvane", ink::black, 10, true);
    Text(cr, 93, 440, "(c) 2007 Skelvor", Rgb(0x000080), 10, true);
    return r;
}

} // namespace folvane
