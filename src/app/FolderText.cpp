// The trailing-backslash rule, walking ANSI folder texts by character, not by byte.
#include "app/FolderText.h"

namespace folvane {

bool EndsWithBackslash(const std::string& text, const LeadBytePredicate& isLeadByte)
{
    // Walk characters from the start: only there is it known which bytes lead.
    std::size_t i = 0;
    std::size_t lastStart = std::string::npos;
    while (i < text.size()) {
        lastStart = i;
        const bool lead = isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        i += lead ? 2 : 1;
    }
    return lastStart != std::string::npos && lastStart == text.size() - 1 && text.back() == '\\';
}

std::string WithTrailingBackslash(const std::string& text, const LeadBytePredicate& isLeadByte)
{
    if (EndsWithBackslash(text, isLeadByte))
        return text;
    return text + '\\';
}

} // namespace folvane
