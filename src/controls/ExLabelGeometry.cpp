// Vertical placement, style and effect copies, and auto-size bounds of the effect label.
#include "controls/ExLabelGeometry.h"

#include <algorithm>
#include <cstdint>

namespace folvane {

int LayoutOffset(TTextLayout layout, int labelHeight, int textHeight)
{
    switch (layout) {
    case TTextLayout::tlTop:
        return 0;
    case TTextLayout::tlCenter:
        return (labelHeight - textHeight) / 2;
    case TTextLayout::tlBottom:
        return labelHeight - textHeight;
    }
    return 0;
}

std::vector<TextCopy> StyleCopies(TExLabelStyle style, TColor fontColor, TColor light, TColor dark, TColor outline)
{
    switch (style) {
    case TExLabelStyle::ltsNormal:
        return { { 0, 0, fontColor } };
    case TExLabelStyle::ltsEmbossed:
        return { { -1, -1, light }, { 1, 1, dark }, { 0, 0, fontColor } };
    case TExLabelStyle::ltsRecessed:
        return { { -1, -1, dark }, { 1, 1, light }, { 0, 0, fontColor } };
    case TExLabelStyle::ltsOutlined:
        return { { -1, -1, outline }, { -1, 1, outline }, { 1, -1, outline }, { 1, 1, outline }, { 0, 0, fontColor } };
    }
    return {};
}

std::vector<TextCopy> ShadowCopies(TColor color, int xOffset, int yOffset)
{
    return { { xOffset, yOffset, color } };
}

namespace {

// Unit step toward the extrusion's side.
void Direction(TExExtrudePosition position, int& dx, int& dy)
{
    static constexpr int kDx[] = { -1, -1, 0, 1, 1, 1, 0, -1 };
    static constexpr int kDy[] = { 0, -1, -1, -1, 0, 1, 1, 1 };
    const auto i = static_cast<int>(position);
    dx = kDx[i];
    dy = kDy[i];
}

// Wide arithmetic: step and steps may be as large as an int gets.
std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int step, int steps)
{
    return static_cast<std::uint8_t>(from + (static_cast<std::int64_t>(to) - from) * step / steps);
}

// The farthest copy that can land on the label: one moved `reach` pixels along an axis it moves
// on lies wholly outside.
int DeepestVisibleCopy(int depth, int dx, int dy, int reachX, int reachY)
{
    int deepest = depth;
    if (dx != 0)
        deepest = std::min(deepest, reachX - 1);
    if (dy != 0)
        deepest = std::min(deepest, reachY - 1);
    return deepest;
}

} // namespace

std::vector<TextCopy> ExtrudeCopies(const ExtrudeSettings& s, int reachX, int reachY)
{
    std::vector<TextCopy> copies;
    if (s.depth <= 0)
        return copies;
    int dx = 0, dy = 0;
    Direction(s.position, dx, dy);
    for (int i = DeepestVisibleCopy(s.depth, dx, dy, reachX, reachY); i >= 1; --i) {
        const int step = s.depth - i; // 0 for the farthest copy
        TColor color = MakeColor(Mix(ColorRed(s.farColor), ColorRed(s.nearColor), step, s.depth),
            Mix(ColorGreen(s.farColor), ColorGreen(s.nearColor), step, s.depth),
            Mix(ColorBlue(s.farColor), ColorBlue(s.nearColor), step, s.depth));
        if (s.striated && step % 2 == 1)
            color = s.farColor;
        copies.push_back({ dx * i, dy * i, color });
    }
    return copies;
}

PixelRect ExLabelAutoBounds(
    const PixelRect& current, int textWidth, int textHeight, int borderWidth, TAlignment alignment)
{
    const int width = textWidth + 2 * borderWidth;
    const int height = textHeight + 2 * borderWidth;
    if (alignment == TAlignment::taRightJustify)
        return PixelRect { current.right - width, current.top, current.right, current.top + height };
    return PixelRect { current.left, current.top, current.left + width, current.top + height };
}

} // namespace folvane
