// TBvCustomLabel and TBvLabel.
#include "labels/BvLabel.h"

#include "labels/BvBevelPaint.h"

namespace folvane {

TBvCustomLabel::TBvCustomLabel(TComponent* owner)
    : TBvBaseLabel(owner)
{
    bevel_.OnChange = [this] { PartChanged(); };
    fontFX_.OnChange = [this] { PartChanged(); };
}

void TBvCustomLabel::PartChanged()
{
    if (!IsLoading())
        LabelChanged();
}

bool TBvCustomLabel::NothingToPaint() const
{
    return TBvBaseLabel::NothingToPaint() && bevel_.Extent() == 0;
}

void TBvCustomLabel::PaintFrame(TCanvas& canvas, RECT& r, bool& clip)
{
    if (bevel_.Extent() == 0)
        return;
    // The fill has already painted the rings' colour, or nothing may be painted at all.
    const bool noFill = Transparent() || bevel_.BorderColor() == Color();
    r = PaintBevel(canvas, bevel_, r, noFill);
    clip = true;
}

TextPlan TBvCustomLabel::PlanText() const
{
    return BevelledLabelTextPlan(AutoSize(), fontFX_.Angle() != 0, MultiLine(), Alignment());
}

TBvLabel::TBvLabel(TComponent* owner)
    : TBvCustomLabel(owner)
{
}

} // namespace folvane
