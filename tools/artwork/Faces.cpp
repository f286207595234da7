// Window faces and group frames: the large pictures the windows are cut from.
#include "Artwork.h"
#include "Paint.h"

namespace folvane {

namespace {

// The emblem drawn at the left of the main window's title band.
void Emblem(cairo_t* cr, double x, double y, double size)
{
    Raster icon = DrawAppIcon(static_cast<int>(size));
    cairo_save(cr);
    cairo_set_source_surface(cr, icon.Surface(), x, y);
    cairo_paint(cr);
    cairo_restore(cr);
}

} // namespace

Raster DrawMainFace()
{
    Raster r(620, 470);
    cairo_t* cr = r.Cr();

    // Frame: flat title-band navy, so the title buttons' squares blend in.
    RoundedRect(cr, 0, 0, 620, 470, 18);
    SetColour(cr, ink::navy);
    cairo_fill(cr);
    RoundedRect(cr, 0.5, 0.5, 619, 469, 17.5);
    cairo_set_line_width(cr, 1);
    SetColour(cr, ink::navyDeep);
    cairo_stroke(cr);
    RoundedRect(cr, 1.5, 1.5, 617, 467, 16.5);
    VerticalGradient(cr, 0, 470,
        { { 0, WithAlpha(ink::navyLight, 1) }, { 0.12, WithAlpha(ink::navyLight, 0.25) },
            { 1, WithAlpha(ink::navyLight, 0.15) } });
    cairo_stroke(cr);

    // Light title band with the emblem; the title text lies on it.
    RoundedRect(cr, 10, 7, 404, 36, 11);
    SetColour(cr, WithAlpha(ink::navyDeep, 0.9));
    cairo_fill(cr);
    Panel(cr, 11, 7, 402, 35, { Rgb(0xFFFFFF), Rgb(0xD3E1F5), Rgb(0x9FB6DC), WithAlpha(ink::white, 1), 10 });
    cairo_rectangle(cr, 12, 26, 400, 15);
    VerticalGradient(cr, 26, 41, { { 0, WithAlpha(Rgb(0xC4D6F1), 0) }, { 1, WithAlpha(Rgb(0xB5CBEE), 0.5) } });
    cairo_fill(cr);
    Emblem(cr, 26, 9, 32);

    // Work area, white, set into the frame by a dark line outside it.
    RoundedRect(cr, 21, 49, 578, 355, 11);
    SetColour(cr, ink::navyDeep);
    cairo_fill(cr);
    Panel(cr, 22, 50, 576, 353, { ink::white, ink::white, Rgb(0xA9BCDD), 0, 10 });
    // A soft shade under its top edge sets the area into the frame.
    cairo_save(cr);
    RoundedRect(cr, 23, 51, 574, 351, 9);
    cairo_clip(cr);
    cairo_rectangle(cr, 23, 51, 574, 5);
    VerticalGradient(cr, 51, 56, { { 0, WithAlpha(Rgb(0x4A6296), 0.16) }, { 1, WithAlpha(Rgb(0x4A6296), 0) } });
    cairo_fill(cr);
    cairo_restore(cr);

    // Bottom left: the maker's panel, white.
    RoundedRect(cr, 21, 411, 328, 51, 11);
    SetColour(cr, ink::navyDeep);
    cairo_fill(cr);
    Panel(cr, 22, 412, 326, 49, { ink::white, Rgb(0xF3F7FC), Rgb(0xA9BCDD), 0, 10 });

    // Bottom right: the command panel, light blue.
    RoundedRect(cr, 353, 411, 246, 51, 11);
    SetColour(cr, ink::navyDeep);
    cairo_fill(cr);
    Panel(cr, 354, 412, 244, 49, { Rgb(0xEEF4FC), Rgb(0xC9DBF3), Rgb(0x93ACD6), WithAlpha(ink::white, 0.9), 10 });
    return r;
}

Raster DrawDialogFace()
{
    Raster r(440, 190);
    cairo_t* cr = r.Cr();
    RoundedRect(cr, 0, 0, 440, 190, 12);
    VerticalGradient(cr, 0, 190, { { 0, ink::white }, { 1, Rgb(0xF0F4FA) } });
    cairo_fill(cr);

    // Footer band for the button.
    cairo_save(cr);
    RoundedRect(cr, 0, 0, 440, 190, 12);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 138, 440, 52);
    VerticalGradient(cr, 138, 190, { { 0, Rgb(0xE8EFF9) }, { 1, Rgb(0xD9E5F5) } });
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 138, 440, 1);
    SetColour(cr, Rgb(0xC3D2E8));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 139, 440, 1);
    SetColour(cr, ink::white);
    cairo_fill(cr);
    // Accent stripe across the top, in the main window's navy.
    cairo_rectangle(cr, 0, 0, 440, 5);
    VerticalGradient(cr, 0, 5, { { 0, ink::navyLight }, { 1, ink::navy } });
    cairo_fill(cr);
    cairo_restore(cr);

    RoundedRect(cr, 0.5, 0.5, 439, 189, 11.5);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Rgb(0x8597B5));
    cairo_stroke(cr);
    return r;
}

Raster DrawFrame(int width)
{
    Raster r(width, 64);
    cairo_t* cr = r.Cr();
    cairo_rectangle(cr, 0, 0, width, 64);
    SetColour(cr, ink::page);
    cairo_fill(cr);
    // Soft shadow one pixel below, then the frame; its top border lies on
    // row 1, where the caption label covers it.
    RoundedRect(cr, 0.5, 2.5, width - 1, 61, 6);
    SetColour(cr, WithAlpha(Rgb(0x6A8A6A), 0.18));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    RoundedRect(cr, 0.5, 1.5, width - 1, 61, 6);
    VerticalGradient(cr, 1, 63, { { 0, ink::white }, { 1, Rgb(0xF1F6FC) } });
    cairo_fill_preserve(cr);
    SetColour(cr, Rgb(0x97ABCB));
    cairo_stroke(cr);
    return r;
}

} // namespace folvane
