// TForm: top-level windows, activation and focus, closing and the modal loop.
#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/graphics/Canvas.h"

#include <algorithm>

namespace folvane {

namespace {

// Posted to a form by Release(); the form deletes itself when it arrives.
constexpr UINT kReleaseMessage = WM_APP + 0x3F01;

void BorderStyles(TFormBorderStyle border, DWORD& style, DWORD& exStyle)
{
    switch (border) {
    case TFormBorderStyle::bsNone:
        style = WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
        style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        break;
    case TFormBorderStyle::bsSizeable:
        style = WS_OVERLAPPEDWINDOW;
        break;
    case TFormBorderStyle::bsDialog:
        style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
        style = WS_CAPTION | WS_SYSMENU;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case TFormBorderStyle::bsSizeToolWin:
        style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    style |= WS_CLIPCHILDREN;
}

} // namespace

TForm::TForm(TComponent* owner)
    : TWinControl(owner)
{
    StoreVisible(false);
    StoreBounds(0, 0, 320, 240);
    SetParentFont(false);
    Application().FormCreated(this);
}

TForm::~TForm()
{
    Destroying();
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            Application().HandleException(std::current_exception());
        }
    }
    // The controls go while the form is still a form, so that they can leave it cleanly.
    DestroyComponents();
    activeControl_ = nullptr;
    DestroyHandle();
    Application().FormDestroyed(this);
}

void TForm::DoCreate()
{
    if (!OnCreate)
        return;
    try {
        OnCreate(this);
    } catch (...) {
        Application().HandleException(std::current_exception());
    }
}

// ---- Window ----

void TForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = 0;
    params.ExStyle = 0;
    BorderStyles(borderStyle_, params.Style, params.ExStyle);
    if (!Enabled())
        params.Style |= WS_DISABLED;
    TForm* mainForm = Application().MainForm();
    if (mainForm == this || !mainForm) {
        params.ExStyle |= WS_EX_APPWINDOW;
        params.WndParent = nullptr;
    } else {
        params.WndParent = mainForm->Handle();
    }
}

void TForm::HandleCreated()
{
    TWinControl::HandleCreated();
}

void TForm::ApplyBorderStyle()
{
    if (!ExistingHandle())
        return;
    DWORD style = 0;
    DWORD exStyle = 0;
    BorderStyles(borderStyle_, style, exStyle);
    HWND window = ExistingHandle();
    DWORD keep = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE))
        & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
    DWORD keepEx = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)) & (WS_EX_APPWINDOW | WS_EX_TOPMOST);
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style | keep));
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(exStyle | keepEx));
    SetWindowPos(
        window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    if (!IsLoading())
        ApplyBorderStyle();
}

void TForm::FrameSize(int& dx, int& dy) const
{
    DWORD style = 0;
    DWORD exStyle = 0;
    BorderStyles(borderStyle_, style, exStyle);
    RECT r { 0, 0, 0, 0 };
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    dx = r.right - r.left;
    dy = r.bottom - r.top;
}

int TForm::ClientWidth() const
{
    if (ExistingHandle())
        return TWinControl::ClientWidth();
    int dx = 0;
    int dy = 0;
    FrameSize(dx, dy);
    return std::max(Width() - dx, 0);
}

int TForm::ClientHeight() const
{
    if (ExistingHandle())
        return TWinControl::ClientHeight();
    int dx = 0;
    int dy = 0;
    FrameSize(dx, dy);
    return std::max(Height() - dy, 0);
}

void TForm::SetClientWidth(int value)
{
    SetWidth(value + (Width() - ClientWidth()));
}

void TForm::SetClientHeight(int value)
{
    SetHeight(value + (Height() - ClientHeight()));
}

POINT TForm::ClientOrigin() const
{
    if (ExistingHandle())
        return TWinControl::ClientOrigin();
    DWORD style = 0;
    DWORD exStyle = 0;
    BorderStyles(borderStyle_, style, exStyle);
    RECT r { 0, 0, 0, 0 };
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return POINT { Left() - r.left, Top() - r.top };
}

void TForm::TextChanged()
{
    if (ExistingHandle())
        SetWindowTextA(ExistingHandle(), Caption().c_str());
}

void TForm::PaintWindow(TCanvas& canvas)
{
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
}

void TForm::Loaded()
{
    TControl::Loaded();
    if (HWND window = ExistingHandle()) {
        SetWindowPos(window, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowTextA(window, Caption().c_str());
        ApplyBorderStyle();
    }
    UpdateShowing();
}

// ---- Showing and activation ----

void TForm::PlaceOnShow()
{
    placed_ = true;
    RECT area { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    TForm* mainForm = Application().MainForm();
    if (position_ == TPosition::poMainFormCenter || position_ == TPosition::poOwnerFormCenter) {
        if (mainForm && mainForm != this && mainForm->ExistingHandle())
            area = mainForm->BoundsRect();
    } else if (position_ != TPosition::poScreenCenter) {
        return;
    }
    int left = area.left + ((area.right - area.left) - Width()) / 2;
    int top = area.top + ((area.bottom - area.top) - Height()) / 2;
    SetBounds(left, top, Width(), Height());
}

void TForm::UpdateShowing()
{
    HWND window = ExistingHandle();
    bool shown = window && IsWindowVisible(window);
    if (Visible() == shown)
        return;
    if (Visible()) {
        window = Handle();
        if (!placed_)
            PlaceOnShow();
        DoShow();
        if (!Visible())
            return; // OnShow hid it again
        if (!activeControl_)
            activeControl_ = FindNextControl(nullptr, true, true);
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
    } else {
        DoHide();
        ShowWindow(window, SW_HIDE);
    }
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TForm::Show()
{
    SetVisible(true);
    if (HWND window = ExistingHandle())
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm::Hide()
{
    SetVisible(false);
}

bool TForm::Active() const
{
    HWND window = ExistingHandle();
    return window && GetActiveWindow() == window;
}

void TForm::SetActiveControl(TWinControl* control)
{
    if (control == this)
        control = nullptr;
    if (control && !ContainsControl(control))
        return;
    // A control on a page behind another can take the focus only once its page is in front.
    if (control)
        control->Parent()->ShowControl(control);
    activeControl_ = control;
    if (control && Active() && control->CanFocus())
        ::SetFocus(control->Handle());
}

void TForm::SetFocusedControl(TWinControl* control)
{
    if (control != this)
        activeControl_ = control;
    FocusChanged(control);
}

void TForm::ControlRemoved(TControl* control)
{
    if (!activeControl_)
        return;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (control == activeControl_ || (windowed && windowed->ContainsControl(activeControl_)))
        activeControl_ = nullptr;
}

bool TForm::ProcessDialogKey(std::uint16_t key, TShiftState shift)
{
    if (key == VK_TAB) {
        if (shift & (ssCtrl | ssAlt))
            return false;
        SelectNext(activeControl_, (shift & ssShift) == 0, true);
        return true;
    }
    return DialogKey(key, shift);
}

bool TForm::ProcessDialogChar(char ch, TShiftState shift)
{
    return DialogChar(ch, shift);
}

// ---- Closing and the modal loop ----

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application().MainForm() == this) {
        Hide();
        Application().Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        if (HWND window = ExistingHandle())
            ShowWindow(window, SW_MINIMIZE);
        break;
    case TCloseAction::caFree:
        Release();
        break;
    case TCloseAction::caNone:
        break;
    }
}

bool TForm::CloseModal()
{
    TCloseAction action = CloseQuery() ? TCloseAction::caHide : TCloseAction::caNone;
    if (action != TCloseAction::caNone && OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone) {
        modalResult_ = mrNone;
        return false;
    }
    if (action == TCloseAction::caFree)
        Release();
    return true;
}

TModalResult TForm::ShowModal()
{
    if (Visible() || modal_ || !Enabled())
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND captured = GetCapture()) {
        SendMessageA(captured, WM_CANCELMODE, 0, 0);
        ReleaseCapture();
    }
    HWND previous = GetActiveWindow();
    modal_ = true;
    modalResult_ = mrNone;
    std::vector<HWND> disabled = Application().DisableTaskWindows(Handle());
    auto finish = [&] {
        // Enable the others before hiding, so that activation returns to them and not to
        // another program.
        Application().EnableTaskWindows(disabled);
        Hide();
        modal_ = false;
        if (previous && IsWindow(previous))
            SetActiveWindow(previous);
    };
    try {
        Show();
        for (;;) {
            if (Application().Terminated())
                modalResult_ = mrCancel;
            if (modalResult_ != mrNone && (CloseModal() || Application().Terminated()))
                break;
            Application().HandleMessage();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void TForm::Release()
{
    if (releasing_)
        return;
    releasing_ = true;
    PostMessageA(Handle(), kReleaseMessage, 0, 0);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            if (HIWORD(wParam) == 0) {
                // Give the focus back to the control that had it, not to the form.
                if (activeControl_ && activeControl_->CanFocus())
                    ::SetFocus(activeControl_->Handle());
                else
                    ::SetFocus(ExistingHandle());
            }
            if (OnActivate)
                OnActivate(this);
            return 0;
        }
        if (OnDeactivate)
            OnDeactivate(this);
        return DefaultHandler(message, wParam, lParam);
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        const TSizeConstraints& c = Constraints();
        if (c.MinWidth > 0)
            info->ptMinTrackSize.x = c.MinWidth;
        if (c.MinHeight > 0)
            info->ptMinTrackSize.y = c.MinHeight;
        if (c.MaxWidth > 0)
            info->ptMaxTrackSize.x = c.MaxWidth;
        if (c.MaxHeight > 0)
            info->ptMaxTrackSize.y = c.MaxHeight;
        return 0;
    }
    case kReleaseMessage:
        delete this;
        return 0;
    default:
        return TWinControl::WndProc(message, wParam, lParam);
    }
}

} // namespace folvane
