// The application object: message loop, hints, the standard error box, the utility window.
#include "toolkit/Application.h"

#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/HintWindow.h"
#include "toolkit/Menus.h"
#include "toolkit/Timer.h"

#include <commctrl.h>

#include <algorithm>

namespace folvane {

namespace {

constexpr const char* kUtilityClass = "FolvaneUtilityWindow";

std::string ProgramTitle()
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length);
    std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

// The part of a hint before '|' is the one shown near the control.
std::string ShortHint(const std::string& hint)
{
    return hint.substr(0, hint.find('|'));
}

} // namespace

TApplication& Application()
{
    static TApplication application;
    return application;
}

std::string ExceptionBoxText(const std::string& message)
{
    if (message.empty() || message.back() == '.')
        return message;
    return message + ".";
}

TApplication::TApplication()
    : title_(ProgramTitle())
{
}

TApplication::~TApplication()
{
    // Forms and timers owned here go while the application is whole.
    DestroyComponents();
    hintWindow_ = nullptr;
    if (utility_)
        DestroyWindow(utility_);
}

void TApplication::Initialize()
{
    if (initialized_)
        return;
    initialized_ = true;
    INITCOMMONCONTROLSEX controls { sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES };
    InitCommonControlsEx(&controls);
    UtilityWindow();
}

HWND TApplication::UtilityWindow()
{
    if (utility_)
        return utility_;
    WNDCLASSEXA wc {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TApplication::UtilityProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kUtilityClass;
    RegisterClassExA(&wc);
    // A hidden top-level window rather than a message-only one: popup menus need an owner
    // that can become the foreground window.
    utility_ = CreateWindowExA(WS_EX_TOOLWINDOW, kUtilityClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
        GetModuleHandleA(nullptr), nullptr);
    return utility_;
}

LRESULT CALLBACK TApplication::UtilityProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        switch (message) {
        case WM_TIMER:
            if (TTimer::Dispatch(wParam))
                return 0;
            break;
        case WM_MEASUREITEM:
            if (TMenuItem::HandleMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_DRAWITEM:
            if (TMenuItem::HandleDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        default:
            break;
        }
    } catch (...) {
        Application().HandleException(std::current_exception());
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// ---- Forms and the loop ----

void TApplication::FormCreated(TForm* form)
{
    if (!mainForm_)
        mainForm_ = form;
}

void TApplication::FormDestroyed(TForm* form)
{
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

void TApplication::Run()
{
    Initialize();
    if (!mainForm_)
        return;
    if (!mainForm_->Visible())
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::HandleMessage()
{
    MSG msg;
    BOOL result = GetMessageA(&msg, nullptr, 0, 0);
    if (result == 0) {
        terminated_ = true;
        exitCode_ = static_cast<int>(msg.wParam);
        return;
    }
    if (result < 0)
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            exitCode_ = static_cast<int>(msg.wParam);
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void TApplication::Minimize()
{
    CancelHint();
    if (mainForm_)
        ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore()
{
    if (mainForm_ && mainForm_->ExistingHandle())
        ShowWindow(mainForm_->ExistingHandle(), SW_RESTORE);
}

namespace {

struct TaskWindows {
    HWND except;
    HWND utility;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTaskWindow(HWND window, LPARAM param)
{
    auto* ctx = reinterpret_cast<TaskWindows*>(param);
    if (window != ctx->except && window != ctx->utility && IsWindowVisible(window) && IsWindowEnabled(window))
        ctx->windows.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> TApplication::DisableTaskWindows(HWND except)
{
    TaskWindows context { except, utility_, {} };
    EnumThreadWindows(GetCurrentThreadId(), &CollectTaskWindow, reinterpret_cast<LPARAM>(&context));
    for (HWND window : context.windows)
        EnableWindow(window, FALSE);
    return context.windows;
}

void TApplication::EnableTaskWindows(const std::vector<HWND>& windows)
{
    for (HWND window : windows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

// ---- Exceptions ----

void TApplication::HandleException(std::exception_ptr error)
{
    if (OnException) {
        try {
            OnException(error);
            return;
        } catch (...) {
            error = std::current_exception();
        }
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("An unknown error occurred");
    }
}

void TApplication::ShowException(const std::string& message)
{
    CancelHint();
    MessageBoxA(GetActiveWindow(), ExceptionBoxText(message).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

// ---- Hints ----

void TApplication::SetShowHint(bool value)
{
    showHint_ = value;
    if (!value)
        CancelHint();
}

void TApplication::HintMouseMove(TControl* control, POINT clientPoint)
{
    if (!showHint_ || !control)
        return;
    if (control == hintControl_) {
        if (hintActive_ && !PtInRect(&hintCursorRect_, clientPoint))
            CancelHint();
        return;
    }
    CancelHint();
    hintControl_ = control;
    if (!control->ShowHint())
        return;
    if (!hintTimer_) {
        hintTimer_ = new TTimer(this);
        hintTimer_->SetEnabled(false);
        hintTimer_->OnTimer = [this](TComponent*) { HintTimerFired(); };
        hideTimer_ = new TTimer(this);
        hideTimer_->SetEnabled(false);
        hideTimer_->OnTimer = [this](TComponent*) { HideTimerFired(); };
    }
    hintTimer_->SetInterval(static_cast<unsigned>(std::max(hintPause_, 1)));
    hintTimer_->SetEnabled(true);
}

void TApplication::HintTimerFired()
{
    hintTimer_->SetEnabled(false);
    TControl* control = hintControl_;
    if (!control || !control->Showing())
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    THintInfo info;
    info.HintStr = ShortHint(control->Hint());
    info.CursorPos = control->ScreenToClient(cursor);
    // Below the pointer, clear of the arrow.
    info.HintPos = POINT { cursor.x, cursor.y + 20 };
    info.CursorRect = control->ClientRect();
    info.HideTimeout = hintHidePause_;
    if (!control->HintShow(info) || info.HintStr.empty())
        return;
    if (!hintWindow_)
        hintWindow_ = new THintWindow(this);
    RECT r = hintWindow_->CalcHintRect(GetSystemMetrics(SM_CXSCREEN) / 2, info.HintStr);
    OffsetRect(&r, info.HintPos.x, info.HintPos.y);
    hintWindow_->ActivateHint(r, info.HintStr);
    hintActive_ = true;
    hintCursorRect_ = info.CursorRect;
    if (info.HideTimeout > 0) {
        hideTimer_->SetInterval(static_cast<unsigned>(info.HideTimeout));
        hideTimer_->SetEnabled(true);
    }
}

void TApplication::HideTimerFired()
{
    hideTimer_->SetEnabled(false);
    if (hintWindow_)
        hintWindow_->HideHint();
    hintActive_ = false;
}

void TApplication::CancelHint()
{
    if (hintTimer_) {
        hintTimer_->SetEnabled(false);
        hideTimer_->SetEnabled(false);
    }
    if (hintWindow_)
        hintWindow_->HideHint();
    hintActive_ = false;
}

void TApplication::HintControlLeft(TControl* control)
{
    if (control == hintControl_) {
        CancelHint();
        hintControl_ = nullptr;
    }
}

void TApplication::ControlDestroyed(TControl* control)
{
    if (control == hintControl_) {
        CancelHint();
        hintControl_ = nullptr;
    }
    if (control == static_cast<TControl*>(hintWindow_))
        hintWindow_ = nullptr;
}

} // namespace folvane
