// TBvBevel: the frame of a bevelled label as a notifying value object, and the frame's
// portable arithmetic: how many pixels it takes on each side (its extent) and the edge calls
// that draw each standard style, with the rectangle they leave. Every property change calls
// OnChange, which the owning label answers by measuring and redrawing itself. Drawing the
// frame on a device is BvBevelPaint's work; this file does not touch the platform.
#pragma once

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/PixelRect.h"

#include <functional>
#include <span>

namespace folvane {

enum class TBvBevelMode { bmCustom, bmStandard, bmEdge, bmWindows };
enum class TBvBevelStyle { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
enum class TBvBorderStyle {
    lsNone,
    lsSingle,
    lsLowered,
    lsRaised,
    lsRaisedspb,
    lsLoweredspb,
    lsRaisedExt,
    lsLoweredExt,
    lsFrameInset,
    lsFrameOffset,
    lsWindowBorder,
    lsSingleRaised,
    lsSingleLowered,
    lsDoubleRaised,
    lsDoubleLowered,
};
enum class TBvEdgeStyle {
    etRaisedInner,
    etRaisedOuter,
    etSunkenInner,
    etSunkenOuter,
    etBump,
    etEtched,
    etRaised,
    etSunken
};
enum TBvBorderSide : unsigned { fsBottom = 1, fsLeft = 2, fsRight = 4, fsTop = 8 };
using TBvBorderSides = unsigned;
constexpr TBvBorderSides kAllBorderSides = fsBottom | fsLeft | fsRight | fsTop;

// The edge and side bits of the platform's DrawEdge, same values.
namespace edge {
constexpr unsigned kRaisedOuter = 0x1, kSunkenOuter = 0x2, kRaisedInner = 0x4, kSunkenInner = 0x8;
constexpr unsigned kRaised = kRaisedOuter | kRaisedInner, kSunken = kSunkenOuter | kSunkenInner;
constexpr unsigned kEtched = kSunkenOuter | kRaisedInner, kBump = kRaisedOuter | kSunkenInner;
constexpr unsigned kLeft = 0x1, kTop = 0x2, kRight = 0x4, kBottom = 0x8, kRect = 0xF;
constexpr unsigned kSoft = 0x1000, kAdjust = 0x2000;
} // namespace edge

// One step of a standard style: a DrawEdge call on the working rectangle (edge 0: none), then
// the rectangle moves in by insetLeftTop at its left and top and insetRightBottom at its right
// and bottom.
struct BevelEdgeStep {
    unsigned edge = 0;
    unsigned flags = 0;
    int insetLeftTop = 0;
    int insetRightBottom = 0;
};

// The calls of a standard style, in order.
std::span<const BevelEdgeStep> StandardStyleSteps(TBvBorderStyle style);
// What DrawEdge with BF_ADJUST leaves of `r`: the sides in `flags` move in by the width of the
// edge (one pixel for each of its outer and inner halves); without BF_ADJUST, `r` itself.
PixelRect AdjustForEdge(const PixelRect& r, unsigned edge, unsigned flags);
// What one step leaves of `r`: the call's adjustment, then its insets.
PixelRect AfterStep(const PixelRect& r, const BevelEdgeStep& step);
// 0 for lsNone, 1 for the single styles, 2 for the rest.
int StandardStyleWidth(TBvBorderStyle style);
// The edge bits of an edge-mode style and the side bits of a set of sides.
unsigned EdgeStyleBits(TBvEdgeStyle style);
unsigned BorderSideBits(TBvBorderSides sides);

class TBvBevel {
public:
    TBvBevel() = default;
    TBvBevel(const TBvBevel& other) { CopyFields(other); }
    TBvBevel& operator=(const TBvBevel& other)
    {
        Assign(other);
        return *this;
    }
    // Copies every field and notifies once (the owner callback stays).
    void Assign(const TBvBevel& other);

    TBvBevelMode Mode() const { return mode_; }
    void SetMode(TBvBevelMode value);
    TBvBevelStyle StyleOuter() const { return styleOuter_; }
    void SetStyleOuter(TBvBevelStyle value);
    // bvShadow takes the outer style with it; leaving bvShadow clears the outer style.
    TBvBevelStyle StyleInner() const { return styleInner_; }
    void SetStyleInner(TBvBevelStyle value);
    int WidthOuter() const { return widthOuter_; }
    void SetWidthOuter(int value); // 0 to 50
    int WidthInner() const { return widthInner_; }
    void SetWidthInner(int value); // 0 to 50
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value); // 0 to 255
    int BorderInnerWidth() const { return borderInnerWidth_; }
    void SetBorderInnerWidth(int value); // 0 to 255
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    // Notifies only while the mode is bmStandard, the only mode that draws it.
    TBvBorderStyle StandardStyle() const { return standardStyle_; }
    void SetStandardStyle(TBvBorderStyle value);
    TBvEdgeStyle EdgeStyle() const { return edgeStyle_; }
    void SetEdgeStyle(TBvEdgeStyle value);
    TBvBorderSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TBvBorderSides value);
    // Set by a windowed owner whose window itself shows the windows-mode frame.
    bool WindowFrame() const { return windowFrame_; }
    void SetWindowFrame(bool value);

    // Pixels the frame takes on each side.
    int Extent() const { return extent_; }

    std::function<void()> OnChange;

private:
    void CopyFields(const TBvBevel& other);
    template <typename T> void Store(T& field, T value);
    void Changed();
    int ComputeExtent() const;

    TBvBevelMode mode_ = TBvBevelMode::bmCustom;
    TBvBevelStyle styleOuter_ = TBvBevelStyle::bvNone;
    TBvBevelStyle styleInner_ = TBvBevelStyle::bvNone;
    int widthOuter_ = 1;
    int widthInner_ = 1;
    int borderWidth_ = 0;
    int borderInnerWidth_ = 0;
    TColor borderColor_ = clBtnFace;
    TColor lightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    TBvBorderStyle standardStyle_ = TBvBorderStyle::lsSingleLowered;
    TBvEdgeStyle edgeStyle_ = TBvEdgeStyle::etEtched;
    TBvBorderSides borderSides_ = kAllBorderSides;
    bool windowFrame_ = false;
    int extent_ = 0;
};

} // namespace folvane
