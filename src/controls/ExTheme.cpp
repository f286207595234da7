// Visual-style drawing through a run-time loaded uxtheme.
#include "controls/ExTheme.h"

namespace folvane {

namespace {

using HTHEME_ = HANDLE;
using IsThemeActiveFn = BOOL(WINAPI*)();
using OpenThemeDataFn = HTHEME_(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME_);
using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME_, HDC, int, int, const RECT*, const RECT*);
using DrawThemeTextFn = HRESULT(WINAPI*)(HTHEME_, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);

struct UxTheme {
    IsThemeActiveFn isThemeActive = nullptr;
    OpenThemeDataFn openThemeData = nullptr;
    CloseThemeDataFn closeThemeData = nullptr;
    DrawThemeBackgroundFn drawThemeBackground = nullptr;
    DrawThemeTextFn drawThemeText = nullptr;

    UxTheme()
    {
        HMODULE module = LoadLibraryA("uxtheme.dll");
        if (!module)
            return;
        isThemeActive
            = reinterpret_cast<IsThemeActiveFn>(reinterpret_cast<void*>(GetProcAddress(module, "IsThemeActive")));
        openThemeData
            = reinterpret_cast<OpenThemeDataFn>(reinterpret_cast<void*>(GetProcAddress(module, "OpenThemeData")));
        closeThemeData
            = reinterpret_cast<CloseThemeDataFn>(reinterpret_cast<void*>(GetProcAddress(module, "CloseThemeData")));
        drawThemeBackground = reinterpret_cast<DrawThemeBackgroundFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "DrawThemeBackground")));
        drawThemeText
            = reinterpret_cast<DrawThemeTextFn>(reinterpret_cast<void*>(GetProcAddress(module, "DrawThemeText")));
    }

    bool Usable() const { return isThemeActive && openThemeData && closeThemeData && drawThemeBackground; }
};

const UxTheme& Api()
{
    static const UxTheme api; // the module stays loaded for the process
    return api;
}

} // namespace

bool ThemesActive()
{
    return Api().Usable() && Api().isThemeActive();
}

namespace {

// Runs `draw` with the theme data of `classList` open; false when there is none.
template <typename Draw> bool WithTheme(HWND window, const wchar_t* classList, Draw draw)
{
    if (!ThemesActive())
        return false;
    HTHEME_ theme = Api().openThemeData(window, classList);
    if (!theme)
        return false;
    const bool ok = SUCCEEDED(draw(theme));
    Api().closeThemeData(theme);
    return ok;
}

} // namespace

bool DrawThemePart(HWND window, HDC dc, const wchar_t* classList, int part, int state, const RECT& rect)
{
    return WithTheme(window, classList,
        [&](HTHEME_ theme) { return Api().drawThemeBackground(theme, dc, part, state, &rect, nullptr); });
}

bool DrawThemeTextPart(HWND window, HDC dc, const wchar_t* classList, int part, int state, const wchar_t* text,
    unsigned flags, const RECT& rect)
{
    if (!Api().drawThemeText)
        return false;
    return WithTheme(window, classList,
        [&](HTHEME_ theme) { return Api().drawThemeText(theme, dc, part, state, text, -1, flags, 0, &rect); });
}

} // namespace folvane
