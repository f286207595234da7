// The window-less roots of the bevelled-label family.
//
// TBvControl adds the enter and exit events, raised only while the control is enabled, and the
// two hooks every label answers: LabelChanged (measure, then redraw) and NothingToPaint.
// TBvBaseControl is the common ancestor the family's classes name. TBvBaseGraphicControl owns
// the Transparent flag and the redraw rule: nothing while updates are held back or before the
// parent has a window; a transparent control asks its parent to repaint the area (its picture
// must come first), an opaque one paints at once.
#pragma once

#include "toolkit/GraphicControl.h"

namespace folvane {

class TBvControl : public TGraphicControl {
public:
    explicit TBvControl(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TBvControl"; }

    // OnMouseEnter comes from TControl; both are raised only while enabled.
    TNotifyEvent OnMouseExit;

    // Measure, then redraw; run when what the text looks like changes.
    virtual void LabelChanged() { }
    virtual bool NothingToPaint() const { return true; }

protected:
    void MouseEnter() override;
    void MouseLeave() override;
};

class TBvBaseControl : public TBvControl {
public:
    explicit TBvBaseControl(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TBvBaseControl"; }
};

class TBvBaseGraphicControl : public TBvBaseControl {
public:
    explicit TBvBaseGraphicControl(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TBvBaseGraphicControl"; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // Holds redraws back until the matching EndUpdate, which redraws once.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    void Redraw();

private:
    bool transparent_ = true;
    int updateCount_ = 0;
};

} // namespace folvane
