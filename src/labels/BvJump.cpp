// The target of a link label's jump.
#include "labels/BvJump.h"

namespace folvane {

namespace {

bool IsBlank(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

} // namespace

std::string JumpTarget(TBvJumpMode mode, const std::string& jump, const std::string& caption)
{
    if (!IsBlank(jump))
        return jump;
    if (mode == TBvJumpMode::jmInternet && caption.find('@') != std::string::npos)
        return "mailto:" + caption;
    return caption;
}

} // namespace folvane
