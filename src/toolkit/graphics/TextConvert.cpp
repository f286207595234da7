// AnsiToWide and WideToAnsi over MultiByteToWideChar/WideCharToMultiByte.
#include "toolkit/graphics/TextConvert.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace folvane {

std::wstring AnsiToWide(std::string_view text)
{
    if (text.empty())
        return {};
    if (text.size() > INT_MAX)
        throw std::length_error("text too long to convert");
    // An explicit length (never -1) keeps embedded NULs and needs no terminator.
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring result(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, result.data(), needed);
    return result;
}

std::string WideToAnsi(std::wstring_view text)
{
    if (text.empty())
        return {};
    if (text.size() > INT_MAX)
        throw std::length_error("text too long to convert");
    const int length = static_cast<int>(text.size());
    // No best fit: a look-alike (a fullwidth backslash read as "\\") would turn a folder the user
    // chose into another, perhaps existing one; the default character names none.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int needed = WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string result(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), length, result.data(), needed, nullptr, nullptr);
    return result;
}

bool AnsiCodePageHolds(std::wstring_view text)
{
    if (text.empty())
        return true;
    if (text.size() > INT_MAX)
        throw std::length_error("text too long to convert");
    BOOL usedDefault = FALSE;
    const int converted = WideCharToMultiByte(
        CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, &usedDefault);
    return converted > 0 && !usedDefault;
}

} // namespace folvane
