// The text-effect objects of the bevelled labels: TBv3DCaption (the simple label's Font3D) and
// TBvFxCaption (the bevelled label's FontFX, adding an angle and a position). They are stored
// and notify their label on change; at their defaults they change nothing in the drawing. Of
// the effects the labels apply the character spacing (Tracing) and, for FontFX, the position
// and the angle's single-line rule; the raised, lowered, shadow and extrusion styles are kept
// only as settings.
#pragma once

#include "toolkit/graphics/Color.h"

#include <functional>

namespace folvane {

enum class TBvTextStyle { tdNone, tdRaised, tdLowered, tdShadow, tdOutline, tdExtrude, tdExtrudeEnh };
enum class TBvDisabledStyle { dsAuto, dsStandard, ds3d, dsNone };
enum class TBvTextOrientation { toTopLeft, toTopRight, toBottomLeft, toBottomRight };

class TBv3DCaption {
public:
    TBvTextStyle Style() const { return style_; }
    void SetStyle(TBvTextStyle value) { Store(style_, value); }
    TBvDisabledStyle DisabledStyle() const { return disabledStyle_; }
    void SetDisabledStyle(TBvDisabledStyle value) { Store(disabledStyle_, value); }
    int LightDepth() const { return lightDepth_; }
    void SetLightDepth(int value) { Store(lightDepth_, value); }
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int value) { Store(shadowDepth_, value); }
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor value) { Store(lightColor_, value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { Store(shadowColor_, value); }
    TBvTextOrientation Orientation() const { return orientation_; }
    void SetOrientation(TBvTextOrientation value) { Store(orientation_, value); }
    // Extra pixels between characters.
    int Tracing() const { return tracing_; }
    void SetTracing(int value) { Store(tracing_, value); }

    std::function<void()> OnChange;

protected:
    template <typename T> void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange();
    }

private:
    TBvTextStyle style_ = TBvTextStyle::tdNone;
    TBvDisabledStyle disabledStyle_ = TBvDisabledStyle::dsAuto;
    int lightDepth_ = 1;
    int shadowDepth_ = 1;
    TColor lightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    TBvTextOrientation orientation_ = TBvTextOrientation::toTopLeft;
    int tracing_ = 0;
};

class TBvFxCaption : public TBv3DCaption {
public:
    // Tenths of a degree; an angled caption is drawn as one line.
    int Angle() const { return angle_; }
    void SetAngle(int value) { Store(angle_, value); }
    int PosX() const { return posX_; }
    void SetPosX(int value) { Store(posX_, value); }
    int PosY() const { return posY_; }
    void SetPosY(int value) { Store(posY_, value); }

private:
    int angle_ = 0;
    int posX_ = 0;
    int posY_ = 0;
};

} // namespace folvane
