// TControl: what every control has, windowed or not: a parent, bounds, visibility and enabled
// state, colour and font with their parent-following flags, caption, hint, cursor, popup menu,
// size constraints, and the mouse protocol (press, move, release, click, double click, enter,
// leave, capture). Painting and window handles belong to the subclasses: TGraphicControl is
// painted by its parent, TWinControl owns a window.
//
// Setters store and repaint; while the component is loading they only store, and Loaded()
// brings the control up to date once.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/Controls.h"
#include "toolkit/graphics/Color.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace folvane {

class TCanvas;
class TFont;
class TForm;
class TPopupMenu;
class TWinControl;

// 0 in a field means "no limit".
struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    bool operator==(const TSizeConstraints&) const = default;
};

// What a control may change before its hint is shown.
struct THintInfo {
    std::string HintStr;
    POINT CursorPos {}; // in the control's client coordinates
    POINT HintPos {}; // screen position of the hint window's top-left corner
    RECT CursorRect {}; // the hint stays while the cursor stays inside (client coordinates)
    int HideTimeout = 0; // milliseconds; 0 takes the application's HintHidePause
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner = nullptr);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    // Parent and geometry (left and top in the parent's client coordinates).
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT { left_, top_, left_ + width_, top_ + height_ }; }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    virtual void SetClientWidth(int value) { SetWidth(value); }
    virtual void SetClientHeight(int value) { SetHeight(value); }
    RECT ClientRect() const { return RECT { 0, 0, ClientWidth(), ClientHeight() }; }
    // Screen position of the client area's top-left corner.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;
    const TSizeConstraints& Constraints() const { return constraints_; }
    void SetConstraints(const TSizeConstraints& constraints);

    // Visibility: Showing() also needs every parent to be showing.
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    // Asks the parents to bring this control into view (a page control activates its page), then
    // makes it visible.
    void Show();
    void Hide() { SetVisible(false); }
    virtual bool Showing() const;

    // Enabled is the control's own flag; EnabledInParents() is false as well when any parent is
    // disabled, which is how controls on a disabled parent look and behave.
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);
    bool EnabledInParents() const;

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont& Font() const { return *font_; }
    void SetFont(const TFont& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& value) { SetCaption(value); }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);

    TPopupMenu* PopupMenu() const { return popupMenu_.Get(); }
    void SetPopupMenu(TPopupMenu* menu);

    // Repainting. Invalidate() queues, Repaint() paints now, Update() flushes what is queued.
    virtual void Invalidate();
    virtual void Repaint();
    virtual void Update();
    void BringToFront();
    void SendToBack();

    // The form this control lies on (itself for a form), or nullptr.
    TForm* ParentForm() const;
    virtual bool IsWindowed() const { return false; }

    bool MouseInside() const { return mouseInside_; }
    // Whether a client point counts as on the control for a press and its click (the client
    // rectangle); a control of another shape overrides it.
    virtual bool PointInside(int x, int y) const;
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // Control style: whether presses capture the mouse and a double click is a double click
    // (otherwise it arrives as a second plain press).
    bool CapturesMouse() const { return capturesMouse_; }
    void SetCapturesMouse(bool value) { capturesMouse_ = value; }
    bool AcceptsDoubleClicks() const { return doubleClicks_; }
    void SetAcceptsDoubleClicks(bool value) { doubleClicks_ = value; }

    // Clicks as if by the mouse: OnClick.
    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // ---- Entry points of the message routing (called by the window that receives input) ----
    // Coordinates are the control's client coordinates.
    void DispatchMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool doubleClick);
    void DispatchMouseMove(TShiftState shift, int x, int y);
    void DispatchMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void DispatchMouseEnter();
    void DispatchMouseLeave();
    void DispatchCancelMode();
    // A dialog key (Tab, Enter, Escape) or character offered to every control of a form; true
    // when the control used it.
    virtual bool DialogKey(std::uint16_t key, TShiftState shift);
    virtual bool DialogChar(char ch, TShiftState shift);
    // The focus moved to `focused` inside the form (nullptr: nothing of the form has it).
    virtual void FocusChanged(TWinControl* focused);
    // The hint machinery asks before it shows this control's hint; false keeps it hidden.
    virtual bool HintShow(THintInfo& info);

    // Paints the control onto a canvas whose origin is the control's top-left corner.
    virtual void PaintTo(TCanvas& canvas);

    void Loaded() override;

protected:
    virtual void Paint(TCanvas& canvas);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Capture was lost or the system cancelled the mouse mode.
    virtual void CancelMode();

    virtual void Resize();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    // The parent's colour or font changed; the default follows it when the flag is on.
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    virtual void ParentShowHintChanged();
    // Geometry changed: windowed controls move their window.
    virtual void BoundsChanged(const RECT& oldBounds);
    // Opens the popup menu of this control or of the nearest parent that has one; false when
    // there is none.
    virtual bool ContextPopup(int screenX, int screenY);

    // Sets the bounds fields without side effects (a window reporting its own new position).
    void StoreBounds(int left, int top, int width, int height);
    void StoreVisible(bool value) { visible_ = value; }
    void ApplyConstraints(int& width, int& height) const;
    // Sets the colour without turning ParentColor off.
    void StoreColor(TColor value);
    // A font colour of the control's own (set at construction): the face, size and style
    // still follow the parent while ParentFont is on.
    void SetDefaultFontColor(TColor value);
    void SetMouseInside(bool value) { mouseInside_ = value; }
    // Tells the parent window to repaint this control's rectangle (graphic controls).
    void InvalidateRectOnParent(const RECT& rect);

private:
    void RestackWindow(HWND place);
    // Takes the parent's font, keeping a colour of the control's own.
    void TakeParentFont();
    friend class TWinControl;

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TSizeConstraints constraints_;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool fontChanging_ = false;
    std::optional<TColor> ownFontColor_;
    std::string caption_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TComponentReference<TPopupMenu> popupMenu_ { this };
    bool mouseInside_ = false;
    bool clicked_ = false;
    bool capturesMouse_ = true;
    bool doubleClicks_ = true;
};

// The system cursor for a cursor identifier (the arrow for crDefault and unknown values).
HCURSOR CursorHandle(TCursor cursor);

} // namespace folvane
