// TWinControl: a control with a window of its own. It owns the child list (graphic children are
// painted and hit-tested by it), the keyboard (focus, tab order, dialog keys, accelerators,
// key preview of the form) and the window procedure.
//
// Every toolkit window class runs the same procedure: it finds the control through the window
// (stored at WM_NCCREATE), cracks the message and calls a virtual handler; an exception that
// leaves a handler goes to Application().HandleException and the message counts as handled.
// Windows of a system class (EDIT, COMBOBOX...) are subclassed into the same procedure.
//
// Painting: WM_PAINT with a device context in wParam paints straight into it (that is how a
// child asks its parent for its background); otherwise the control paints into an off-screen
// bitmap of its client size and copies it in one step. WM_ERASEBKGND never paints.
//
// TCustomControl adds the canvas-based Paint() a self-drawn control overrides.
#pragma once

#include "toolkit/Control.h"

#include <string>
#include <vector>

namespace folvane {

struct TCreateParams {
    std::string WinClassName;
    // True: WinClassName is a system class whose window is subclassed.
    bool SystemClass = false;
    UINT ClassStyle = CS_DBLCLKS;
    DWORD Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    std::string Caption;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner = nullptr);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }
    bool IsWindowed() const override { return true; }

    // The window, created on first use (with the parents' windows).
    HWND Handle();
    HWND ExistingHandle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and builds it again from the stored state.
    void RecreateWnd();
    static TWinControl* FromHandle(HWND window);

    // Children in z-order, bottom first.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    // The topmost visible child at a client point; disabled ones only when asked.
    TControl* ControlAtPos(POINT point, bool allowDisabled, bool allowWindowed = false) const;
    bool ContainsControl(const TControl* control) const;

    // Tab order among the windowed siblings, 0 first.
    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }
    // The windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next (or previous) focusable descendant after `current`, wrapping round.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // A descendant asks to be seen (shown or focused); each parent in turn may bring it forward.
    virtual void ShowControl(const TControl* control);

    // Calls the window procedure directly, window or not.
    LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Off-screen painting; off, the control paints into the window's device context.
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }

    void PaintTo(TCanvas& canvas) override;
    // Paints the graphic children onto a canvas whose origin is this control's client origin,
    // bottom first, stopping below `stopAt` when it is one of them.
    void PaintControls(TCanvas& canvas, const TControl* stopAt = nullptr);
    // Erase and paint requests carrying `dc`, sent (or, without a window, performed) for a
    // child that shows this control through itself; a graphic child's own layer and the ones
    // above it are left out.
    void PaintBackgroundFor(const TControl* child, WPARAM dc);

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    POINT ClientOrigin() const override;
    bool Showing() const override;
    void Invalidate() override;
    void Repaint() override;
    void Update() override;
    // Invalidates part of the client area (client coordinates).
    void InvalidateRect(const RECT& rect);

    bool DialogKey(std::uint16_t key, TShiftState shift) override;
    bool DialogChar(char ch, TShiftState shift) override;
    void FocusChanged(TWinControl* focused) override;
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // The window procedure of the toolkit's windows.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StandardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Runs once the window exists (children are created after it).
    virtual void HandleCreated();
    // What the default procedure (or the subclassed system class) does with a message.
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

    // Paints the control's own face; the default fills the client area with Color.
    virtual void PaintWindow(TCanvas& canvas);
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);
    // True for keys the control handles itself instead of giving them to the form as dialog
    // keys (Tab, Enter, Escape, arrows).
    virtual bool WantsKey(std::uint16_t key) const;
    virtual void DoEnter();
    virtual void DoExit();

    void TextChanged() override;
    void BoundsChanged(const RECT& oldBounds) override;
    void CancelMode() override;

    // Shows the window (windowed children: ShowWindow; forms override).
    virtual void UpdateShowing();
    // Destroys the window of this control and of its windowed children; the state stays.
    void DestroyHandle();

private:
    friend class TControl;
    friend class TForm;

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void CreateHandleNow();
    void CreateChildHandles();
    void TakeStackingPlace();
    LRESULT HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Sends the focused control a cancel-mode message unless `pressed` is part of it.
    void CancelModeOfFocused(const TControl* pressed) const;
    LRESULT HandleKeyMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void TrackHover(TControl* control);
    void PaintMessage(HDC dc);
    void WindowPosChanged(const WINDOWPOS& pos);
    void SetCaptureControl(TControl* control);

    HWND handle_ = nullptr;
    WNDPROC systemProc_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    // The place last asked for: a layout asks before the controls after this
    // one exist, so the places are settled again once it is loaded.
    int askedTabOrder_ = -1;
    bool tabStop_ = false;
    bool doubleBuffered_ = true;
    bool destroyingHandle_ = false;
    bool trackingLeave_ = false;
    bool releasingCapture_ = false;
    TControl* hoverControl_ = nullptr;
    TControl* captureControl_ = nullptr;
    const TControl* backgroundFor_ = nullptr;
};

// A windowed control that draws itself on a canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TCustomControl"; }

protected:
    void PaintWindow(TCanvas& canvas) override;
    // The default fills the client area with Color.
    void Paint(TCanvas& canvas) override;
};

} // namespace folvane
