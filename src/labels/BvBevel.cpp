// TBvBevel: fields, notification and the extent; the standard styles' edge calls.
#include "labels/BvBevel.h"

#include <algorithm>
#include <array>

namespace folvane {

// ---- Standard styles ----

namespace {

using namespace edge;

constexpr BevelEdgeStep Draw(unsigned e, unsigned flags)
{
    return BevelEdgeStep { e, flags, 0, 0 };
}
constexpr BevelEdgeStep Inset(int leftTop, int rightBottom)
{
    return BevelEdgeStep { 0, 0, leftTop, rightBottom };
}

constexpr std::array kSingle { Draw(kSunkenOuter, kLeft | kTop | kSoft | kAdjust),
    Draw(kRaisedOuter, kRight | kBottom) };
constexpr std::array kLowered { Draw(kSunken, kRect | kSoft | kAdjust) };
constexpr std::array kRaisedStyle { Draw(kRaised, kRect | kSoft | kAdjust) };
constexpr std::array kRaisedSpb { Draw(kRaisedOuter, kRect | kSoft | kAdjust),
    Draw(kRaisedInner, kRight | kBottom | kAdjust) };
constexpr std::array kLoweredSpb { Draw(kSunkenOuter, kRect | kAdjust), Draw(kSunkenInner, kLeft | kTop | kAdjust) };
constexpr std::array kRaisedExt { kRaisedSpb[0], kRaisedSpb[1], Inset(1, 0) };
constexpr std::array kLoweredExt { kLoweredSpb[0], kLoweredSpb[1], Inset(0, 1) };
constexpr std::array kFrameInset { Draw(kEtched, kRect | kAdjust) };
constexpr std::array kFrameOffset { Draw(kRaisedInner, kRect | kAdjust), Draw(kSunkenOuter, kRect | kAdjust) };
constexpr std::array kWindowBorder { Draw(kRaisedOuter, kRight | kBottom | kAdjust), Inset(1, 0),
    Draw(kRaisedInner, kRect | kAdjust) };
constexpr std::array kSingleRaised { Draw(kRaisedInner, kRect | kAdjust) };
constexpr std::array kSingleLowered { Draw(kSunkenOuter, kRect | kAdjust) };
constexpr std::array kDoubleRaised { kSingleRaised[0], kSingleRaised[0] };
constexpr std::array kDoubleLowered { kSingleLowered[0], kSingleLowered[0] };

} // namespace

std::span<const BevelEdgeStep> StandardStyleSteps(TBvBorderStyle style)
{
    switch (style) {
    case TBvBorderStyle::lsNone:
        return {};
    case TBvBorderStyle::lsSingle:
        return kSingle;
    case TBvBorderStyle::lsLowered:
        return kLowered;
    case TBvBorderStyle::lsRaised:
        return kRaisedStyle;
    case TBvBorderStyle::lsRaisedspb:
        return kRaisedSpb;
    case TBvBorderStyle::lsLoweredspb:
        return kLoweredSpb;
    case TBvBorderStyle::lsRaisedExt:
        return kRaisedExt;
    case TBvBorderStyle::lsLoweredExt:
        return kLoweredExt;
    case TBvBorderStyle::lsFrameInset:
        return kFrameInset;
    case TBvBorderStyle::lsFrameOffset:
        return kFrameOffset;
    case TBvBorderStyle::lsWindowBorder:
        return kWindowBorder;
    case TBvBorderStyle::lsSingleRaised:
        return kSingleRaised;
    case TBvBorderStyle::lsSingleLowered:
        return kSingleLowered;
    case TBvBorderStyle::lsDoubleRaised:
        return kDoubleRaised;
    case TBvBorderStyle::lsDoubleLowered:
        return kDoubleLowered;
    }
    return {};
}

PixelRect AdjustForEdge(const PixelRect& r, unsigned e, unsigned flags)
{
    if ((flags & kAdjust) == 0)
        return r;
    const int width = ((e & (kRaisedOuter | kSunkenOuter)) ? 1 : 0) + ((e & (kRaisedInner | kSunkenInner)) ? 1 : 0);
    PixelRect out = r;
    if (flags & kLeft)
        out.left += width;
    if (flags & kTop)
        out.top += width;
    if (flags & kRight)
        out.right -= width;
    if (flags & kBottom)
        out.bottom -= width;
    return out;
}

PixelRect AfterStep(const PixelRect& r, const BevelEdgeStep& step)
{
    PixelRect out = step.edge != 0 ? AdjustForEdge(r, step.edge, step.flags) : r;
    out.left += step.insetLeftTop;
    out.top += step.insetLeftTop;
    out.right -= step.insetRightBottom;
    out.bottom -= step.insetRightBottom;
    return out;
}

int StandardStyleWidth(TBvBorderStyle style)
{
    switch (style) {
    case TBvBorderStyle::lsNone:
        return 0;
    case TBvBorderStyle::lsSingle:
    case TBvBorderStyle::lsSingleRaised:
    case TBvBorderStyle::lsSingleLowered:
        return 1;
    default:
        return 2;
    }
}

unsigned EdgeStyleBits(TBvEdgeStyle style)
{
    switch (style) {
    case TBvEdgeStyle::etRaisedInner:
        return kRaisedInner;
    case TBvEdgeStyle::etRaisedOuter:
        return kRaisedOuter;
    case TBvEdgeStyle::etSunkenInner:
        return kSunkenInner;
    case TBvEdgeStyle::etSunkenOuter:
        return kSunkenOuter;
    case TBvEdgeStyle::etBump:
        return kBump;
    case TBvEdgeStyle::etEtched:
        return kEtched;
    case TBvEdgeStyle::etRaised:
        return kRaised;
    case TBvEdgeStyle::etSunken:
        return kSunken;
    }
    return 0;
}

unsigned BorderSideBits(TBvBorderSides sides)
{
    return ((sides & fsBottom) ? kBottom : 0u) | ((sides & fsTop) ? kTop : 0u) | ((sides & fsRight) ? kRight : 0u)
        | ((sides & fsLeft) ? kLeft : 0u);
}

// ---- TBvBevel ----

void TBvBevel::CopyFields(const TBvBevel& other)
{
    mode_ = other.mode_;
    styleOuter_ = other.styleOuter_;
    styleInner_ = other.styleInner_;
    widthOuter_ = other.widthOuter_;
    widthInner_ = other.widthInner_;
    borderWidth_ = other.borderWidth_;
    borderInnerWidth_ = other.borderInnerWidth_;
    borderColor_ = other.borderColor_;
    lightColor_ = other.lightColor_;
    shadowColor_ = other.shadowColor_;
    standardStyle_ = other.standardStyle_;
    edgeStyle_ = other.edgeStyle_;
    borderSides_ = other.borderSides_;
    windowFrame_ = other.windowFrame_;
    extent_ = ComputeExtent();
}

void TBvBevel::Assign(const TBvBevel& other)
{
    if (&other == this)
        return;
    CopyFields(other);
    Changed();
}

template <typename T> void TBvBevel::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TBvBevel::Changed()
{
    extent_ = ComputeExtent();
    if (OnChange)
        OnChange();
}

void TBvBevel::SetMode(TBvBevelMode value)
{
    Store(mode_, value);
}

void TBvBevel::SetStyleOuter(TBvBevelStyle value)
{
    Store(styleOuter_, value);
}

void TBvBevel::SetStyleInner(TBvBevelStyle value)
{
    if (value == styleInner_)
        return;
    // A drop shadow is one shape drawn from both widths, so both styles say so.
    if (value == TBvBevelStyle::bvShadow)
        styleOuter_ = TBvBevelStyle::bvShadow;
    else if (styleInner_ == TBvBevelStyle::bvShadow)
        styleOuter_ = TBvBevelStyle::bvNone;
    styleInner_ = value;
    Changed();
}

void TBvBevel::SetWidthOuter(int value)
{
    Store(widthOuter_, std::clamp(value, 0, 50));
}

void TBvBevel::SetWidthInner(int value)
{
    Store(widthInner_, std::clamp(value, 0, 50));
}

void TBvBevel::SetBorderWidth(int value)
{
    Store(borderWidth_, std::clamp(value, 0, 255));
}

void TBvBevel::SetBorderInnerWidth(int value)
{
    Store(borderInnerWidth_, std::clamp(value, 0, 255));
}

void TBvBevel::SetBorderColor(TColor value)
{
    Store(borderColor_, value);
}

void TBvBevel::SetLightColor(TColor value)
{
    Store(lightColor_, value);
}

void TBvBevel::SetShadowColor(TColor value)
{
    Store(shadowColor_, value);
}

void TBvBevel::SetStandardStyle(TBvBorderStyle value)
{
    if (value == standardStyle_)
        return;
    standardStyle_ = value;
    extent_ = ComputeExtent();
    if (mode_ == TBvBevelMode::bmStandard && OnChange)
        OnChange();
}

void TBvBevel::SetEdgeStyle(TBvEdgeStyle value)
{
    Store(edgeStyle_, value);
}

void TBvBevel::SetBorderSides(TBvBorderSides value)
{
    Store(borderSides_, value & kAllBorderSides);
}

void TBvBevel::SetWindowFrame(bool value)
{
    Store(windowFrame_, value);
}

int TBvBevel::ComputeExtent() const
{
    auto isFrame
        = [](TBvBevelStyle s) { return s == TBvBevelStyle::bvFrameLowered || s == TBvBevelStyle::bvFrameRaised; };
    switch (mode_) {
    case TBvBevelMode::bmCustom: {
        if (styleInner_ == TBvBevelStyle::bvShadow)
            return widthInner_ + borderInnerWidth_;
        int extent = borderWidth_ + borderInnerWidth_;
        if (styleOuter_ != TBvBevelStyle::bvNone)
            extent += widthOuter_ + (isFrame(styleOuter_) ? 1 : 0);
        if (styleInner_ != TBvBevelStyle::bvNone)
            extent += widthInner_ + (isFrame(styleInner_) ? 1 : 0);
        return extent;
    }
    case TBvBevelMode::bmStandard:
        return StandardStyleWidth(standardStyle_) + borderInnerWidth_;
    case TBvBevelMode::bmEdge:
        return (borderSides_ != 0 ? 2 : 0) + borderInnerWidth_;
    case TBvBevelMode::bmWindows:
        return windowFrame_ ? 0 : borderInnerWidth_ + 2;
    }
    return 0;
}

} // namespace folvane
