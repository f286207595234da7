// Text rules of the bevelled and simple labels that need no device: the text-drawing flags of
// an alignment and of the options, how a measured block is placed in a rectangle, how a
// measurement grows into a label size, which texts measure as a blank, and how each label
// decides between a single line and a placed block.
#pragma once

#include "toolkit/graphics/PixelRect.h"

#include <string>

namespace folvane {

enum class TBvAlignment {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight,
};

enum TBvLabelOption : unsigned { loPathEllipsis = 1, loEndEllipsis = 2, loEditControl = 4 };
using TBvLabelOptions = unsigned;

// The DT_* bits of the platform's DrawTextEx, same values.
namespace dt {
constexpr unsigned kLeft = 0x0, kTop = 0x0, kCenter = 0x1, kRight = 0x2, kVCenter = 0x4, kBottom = 0x8;
constexpr unsigned kWordBreak = 0x10, kSingleLine = 0x20, kExpandTabs = 0x40, kNoClip = 0x100;
constexpr unsigned kCalcRect = 0x400, kNoPrefix = 0x800, kEditControl = 0x2000, kPathEllipsis = 0x4000;
constexpr unsigned kEndEllipsis = 0x8000, kRtlReading = 0x20000;
} // namespace dt

unsigned AlignmentFlags(TBvAlignment alignment);
unsigned OptionFlags(TBvLabelOptions options);

// The centre and bottom alignments (ordinal 3 and above).
inline bool IsLowerAlignment(TBvAlignment alignment)
{
    return static_cast<int>(alignment) >= static_cast<int>(TBvAlignment::agCenterLeft);
}

// A blockWidth x blockHeight block placed in `target` by the alignment; offsets halve toward
// zero and may be negative.
PixelRect PlaceTextBlock(const PixelRect& target, int blockWidth, int blockHeight, TBvAlignment alignment);

// A measured text rectangle grown by 2 x (margin + 1) to the right and bottom.
PixelRect GrowMeasurement(const PixelRect& measured, int margin);

// An empty text, or "&" alone while ampersands mark accelerators, is measured as " " so that
// the label keeps the height of a line.
bool MeasuresAsBlank(const std::string& text, bool showAccelChar);
bool MeasuresAsBlank(const std::wstring& text, bool showAccelChar);

// How a label lays its text out before drawing: as one line, or with its rectangle replaced by
// the placed block.
struct TextPlan {
    bool singleLine = false;
    bool placeBlock = false;
};

// The bevelled label decides only when it is not auto-sized (an auto-sized one draws from the
// top of its rectangle, wrapped, whatever its vertical alignment); an angled caption is one line.
TextPlan BevelledLabelTextPlan(bool autoSize, bool angled, bool multiLine, TBvAlignment alignment);
// The simple label decides whether or not it is auto-sized.
TextPlan SimpleLabelTextPlan(bool multiLine, TBvAlignment alignment);

} // namespace folvane
