// Shapes, gradients and recurring marks of the skin.
#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace folvane {

namespace {

void AddStops(cairo_pattern_t* pattern, Stops stops)
{
    for (const auto& [offset, colour] : stops)
        cairo_pattern_add_color_stop_rgba(pattern, offset, RedOf(colour) / 255.0, GreenOf(colour) / 255.0,
            BlueOf(colour) / 255.0, AlphaOf(colour) / 255.0);
}

} // namespace

Argb Mix(Argb a, Argb b, double t)
{
    auto lerp = [t](int x, int y) { return static_cast<std::uint32_t>(std::lround(x + (y - x) * t)); };
    return (lerp(AlphaOf(a), AlphaOf(b)) << 24) | (lerp(RedOf(a), RedOf(b)) << 16) | (lerp(GreenOf(a), GreenOf(b)) << 8)
        | lerp(BlueOf(a), BlueOf(b));
}

Argb WithAlpha(Argb colour, double alpha)
{
    return (static_cast<std::uint32_t>(std::lround(std::clamp(alpha, 0.0, 1.0) * 255)) << 24) | (colour & 0xFFFFFF);
}

void SetColour(cairo_t* cr, Argb colour)
{
    cairo_set_source_rgba(
        cr, RedOf(colour) / 255.0, GreenOf(colour) / 255.0, BlueOf(colour) / 255.0, AlphaOf(colour) / 255.0);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({ r, w / 2, h / 2 });
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void TopRoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({ r, w / 2, h });
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, Stops stops)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    AddStops(pattern, stops);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

void RadialGradient(cairo_t* cr, double cx, double cy, double r0, double r1, Stops stops)
{
    cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    AddStops(pattern, stops);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

void Panel(cairo_t* cr, double x, double y, double w, double h, const PanelStyle& style)
{
    cairo_save(cr);
    RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, style.radius);
    VerticalGradient(cr, y, y + h, { { 0, style.top }, { 1, style.bottom } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, style.border);
    cairo_stroke(cr);
    if (AlphaOf(style.highlight) > 0) {
        RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, std::max(0.0, style.radius - 1));
        VerticalGradient(cr, y, y + h, { { 0, style.highlight }, { 0.5, WithAlpha(style.highlight, 0) } });
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Tick(cairo_t* cr, double x, double y, double size, Argb colour, double width)
{
    cairo_save(cr);
    cairo_move_to(cr, x + size * 0.12, y + size * 0.52);
    cairo_line_to(cr, x + size * 0.40, y + size * 0.80);
    cairo_line_to(cr, x + size * 0.90, y + size * 0.18);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColour(cr, colour);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Cross(cairo_t* cr, double x, double y, double size, Argb colour, double width)
{
    cairo_save(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + size, y + size);
    cairo_move_to(cr, x + size, y);
    cairo_line_to(cr, x, y + size);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, colour);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Document(cairo_t* cr, double x, double y, double w, double h, bool lines)
{
    const double fold = std::round(w * 0.36);
    cairo_save(cr);
    cairo_set_line_width(cr, 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_move_to(cr, x + 0.5, y + 0.5);
    cairo_line_to(cr, x + w - fold - 0.5, y + 0.5);
    cairo_line_to(cr, x + w - 0.5, y + fold + 0.5);
    cairo_line_to(cr, x + w - 0.5, y + h - 0.5);
    cairo_line_to(cr, x + 0.5, y + h - 0.5);
    cairo_close_path(cr);
    VerticalGradient(cr, y, y + h, { { 0, ink::paper }, { 1, Rgb(0xE6EDF7) } });
    cairo_fill_preserve(cr);
    SetColour(cr, ink::paperEdge);
    cairo_stroke(cr);
    // The folded corner.
    cairo_move_to(cr, x + w - fold - 0.5, y + 0.5);
    cairo_line_to(cr, x + w - fold - 0.5, y + fold + 0.5);
    cairo_line_to(cr, x + w - 0.5, y + fold + 0.5);
    cairo_close_path(cr);
    SetColour(cr, Rgb(0xD3DDEC));
    cairo_fill_preserve(cr);
    SetColour(cr, ink::paperEdge);
    cairo_stroke(cr);
    if (lines) {
        SetColour(cr, Rgb(0xA9B8D0));
        for (double ly = y + fold + 2.5; ly < y + h - 2; ly += 2) {
            cairo_move_to(cr, x + 2.5, ly);
            cairo_line_to(cr, x + w - 2.5, ly);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Arrow(cairo_t* cr, double cx, double y0, double y1, double width, bool down, Argb fill, Argb edge)
{
    const double dir = down ? 1 : -1;
    const double tipY = down ? y1 : y0;
    const double baseY = down ? y0 : y1;
    const double head = width * 0.5 + 0.5;
    const double shaft = width * 0.25;
    const double neckY = tipY - dir * head;
    cairo_save(cr);
    cairo_move_to(cr, cx - shaft, baseY);
    cairo_line_to(cr, cx + shaft, baseY);
    cairo_line_to(cr, cx + shaft, neckY);
    cairo_line_to(cr, cx + width / 2, neckY);
    cairo_line_to(cr, cx, tipY);
    cairo_line_to(cr, cx - width / 2, neckY);
    cairo_line_to(cr, cx - shaft, neckY);
    cairo_close_path(cr);
    VerticalGradient(cr, std::min(y0, y1), std::max(y0, y1), { { 0, Mix(fill, ink::white, 0.35) }, { 1, fill } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColour(cr, edge);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Magnifier(cairo_t* cr, double cx, double cy, double radius, double handle, double lineWidth)
{
    cairo_save(cr);
    const double d = radius * std::sqrt(0.5);
    // Handle first, so the rim covers its start.
    cairo_move_to(cr, cx + d, cy + d);
    cairo_line_to(cr, cx + d + handle, cy + d + handle);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, lineWidth * 2.2);
    SetColour(cr, ink::graphite);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    RadialGradient(cr, cx - radius * 0.35, cy - radius * 0.35, 0, radius * 1.2,
        { { 0, WithAlpha(ink::white, 0.95) }, { 1, WithAlpha(Rgb(0xB9D3F5), 0.85) } });
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, lineWidth);
    SetColour(cr, ink::graphite);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void GearPath(cairo_t* cr, double cx, double cy, double outer, double inner, int teeth, double hole)
{
    const double step = 2 * M_PI / teeth;
    cairo_new_sub_path(cr);
    for (int i = 0; i < teeth; ++i) {
        const double a = i * step - M_PI / 2;
        // Tooth: flat top over 36 % of the step, flanks over 14 % each.
        const double pts[4][2] = { { a - step * 0.32, inner }, { a - step * 0.18, outer }, { a + step * 0.18, outer },
            { a + step * 0.32, inner } };
        for (const auto& p : pts) {
            const double px = cx + std::cos(p[0]) * p[1];
            const double py = cy + std::sin(p[0]) * p[1];
            if (i == 0 && &p == &pts[0])
                cairo_move_to(cr, px, py);
            else
                cairo_line_to(cr, px, py);
        }
        cairo_arc(cr, cx, cy, inner, a + step * 0.32, a + step * 0.68);
    }
    cairo_close_path(cr);
    if (hole > 0) {
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, cx, cy, hole, 2 * M_PI, 0);
        cairo_close_path(cr);
    }
}

void Folder(cairo_t* cr, double x, double y, double w, double h, bool open)
{
    cairo_save(cr);
    cairo_set_line_width(cr, 1);
    const Argb edge = Rgb(0xB07A12);
    // Back with its tab.
    cairo_move_to(cr, x + 0.5, y + h - 0.5);
    cairo_line_to(cr, x + 0.5, y + 0.5);
    cairo_line_to(cr, x + w * 0.4, y + 0.5);
    cairo_line_to(cr, x + w * 0.4 + 1.5, y + 2.5);
    cairo_line_to(cr, x + w - 1.5, y + 2.5);
    cairo_line_to(cr, x + w - 1.5, y + h - 0.5);
    cairo_close_path(cr);
    VerticalGradient(cr, y, y + h, { { 0, Rgb(0xF6D67A) }, { 1, Rgb(0xE2AE3A) } });
    cairo_fill_preserve(cr);
    SetColour(cr, edge);
    cairo_stroke(cr);
    // Front flap, tilted when open.
    const double lift = open ? 2.0 : 0.0;
    cairo_move_to(cr, x + 0.5 + lift, y + h * 0.38 + 0.5);
    cairo_line_to(cr, x + w - 0.5, y + h * 0.38 + 0.5);
    cairo_line_to(cr, x + w - 0.5 - lift, y + h - 0.5);
    cairo_line_to(cr, x + 0.5, y + h - 0.5);
    cairo_close_path(cr);
    VerticalGradient(cr, y + h * 0.38, y + h, { { 0, Rgb(0xFFE9A6) }, { 1, Rgb(0xF0C14E) } });
    cairo_fill_preserve(cr);
    SetColour(cr, edge);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace folvane
