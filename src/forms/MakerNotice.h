// The maker's notice under the main window's pages, in a given ANSI code page. The copyright
// sign is a lead byte on the double-byte code pages, where it would swallow the character
// after it; where a code page cannot hold the sign, the notice spells it "(c)".
#pragma once

#include <string>

namespace folvane {

std::string MakerNotice(unsigned codePage);

} // namespace folvane
