// Pictures of the image-list controls: the title band's buttons and the
// check-box states.
#include "Artwork.h"
#include "Paint.h"

#include <cmath>

namespace folvane {

namespace {

void TitleGlyphPath(cairo_t* cr, TitleGlyph glyph)
{
    // Glyph box: 10 x 10 at (10, 6), drawn with 2-pixel strokes.
    switch (glyph) {
    case TitleGlyph::minimise:
        cairo_rectangle(cr, 10, 13, 10, 2.5);
        cairo_fill(cr);
        break;
    case TitleGlyph::maximise:
        cairo_rectangle(cr, 10.75, 6.75, 8.5, 8.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_rectangle(cr, 10, 6, 10, 2.5);
        cairo_fill(cr);
        break;
    case TitleGlyph::restore:
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, 12.75, 6.5);
        cairo_line_to(cr, 19.25, 6.5);
        cairo_line_to(cr, 19.25, 12.5);
        cairo_stroke(cr);
        cairo_rectangle(cr, 10.75, 9.75, 6.5, 5.5);
        cairo_stroke(cr);
        cairo_rectangle(cr, 10, 9, 8, 2);
        cairo_fill(cr);
        break;
    case TitleGlyph::help:
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_arc(cr, 15, 9, 3, M_PI * 1.05, M_PI * 2.35);
        cairo_line_to(cr, 15, 12.2);
        cairo_stroke(cr);
        cairo_arc(cr, 15, 15.3, 1.3, 0, 2 * M_PI);
        cairo_fill(cr);
        break;
    case TitleGlyph::rollUp:
    case TitleGlyph::rollDown: {
        const bool up = glyph == TitleGlyph::rollUp;
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        for (double dy : { 0.0, 4.0 }) {
            const double y = up ? 12.5 - dy : 8.5 + dy;
            cairo_move_to(cr, 11, y + (up ? 2.5 : -2.5));
            cairo_line_to(cr, 15, y);
            cairo_line_to(cr, 19, y + (up ? 2.5 : -2.5));
        }
        cairo_stroke(cr);
        break;
    }
    case TitleGlyph::close:
        cairo_set_line_width(cr, 2.4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, 11.5, 7.5);
        cairo_line_to(cr, 18.5, 14.5);
        cairo_move_to(cr, 18.5, 7.5);
        cairo_line_to(cr, 11.5, 14.5);
        cairo_stroke(cr);
        break;
    }
}

struct CheckLook {
    Argb border;
    Argb top;
    Argb bottom;
    bool tick;
    Argb tickColour;
};

} // namespace

Raster DrawTitleButton(TitleGlyph glyph, TitleState state)
{
    Raster r(30, 22);
    cairo_t* cr = r.Cr();
    const bool danger = glyph == TitleGlyph::close;
    // The button body is opaque over the title band's navy, so that the mask
    // follows its outline while its look may be translucent.
    RoundedRect(cr, 0, 0, 30, 22, 5.5);
    SetColour(cr, ink::navy);
    cairo_fill(cr);

    Argb top, bottom, border;
    switch (state) {
    case TitleState::normal:
        top = Mix(ink::navy, ink::white, 0.20);
        bottom = Mix(ink::navy, ink::white, 0.06);
        border = Mix(ink::navy, ink::white, 0.32);
        break;
    case TitleState::hot:
        top = danger ? Rgb(0xF2796B) : Rgb(0x6A92EA);
        bottom = danger ? Rgb(0xC2372D) : Rgb(0x3159BE);
        border = danger ? Rgb(0xFFB4A8) : Rgb(0xA9C4F6);
        break;
    case TitleState::down:
    default:
        top = danger ? Rgb(0x8E211B) : ink::navyDeep;
        bottom = danger ? Rgb(0xB5342A) : Rgb(0x2A3C8C);
        border = danger ? Rgb(0x5E130F) : Rgb(0x111A45);
        break;
    }
    RoundedRect(cr, 0.5, 0.5, 29, 21, 5);
    VerticalGradient(cr, 0, 22, { { 0, top }, { 1, bottom } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, border);
    cairo_stroke(cr);
    if (state != TitleState::down) {
        // Gloss on the upper half.
        RoundedRect(cr, 1.5, 1.5, 27, 9, 4);
        VerticalGradient(cr, 1, 11, { { 0, WithAlpha(ink::white, 0.30) }, { 1, WithAlpha(ink::white, 0.04) } });
        cairo_fill(cr);
    }

    const double shift = state == TitleState::down ? 1 : 0;
    cairo_save(cr);
    cairo_translate(cr, shift, 1 + shift);
    SetColour(cr, WithAlpha(Rgb(0x0A1030), 0.45));
    TitleGlyphPath(cr, glyph);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, shift, shift);
    SetColour(cr, state == TitleState::normal ? Rgb(0xE8EEFA) : ink::white);
    TitleGlyphPath(cr, glyph);
    cairo_restore(cr);
    return r;
}

Raster DrawCheckBoxImage(int index)
{
    static const CheckLook looks[7] = {
        { Rgb(0x8B95A7), ink::white, Rgb(0xE3E8EF), false, 0 },
        { Rgb(0x3D72C8), Rgb(0xF3F8FF), Rgb(0xC6DAF6), false, 0 },
        { Rgb(0x3D72C8), Rgb(0xF3F8FF), Rgb(0xC6DAF6), true, Rgb(0x15245A) },
        { Rgb(0x2A8A88), Rgb(0xEEFAF8), Rgb(0xB8E2DC), true, Rgb(0x123F40) },
        { Rgb(0xC5CCD8), Rgb(0xFBFCFD), Rgb(0xF0F2F5), false, 0 },
        { Rgb(0xC5CCD8), Rgb(0xFBFCFD), Rgb(0xF0F2F5), true, Rgb(0xA3ADBE) },
        { Rgb(0xC5CCD8), Rgb(0xFBFCFD), Rgb(0xF0F2F5), true, Rgb(0xA3ADBE) },
    };
    const CheckLook& look = looks[index];
    Raster r(16, 18);
    cairo_t* cr = r.Cr();
    Panel(cr, 1, 2, 14, 14, { look.top, look.bottom, look.border, WithAlpha(ink::white, 0.8), 2.5 });
    if (look.tick)
        Tick(cr, 3, 4.5, 10, look.tickColour, 2.1);
    return r;
}

} // namespace folvane
