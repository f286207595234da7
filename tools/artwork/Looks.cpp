// The skinned controls' looks: the main window's theme and the five built-in
// styles. Every look is a table of colours and sizes fed to the same shape
// drawers, so the styles differ in palette and proportion, not in technique.
#include "Artwork.h"
#include "Paint.h"

namespace folvane {

namespace {

struct FaceColours {
    Argb top;
    Argb bottom;
    Argb border;
    Argb glow; // inner ring; alpha 0 for none
};

struct LookTraits {
    int buttonSlice;
    int buttonHeight;
    double radius;
    bool glossy; // hard highlight edge across the middle
    FaceColours normal, hot, down;
    bool transparent; // corners keyed with magenta
    Argb background; // under the corners of opaque looks
    Argb matte; // expected parent behind keyed corners
    // Tabs: two slices of three cells each.
    int tabCell;
    int tabHeight;
    Argb activeTop, activeBottom, inactiveTop, inactiveBottom, tabBorder, accent;
    Argb body; // the page control's body colour below the tab line
    int scrollSize;
};

const LookTraits& TraitsOf(Look look)
{
    static const LookTraits theme { 60, 27, 5, false,
        { ink::white, Rgb(0xD3E2F6), Rgb(0x6E8EC6), WithAlpha(ink::white, 0.9) },
        { ink::white, Rgb(0xBDD5F7), Rgb(0x3F74D0), WithAlpha(Rgb(0xCFE1FF), 1) },
        { Rgb(0xB5CAEA), Rgb(0xDCE8F8), Rgb(0x2E59A6), 0 }, true, 0, Rgb(0xE2EBF6), 8, 21, ink::white, ink::white,
        Rgb(0xE9F0FA), Rgb(0xCBDAEF), Rgb(0x8EA6CC), ink::blue, ink::white, 15 };
    static const LookTraits pearl { 74, 21, 4, true,
        { ink::white, Rgb(0xE1E4E9), Rgb(0x9CA3AE), WithAlpha(ink::white, 1) },
        { ink::white, Rgb(0xD9E5F4), Rgb(0x6C96D0), WithAlpha(ink::white, 1) },
        { Rgb(0xD0D5DD), Rgb(0xEEF0F3), Rgb(0x868E9C), 0 }, true, 0, Rgb(0xE7E7E7), 8, 20, ink::white, Rgb(0xE7E7E7),
        Rgb(0xF2F3F5), Rgb(0xD3D7DD), Rgb(0x8F959F), Rgb(0xB8BEC8), Rgb(0xE7E7E7), 15 };
    static const LookTraits frost { 18, 21, 3, false, { ink::white, Rgb(0xE8E3D3), Rgb(0x2C5594), 0 },
        { ink::white, Rgb(0xEDE7D6), Rgb(0x2C5594), WithAlpha(Rgb(0xF5B445), 1) },
        { Rgb(0xE0D9C6), Rgb(0xF5F2EA), Rgb(0x2C5594), 0 }, false, Rgb(0xEFEBDE), Rgb(0xEFEBDE), 8, 20, ink::white,
        ink::white, Rgb(0xFCFBF7), Rgb(0xE6E0CF), Rgb(0x91A7B4), Rgb(0xF0A030), ink::white, 15 };
    static const LookTraits marine { 84, 23, 4, true,
        { Rgb(0xEEF6FD), Rgb(0xB3CFEE), Rgb(0x2A4F8F), WithAlpha(ink::white, 0.9) },
        { Rgb(0xF6FBFF), Rgb(0x98C3EF), Rgb(0x1D5BBA), WithAlpha(ink::white, 1) },
        { Rgb(0xA4C2E6), Rgb(0xD4E5F7), Rgb(0x1F3F78), 0 }, false, Rgb(0xE8E8E8), Rgb(0xE8E8E8), 8, 20, ink::white,
        Rgb(0xE8E8E8), Rgb(0xDAE7F6), Rgb(0xA9C3E6), Rgb(0x2A4F8F), ink::navy, Rgb(0xE8E8E8), 16 };
    static const LookTraits coral { 74, 21, 10, false,
        { Rgb(0xFFF5F0), Rgb(0xF6C5B0), Rgb(0xC25E3D), WithAlpha(ink::white, 0.8) },
        { Rgb(0xFFF9F6), Rgb(0xFFB190), Rgb(0xD8522A), WithAlpha(ink::white, 1) },
        { Rgb(0xEFB198), Rgb(0xFCE0D4), Rgb(0xA84A2E), 0 }, false, Rgb(0xFBFBFB), Rgb(0xFBFBFB), 8, 20, ink::white,
        Rgb(0xFBFBFB), Rgb(0xFFEDE5), Rgb(0xF4C3AE), Rgb(0xC25E3D), Rgb(0xE0683F), Rgb(0xFBFBFB), 16 };
    static const LookTraits glass { 77, 27, 7, true,
        { Rgb(0xF8FBFF), Rgb(0xCBDAF0), Rgb(0x7890B8), WithAlpha(ink::white, 1) },
        { Rgb(0xF0F7FF), Rgb(0xAFCDF4), Rgb(0x4A7ED0), WithAlpha(ink::white, 1) },
        { Rgb(0xBFD0EB), Rgb(0xDCE7F7), Rgb(0x58729F), 0 }, true, 0, Rgb(0xE7E7E7), 8, 20, ink::white, Rgb(0xE7E7E7),
        Rgb(0xF1F6FC), Rgb(0xD0DDF0), Rgb(0x7890B8), Rgb(0x9FB8DE), Rgb(0xE7E7E7), 16 };
    switch (look) {
    case Look::theme:
        return theme;
    case Look::pearl:
        return pearl;
    case Look::frost:
        return frost;
    case Look::marine:
        return marine;
    case Look::coral:
        return coral;
    case Look::glass:
    default:
        return glass;
    }
}

void ButtonFace(cairo_t* cr, double x, double w, double h, const LookTraits& traits, const FaceColours& c, bool pressed)
{
    RoundedRect(cr, x + 0.5, 0.5, w - 1, h - 1, traits.radius);
    if (traits.glossy && !pressed) {
        VerticalGradient(cr, 0, h,
            { { 0, Mix(c.top, ink::white, 0.5) }, { 0.48, c.top }, { 0.52, Mix(c.top, c.bottom, 0.55) },
                { 1, c.bottom } });
    } else {
        VerticalGradient(cr, 0, h, { { 0, c.top }, { 1, c.bottom } });
    }
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, c.border);
    cairo_stroke(cr);
    if (AlphaOf(c.glow) > 0) {
        RoundedRect(cr, x + 1.5, 1.5, w - 3, h - 3, traits.radius - 1);
        VerticalGradient(cr, 0, h, { { 0, c.glow }, { 1, WithAlpha(c.glow, AlphaOf(c.glow) / 255.0 * 0.35) } });
        cairo_stroke(cr);
    }
    if (pressed) {
        // Shade along the top edge: the face sits lower than its frame.
        RoundedRect(cr, x + 1.5, 1.5, w - 3, h - 3, traits.radius - 1);
        VerticalGradient(cr, 1, 6, { { 0, WithAlpha(ink::navyDeep, 0.22) }, { 1, WithAlpha(ink::navyDeep, 0) } });
        cairo_stroke(cr);
    }
}

void ArrowHead(cairo_t* cr, double cx, double cy, double size, bool right, Argb colour)
{
    const double d = right ? 1 : -1;
    cairo_move_to(cr, cx - d * size * 0.35, cy - size * 0.6);
    cairo_line_to(cr, cx + d * size * 0.45, cy);
    cairo_line_to(cr, cx - d * size * 0.35, cy + size * 0.6);
    cairo_close_path(cr);
    SetColour(cr, colour);
    cairo_fill(cr);
}

} // namespace

bool LookTransparent(Look look)
{
    return TraitsOf(look).transparent;
}
Argb LookMatte(Look look)
{
    return TraitsOf(look).matte;
}
Argb LookBody(Look look)
{
    return TraitsOf(look).body;
}
Argb LookBorder(Look look)
{
    return TraitsOf(look).tabBorder;
}

Raster DrawSkinButton(Look look)
{
    const LookTraits& traits = TraitsOf(look);
    const int w = traits.buttonSlice;
    const int h = traits.buttonHeight;
    Raster r(w * 3, h);
    cairo_t* cr = r.Cr();
    if (!traits.transparent) {
        cairo_rectangle(cr, 0, 0, w * 3, h);
        SetColour(cr, traits.background);
        cairo_fill(cr);
    }
    ButtonFace(cr, 0, w, h, traits, traits.normal, false);
    ButtonFace(cr, w, w, h, traits, traits.hot, false);
    ButtonFace(cr, 2 * w, w, h, traits, traits.down, true);
    return r;
}

Raster DrawSkinTab(Look look)
{
    const LookTraits& traits = TraitsOf(look);
    const int w = traits.tabCell * 3;
    const int h = traits.tabHeight;
    Raster r(w * 2, h);
    cairo_t* cr = r.Cr();
    // Active tab: full height, open at the bottom, a coloured accent on top.
    TopRoundedRect(cr, 0.5, 0.5, w - 1, h + 2, 4);
    VerticalGradient(cr, 0, h, { { 0, traits.activeTop }, { 1, traits.activeBottom } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, traits.tabBorder);
    cairo_stroke(cr);
    cairo_save(cr);
    TopRoundedRect(cr, 1, 1, w - 2, 3, 3.5);
    cairo_clip(cr);
    cairo_rectangle(cr, 1, 1, w - 2, 2);
    SetColour(cr, traits.accent);
    cairo_fill(cr);
    cairo_restore(cr);
    // Inactive tab: two pixels lower, closed by the tab line below it.
    TopRoundedRect(cr, w + 0.5, 2.5, w - 1, h, 4);
    VerticalGradient(cr, 2, h, { { 0, traits.inactiveTop }, { 1, traits.inactiveBottom } });
    cairo_fill_preserve(cr);
    SetColour(cr, traits.tabBorder);
    cairo_stroke(cr);
    TopRoundedRect(cr, w + 1.5, 3.5, w - 3, h, 3);
    SetColour(cr, WithAlpha(ink::white, 0.7));
    cairo_stroke(cr);
    return r;
}

Raster DrawSkinTabLine(Look look)
{
    const LookTraits& traits = TraitsOf(look);
    Raster r(8, look == Look::theme ? 2 : 3);
    cairo_t* cr = r.Cr();
    cairo_rectangle(cr, 0, 0, 8, r.Height());
    SetColour(cr, traits.body);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, 8, 1);
    SetColour(cr, traits.tabBorder);
    cairo_fill(cr);
    return r;
}

Raster DrawSkinScrollButton(Look look)
{
    const LookTraits& traits = TraitsOf(look);
    const int s = traits.scrollSize;
    Raster r(s * 4, s);
    cairo_t* cr = r.Cr();
    for (int i = 0; i < 4; ++i) {
        const bool hot = i % 2 == 1;
        const bool right = i < 2;
        const FaceColours& c = hot ? traits.hot : traits.normal;
        LookTraits square = traits;
        square.radius = 3;
        cairo_save(cr);
        ButtonFace(cr, i * s, s, s, square, c, false);
        cairo_restore(cr);
        ArrowHead(cr, i * s + s / 2.0 + (right ? 0.5 : -0.5), s / 2.0, s * 0.45, right,
            hot ? ink::blueDark : Mix(c.border, ink::navyDeep, 0.5));
    }
    return r;
}

Raster DrawMenuChecked()
{
    Raster r(16, 16);
    cairo_t* cr = r.Cr();
    cairo_rectangle(cr, 0, 0, 16, 16);
    SetColour(cr, ink::white);
    cairo_fill(cr);
    Tick(cr, 2.5, 2.5, 11, Rgb(0x1B2B66), 2.2);
    return r;
}

Raster DrawPearlMenuBar()
{
    Raster r(8, 20);
    cairo_t* cr = r.Cr();
    cairo_rectangle(cr, 0, 0, 8, 20);
    VerticalGradient(cr, 0, 20, { { 0, ink::white }, { 0.5, Rgb(0xF4F5F8) }, { 1, Rgb(0xE6E9EE) } });
    cairo_fill(cr);
    return r;
}

Raster DrawPearlMenuSelect()
{
    Raster r(8, 20);
    cairo_t* cr = r.Cr();
    cairo_rectangle(cr, 0, 0, 8, 20);
    VerticalGradient(
        cr, 0, 20, { { 0, Rgb(0x7FA8E6) }, { 0.5, Rgb(0x3F78C8) }, { 0.5, Rgb(0x3973C4) }, { 1, Rgb(0x4F88D6) } });
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, 8, 1);
    SetColour(cr, Rgb(0x2A5598));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 19, 8, 1);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 1, 8, 1);
    SetColour(cr, WithAlpha(ink::white, 0.45));
    cairo_fill(cr);
    return r;
}

} // namespace folvane
