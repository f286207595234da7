// Text between the system ANSI code page (the application's strings) and
// UTF-16 (the strings of the extended controls). Any length; embedded NUL
// characters are converted like any other. Characters the code page cannot
// hold become its default character.
#pragma once

#include <string>
#include <string_view>

namespace folvane {

std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
// False when WideToAnsi would put the default character for something the code page lacks.
bool AnsiCodePageHolds(std::wstring_view text);

} // namespace folvane
