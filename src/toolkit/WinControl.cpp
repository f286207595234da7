// TWinControl: windows, the shared window procedure, child painting, mouse routing to graphic
// children, focus, tab order and keyboard routing.
#include "toolkit/WinControl.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiHandle.h"
#include "toolkit/graphics/MemoryCanvas.h"
#include "toolkit/graphics/PaintDC.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <set>
#include <stdexcept>
#include <unordered_map>

namespace folvane {

namespace {

// The control behind each window, the same for the toolkit's own classes and for subclassed
// system windows. Kept in the process, not in a window property: under Wine reading a property
// is a round trip to the server, and this lookup runs for every message. A window's messages
// arrive on the thread that made it, so each thread keeps its own.
std::unordered_map<HWND, TWinControl*>& ControlsByWindow()
{
    thread_local std::unordered_map<HWND, TWinControl*> controls;
    return controls;
}

// The off-screen picture of one double-buffered paint. The pictures are kept from paint to
// paint, one per depth of paints nested on this thread: a new bitmap and DC at every paint
// cost more than the drawing.
class TBackBuffer {
public:
    TBackBuffer()
        : bitmap_(Enter())
    {
    }
    ~TBackBuffer() { --Depth(); }
    TBackBuffer(const TBackBuffer&) = delete;
    TBackBuffer& operator=(const TBackBuffer&) = delete;

    TBitmap& Bitmap() { return bitmap_; }

private:
    static std::vector<std::unique_ptr<TBitmap>>& Kept()
    {
        thread_local std::vector<std::unique_ptr<TBitmap>> kept;
        return kept;
    }
    static std::size_t& Depth()
    {
        thread_local std::size_t depth = 0;
        return depth;
    }
    static TBitmap& Enter()
    {
        auto& kept = Kept();
        if (Depth() == kept.size())
            kept.push_back(std::make_unique<TBitmap>());
        return *kept[Depth()++];
    }

    TBitmap& bitmap_;
};

TWinControl* ControlOf(HWND window)
{
    const auto& controls = ControlsByWindow();
    const auto found = controls.find(window);
    return found == controls.end() ? nullptr : found->second;
}

void RegisterToolkitClass(const std::string& name, UINT classStyle)
{
    static std::set<std::string> registered;
    if (registered.count(name))
        return;
    WNDCLASSEXA wc {};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = &TWinControl::StandardWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name.c_str();
    // No class cursor or brush: WM_SETCURSOR and the paint handler decide.
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("Cannot register the window class " + name);
    registered.insert(name);
}

TShiftState KeyboardShift()
{
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

TShiftState MouseShift(WPARAM wParam)
{
    TShiftState shift = 0;
    if (wParam & MK_SHIFT)
        shift |= ssShift;
    if (wParam & MK_CONTROL)
        shift |= ssCtrl;
    if (wParam & MK_LBUTTON)
        shift |= ssLeft;
    if (wParam & MK_RBUTTON)
        shift |= ssRight;
    if (wParam & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

bool IsDialogKey(std::uint16_t key)
{
    return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_CANCEL;
}

} // namespace

// ---- Construction and children ----

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner)
{
}

TWinControl::~TWinControl()
{
    Destroying();
    // The parent must see a whole TWinControl leave, not the TControl left further down.
    if (Parent())
        Parent()->RemoveControl(this);
    if (handle_)
        DestroyHandle();
    while (!controls_.empty())
        delete controls_.back();
}

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        return nullptr;
    return controls_[static_cast<std::size_t>(index)];
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        tabList_.push_back(windowed);
    // Inherited looks are taken at once; the loading path takes them again in Loaded().
    if (control->parentColor_)
        control->color_ = Color();
    if (control->parentFont_)
        control->TakeParentFont();
    if (control->parentShowHint_)
        control->showHint_ = ShowHint();
    if (control->IsLoading())
        return;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (handle_ && !destroyingHandle_)
            windowed->CreateHandleNow();
    } else {
        control->Invalidate();
    }
}

void TWinControl::RemoveControl(TControl* control)
{
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    if (!control->IsDestroying() && control->Visible())
        control->Invalidate();
    controls_.erase(it);
    auto tab = std::find(tabList_.begin(), tabList_.end(), control);
    if (tab != tabList_.end())
        tabList_.erase(tab);
    if (hoverControl_ == control)
        hoverControl_ = nullptr;
    if (captureControl_ == control) {
        captureControl_ = nullptr;
        if (handle_ && GetCapture() == handle_)
            ReleaseCapture();
    }
    if (backgroundFor_ == control)
        backgroundFor_ = nullptr;
    if (TForm* form = ParentForm())
        form->ControlRemoved(control);
    control->parent_ = nullptr;
    // A window moves with its control: without a parent it cannot stay a child window.
    if (auto* windowed = dynamic_cast<TWinControl*>(control);
        windowed && windowed->handle_ && !windowed->IsDestroying())
        windowed->DestroyHandle();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled, bool allowWindowed) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        if (!control->Visible() || (!allowWindowed && control->IsWindowed()))
            continue;
        if (!allowDisabled && !control->Enabled())
            continue;
        RECT r = control->BoundsRect();
        if (point.x >= r.left && point.y >= r.top && point.x < r.right && point.y < r.bottom)
            return control;
    }
    return nullptr;
}

// ---- Window ----

TWinControl* TWinControl::FromHandle(HWND window)
{
    return window ? ControlOf(window) : nullptr;
}

HWND TWinControl::Handle()
{
    if (!handle_)
        CreateHandleNow();
    return handle_;
}

void TWinControl::CreateHandleNow()
{
    if (handle_)
        return;
    if (Parent() && !Parent()->handle_)
        Parent()->CreateHandleNow(); // creates this one too, with the other children
    if (!handle_)
        CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.WinClassName = ClassName();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->handle_ : nullptr;
    params.Caption = Caption();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if (!params.SystemClass)
        RegisterToolkitClass(params.WinClassName, params.ClassStyle);
    HWND window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
        params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr, GetModuleHandleA(nullptr), this);
    if (!window)
        throw std::runtime_error(std::string("Cannot create the window of ") + ClassName());
    if (params.SystemClass) {
        handle_ = window;
        ControlsByWindow()[window] = this;
        systemProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::StandardWndProc)));
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    }
    if (params.Style & WS_CHILD)
        TakeStackingPlace();
    HandleCreated();
    CreateChildHandles();
}

// A child window is made at the bottom of its siblings; the stacking follows
// the controls' order instead, the last one in front, as painting does.
void TWinControl::TakeStackingPlace()
{
    TWinControl* parent = Parent();
    if (!parent || !handle_)
        return;
    const auto& siblings = parent->controls_;
    HWND above = HWND_TOP;
    for (auto it = std::find(siblings.begin(), siblings.end(), this); it != siblings.end(); ++it) {
        auto* sibling = *it == this ? nullptr : dynamic_cast<TWinControl*>(*it);
        if (sibling && sibling->handle_) {
            above = sibling->handle_;
            break;
        }
    }
    SetWindowPos(handle_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::CreateChildHandles()
{
    for (TControl* control : std::vector<TControl*>(controls_))
        if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && !windowed->handle_)
            windowed->CreateWnd();
    // Creation order stacks later windows on top; tab order is independent of it.
}

void TWinControl::HandleCreated()
{
}

void TWinControl::DestroyWnd()
{
    DestroyWindow(handle_);
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    destroyingHandle_ = true;
    if (captureControl_ || GetCapture() == handle_)
        captureControl_ = nullptr;
    DestroyWnd();
    destroyingHandle_ = false;
    handle_ = nullptr;
    trackingLeave_ = false;
}

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    DestroyHandle();
    CreateHandleNow();
}

LRESULT TWinControl::Perform(UINT message, WPARAM wParam, LPARAM lParam)
{
    return WndProc(message, wParam, lParam);
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (systemProc_)
        return CallWindowProcA(systemProc_, handle_, message, wParam, lParam);
    if (!handle_)
        return 0;
    return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::StandardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* control = ControlOf(window);
    if (!control && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        control = static_cast<TWinControl*>(create->lpCreateParams);
        if (control) {
            ControlsByWindow()[window] = control;
            control->handle_ = window;
        }
    }
    if (!control)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC systemProc = control->systemProc_;
        ControlsByWindow().erase(window);
        control->handle_ = nullptr;
        control->systemProc_ = nullptr;
        if (systemProc) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc));
            return CallWindowProcA(systemProc, window, message, wParam, lParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return control->WndProc(message, wParam, lParam);
    } catch (...) {
        Application().HandleException(std::current_exception());
        return 0;
    }
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintMessage(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PRINTCLIENT:
        PaintMessage(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return HandleMouseMessage(message, wParam, lParam);
    case WM_RBUTTONUP:
        HandleMouseMessage(message, wParam, lParam);
        // The default procedure turns the release into WM_CONTEXTMENU.
        return DefaultHandler(message, wParam, lParam);
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        TrackHover(nullptr);
        DispatchMouseLeave();
        return systemProc_ ? DefaultHandler(message, wParam, lParam) : 0;
    case WM_CONTEXTMENU: {
        POINT at { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        TControl* target = this;
        if (lParam == -1) {
            at = ClientToScreen(POINT { 0, 0 });
        } else if (reinterpret_cast<HWND>(wParam) == handle_) {
            if (TControl* child = ControlAtPos(ScreenToClient(at), false))
                target = child;
        }
        if (target->ContextPopup(at.x, at.y))
            return 0;
        // Nothing up the control chain has a menu: a system window may show its own.
        return systemProc_ ? DefaultHandler(message, wParam, lParam) : 0;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == handle_ && LOWORD(lParam) == HTCLIENT) {
            POINT at;
            GetCursorPos(&at);
            at = ScreenToClient(at);
            TControl* target = captureControl_ ? captureControl_ : ControlAtPos(at, false);
            TCursor cursor = target && target->Cursor() != crDefault ? target->Cursor() : Cursor();
            if (cursor == crDefault && systemProc_)
                return DefaultHandler(message, wParam, lParam);
            ::SetCursor(CursorHandle(cursor));
            return TRUE;
        }
        return DefaultHandler(message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
        return HandleKeyMessage(message, wParam, lParam);
    case WM_SETFOCUS: {
        LRESULT result = DefaultHandler(message, wParam, lParam);
        if (TForm* form = ParentForm())
            form->SetFocusedControl(this);
        DoEnter();
        return result;
    }
    case WM_KILLFOCUS: {
        LRESULT result = DefaultHandler(message, wParam, lParam);
        DoExit();
        return result;
    }
    case WM_CANCELMODE: {
        TControl* captured = captureControl_;
        captureControl_ = nullptr;
        (captured ? captured : this)->DispatchCancelMode();
        // The default procedure gives up the capture; that is this cancel, not another one.
        releasingCapture_ = true;
        LRESULT result = DefaultHandler(message, wParam, lParam);
        releasingCapture_ = false;
        return result;
    }
    case WM_CAPTURECHANGED:
        // Capture taken away, not given up by a button release here: the press is over.
        if (reinterpret_cast<HWND>(lParam) != handle_ && !releasingCapture_) {
            TControl* captured = captureControl_;
            captureControl_ = nullptr;
            (captured ? captured : this)->DispatchCancelMode();
        }
        return DefaultHandler(message, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        WindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return DefaultHandler(message, wParam, lParam);
    case WM_MEASUREITEM:
        if (TMenuItem::HandleMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        return DefaultHandler(message, wParam, lParam);
    case WM_DRAWITEM:
        if (TMenuItem::HandleDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        return DefaultHandler(message, wParam, lParam);
    default:
        return DefaultHandler(message, wParam, lParam);
    }
}

void TWinControl::WindowPosChanged(const WINDOWPOS& pos)
{
    // The window may have been moved from outside (the user, the system, a region change):
    // the stored bounds follow it.
    RECT r;
    GetWindowRect(handle_, &r);
    int left = r.left;
    int top = r.top;
    if (HWND parent = GetParent(handle_); parent && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD)) {
        POINT p { r.left, r.top };
        ::ScreenToClient(parent, &p);
        left = p.x;
        top = p.y;
    }
    (void)pos;
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    bool resized = width != Width() || height != Height();
    if (left == Left() && top == Top() && !resized)
        return;
    StoreBounds(left, top, width, height);
    if (resized && !IsLoading())
        Resize();
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    TControl::SetBounds(left, top, width, height);
}

void TWinControl::BoundsChanged(const RECT&)
{
    if (handle_)
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

int TWinControl::ClientWidth() const
{
    if (!handle_)
        return Width();
    RECT r;
    GetClientRect(handle_, &r);
    return r.right;
}

int TWinControl::ClientHeight() const
{
    if (!handle_)
        return Height();
    RECT r;
    GetClientRect(handle_, &r);
    return r.bottom;
}

POINT TWinControl::ClientOrigin() const
{
    if (!handle_)
        return TControl::ClientOrigin();
    POINT p { 0, 0 };
    ::ClientToScreen(handle_, &p);
    return p;
}

bool TWinControl::Showing() const
{
    if (!Visible())
        return false;
    if (Parent())
        return Parent()->Showing();
    return handle_ && IsWindowVisible(handle_);
}

void TWinControl::SetVisible(bool value)
{
    if (value == Visible())
        return;
    TControl::SetVisible(value);
    if (!IsLoading())
        UpdateShowing();
}

void TWinControl::UpdateShowing()
{
    if (handle_) {
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
    } else if (Visible() && Parent() && Parent()->handle_) {
        CreateHandleNow();
    }
}

void TWinControl::SetEnabled(bool value)
{
    if (value == Enabled())
        return;
    TControl::SetEnabled(value);
    if (handle_ && !IsLoading()) {
        if (!value && Focused())
            if (TForm* form = ParentForm())
                form->SelectNext(this, true, true);
        EnableWindow(handle_, value);
    }
}

void TWinControl::TextChanged()
{
    if (handle_)
        SetWindowTextA(handle_, Caption().c_str());
    Invalidate();
}

void TWinControl::Invalidate()
{
    if (handle_ && !IsLoading())
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TWinControl::InvalidateRect(const RECT& rect)
{
    if (handle_ && !IsLoading())
        ::InvalidateRect(handle_, &rect, FALSE);
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::Repaint()
{
    if (handle_ && !IsLoading())
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    if (Parent() && askedTabOrder_ >= 0) {
        // Controls that asked for no place keep theirs after those that did.
        auto asked = [](const TWinControl* c) { return c->askedTabOrder_ >= 0 ? c->askedTabOrder_ : INT_MAX; };
        std::stable_sort(Parent()->tabList_.begin(), Parent()->tabList_.end(),
            [&](const TWinControl* a, const TWinControl* b) { return asked(a) < asked(b); });
    }
    if (handle_) {
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowTextA(handle_, Caption().c_str());
        EnableWindow(handle_, Enabled());
    }
    UpdateShowing();
}

// ---- Painting ----

void TWinControl::PaintMessage(HDC dc)
{
    if (dc) {
        // A caller (a child drawing its background) hands us its surface, origin and clip set.
        TCanvas canvas(dc);
        PaintTo(canvas);
        return;
    }
    // EndPaint runs even when a paint throws: the exception goes on to the window procedure.
    TPaintDC paint(handle_);
    HDC screen = paint.Get();
    if (!screen)
        return;
    // A window that others cover entirely (a page behind the active one) still
    // gets its paint; nothing of it would reach the screen.
    RECT visible;
    if (GetClipBox(screen, &visible) == NULLREGION)
        return;
    const RECT& area = paint.PaintRect();
    if (doubleBuffered_ && !IsRectEmpty(&area)) {
        // Only the area to repaint is drawn off-screen; client coordinates stay valid through
        // the moved origin.
        TBackBuffer buffer;
        TMemoryCanvas memory(screen, area, buffer.Bitmap());
        memory.Canvas().MoveOrigin(-area.left, -area.top);
        PaintTo(memory.Canvas());
        // The copy reads the bitmap through the same DC, so its origin goes back first.
        memory.Canvas().MoveOrigin(area.left, area.top);
        memory.Flush();
    } else {
        TCanvas canvas(screen);
        PaintTo(canvas);
    }
}

void TWinControl::PaintBackgroundFor(const TControl* child, WPARAM dc)
{
    const TControl* previous = backgroundFor_;
    backgroundFor_ = child && !child->IsWindowed() ? child : nullptr;
    try {
        if (handle_) {
            SendMessageA(handle_, WM_ERASEBKGND, dc, 0);
            SendMessageA(handle_, WM_PAINT, dc, 0);
        } else {
            Perform(WM_ERASEBKGND, dc, 0);
            Perform(WM_PAINT, dc, 0);
        }
    } catch (...) {
        backgroundFor_ = previous;
        throw;
    }
    backgroundFor_ = previous;
}

void TWinControl::PaintTo(TCanvas& canvas)
{
    canvas.SetFont(Font());
    canvas.Brush().SetColor(Color());
    PaintWindow(canvas);
    PaintControls(canvas, backgroundFor_);
}

void TWinControl::PaintWindow(TCanvas& canvas)
{
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
}

void TWinControl::PaintControls(TCanvas& canvas, const TControl* stopAt)
{
    HDC dc = canvas.Handle();
    for (TControl* control : std::vector<TControl*>(controls_)) {
        if (control == stopAt)
            break;
        if (control->IsWindowed() || !control->Visible() || control->Width() <= 0 || control->Height() <= 0)
            continue;
        RECT bounds = control->BoundsRect();
        if (!RectVisible(dc, &bounds))
            continue;
        // The DC's own state (origin, clip, modes) is saved around each child; the canvas keeps
        // its objects, so children that share a font do not make it again.
        canvas.Refresh();
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        ::IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
        canvas.SetFont(control->Font());
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(control->Color());
        control->PaintTo(canvas);
        canvas.Refresh();
        RestoreDC(dc, saved);
    }
}

// ---- Mouse ----

void TWinControl::SetCaptureControl(TControl* control)
{
    captureControl_ = control;
}

void TWinControl::TrackHover(TControl* control)
{
    if (control == hoverControl_)
        return;
    TControl* old = hoverControl_;
    hoverControl_ = control;
    if (old)
        old->DispatchMouseLeave();
    if (control && hoverControl_ == control)
        control->DispatchMouseEnter();
}

LRESULT TWinControl::HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    POINT at { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
    TShiftState shift = MouseShift(wParam);
    bool captured = captureControl_ && GetCapture() == handle_;
    if (captureControl_ && !captured)
        captureControl_ = nullptr;
    TControl* hit = ControlAtPos(at, false);
    TControl* target = captured ? captureControl_ : (hit ? hit : this);
    POINT local = at;
    if (target != this) {
        local.x -= target->Left();
        local.y -= target->Top();
    }

    if (message == WM_MOUSEMOVE) {
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track { sizeof(track), TME_LEAVE, handle_, 0 };
            trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        }
        DispatchMouseEnter();
        TrackHover(hit);
        target->DispatchMouseMove(shift, local.x, local.y);
        return systemProc_ ? DefaultHandler(message, wParam, lParam) : 0;
    }

    // Presses and releases can arrive without a move first (synthesised, or after a capture).
    TrackHover(hit);
    TMouseButton button = TMouseButton::mbLeft;
    bool down = false;
    bool dbl = false;
    switch (message) {
    case WM_LBUTTONDOWN:
        down = true;
        break;
    case WM_LBUTTONDBLCLK:
        down = dbl = true;
        break;
    case WM_RBUTTONDOWN:
        button = TMouseButton::mbRight;
        down = true;
        break;
    case WM_RBUTTONDBLCLK:
        button = TMouseButton::mbRight;
        down = dbl = true;
        break;
    case WM_MBUTTONDOWN:
        button = TMouseButton::mbMiddle;
        down = true;
        break;
    case WM_MBUTTONDBLCLK:
        button = TMouseButton::mbMiddle;
        down = dbl = true;
        break;
    case WM_RBUTTONUP:
        button = TMouseButton::mbRight;
        break;
    case WM_MBUTTONUP:
        button = TMouseButton::mbMiddle;
        break;
    default:
        break;
    }
    if (down) {
        CancelModeOfFocused(target);
        target->DispatchMouseDown(button, shift, local.x, local.y, dbl);
    } else {
        releasingCapture_ = true;
        target->DispatchMouseUp(button, shift, local.x, local.y);
        releasingCapture_ = false;
        if ((shift & (ssLeft | ssRight | ssMiddle)) == 0)
            captureControl_ = nullptr;
    }
    return systemProc_ ? DefaultHandler(message, wParam, lParam) : 0;
}

void TWinControl::CancelModeOfFocused(const TControl* pressed) const
{
    // A press elsewhere ends the focused control's mode (an open list, a drag), even when
    // what was pressed takes no focus: a label, a picture, the window's face.
    HWND focus = GetFocus();
    if (!focus || focus == handle_)
        return;
    const TWinControl* focused = FromHandle(focus);
    if (focused && !focused->ContainsControl(pressed))
        SendMessageA(focus, WM_CANCELMODE, 0, 0);
}

void TWinControl::CancelMode()
{
    TControl::CancelMode();
}

// ---- Focus and tab order ----

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    askedTabOrder_ = value;
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* control : tabList_) {
        list.push_back(control);
        control->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    int count = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - list.begin());
    for (int step = 1; step <= count; ++step) {
        int index = forward ? (start + step) % count : (start - step + count) % count;
        TWinControl* candidate = list[static_cast<std::size_t>(index)];
        if (candidate == current)
            continue;
        if ((!checkTabStop || candidate->TabStop()) && candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop))
        next->SetFocus();
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

bool TWinControl::CanFocus() const
{
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    TForm* form = ParentForm();
    if (form && form != this)
        form->SetActiveControl(this);
    else if (CanFocus())
        ::SetFocus(Handle());
}

void TWinControl::ShowControl(const TControl* control)
{
    if (Parent())
        Parent()->ShowControl(control);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::FocusChanged(TWinControl* focused)
{
    for (TControl* control : std::vector<TControl*>(controls_))
        control->FocusChanged(focused);
}

// ---- Keyboard ----

bool TWinControl::WantsKey(std::uint16_t) const
{
    return false;
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

bool TWinControl::DialogKey(std::uint16_t key, TShiftState shift)
{
    for (TControl* control : std::vector<TControl*>(controls_))
        if (control->Visible() && control->DialogKey(key, shift))
            return true;
    return false;
}

bool TWinControl::DialogChar(char ch, TShiftState shift)
{
    for (TControl* control : std::vector<TControl*>(controls_))
        if (control->Visible() && control->DialogChar(ch, shift))
            return true;
    return false;
}

LRESULT TWinControl::HandleKeyMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    TForm* form = ParentForm();
    TForm* preview = form && form != this && form->KeyPreview() ? form : nullptr;
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        auto key = static_cast<std::uint16_t>(wParam);
        TShiftState shift = KeyboardShift();
        if (preview) {
            static_cast<TWinControl*>(preview)->KeyDown(key, shift);
            if (key == 0)
                return 0;
        }
        KeyDown(key, shift);
        if (key == 0)
            return 0;
        if (form && IsDialogKey(key) && !WantsKey(key) && form->ProcessDialogKey(key, shift))
            return 0;
        return DefaultHandler(message, key, lParam);
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        auto key = static_cast<std::uint16_t>(wParam);
        TShiftState shift = KeyboardShift();
        if (preview) {
            static_cast<TWinControl*>(preview)->KeyUp(key, shift);
            if (key == 0)
                return 0;
        }
        KeyUp(key, shift);
        if (key == 0)
            return 0;
        return DefaultHandler(message, key, lParam);
    }
    case WM_CHAR: {
        char ch = static_cast<char>(wParam);
        if (preview) {
            static_cast<TWinControl*>(preview)->KeyPress(ch);
            if (ch == 0)
                return 0;
        }
        KeyPress(ch);
        if (ch == 0)
            return 0;
        // Plain letters work as accelerators only when the focused control does not take
        // characters itself (an edit box does).
        if (form && static_cast<unsigned char>(ch) >= ' ' && !(Perform(WM_GETDLGCODE) & DLGC_WANTCHARS)
            && form->ProcessDialogChar(ch, KeyboardShift() & ~ssAlt))
            return 0;
        return DefaultHandler(message, static_cast<unsigned char>(ch), lParam);
    }
    case WM_SYSCHAR: {
        char ch = static_cast<char>(wParam);
        if (form && form->ProcessDialogChar(ch, KeyboardShift() | ssAlt))
            return 0;
        return DefaultHandler(message, wParam, lParam);
    }
    default:
        return DefaultHandler(message, wParam, lParam);
    }
}

// ---- TCustomControl ----

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner)
{
}

void TCustomControl::PaintWindow(TCanvas& canvas)
{
    Paint(canvas);
}

void TCustomControl::Paint(TCanvas& canvas)
{
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
}

} // namespace folvane
