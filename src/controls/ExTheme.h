// Visual-style drawing for the extended controls, through uxtheme when the
// system has it and a style is active. uxtheme is loaded at run time, so the
// program still starts where it is missing; then every call reports false
// and the controls draw their classic look.
#pragma once

#include <windows.h>

namespace folvane {

// Parts and states of the "BUTTON" class used here.
constexpr int kThemePushButton = 1;
constexpr int kThemeCheckBox = 3;
constexpr int kThemePushNormal = 1, kThemePushHot = 2, kThemePushPressed = 3, kThemePushDisabled = 4;
// The "EDIT" class's text part.
constexpr int kThemeEditText = 1;

bool ThemesActive();
// Draws part/state of the theme class `classList` into rect; false when no
// theme could draw it.
bool DrawThemePart(HWND window, HDC dc, const wchar_t* classList, int part, int state, const RECT& rect);
// Draws `text` with DrawText `flags` in the theme's font colour for part/state; false
// when no theme could draw it.
bool DrawThemeTextPart(HWND window, HDC dc, const wchar_t* classList, int part, int state, const wchar_t* text,
    unsigned flags, const RECT& rect);

} // namespace folvane
