// Alignment flags, block placement, measurement growth and the labels' text plans.
#include "labels/BvTextLayout.h"

#include <array>

namespace folvane {

unsigned AlignmentFlags(TBvAlignment alignment)
{
    static constexpr std::array<unsigned, 9> kFlags {
        dt::kLeft | dt::kTop,
        dt::kCenter,
        dt::kRight,
        dt::kVCenter,
        dt::kVCenter | dt::kCenter,
        dt::kVCenter | dt::kRight,
        dt::kBottom,
        dt::kBottom | dt::kCenter,
        dt::kBottom | dt::kRight,
    };
    const auto index = static_cast<std::size_t>(alignment);
    return index < kFlags.size() ? kFlags[index] : 0u;
}

unsigned OptionFlags(TBvLabelOptions options)
{
    return ((options & loPathEllipsis) ? dt::kPathEllipsis : 0u) | ((options & loEndEllipsis) ? dt::kEndEllipsis : 0u)
        | ((options & loEditControl) ? dt::kEditControl : 0u);
}

PixelRect PlaceTextBlock(const PixelRect& target, int blockWidth, int blockHeight, TBvAlignment alignment)
{
    const int row = static_cast<int>(alignment) / 3; // top, centre, bottom
    const int column = static_cast<int>(alignment) % 3; // left, centre, right
    const int spareY = target.Height() - blockHeight;
    const int spareX = target.Width() - blockWidth;
    // C++ division truncates toward zero, as the halves must.
    const int dy = row == 0 ? 0 : row == 1 ? spareY / 2 : spareY;
    const int dx = column == 0 ? 0 : column == 1 ? spareX / 2 : spareX;
    const int left = target.left + dx;
    const int top = target.top + dy;
    return PixelRect { left, top, left + blockWidth, top + blockHeight };
}

PixelRect GrowMeasurement(const PixelRect& measured, int margin)
{
    PixelRect out = measured;
    out.right += 2 * (margin + 1);
    out.bottom += 2 * (margin + 1);
    return out;
}

namespace {

template <typename S> bool IsBlankMeasure(const S& text, bool showAccelChar)
{
    return text.empty() || (showAccelChar && text.size() == 1 && text[0] == '&');
}

} // namespace

bool MeasuresAsBlank(const std::string& text, bool showAccelChar)
{
    return IsBlankMeasure(text, showAccelChar);
}

bool MeasuresAsBlank(const std::wstring& text, bool showAccelChar)
{
    return IsBlankMeasure(text, showAccelChar);
}

TextPlan BevelledLabelTextPlan(bool autoSize, bool angled, bool multiLine, TBvAlignment alignment)
{
    TextPlan plan;
    if (autoSize)
        return plan;
    if (angled) {
        plan.singleLine = true;
        plan.placeBlock = alignment != TBvAlignment::agTopLeft;
    } else if (!multiLine) {
        plan.singleLine = true;
    } else {
        plan.placeBlock = IsLowerAlignment(alignment);
    }
    return plan;
}

TextPlan SimpleLabelTextPlan(bool multiLine, TBvAlignment alignment)
{
    TextPlan plan;
    if (multiLine)
        plan.placeBlock = IsLowerAlignment(alignment);
    else
        plan.singleLine = true;
    return plan;
}

} // namespace folvane
