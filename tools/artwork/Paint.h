// Drawing vocabulary shared by every picture: the skin's colours, rounded
// shapes, gradients and the few marks (ticks, arrows, documents) that recur.
//
// One light source for the whole set: from above, slightly left. Surfaces get
// lighter towards the top, a one-pixel inner highlight along their top edge
// and a darker edge below. Strokes are one pixel at glyph sizes, aligned to
// pixel centres so that they stay crisp.
#pragma once

#include "Raster.h"

#include <initializer_list>
#include <utility>

namespace folvane {

namespace ink {
constexpr Argb navy = Rgb(0x27377F); // the title band and window frame
constexpr Argb navyDeep = Rgb(0x1A265E);
constexpr Argb navyLight = Rgb(0x3F55A6);
constexpr Argb blue = Rgb(0x2F6BD0);
constexpr Argb blueDark = Rgb(0x1F4A9A);
constexpr Argb blueLight = Rgb(0x8DB4EC);
constexpr Argb bluePale = Rgb(0xDCE8F8);
constexpr Argb blueWhite = Rgb(0xF2F7FD);
constexpr Argb greyBlue = Rgb(0x8EA2C2);
constexpr Argb greyBlueDark = Rgb(0x5D6F8F);
constexpr Argb page = Rgb(0xEDFCED); // the pages of the main window
constexpr Argb white = Rgb(0xFFFFFF);
constexpr Argb black = Rgb(0x000000);
constexpr Argb green = Rgb(0x2E9B46);
constexpr Argb greenLight = Rgb(0x6CCB7C);
constexpr Argb greenDark = Rgb(0x1E6E31);
constexpr Argb red = Rgb(0xD2433B);
constexpr Argb redLight = Rgb(0xF07F72);
constexpr Argb redDark = Rgb(0x9A2722);
constexpr Argb silver = Rgb(0xC9CED6);
constexpr Argb steel = Rgb(0x7E8796);
constexpr Argb graphite = Rgb(0x4A5262);
constexpr Argb paper = Rgb(0xFFFFFF);
constexpr Argb paperEdge = Rgb(0x7D8CA6);
constexpr Argb magenta = Rgb(0xFF00FF); // key of glyphs and skin images
constexpr Argb faceKey = Rgb(0xFF07FF); // key of the window faces
} // namespace ink

using Stops = std::initializer_list<std::pair<double, Argb>>;

Argb Mix(Argb a, Argb b, double t); // t = 0 gives a, 1 gives b
Argb WithAlpha(Argb colour, double alpha);

void SetColour(cairo_t* cr, Argb colour);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Rounded only at the top; square at the bottom.
void TopRoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Sets a vertical linear gradient from y0 to y1 as the source.
void VerticalGradient(cairo_t* cr, double y0, double y1, Stops stops);
void RadialGradient(cairo_t* cr, double cx, double cy, double r0, double r1, Stops stops);

// A rounded panel: gradient fill, one-pixel border, inner top highlight.
struct PanelStyle {
    Argb top;
    Argb bottom;
    Argb border;
    Argb highlight; // alpha carries the strength; 0 for none
    double radius;
};
void Panel(cairo_t* cr, double x, double y, double w, double h, const PanelStyle& style);

// Marks used in several glyphs, in a box of the given size at (x, y).
void Tick(cairo_t* cr, double x, double y, double size, Argb colour, double width);
void Cross(cairo_t* cr, double x, double y, double size, Argb colour, double width);
// A sheet of paper with a folded corner and a few text lines.
void Document(cairo_t* cr, double x, double y, double w, double h, bool lines);
// A thick arrow pointing down (up = false) or up, centred at cx, from y0 to y1.
void Arrow(cairo_t* cr, double cx, double y0, double y1, double width, bool down, Argb fill, Argb edge);
// A magnifier whose glass is centred at (cx, cy).
void Magnifier(cairo_t* cr, double cx, double cy, double radius, double handle, double lineWidth);
// A gear of `teeth` teeth; `hole` > 0 cuts a hole through the middle.
void GearPath(cairo_t* cr, double cx, double cy, double outer, double inner, int teeth, double hole);
// An open folder seen from the front.
void Folder(cairo_t* cr, double x, double y, double w, double h, bool open);

} // namespace folvane
