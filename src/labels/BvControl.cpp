// TBvControl, TBvBaseControl and TBvBaseGraphicControl.
#include "labels/BvControl.h"

#include "toolkit/WinControl.h"

namespace folvane {

TBvControl::TBvControl(TComponent* owner)
    : TGraphicControl(owner)
{
}

void TBvControl::MouseEnter()
{
    if (Enabled())
        TGraphicControl::MouseEnter();
}

void TBvControl::MouseLeave()
{
    if (!Enabled())
        return;
    TGraphicControl::MouseLeave();
    if (OnMouseExit)
        OnMouseExit(this);
}

TBvBaseControl::TBvBaseControl(TComponent* owner)
    : TBvControl(owner)
{
}

TBvBaseGraphicControl::TBvBaseGraphicControl(TComponent* owner)
    : TBvBaseControl(owner)
{
}

void TBvBaseGraphicControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    if (Visible())
        Redraw();
}

void TBvBaseGraphicControl::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Redraw();
}

void TBvBaseGraphicControl::Redraw()
{
    if (updateCount_ > 0 || !Parent() || !Parent()->HandleAllocated() || IsLoading())
        return;
    if (transparent_)
        Invalidate();
    else
        Repaint();
}

} // namespace folvane
