// Rules of the effect label that need no device: where the text block goes vertically, which
// coloured copies of the text a style and an effect draw (and where), and the bounds an
// auto-sized label takes. The Win32 label measures and draws; these decide.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/PixelRect.h"

#include <vector>

namespace folvane {

enum class TExLabelStyle { ltsNormal, ltsEmbossed, ltsRecessed, ltsOutlined };
enum class TExLabelEffect { lesNone, lesShadow, lesExtrude };
enum class TExExtrudePosition {
    lepLeft,
    lepLeftTop,
    lepTop,
    lepRightTop,
    lepRight,
    lepRightBottom,
    lepBottom,
    lepLeftBottom,
};

// One copy of the caption: drawn moved by (dx, dy) in `color`.
struct TextCopy {
    int dx = 0;
    int dy = 0;
    TColor color = clBlack;
    bool operator==(const TextCopy&) const = default;
};

// How far the text rectangle moves down for a vertical layout (the centre truncated).
int LayoutOffset(TTextLayout layout, int labelHeight, int textHeight);

// The copies of an enabled label's style, in drawing order, the last one in the font colour.
std::vector<TextCopy> StyleCopies(TExLabelStyle style, TColor fontColor, TColor light, TColor dark, TColor outline);

struct ExtrudeSettings {
    int depth = 10;
    TExExtrudePosition position = TExExtrudePosition::lepRightBottom;
    TColor farColor = clBlack; // RGB: resolve system colours first
    TColor nearColor = clBlack;
    bool striated = false;
};

// The effect layer under the text: a drop shadow, or `depth` copies from the farthest to the
// nearest, shaded from farColor to nearColor (striated: every other copy in farColor). Copies
// moved reachX pixels sideways or reachY up or down lie wholly outside the label and are left
// out, so that a huge depth costs no more than the label's size; the rest keep their shades.
std::vector<TextCopy> ShadowCopies(TColor color, int xOffset, int yOffset);
std::vector<TextCopy> ExtrudeCopies(const ExtrudeSettings& settings, int reachX, int reachY);

// The bounds of an auto-sized label: the measured text plus the border on every side, keeping
// the right edge for right-justified text and the left edge otherwise.
PixelRect ExLabelAutoBounds(
    const PixelRect& current, int textWidth, int textHeight, int borderWidth, TAlignment alignment);

} // namespace folvane
