// TGraphicControl: a control without a window. Its parent paints it, in z-order, inside the
// parent's own paint (the canvas origin at the control's corner, clipped to it), hit-tests it
// for mouse messages and tracks the mouse entering and leaving it. A graphic control that does
// not fill its rectangle shows its parent's face and the controls below it.
#pragma once

#include "toolkit/Control.h"

namespace folvane {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TGraphicControl"; }
};

} // namespace folvane
