// The trailing-backslash rule for folder texts in the ANSI code page. A 0x5C
// byte that is the second half of a double-byte character is not a backslash.
#pragma once

#include <functional>
#include <string>

namespace folvane {

using LeadBytePredicate = std::function<bool(unsigned char)>;

bool EndsWithBackslash(const std::string& text, const LeadBytePredicate& isLeadByte);

// Unchanged when it already ends in a backslash, else one is appended; so an
// empty text becomes "\".
std::string WithTrailingBackslash(const std::string& text, const LeadBytePredicate& isLeadByte);

} // namespace folvane
