// Visual-style drawing through a run-time loaded uxtheme.
#include "controls/ExTheme.h"

namespace folvane {

namespace {

using HTHEME_ = HANDLE;
using IsThemeActiveFn = BOOL(WINAPI*)();
using OpenThemeDataFn = HTHEME_(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME_);
using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME_, HDC, int, int, const RECT*, const RECT*);

struct UxTheme {
    IsThemeActiveFn isThemeActive = nullptr;
    OpenThemeDataFn openThemeData = nullptr;
    CloseThemeDataFn closeThemeData = nullptr;
    DrawThemeBackgroundFn drawThemeBackground = nullptr;

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

bool DrawThemePart(HWND window, HDC dc, const wchar_t* classList, int part, int state, const RECT& rect)
{
    if (!ThemesActive())
        return false;
    HTHEME_ theme = Api().openThemeData(window, classList);
    if (!theme)
        return false;
    const bool ok = SUCCEEDED(Api().drawThemeBackground(theme, dc, part, state, &rect, nullptr));
    Api().closeThemeData(theme);
    return ok;
}

} // namespace folvane
