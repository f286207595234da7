// The clipboard's Unicode text, for the self-drawn text boxes. Text is read
// only up to the clipboard block's size (a missing terminator does not make
// it read further) and written with its terminator. Every call opens and
// closes the clipboard itself; a clipboard held by another window counts as
// empty for reading and fails a write.
#pragma once

#include <windows.h>

#include <string>

namespace folvane {

bool ClipboardHasText();
// False when there is no text; `out` is then untouched.
bool ReadClipboardText(HWND owner, std::wstring& out);
bool WriteClipboardText(HWND owner, const std::wstring& text);

} // namespace folvane
