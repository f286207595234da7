// The hint window.
#include "toolkit/HintWindow.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiHandle.h"

#include <algorithm>

namespace folvane {

THintWindow::THintWindow(TComponent* owner)
    : TCustomControl(owner)
{
    StoreVisible(false);
    StoreColor(clInfoBk);
    Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.ClassStyle = CS_SAVEBITS;
    params.WndParent = nullptr;
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::string& text)
{
    TWindowDC screen;
    TCanvas canvas(screen.Get());
    canvas.SetFont(Font());
    RECT r { 0, 0, maxWidth, 0 };
    canvas.DrawText(text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    // Border and a little air round the text.
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHint(RECT rect, const std::string& text)
{
    SetCaption(text);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    rect.left = std::clamp(static_cast<int>(rect.left), 0, std::max(screenWidth - width, 0));
    rect.top = std::clamp(static_cast<int>(rect.top), 0, std::max(screenHeight - height, 0));
    SetBounds(rect.left, rect.top, width, height);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::HideHint()
{
    if (HWND window = ExistingHandle())
        ShowWindow(window, SW_HIDE);
}

bool THintWindow::IsShowing() const
{
    HWND window = ExistingHandle();
    return window && IsWindowVisible(window);
}

void THintWindow::Paint(TCanvas& canvas)
{
    RECT r = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    r.left += 2;
    r.top += 1;
    canvas.DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT THintWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return TCustomControl::WndProc(message, wParam, lParam);
    }
}

} // namespace folvane
