// Small pictures: button glyphs, folder glyphs, icons, status images, the cog
// and the application icon.
#include "Artwork.h"
#include "Paint.h"

#include <cmath>

namespace folvane {

namespace {

// A registry cube: a small bevelled square in the registry editor's colours.
void Cube(cairo_t* cr, double x, double y, double s, Argb colour)
{
    RoundedRect(cr, x + 0.5, y + 0.5, s - 1, s - 1, 1);
    VerticalGradient(cr, y, y + s, { { 0, Mix(colour, ink::white, 0.55) }, { 1, colour } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Mix(colour, ink::black, 0.45));
    cairo_stroke(cr);
}

// A shield filling a square box of `size` at (x, y).
void Shield(cairo_t* cr, double x, double y, double size, Argb colour)
{
    const double w = size;
    const double h = size;
    cairo_save(cr);
    cairo_move_to(cr, x + w / 2, y + 0.5);
    cairo_curve_to(cr, x + w * 0.66, y + h * 0.10, x + w * 0.85, y + h * 0.12, x + w - 1.5, y + h * 0.12);
    cairo_curve_to(cr, x + w - 1.5, y + h * 0.55, x + w * 0.80, y + h * 0.82, x + w / 2, y + h - 0.5);
    cairo_curve_to(cr, x + w * 0.20, y + h * 0.82, x + 1.5, y + h * 0.55, x + 1.5, y + h * 0.12);
    cairo_curve_to(cr, x + w * 0.15, y + h * 0.12, x + w * 0.34, y + h * 0.10, x + w / 2, y + 0.5);
    cairo_close_path(cr);
    VerticalGradient(
        cr, y, y + h, { { 0, Mix(colour, ink::white, 0.45) }, { 0.55, colour }, { 1, Mix(colour, ink::black, 0.2) } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Mix(colour, ink::black, 0.4));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void TreeIcon(cairo_t* cr, bool plus)
{
    // Connectors, dotted as in the registry editor's tree.
    SetColour(cr, ink::steel);
    for (int y = 8; y <= 13; y += 2)
        cairo_rectangle(cr, 3, y, 1, 1);
    for (int x = 5; x <= 8; x += 2) {
        cairo_rectangle(cr, x, 8, 1, 1);
        cairo_rectangle(cr, x, 13, 1, 1);
    }
    cairo_fill(cr);
    // The expand box with plus or minus.
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 0.5, 0.5, 6, 6);
    VerticalGradient(cr, 0, 7, { { 0, ink::white }, { 1, ink::bluePale } });
    cairo_fill_preserve(cr);
    SetColour(cr, ink::blueDark);
    cairo_stroke(cr);
    cairo_rectangle(cr, 2, 3, 3, 1);
    if (plus)
        cairo_rectangle(cr, 3, 2, 1, 3);
    SetColour(cr, ink::navy);
    cairo_fill(cr);
    // Child nodes.
    Cube(cr, 10, 5, 6, ink::blue);
    Cube(cr, 10, 10, 6, Rgb(0x3E9E9A));
}

void ScissorsIcon(cairo_t* cr)
{
    // Blades: two slim wedges crossing at the pivot.
    for (int side : { -1, 1 }) {
        cairo_move_to(cr, 8 + side * 1.2, 9.5);
        cairo_line_to(cr, 8 - side * 4.6, 0.5);
        cairo_line_to(cr, 8 - side * 3.0, 0.8);
        cairo_line_to(cr, 8 + side * 2.6, 9.0);
        cairo_close_path(cr);
        VerticalGradient(cr, 0, 10, { { 0, ink::white }, { 1, ink::steel } });
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.8);
        SetColour(cr, ink::graphite);
        cairo_stroke(cr);
    }
    // Handles.
    cairo_set_line_width(cr, 2);
    for (double cx : { 4.5, 11.5 }) {
        cairo_arc(cr, cx, 12.5, 2.4, 0, 2 * M_PI);
        SetColour(cr, ink::red);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 8, 8.6, 1, 0, 2 * M_PI);
    SetColour(cr, ink::graphite);
    cairo_fill(cr);
}

void ClipboardIcon(cairo_t* cr)
{
    RoundedRect(cr, 1.5, 2.5, 13, 13, 1.5);
    VerticalGradient(cr, 2, 16, { { 0, Rgb(0xC99A5B) }, { 1, Rgb(0x9C6D32) } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Rgb(0x6E4A1E));
    cairo_stroke(cr);
    cairo_rectangle(cr, 3.5, 4.5, 9, 10);
    SetColour(cr, ink::white);
    cairo_fill_preserve(cr);
    SetColour(cr, Rgb(0xA58D6B));
    cairo_stroke(cr);
    SetColour(cr, Rgb(0xA9B8D0));
    for (double y = 7.5; y < 14; y += 2) {
        cairo_move_to(cr, 5, y);
        cairo_line_to(cr, 11, y);
    }
    cairo_stroke(cr);
    // The clip.
    RoundedRect(cr, 5.5, 0.5, 5, 4, 1);
    VerticalGradient(cr, 0, 5, { { 0, ink::silver }, { 1, ink::steel } });
    cairo_fill_preserve(cr);
    SetColour(cr, ink::graphite);
    cairo_stroke(cr);
}

void BinocularsIcon(cairo_t* cr)
{
    cairo_set_line_width(cr, 1);
    // Bridge.
    cairo_rectangle(cr, 6.5, 5.5, 3, 3);
    SetColour(cr, ink::graphite);
    cairo_fill(cr);
    for (double cx : { 4.0, 12.0 }) {
        // Eyepiece, then barrel.
        RoundedRect(cr, cx - 2.5, 1.5, 5, 4, 1);
        VerticalGradient(cr, 1, 6, { { 0, Rgb(0x8A93A4) }, { 1, ink::graphite } });
        cairo_fill_preserve(cr);
        SetColour(cr, Rgb(0x23293A));
        cairo_stroke(cr);
        RoundedRect(cr, cx - 3.5, 4.5, 7, 10, 2);
        VerticalGradient(cr, 4, 15, { { 0, Rgb(0x6B7486) }, { 0.5, ink::graphite }, { 1, Rgb(0x2C3242) } });
        cairo_fill_preserve(cr);
        SetColour(cr, Rgb(0x23293A));
        cairo_stroke(cr);
        // Lens with a glint.
        cairo_arc(cr, cx, 11.5, 2.2, 0, 2 * M_PI);
        RadialGradient(cr, cx - 0.8, 10.7, 0, 2.6, { { 0, Rgb(0xCFE3FF) }, { 0.5, ink::blue }, { 1, ink::navyDeep } });
        cairo_fill(cr);
    }
}

void TwoDocumentsIcon(cairo_t* cr)
{
    Document(cr, 1, 0, 10, 12, true);
    Document(cr, 5, 4, 10, 12, true);
}

} // namespace

Raster DrawButtonGlyph(ButtonGlyph which)
{
    Raster r(16, 16);
    cairo_t* cr = r.Cr();
    switch (which) {
    case ButtonGlyph::getPath:
    case ButtonGlyph::setPath:
        Document(cr, 1, 0, 11, 15, true);
        Arrow(cr, 11.5, 5, 15.5, 8, which == ButtonGlyph::getPath, ink::green, ink::greenDark);
        break;
    case ButtonGlyph::searchReg:
        Cube(cr, 0, 10, 6, ink::blue);
        Cube(cr, 5, 10, 6, Rgb(0x3E9E9A));
        Cube(cr, 2.5, 5, 6, Rgb(0xD98A2B));
        Magnifier(cr, 10, 5.5, 4, 3.2, 1.3);
        break;
    }
    return r;
}

Raster DrawFolderArrowGlyph()
{
    Raster r(13, 12);
    cairo_t* cr = r.Cr();
    Folder(cr, 0, 3, 13, 9, true);
    // Arrow into the folder, pointing down.
    Arrow(cr, 9.5, 0, 6.5, 5, true, ink::blue, ink::blueDark);
    return r;
}

Raster DrawFolderGlyph()
{
    Raster r(13, 11);
    Folder(r.Cr(), 0, 1, 13, 10, false);
    return r;
}

Raster DrawWebsiteIcon()
{
    Raster r(16, 16);
    cairo_t* cr = r.Cr();
    const double cx = 7, cy = 7, rad = 6.5;
    cairo_arc(cr, cx, cy, rad, 0, 2 * M_PI);
    RadialGradient(
        cr, cx - 2.5, cy - 2.5, 0, rad * 1.5, { { 0, Rgb(0xBFE0FF) }, { 0.55, ink::blue }, { 1, ink::navy } });
    cairo_fill(cr);
    // Meridians and parallels.
    cairo_save(cr);
    cairo_arc(cr, cx, cy, rad - 0.5, 0, 2 * M_PI);
    cairo_clip(cr);
    cairo_set_line_width(cr, 0.9);
    SetColour(cr, WithAlpha(ink::white, 0.75));
    cairo_move_to(cr, cx, cy - rad);
    cairo_line_to(cr, cx, cy + rad);
    cairo_move_to(cr, cx - rad, cy);
    cairo_line_to(cr, cx + rad, cy);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 0.5, 1);
    cairo_arc(cr, 0, 0, rad, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_stroke(cr);
    for (double dy : { -3.3, 3.3 }) {
        cairo_move_to(cr, cx - rad, cy + dy);
        cairo_line_to(cr, cx + rad, cy + dy);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, rad - 0.5, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1);
    SetColour(cr, ink::navyDeep);
    cairo_stroke(cr);
    Magnifier(cr, 11.2, 11.2, 2.6, 2.2, 1.1);
    return r;
}

Raster DrawAboutIcon()
{
    Raster r(16, 16);
    cairo_t* cr = r.Cr();
    GearPath(cr, 8, 8, 7.6, 5.6, 8, 2.3);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    VerticalGradient(cr, 0, 16, { { 0, Rgb(0x8FB2EA) }, { 1, ink::blueDark } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, ink::navyDeep);
    cairo_stroke(cr);
    cairo_arc(cr, 8, 8, 4.2, 0, 2 * M_PI);
    SetColour(cr, WithAlpha(ink::white, 0.35));
    cairo_stroke(cr);
    return r;
}

Raster DrawMenuIcon(int index)
{
    Raster r(16, 16);
    cairo_t* cr = r.Cr();
    switch (index) {
    case 0:
        TreeIcon(cr, true);
        break;
    case 1:
        TreeIcon(cr, false);
        break;
    case 2:
        TwoDocumentsIcon(cr);
        break;
    case 3:
        ScissorsIcon(cr);
        break;
    case 4:
        ClipboardIcon(cr);
        break;
    default:
        BinocularsIcon(cr);
        break;
    }
    return r;
}

Raster DrawStatusIcon(int index)
{
    Raster r(24, 24);
    cairo_t* cr = r.Cr();
    switch (index) {
    case 0:
        Document(cr, 2, 1, 15, 20, true);
        Magnifier(cr, 15, 14, 5, 4, 1.6);
        break;
    case 1:
        Shield(cr, 1, 1, 22, ink::green);
        Tick(cr, 6, 5.5, 12, ink::white, 2.6);
        break;
    default:
        Shield(cr, 1, 1, 22, ink::red);
        Cross(cr, 8.5, 7.5, 7, ink::white, 2.6);
        break;
    }
    return r;
}

Raster DrawCog(int size)
{
    Raster r(size, size);
    cairo_t* cr = r.Cr();
    const double s = size / 48.0;
    const double c = size / 2.0;
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    GearPath(cr, c, c, 23.2 * s, 18.2 * s, 12, 6.5 * s);
    cairo_pattern_t* metal = cairo_pattern_create_linear(0, 0, size, size);
    cairo_pattern_add_color_stop_rgb(metal, 0.0, 0.96, 0.97, 0.99);
    cairo_pattern_add_color_stop_rgb(metal, 0.45, 0.78, 0.81, 0.86);
    cairo_pattern_add_color_stop_rgb(metal, 0.55, 0.70, 0.73, 0.79);
    cairo_pattern_add_color_stop_rgb(metal, 1.0, 0.50, 0.54, 0.61);
    cairo_set_source(cr, metal);
    cairo_pattern_destroy(metal);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2 * s);
    SetColour(cr, Rgb(0x5E6675));
    cairo_stroke(cr);
    // Raised hub: a ring lit from the top left.
    cairo_arc(cr, c, c, 12.5 * s, 0, 2 * M_PI);
    cairo_arc_negative(cr, c, c, 6.5 * s, 2 * M_PI, 0);
    cairo_pattern_t* hub = cairo_pattern_create_linear(0, c - 12.5 * s, 0, c + 12.5 * s);
    cairo_pattern_add_color_stop_rgb(hub, 0, 0.66, 0.70, 0.76);
    cairo_pattern_add_color_stop_rgb(hub, 1, 0.93, 0.95, 0.98);
    cairo_set_source(cr, hub);
    cairo_pattern_destroy(hub);
    cairo_fill(cr);
    cairo_arc(cr, c, c, 12.5 * s, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1.0 * s);
    SetColour(cr, WithAlpha(Rgb(0x5E6675), 0.7));
    cairo_stroke(cr);
    cairo_arc(cr, c, c, 6.5 * s + 0.5, 0, 2 * M_PI);
    SetColour(cr, Rgb(0x5E6675));
    cairo_stroke(cr);
    // Specular glint on the upper left teeth.
    cairo_save(cr);
    GearPath(cr, c, c, 23.2 * s, 18.2 * s, 12, 6.5 * s);
    cairo_clip(cr);
    RadialGradient(
        cr, c - 9 * s, c - 11 * s, 0, 16 * s, { { 0, WithAlpha(ink::white, 0.7) }, { 1, WithAlpha(ink::white, 0) } });
    cairo_paint(cr);
    cairo_restore(cr);
    return r;
}

Raster DrawAppIcon(int size)
{
    Raster r(size, size);
    cairo_t* cr = r.Cr();
    const double s = size / 32.0;
    RoundedRect(cr, 0.5, 0.5, size - 1, size - 1, 6 * s);
    VerticalGradient(cr, 0, size, { { 0, Rgb(0x4A66C4) }, { 1, ink::navyDeep } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Rgb(0x141D4C));
    cairo_stroke(cr);
    RoundedRect(cr, 1.5, 1.5, size - 3, size - 3, 5 * s);
    VerticalGradient(cr, 0, size, { { 0, WithAlpha(ink::white, 0.45) }, { 0.5, WithAlpha(ink::white, 0.0) } });
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, std::round(5 * s), std::round(8 * s));
    cairo_scale(cr, s, s);
    Folder(cr, 0, 0, 22, 17, true);
    cairo_restore(cr);
    if (size >= 24) {
        const double bx = 23 * s, by = 23 * s, br = 6.5 * s;
        cairo_arc(cr, bx, by, br, 0, 2 * M_PI);
        VerticalGradient(cr, by - br, by + br, { { 0, ink::greenLight }, { 1, ink::greenDark } });
        cairo_fill_preserve(cr);
        SetColour(cr, Rgb(0x14501F));
        cairo_stroke(cr);
        Tick(cr, bx - br * 0.62, by - br * 0.6, br * 1.2, ink::white, 1.6 * s);
    }
    return r;
}

} // namespace folvane
