// TBvCustomLabel and TBvLabel: the bevelled label. It owns its bevel and its text-effect
// object, both of which re-measure and redraw it when they change; the bevel's extent counts
// into the auto size, and its frame is painted before the text, which is then clipped to the
// bevel's interior.
#pragma once

#include "labels/BvBaseLabel.h"
#include "labels/BvBevel.h"
#include "labels/BvFxCaption.h"

namespace folvane {

class TBvCustomLabel : public TBvBaseLabel {
public:
    explicit TBvCustomLabel(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TBvCustomLabel"; }

    TBvBevel& Bevel() { return bevel_; }
    const TBvBevel& Bevel() const { return bevel_; }
    // Copies the fields of `bevel`.
    void SetBevel(const TBvBevel& bevel) { bevel_.Assign(bevel); }
    TBvFxCaption& FontFX() { return fontFX_; }
    const TBvFxCaption& FontFX() const { return fontFX_; }

    bool NothingToPaint() const override;

protected:
    int ExtraMargin() const override { return bevel_.Extent(); }
    void PaintFrame(TCanvas& canvas, RECT& r, bool& clip) override;
    TextPlan PlanText() const override;
    int TextTracing() const override { return fontFX_.Tracing(); }
    POINT TextOffset() const override { return POINT { fontFX_.PosX(), fontFX_.PosY() }; }

private:
    void PartChanged();

    TBvBevel bevel_;
    TBvFxCaption fontFX_;
};

class TBvLabel : public TBvCustomLabel {
public:
    explicit TBvLabel(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TBvLabel"; }
};

} // namespace folvane
