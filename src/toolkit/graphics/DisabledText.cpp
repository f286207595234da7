// Moved and disabled text.
#include "toolkit/graphics/DisabledText.h"

#include "toolkit/graphics/Canvas.h"

namespace folvane {

namespace {

template <typename Text>
void Shifted(TCanvas& canvas, Text text, const RECT& r, UINT flags, int dx, int dy, TColor color)
{
    RECT moved = r;
    OffsetRect(&moved, dx, dy);
    canvas.Font().SetColor(color);
    canvas.DrawText(text, moved, flags);
}

} // namespace

void DrawShiftedText(TCanvas& canvas, std::string_view text, const RECT& r, UINT flags, int dx, int dy, TColor color)
{
    Shifted(canvas, text, r, flags, dx, dy, color);
}

void DrawShiftedText(TCanvas& canvas, std::wstring_view text, const RECT& r, UINT flags, int dx, int dy, TColor color)
{
    Shifted(canvas, text, r, flags, dx, dy, color);
}

void DrawDisabledText(TCanvas& canvas, std::string_view text, const RECT& r, UINT flags, TColor light, TColor dark)
{
    Shifted(canvas, text, r, flags, 1, 1, light);
    Shifted(canvas, text, r, flags, 0, 0, dark);
}

void DrawDisabledText(TCanvas& canvas, std::wstring_view text, const RECT& r, UINT flags, TColor light, TColor dark)
{
    Shifted(canvas, text, r, flags, 1, 1, light);
    Shifted(canvas, text, r, flags, 0, 0, dark);
}

} // namespace folvane
