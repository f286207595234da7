// DrawParentBackground.
#include "toolkit/ParentBackground.h"

#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"

namespace folvane {

void DrawParentBackground(TCanvas& canvas, const TControl& control)
{
    TWinControl* parent = control.Parent();
    if (!parent)
        return;
    canvas.SaveState();
    canvas.MoveOrigin(-control.Left(), -control.Top());
    canvas.IntersectClipRect(parent->ClientRect());
    canvas.Refresh(); // the parent draws on the DC with objects of its own
    auto dc = reinterpret_cast<WPARAM>(canvas.Handle());
    parent->PaintBackgroundFor(&control, dc);
    canvas.RestoreState();
}

} // namespace folvane
