// The maker's notice in a given code page, with the copyright sign only where it can stand.
#include "forms/MakerNotice.h"

#include <windows.h>

namespace folvane {

std::string MakerNotice(unsigned codePage)
{
    const std::string rest = " 2007 Skelvor. All rights reserved.";
    // The sign as this code page writes it, when it can, without best fit.
    char sign[8] = {};
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, L"\u00A9", 1, sign, sizeof sign, nullptr,
        codePage == CP_UTF8 ? nullptr : &lost);
    wchar_t back[2] = {};
    const bool roundTrips
        = length > 0 && !lost && MultiByteToWideChar(codePage, 0, sign, length, back, 2) == 1 && back[0] == L'\u00A9';
    return (roundTrips ? std::string(sign, static_cast<std::size_t>(length)) : std::string("(c)")) + rest;
}

} // namespace folvane
