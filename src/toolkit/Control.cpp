// TControl: geometry, state flags and the mouse protocol shared by every control.
#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiObjects.h"

#include <algorithm>

namespace folvane {

TControl::TControl(TComponent* owner)
    : TComponent(owner)
    , font_(std::make_unique<TFont>())
{
    font_->OnChange = [this] {
        if (fontChanging_)
            return;
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    Application().ControlDestroyed(this);
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw EComponentError("A control cannot be its own parent");
    for (TWinControl* p = parent; p; p = p->Parent())
        if (p == static_cast<TControl*>(this))
            throw EComponentError("A control cannot be a parent of its own parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::ApplyConstraints(int& width, int& height) const
{
    if (constraints_.MaxWidth > 0)
        width = std::min(width, constraints_.MaxWidth);
    if (constraints_.MaxHeight > 0)
        height = std::min(height, constraints_.MaxHeight);
    width = std::max(width, constraints_.MinWidth);
    height = std::max(height, constraints_.MinHeight);
    width = std::max(width, 0);
    height = std::max(height, 0);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    ApplyConstraints(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    RECT old = BoundsRect();
    bool resized = width != width_ || height != height_;
    StoreBounds(left, top, width, height);
    if (IsLoading())
        return;
    BoundsChanged(old);
    if (resized)
        Resize();
}

void TControl::StoreBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::BoundsChanged(const RECT& oldBounds)
{
    // A graphic control uncovers its old place and covers its new one on the parent.
    if (!visible_)
        return;
    InvalidateRectOnParent(oldBounds);
    InvalidateRectOnParent(BoundsRect());
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::SetConstraints(const TSizeConstraints& constraints)
{
    if (constraints == constraints_)
        return;
    constraints_ = constraints;
    SetBounds(left_, top_, width_, height_);
}

POINT TControl::ClientOrigin() const
{
    if (!parent_)
        return POINT { left_, top_ };
    POINT origin = parent_->ClientOrigin();
    return POINT { origin.x + left_, origin.y + top_ };
}

POINT TControl::ClientToScreen(POINT point) const
{
    POINT origin = ClientOrigin();
    return POINT { point.x + origin.x, point.y + origin.y };
}

POINT TControl::ScreenToClient(POINT point) const
{
    POINT origin = ClientOrigin();
    return POINT { point.x - origin.x, point.y - origin.y };
}

void TControl::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    if (IsLoading())
        return;
    InvalidateRectOnParent(BoundsRect());
    VisibleChanged();
}

void TControl::Show()
{
    if (parent_)
        parent_->ShowControl(this);
    SetVisible(true);
}

bool TControl::Showing() const
{
    return visible_ && parent_ && parent_->Showing();
}

void TControl::VisibleChanged()
{
}

void TControl::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    if (IsLoading())
        return;
    EnabledChanged();
}

void TControl::EnabledChanged()
{
    Invalidate();
}

bool TControl::EnabledInParents() const
{
    for (const TControl* control = this; control; control = control->parent_)
        if (!control->enabled_)
            return false;
    return true;
}

void TControl::SetColor(TColor value)
{
    parentColor_ = false;
    StoreColor(value);
}

void TControl::StoreColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    if (IsLoading())
        return;
    ColorChanged();
}

void TControl::ColorChanged()
{
    Invalidate();
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i)
            self->Controls(i)->ParentColorChanged();
}

void TControl::SetParentColor(bool value)
{
    if (value == parentColor_)
        return;
    parentColor_ = value;
    if (value && parent_)
        StoreColor(parent_->Color());
}

void TControl::ParentColorChanged()
{
    if (parentColor_ && parent_)
        StoreColor(parent_->Color());
}

void TControl::SetFont(const TFont& font)
{
    font_->Assign(font); // the change handler turns ParentFont off
}

void TControl::SetParentFont(bool value)
{
    if (value == parentFont_)
        return;
    parentFont_ = value;
    if (value)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!parentFont_ || !parent_)
        return;
    TakeParentFont();
    FontChanged();
}

void TControl::TakeParentFont()
{
    fontChanging_ = true;
    font_->Assign(parent_->Font());
    if (ownFontColor_)
        font_->SetColor(*ownFontColor_);
    fontChanging_ = false;
}

void TControl::SetDefaultFontColor(TColor value)
{
    ownFontColor_ = value;
    fontChanging_ = true;
    font_->SetColor(value);
    fontChanging_ = false;
}

void TControl::FontChanged()
{
    if (IsLoading())
        return;
    Invalidate();
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i)
            self->Controls(i)->ParentFontChanged();
}

void TControl::SetCaption(const std::string& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    if (IsLoading())
        return;
    TextChanged();
}

void TControl::TextChanged()
{
    Invalidate();
}

void TControl::SetShowHint(bool value)
{
    parentShowHint_ = false;
    showHint_ = value;
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i)
            self->Controls(i)->ParentShowHintChanged();
}

void TControl::SetParentShowHint(bool value)
{
    if (value == parentShowHint_)
        return;
    parentShowHint_ = value;
    if (value)
        ParentShowHintChanged();
}

void TControl::ParentShowHintChanged()
{
    if (parentShowHint_ && parent_)
        showHint_ = parent_->ShowHint();
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i)
            self->Controls(i)->ParentShowHintChanged();
}

void TControl::SetCursor(TCursor value)
{
    cursor_ = value;
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    popupMenu_.Set(menu);
}

void TControl::InvalidateRectOnParent(const RECT& rect)
{
    if (parent_ && parent_->HandleAllocated() && !IsLoading())
        parent_->InvalidateRect(rect);
}

void TControl::Invalidate()
{
    if (visible_)
        InvalidateRectOnParent(BoundsRect());
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    list.erase(std::find(list.begin(), list.end(), this));
    list.push_back(this);
    RestackWindow(HWND_TOP);
    Invalidate();
}

void TControl::SendToBack()
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    list.erase(std::find(list.begin(), list.end(), this));
    list.insert(list.begin(), this);
    RestackWindow(HWND_BOTTOM);
    Invalidate();
}

void TControl::RestackWindow(HWND place)
{
    // A windowed child's window covers its siblings by the system's z-order,
    // not by the control list: move it along.
    auto* windowed = dynamic_cast<TWinControl*>(this);
    if (HWND window = windowed ? windowed->ExistingHandle() : nullptr)
        SetWindowPos(window, place, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TForm* TControl::ParentForm() const
{
    const TControl* control = this;
    while (control->parent_)
        control = control->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

// ---- Mouse ----

bool TControl::MouseCapture() const
{
    if (auto* self = dynamic_cast<const TWinControl*>(this))
        return self->handle_ && GetCapture() == self->handle_;
    return parent_ && parent_->captureControl_ == this && parent_->handle_ && GetCapture() == parent_->handle_;
}

void TControl::SetMouseCapture(bool value)
{
    if (value == MouseCapture())
        return;
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        if (value)
            SetCapture(self->Handle());
        else
            ReleaseCapture();
        return;
    }
    if (!parent_)
        return;
    if (value) {
        parent_->SetCaptureControl(this);
        SetCapture(parent_->Handle());
    } else {
        ReleaseCapture();
    }
}

void TControl::DispatchMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool doubleClick)
{
    if (doubleClick && !doubleClicks_)
        doubleClick = false;
    if (capturesMouse_)
        SetMouseCapture(true);
    if (button == TMouseButton::mbLeft) {
        // A release after a double click is not a click of its own.
        clicked_ = !doubleClick;
        if (doubleClick)
            DblClick();
    }
    MouseDown(button, shift | (doubleClick ? ssDouble : 0u), x, y);
}

void TControl::DispatchMouseMove(TShiftState shift, int x, int y)
{
    Application().HintMouseMove(this, POINT { x, y });
    MouseMove(shift, x, y);
}

void TControl::DispatchMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    bool released = (shift & (ssLeft | ssRight | ssMiddle)) == 0;
    if (released && MouseCapture())
        SetMouseCapture(false);
    bool click = button == TMouseButton::mbLeft && clicked_;
    if (button == TMouseButton::mbLeft)
        clicked_ = false;
    if (click && PointInside(x, y))
        Click();
    MouseUp(button, shift, x, y);
}

bool TControl::PointInside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight();
}

void TControl::DispatchMouseEnter()
{
    if (mouseInside_)
        return;
    mouseInside_ = true;
    MouseEnter();
}

void TControl::DispatchMouseLeave()
{
    if (!mouseInside_)
        return;
    mouseInside_ = false;
    Application().HintControlLeft(this);
    MouseLeave();
}

void TControl::DispatchCancelMode()
{
    clicked_ = false;
    CancelMode();
}

bool TControl::ContextPopup(int screenX, int screenY)
{
    // The nearest popup menu up the parent chain opens at the point.
    for (TControl* control = this; control; control = control->parent_) {
        if (control->popupMenu_ && control->popupMenu_->AutoPopup()) {
            control->popupMenu_->SetPopupComponent(this);
            control->popupMenu_->Popup(screenX, screenY);
            return true;
        }
    }
    return false;
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::CancelMode()
{
}

bool TControl::DialogKey(std::uint16_t, TShiftState)
{
    return false;
}

bool TControl::DialogChar(char, TShiftState)
{
    return false;
}

void TControl::FocusChanged(TWinControl*)
{
}

bool TControl::HintShow(THintInfo&)
{
    return true;
}

void TControl::PaintTo(TCanvas& canvas)
{
    Paint(canvas);
}

void TControl::Paint(TCanvas&)
{
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (parentColor_ && parent_)
        color_ = parent_->Color();
    if (parentFont_ && parent_)
        TakeParentFont();
    if (parentShowHint_ && parent_)
        showHint_ = parent_->ShowHint();
    Invalidate();
}

HCURSOR CursorHandle(TCursor cursor)
{
    LPCSTR id = IDC_ARROW;
    switch (cursor) {
    case crCross:
        id = IDC_CROSS;
        break;
    case crIBeam:
        id = IDC_IBEAM;
        break;
    case crSizeAll:
        id = IDC_SIZEALL;
        break;
    case crSizeNESW:
        id = IDC_SIZENESW;
        break;
    case crSizeNS:
        id = IDC_SIZENS;
        break;
    case crSizeNWSE:
        id = IDC_SIZENWSE;
        break;
    case crSizeWE:
        id = IDC_SIZEWE;
        break;
    case crUpArrow:
        id = IDC_UPARROW;
        break;
    case crHourGlass:
        id = IDC_WAIT;
        break;
    case crNo:
        id = IDC_NO;
        break;
    case crAppStart:
        id = IDC_APPSTARTING;
        break;
    case crHelp:
        id = IDC_HELP;
        break;
    case crHandPoint:
        id = IDC_HAND;
        break;
    case crNone:
        return nullptr;
    default:
        break;
    }
    return LoadCursorA(nullptr, id);
}

} // namespace folvane
