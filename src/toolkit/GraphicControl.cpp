// TGraphicControl.
#include "toolkit/GraphicControl.h"

namespace folvane {

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner)
{
}

} // namespace folvane
