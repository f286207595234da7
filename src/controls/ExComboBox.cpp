// TCustomExComboBox, its drop-down button, pop-up form and list box.
#include "controls/ExComboBox.h"

#include "controls/ComboGeometry.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiObjects.h"

#include <windowsx.h>

#include <algorithm>

namespace folvane {

namespace {

// Posted by the search timeout thread when the typed text has expired; wParam
// is the timeout's run number.
constexpr UINT kSearchExpiredMessage = WM_APP + 0x0BC1;

PixelRect ToPixels(const RECT& r)
{
    return PixelRect { r.left, r.top, r.right, r.bottom };
}

wchar_t SystemUpper(wchar_t ch)
{
    wchar_t buffer[2] = { ch, 0 };
    CharUpperBuffW(buffer, 1);
    return buffer[0];
}

// The character the keyboard layout makes of a key with the current shift
// state; 0 for none (or a dead key).
wchar_t TranslateKey(std::uint16_t key)
{
    BYTE state[256] = {};
    if (!GetKeyboardState(state))
        return 0;
    wchar_t out[4] = {};
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    const int count = ToUnicodeEx(key, scan, state, out, 4, 0, GetKeyboardLayout(0));
    return count == 1 ? out[0] : 0;
}

} // namespace

// ---------------------------------------------------------------------------
// TExComboButton
// ---------------------------------------------------------------------------

TExComboButton::TExComboButton(TComponent* owner)
    : TExEditBtn(owner)
{
    // Down while the list is open; the combo sets and clears it.
    SetIsSwitch(true);
}

// ---------------------------------------------------------------------------
// TExComboListBox
// ---------------------------------------------------------------------------

TExComboListBox::TExComboListBox(TCustomExComboBox& combo, TComponent* owner)
    : TWinControl(owner)
    , combo_(combo)
{
    SetCapturesMouse(false);
}

void TExComboListBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.WinClassName = "LISTBOX";
    params.SystemClass = true;
    // Rows hold no strings: the items stay here as UTF-16 and the combo draws them.
    params.Style |= WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
    if (horizontalScroll_)
        params.Style |= WS_HSCROLL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TExComboListBox::HandleCreated()
{
    TWinControl::HandleCreated();
    FillWindow();
}

void TExComboListBox::FillWindow()
{
    HWND window = ExistingHandle();
    if (!window)
        return;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < items_.size(); ++i)
        SendMessageW(window, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    SendMessageW(window, LB_SETITEMHEIGHT, 0, itemHeight_);
    SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    if (horizontalScroll_)
        SendMessageW(window, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(WidestItem()), 0);
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(window, nullptr, TRUE);
}

int TExComboListBox::WidestItem() const
{
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.SetFont(combo_.Font());
    int widest = 0;
    for (const std::wstring& item : items_)
        widest = std::max(widest, canvas.TextWidth(item));
    // Room for what the rows draw before the text (the drive icon).
    return widest + combo_.ItemHeight() + combo_.ItemHeight() / 4 + 4;
}

void TExComboListBox::SetItems(std::vector<std::wstring> items)
{
    items_ = std::move(items);
    itemIndex_ = -1;
    FillWindow();
}

int TExComboListBox::ItemIndex() const
{
    if (HWND window = ExistingHandle())
        return static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
    return itemIndex_;
}

void TExComboListBox::SetItemIndex(int value)
{
    if (value < -1 || value >= Count())
        value = -1;
    itemIndex_ = value;
    if (HWND window = ExistingHandle())
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TExComboListBox::SetItemHeight(int value)
{
    if (value < 1 || value == itemHeight_)
        return;
    itemHeight_ = value;
    if (HWND window = ExistingHandle())
        SendMessageW(window, LB_SETITEMHEIGHT, 0, value);
}

void TExComboListBox::SetHorizontalScroll(bool value)
{
    if (value == horizontalScroll_)
        return;
    horizontalScroll_ = value;
    RecreateWnd();
}

int TExComboListBox::ItemAtPos(POINT point) const
{
    HWND window = ExistingHandle();
    if (!window)
        return -1;
    RECT client;
    GetClientRect(window, &client);
    if (!PtInRect(&client, point))
        return -1;
    const LRESULT hit = SendMessageW(window, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    return HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
}

void TExComboListBox::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (static_cast<int>(item.itemID) < 0 || static_cast<int>(item.itemID) >= Count())
        return;
    TCanvas canvas(item.hDC);
    canvas.SetFont(combo_.Font());
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    combo_.DrawItem(canvas, static_cast<int>(item.itemID), item.rcItem, selected);
}

void TExComboListBox::SelectRowAt(LPARAM point)
{
    const int row = ItemAtPos(POINT { GET_X_LPARAM(point), GET_Y_LPARAM(point) });
    if (row >= 0 && row != ItemIndex())
        SetItemIndex(row);
}

LRESULT TExComboListBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The list never takes the focus or tracks the mouse itself: the combo
    // keeps the focus, and a press captures until its release closes the list.
    switch (message) {
    case WM_MOUSEMOVE:
        SelectRowAt(lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SelectRowAt(lParam);
        press_.MouseDown(TMouseButton::mbLeft, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP: {
        if (!press_.Pressed())
            return 0;
        const bool inside = press_.MouseUp(TMouseButton::mbLeft, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        // The tracker gives the capture up on a release outside; inside, the list does.
        SetMouseCapture(false);
        combo_.CloseUp(inside);
        return 0;
    }
    case WM_CAPTURECHANGED:
        press_.CancelMode();
        return DefaultHandler(message, wParam, lParam);
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case WM_ERASEBKGND:
        // The system list paints its rows (through WM_DRAWITEM) and the rest.
        return DefaultHandler(message, wParam, lParam);
    default:
        return TWinControl::WndProc(message, wParam, lParam);
    }
}

// ---------------------------------------------------------------------------
// TExComboPopup
// ---------------------------------------------------------------------------

TExComboPopup::TExComboPopup(TCustomExComboBox& combo)
    : TForm(&combo)
    , combo_(combo)
{
    SetBorderStyle(TFormBorderStyle::bsNone);
}

void TExComboPopup::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN;
    params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    // Owned by the combo's top-level window, so that it stays above it.
    params.WndParent = combo_.HandleAllocated() ? GetAncestor(combo_.ExistingHandle(), GA_ROOT) : nullptr;
}

void TExComboPopup::ShowAt(const RECT& screen)
{
    HWND window = Handle();
    SetBounds(screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top);
    combo_.ListBox().SetBounds(0, 0, ClientWidth(), ClientHeight());
    StoreVisible(true);
    SetWindowPos(window, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
        SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TExComboPopup::HidePopup()
{
    StoreVisible(false);
    if (HWND window = ExistingHandle())
        SetWindowPos(
            window, nullptr, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

LRESULT TExComboPopup::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_LISTBOX && item.hwndItem == combo_.ListBox().ExistingHandle()) {
            combo_.ListBox().DrawItem(item);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORLISTBOX:
        // The part of the list below its rows (an empty list's one row).
        background_.Reset(CreateSolidBrush(ColorToRGB(combo_.Color())));
        return reinterpret_cast<LRESULT>(background_.Get());
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_LISTBOX) {
            item.itemHeight = static_cast<UINT>(combo_.ItemHeight());
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return TForm::WndProc(message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// TCustomExComboBox: creation and properties
// ---------------------------------------------------------------------------

TCustomExComboBox::TCustomExComboBox(TComponent* owner)
    : TCustomExButtonEdit(owner, [](TComponent* box) { return new TExComboButton(box); })
    , search_(SystemUpper)
{
    button_ = static_cast<TExComboButton*>(Button());
    // The list goes onto the pop-up when that is first needed: a form made
    // now, before the combo's own form is up, could become the main form.
    list_ = new TExComboListBox(*this, this);
    SetButtonArrowColor(clBtnText);
}

TCustomExComboBox::~TCustomExComboBox()
{
    // The timeout thread must not post to a window that goes next.
    timeout_.Stop();
    DestroyComponents();
}

TExComboPopup& TCustomExComboBox::Popup()
{
    if (!popup_) {
        popup_ = new TExComboPopup(*this);
        list_->SetParent(popup_);
    }
    return *popup_;
}

void TCustomExComboBox::SetItems(std::vector<std::wstring> items)
{
    list_->SetItems(std::move(items));
    itemIndex_ = -1;
    ApplyItemText();
}

void TCustomExComboBox::SetItemIndex(int value)
{
    if (value < -1 || value >= list_->Count())
        value = -1;
    itemIndex_ = value;
    if (dropped_)
        list_->SetItemIndex(value);
    // While loading only the index is recorded; the text follows with the window.
    if (!IsLoading())
        ApplyItemText();
}

void TCustomExComboBox::SetStyle(TExComboStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    SetReadOnly(ListOnly());
    Invalidate();
}

void TCustomExComboBox::SetItemHeight(int value)
{
    list_->SetItemHeight(value);
    Invalidate();
}

void TCustomExComboBox::SetButtonArrowColor(TColor value)
{
    if (value == arrowColor_)
        return;
    arrowColor_ = value;
    BuildArrowGlyph();
}

void TCustomExComboBox::BuildArrowGlyph()
{
    TBitmap glyph(kArrowGlyphWidth, kArrowGlyphHeight, TPixelFormat::pf24bit);
    TCanvas& canvas = glyph.Canvas();
    // White is the glyph's transparent colour (its bottom-left pixel).
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(RECT { 0, 0, kArrowGlyphWidth, kArrowGlyphHeight });
    auto triangle = [&](int dx, int dy, TColor colour) {
        for (int y = 0; y < kArrowGlyphHeight; ++y)
            for (int x = 0; x < kArrowGlyphWidth; ++x)
                if (ArrowGlyphPixel(x, y) && x + dx < kArrowGlyphWidth && y + dy < kArrowGlyphHeight)
                    glyph.SetPixel(x + dx, y + dy, static_cast<TColor>(ColorToRGB(colour)));
    };
    if (Enabled()) {
        triangle(0, 0, arrowColor_);
    } else {
        triangle(1, 1, clBtnHighlight);
        triangle(0, 0, clBtnShadow);
    }
    button_->SetGlyph(glyph);
}

// ---------------------------------------------------------------------------
// Selection and text
// ---------------------------------------------------------------------------

void TCustomExComboBox::ApplyItemText()
{
    const std::wstring text = itemIndex_ >= 0 ? Items()[static_cast<std::size_t>(itemIndex_)] : std::wstring();
    TCustomExButtonEdit::SetText(text);
    if (autoSelect_)
        SetSelection(static_cast<int>(text.size()), 0);
    TextFollowed();
    Invalidate();
}

void TCustomExComboBox::TextFollowed()
{
}

int TCustomExComboBox::IndexOfText(const std::wstring& text) const
{
    const auto& items = Items();
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

void TCustomExComboBox::SetText(const std::wstring& value)
{
    int index = IndexOfText(value);
    if (index < 0 && ListOnly())
        index = itemIndex_;
    itemIndex_ = index;
    if (index >= 0 || ListOnly()) {
        ApplyItemText();
        return;
    }
    TCustomExButtonEdit::SetText(value);
    TextFollowed();
}

void TCustomExComboBox::UserSelect(int index)
{
    if (index < -1 || index >= list_->Count())
        index = -1;
    itemIndex_ = index;
    ApplyItemText();
    TCustomExButtonEdit::Change();
}

void TCustomExComboBox::Change()
{
    if (!ListOnly()) {
        itemIndex_ = IndexOfText(Text());
        TextFollowed();
    }
    TCustomExButtonEdit::Change();
}

// ---------------------------------------------------------------------------
// Opening and closing
// ---------------------------------------------------------------------------

void TCustomExComboBox::ButtonClick()
{
    DropDown();
}

void TCustomExComboBox::DropDown()
{
    if (dropped_) {
        CloseUp(false);
        return;
    }
    if (!canDrop_) {
        button_->SetDown(false);
        return;
    }
    if (!Focused())
        SetFocus();
    HideCaret(Handle());
    dropped_ = true;
    if (OnDropDown)
        OnDropDown(this);

    RECT combo;
    GetWindowRect(Handle(), &combo);
    MONITORINFO monitor {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    DropDownInput in;
    in.combo = ToPixels(combo);
    in.itemCount = list_->Count();
    in.dropDownCount = dropDownCount_;
    in.itemHeight = list_->ItemHeight();
    in.edgeHeight = GetSystemMetrics(SM_CYEDGE);
    in.horizontalScroll = list_->HorizontalScroll();
    in.scrollBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    in.dropDownWidth = dropDownWidth_;
    in.alignment = dropDownAlignment_;
    in.rightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    in.workArea = ToPixels(monitor.rcWork);
    in.adjustDropDownPos = adjustDropDownPos_;
    if (TForm* form = ParentForm(); form && form->HandleAllocated()) {
        RECT client;
        GetClientRect(form->Handle(), &client);
        MapWindowPoints(form->Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        in.hasParentForm = true;
        in.parentClient = ToPixels(client);
    }
    const PixelRect at = DropDownRect(in);

    list_->SetItemIndex(itemIndex_);
    Popup().ShowAt(RECT { at.left, at.top, at.right, at.bottom });
    list_->SetItemIndex(itemIndex_); // the window may have been made just now
    button_->SetDown(true);
}

void TCustomExComboBox::CloseUp(bool accept)
{
    if (!dropped_)
        return;
    const int chosen = list_->ItemIndex();
    dropped_ = false;
    button_->SetDown(false);
    Popup().HidePopup();
    if (accept)
        UserSelect(chosen);
}

bool TCustomExComboBox::DropDownKey(std::uint16_t key, TShiftState shift) const
{
    if (key == VK_F4)
        return (shift & (ssAlt | ssCtrl)) == 0; // Alt+F4 belongs to the form
    return (key == VK_UP || key == VK_DOWN) && (shift & ssAlt) != 0;
}

// ---------------------------------------------------------------------------
// Keyboard and mouse
// ---------------------------------------------------------------------------

void TCustomExComboBox::KeyDown(std::uint16_t& key, TShiftState shift)
{
    if (DropDownKey(key, shift)) {
        DropDown();
        key = 0;
        return;
    }
    if (dropped_) {
        switch (key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
            SendMessageW(list_->Handle(), WM_KEYDOWN, key, 0);
            key = 0;
            return;
        case VK_RETURN:
            CloseUp(true);
            key = 0;
            return;
        case VK_ESCAPE:
            CloseUp(false);
            key = 0;
            return;
        default:
            break;
        }
    } else if ((key == VK_UP || key == VK_DOWN) && canDrop_ && (shift & (ssAlt | ssCtrl)) == 0) {
        const int next = key == VK_UP ? std::max(itemIndex_ - 1, 0) : std::min(itemIndex_ + 1, list_->Count() - 1);
        if (next != itemIndex_ && list_->Count() > 0)
            UserSelect(next);
        key = 0;
        return;
    }
    // Typing searches only while the list is closed.
    if (ListOnly() && !dropped_ && (shift & (ssAlt | ssCtrl)) == 0) {
        if (key == VK_BACK) {
            search_.Backspace();
            key = 0;
            return;
        }
        const wchar_t ch = TranslateKey(key);
        if (ch >= L' ') {
            Search(ch);
            key = 0;
            return;
        }
    }
    TCustomExButtonEdit::KeyDown(key, shift);
}

void TCustomExComboBox::KeyPress(char& key)
{
    // Characters of a list-only box were searched for at their key press.
    if (ListOnly() && (static_cast<unsigned char>(key) >= ' ' || key == '\b')) {
        key = 0;
        return;
    }
    TCustomExButtonEdit::KeyPress(key);
}

void TCustomExComboBox::Search(wchar_t ch)
{
    HWND window = Handle();
    const bool stale = timeout_.Arm([window](unsigned run) { PostMessageW(window, kSearchExpiredMessage, run, 0); });
    if (stale)
        search_.Clear();
    const int found = search_.Type(ch, Items(), itemIndex_);
    if (found >= 0 && found != itemIndex_)
        UserSelect(found);
}

void TCustomExComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (ListOnly() && button == TMouseButton::mbLeft) {
        DropDown();
        return;
    }
    TCustomExButtonEdit::MouseDown(button, shift, x, y);
}

void TCustomExComboBox::DoExit()
{
    CloseUp(false);
    TCustomExButtonEdit::DoExit();
}

void TCustomExComboBox::CancelMode()
{
    CloseUp(false);
    TCustomExButtonEdit::CancelMode();
}

void TCustomExComboBox::EnabledChanged()
{
    TCustomExButtonEdit::EnabledChanged();
    if (!Enabled())
        CloseUp(false);
}

void TCustomExComboBox::HandleCreated()
{
    TCustomExButtonEdit::HandleCreated();
    ApplyItemText();
}

LRESULT TCustomExComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kSearchExpiredMessage) {
        if (timeout_.Ended(static_cast<unsigned>(wParam)))
            search_.Clear();
        return 0;
    }
    return TCustomExButtonEdit::WndProc(message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------

void TCustomExComboBox::PaintTextArea(TCanvas& canvas, const RECT& area)
{
    const bool ownerDrawn = style_ == TExComboStyle::csOwnerDrawFixed || style_ == TExComboStyle::csOwnerDrawVariable;
    if (!ownerDrawn) {
        TCustomExButtonEdit::PaintTextArea(canvas, area);
        return;
    }
    if (itemIndex_ >= 0) {
        DrawItem(canvas, itemIndex_, area, false);
        return;
    }
    const bool focusedLook = Focused() && EnabledInParents();
    canvas.Brush().SetColor(focusedLook ? FocusedSelectColor() : Color());
    canvas.FillRect(area);
}

bool TCustomExComboBox::ShowsTextCursor() const
{
    // A box that can only take a text from the list shows it as an item.
    return !ListOnly();
}

void TCustomExComboBox::FillItem(TCanvas& canvas, const RECT& rect, bool selected)
{
    const bool filled = selected && HighlightAlphaLevel() >= 255;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(filled ? FocusedSelectColor() : Color());
    canvas.FillRect(rect);
    canvas.Font().SetColor(selected ? FocusedSelectTextColor() : Font().Color());
}

void TCustomExComboBox::BlendSelection(TCanvas& canvas, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (HighlightAlphaLevel() >= 255 || width <= 0 || height <= 0)
        return;
    TBitmap fill(width, height, TPixelFormat::pf24bit);
    fill.Canvas().Brush().SetColor(FocusedSelectColor());
    fill.Canvas().FillRect(RECT { 0, 0, width, height });
    canvas.Refresh();
    const BLENDFUNCTION blend { AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(HighlightAlphaLevel(), 0, 255)), 0 };
    AlphaBlend(canvas.Handle(), rect.left, rect.top, width, height, fill.DC(), 0, 0, width, height, blend);
}

void TCustomExComboBox::DrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected)
{
    FillItem(canvas, rect, selected);
    if (index >= 0 && index < list_->Count()) {
        RECT text = rect;
        text.left += 2;
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.DrawText(
            Items()[static_cast<std::size_t>(index)], text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    }
    if (selected)
        BlendSelection(canvas, rect);
}

} // namespace folvane
