// The simple label's link rules that need no device: what a jump opens, which modes are links,
// and the look each mode gives the caption.
#pragma once

#include "toolkit/graphics/Color.h"

#include <string>

namespace folvane {

enum class TBvJumpMode { jmInternet, jmApplication, jmNone, jmCustom };

// The modes in which the label behaves as a link (pressing it counts and recolours it).
inline bool IsLinkMode(TBvJumpMode mode)
{
    return mode != TBvJumpMode::jmNone;
}

// Whether a click runs the ordinary OnClick (otherwise the shell opens the target).
inline bool ClickRunsHandler(TBvJumpMode mode)
{
    return mode == TBvJumpMode::jmNone || mode == TBvJumpMode::jmCustom;
}

// The target of a jump: `jump` when it is not blank after trimming, else the caption; in
// jmInternet a caption with "@" becomes a "mailto:" address.
std::string JumpTarget(TBvJumpMode mode, const std::string& jump, const std::string& caption);

} // namespace folvane
