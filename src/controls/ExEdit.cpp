// TCustomExEdit.
#include "controls/ExEdit.h"

#include "controls/UnicodeClipboard.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiHandle.h"
#include "toolkit/graphics/TextConvert.h"

#include <algorithm>
#include <vector>

namespace folvane {

namespace {

// A solid colour blended over `rect` with `alpha` (0..255).
void BlendRect(HDC dc, const RECT& rect, TColor color, int alpha)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    TBitmap dot(1, 1, TPixelFormat::pf32bit);
    dot.SetPixel(0, 0, ColorToRGB(color));
    const BLENDFUNCTION blend { AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0 };
    AlphaBlend(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dot.DC(), 0, 0, 1, 1, blend);
}

} // namespace

// What painting, the caret and hit-testing need of the line, measured with
// the box's font.
struct TCustomExEdit::Line {
    std::wstring shown; // tabs expanded
    std::vector<int> prefix; // prefix[i]: width of the first i characters of Text()
    std::vector<int> advances; // advance of each character of `shown`
    int width = 0;
    int ascent = 0;
    int descent = 0;
};

// ---------------------------------------------------------------------------
// Properties
// ---------------------------------------------------------------------------

TCustomExEdit::TCustomExEdit(TComponent* owner)
    : TExThemedControl(owner)
{
    SetBounds(Left(), Top(), 121, 21);
    SetColor(clWindow);
    SetParentColor(false);
    SetCursor(crIBeam);
    SetTabStop(true);
}

template <typename T> void TCustomExEdit::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TCustomExEdit::SetText(const std::wstring& value)
{
    if (value == model_.Text())
        return;
    model_.SetText(value);
    model_.ClearUndo(); // an older text must not come back
    model_.MoveTo(0, false);
    modified_ = false;
    scroll_ = 0;
    CaretMoved();
    if (!notifyUserChangeOnly_ && !IsLoading())
        Change();
}

void TCustomExEdit::SetReadOnly(bool value)
{
    if (value == model_.ReadOnly())
        return;
    model_.SetReadOnly(value);
    FrameChanged(false); // the themed frame has a read-only state
}

void TCustomExEdit::SetSelection(int start, int length)
{
    model_.SetSelection(static_cast<std::size_t>(std::max(start, 0)), static_cast<std::size_t>(std::max(length, 0)));
    CaretMoved();
}

void TCustomExEdit::SelectAll()
{
    model_.SelectAll();
    CaretMoved();
}

void TCustomExEdit::CopyToClipboard()
{
    std::wstring text;
    if (model_.Copy(text))
        WriteClipboardText(ExistingHandle(), text);
}

void TCustomExEdit::CutToClipboard()
{
    if (ReadOnly() || !model_.HasSelection())
        return;
    CopyToClipboard();
    if (model_.DeleteSelection())
        UserChanged();
}

void TCustomExEdit::PasteFromClipboard()
{
    std::wstring text;
    if (ReadOnly() || !ReadClipboardText(ExistingHandle(), text))
        return;
    if (model_.Insert(text))
        UserChanged();
}

void TCustomExEdit::ClearSelection()
{
    if (model_.DeleteSelection())
        UserChanged();
}

void TCustomExEdit::Undo()
{
    if (model_.Undo())
        UserChanged();
}

void TCustomExEdit::SetBorderStyle(TEditBorderStyle value)
{
    if (value == frame_.borderStyle)
        return;
    frame_.borderStyle = value;
    FrameChanged(true);
    AdjustHeight();
}

void TCustomExEdit::SetCtl3D(bool value)
{
    if (value == frame_.ctl3D)
        return;
    frame_.ctl3D = value;
    FrameChanged(false);
    AdjustHeight();
}

void TCustomExEdit::SetBorderSides(TEditBorderSides value)
{
    value &= kAllEditBorderSides;
    if (value == frame_.sides)
        return;
    frame_.sides = value;
    FrameChanged(true);
}

void TCustomExEdit::SetFlat(bool value)
{
    if (value == frame_.flat)
        return;
    frame_.flat = value;
    FrameChanged(false);
}

void TCustomExEdit::SetActiveBorderType(TFlatBorderType value)
{
    if (value == activeBorder_)
        return;
    activeBorder_ = value;
    FrameChanged(false);
}

void TCustomExEdit::SetInactiveBorderType(TFlatBorderType value)
{
    if (value == inactiveBorder_)
        return;
    inactiveBorder_ = value;
    FrameChanged(false);
}

void TCustomExEdit::SetLineBorderActiveColor(TColor value)
{
    if (value == lineActive_)
        return;
    lineActive_ = value;
    FrameChanged(false);
}

void TCustomExEdit::SetLineBorderInactiveColor(TColor value)
{
    if (value == lineInactive_)
        return;
    lineInactive_ = value;
    FrameChanged(false);
}

void TCustomExEdit::SetLeftMargin(int value)
{
    Store(leftMargin_, value);
    CaretMoved();
}

void TCustomExEdit::SetRightMargin(int value)
{
    Store(rightMargin_, value);
    CaretMoved();
}

void TCustomExEdit::SetTopMargin(int value)
{
    if (alignBottom_)
        return;
    Store(topMargin_, value);
    CaretMoved();
}

void TCustomExEdit::SetAlignBottom(bool value)
{
    Store(alignBottom_, value);
    CaretMoved();
}

void TCustomExEdit::SetAlignment(TEditAlignment value)
{
    Store(alignment_, value);
    CaretMoved();
}

void TCustomExEdit::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustHeight();
}

void TCustomExEdit::SetUseDisabledColors(bool value)
{
    Store(useDisabledColors_, value);
}

void TCustomExEdit::SetDisabledColor(TColor value)
{
    Store(disabledColor_, value);
}

void TCustomExEdit::SetDisabledFontColor(TColor value)
{
    Store(disabledFontColor_, value);
}

void TCustomExEdit::SetFocusedSelectColor(TColor value)
{
    Store(focusedSelect_, value);
}

void TCustomExEdit::SetFocusedSelectTextColor(TColor value)
{
    Store(focusedSelectText_, value);
}

void TCustomExEdit::SetHideSelection(bool value)
{
    Store(hideSelection_, value);
}

void TCustomExEdit::SetHideSelectColor(TColor value)
{
    Store(hideSelect_, value);
}

void TCustomExEdit::SetHideSelectTextColor(TColor value)
{
    Store(hideSelectText_, value);
}

void TCustomExEdit::SetHighlightAlphaLevel(int value)
{
    Store(alphaLevel_, std::clamp(value, 0, 255));
}

void TCustomExEdit::SetUseXPThemes(bool value)
{
    if (value == UseXPThemes())
        return;
    TExThemedControl::SetUseXPThemes(value);
    FrameChanged(false);
    UseXPThemesChanged();
}

void TCustomExEdit::UseXPThemesChanged()
{
}

void TCustomExEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

EditFrame TCustomExEdit::Frame() const
{
    EditFrame frame = frame_;
    frame.edgeWidth = GetSystemMetrics(SM_CXEDGE);
    frame.borderWidth = GetSystemMetrics(SM_CXBORDER);
    return frame;
}

void TCustomExEdit::FrameChanged(bool recreate)
{
    if (IsLoading() || !HandleAllocated())
        return;
    if (recreate) {
        RecreateWnd();
        return;
    }
    SetWindowPos(ExistingHandle(), nullptr, 0, 0, 0, 0,
        SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

void TCustomExEdit::AdjustHeight()
{
    if (!autoSize_ || IsLoading())
        return;
    TWindowDC screen;
    TSelectScope font(screen.Get(), Font().Handle());
    TEXTMETRICW metrics {};
    GetTextMetricsW(screen.Get(), &metrics);
    SetHeight(AutoSizeHeight(Frame(), metrics.tmHeight));
}

void TCustomExEdit::Loaded()
{
    TExThemedControl::Loaded();
    AdjustHeight();
    CaretMoved();
}

void TCustomExEdit::FontChanged()
{
    TExThemedControl::FontChanged();
    AdjustHeight();
    if (hasCaret_) {
        DoExit();
        DoEnter();
    }
    CaretMoved();
}

void TCustomExEdit::EnabledChanged()
{
    TExThemedControl::EnabledChanged();
    selecting_ = false;
    FrameChanged(false);
}

void TCustomExEdit::Resize()
{
    TExThemedControl::Resize();
    CaretMoved();
}

// ---------------------------------------------------------------------------
// Window
// ---------------------------------------------------------------------------

void TCustomExEdit::CreateParams(TCreateParams& params)
{
    TExThemedControl::CreateParams(params);
    params.WinClassName = "TCustomExEdit";
}

// The toolkit's windows are ANSI windows, which receive typed characters in
// the ANSI code page. Routed through this Unicode procedure first, the box
// receives them as UTF-16: ASCII goes on to the toolkit's key handling
// unchanged, anything else is inserted here.
LRESULT CALLBACK TCustomExEdit::UnicodeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = dynamic_cast<TCustomExEdit*>(TWinControl::FromHandle(window));
    const WNDPROC next = self ? self->ansiProc_ : &TWinControl::StandardWndProc;
    if (self && message == WM_CHAR && wParam >= 0x80 && wParam <= 0xFFFF) {
        try {
            self->TypeCharacter(static_cast<wchar_t>(wParam));
        } catch (...) {
            Application().HandleException(std::current_exception());
        }
        return 0;
    }
    return CallWindowProcW(next, window, message, wParam, lParam);
}

void TCustomExEdit::TypeCharacter(wchar_t ch)
{
    if (model_.Insert(std::wstring(1, ch), true))
        UserChanged();
}

void TCustomExEdit::HandleCreated()
{
    TExThemedControl::HandleCreated();
    ansiProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(ExistingHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TCustomExEdit::UnicodeProc)));
    // The frame's widths apply from the start.
    SetWindowPos(ExistingHandle(), nullptr, 0, 0, 0, 0,
        SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    AdjustHeight();
}

LRESULT TCustomExEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_NCCALCSIZE: {
        RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
        const EditInsets in = NonClientInsets(Frame());
        r->left += in.left;
        r->top += in.top;
        r->right = std::max(r->left, r->right - in.right);
        r->bottom = std::max(r->top, r->bottom - in.bottom);
        return 0;
    }
    case WM_NCPAINT:
        PaintEditFrame(ExistingHandle(), FrameLook());
        return 0;
    default:
        return TExThemedControl::WndProc(message, wParam, lParam);
    }
}

// ---------------------------------------------------------------------------
// Measuring and caret
// ---------------------------------------------------------------------------

TCustomExEdit::Line TCustomExEdit::MeasureLine() const
{
    Line line;
    const std::wstring& text = model_.Text();
    line.shown = ExpandTabs(text);
    TWindowDC screen;
    TSelectScope font(screen.Get(), Font().Handle());
    TEXTMETRICW metrics {};
    GetTextMetricsW(screen.Get(), &metrics);
    line.ascent = metrics.tmAscent;
    line.descent = metrics.tmDescent;
    std::vector<int> shownPrefix(line.shown.size() + 1, 0);
    if (!line.shown.empty()) {
        SIZE size {};
        GetTextExtentExPointW(screen.Get(), line.shown.c_str(), static_cast<int>(line.shown.size()), 0, nullptr,
            shownPrefix.data() + 1, &size);
    }
    line.advances.resize(line.shown.size());
    for (std::size_t i = 0; i < line.shown.size(); ++i)
        line.advances[i] = shownPrefix[i + 1] - shownPrefix[i];
    line.prefix.resize(text.size() + 1);
    for (std::size_t i = 0; i <= text.size(); ++i)
        line.prefix[i] = shownPrefix[ExpandedIndex(text, i)];
    line.width = shownPrefix.back();
    return line;
}

LineLayoutInput TCustomExEdit::LineInput(const RECT& area, int textWidth) const
{
    LineLayoutInput in;
    in.area = PixelRect { area.left, area.top, area.right, area.bottom };
    in.leftMargin = leftMargin_;
    in.rightMargin = rightMargin_;
    in.topMargin = TopMargin();
    in.lineHeight = LineHeight(Font().Height());
    in.textWidth = textWidth;
    in.alignment = alignment_;
    in.scroll = scroll_;
    return in;
}

RECT TCustomExEdit::TextArea() const
{
    const int inset = ClientInset(Frame());
    RECT r = ClientRect();
    InflateRect(&r, -inset, -inset);
    r.right = std::max(r.left, r.right);
    r.bottom = std::max(r.top, r.bottom);
    return r;
}

std::size_t TCustomExEdit::PositionAt(int x) const
{
    const Line line = MeasureLine();
    return PositionAtX(line.prefix, x - LineOriginX(LineInput(TextArea(), line.width)));
}

int TCustomExEdit::CaretX() const
{
    const Line line = MeasureLine();
    return LineOriginX(LineInput(TextArea(), line.width)) + line.prefix[model_.Caret()];
}

void TCustomExEdit::CaretMoved()
{
    if (IsLoading())
        return;
    const Line line = MeasureLine();
    const LineLayoutInput in = LineInput(TextArea(), line.width);
    scroll_ = ScrollForCaret(scroll_, line.prefix[model_.Caret()], line.width, VisibleLineWidth(in));
    Invalidate();
    PlaceCaret();
}

void TCustomExEdit::PlaceCaret()
{
    if (!hasCaret_)
        return;
    const Line line = MeasureLine();
    const RECT area = TextArea();
    const LineLayoutInput in = LineInput(area, line.width);
    const int x = LineOriginX(in) + line.prefix[model_.Caret()];
    const int left = area.left;
    const int right = std::max(left, static_cast<int>(area.right) - 1);
    SetCaretPos(std::clamp(x, left, right), LineBaselineY(in) - line.ascent);
}

void TCustomExEdit::UserChanged()
{
    modified_ = true;
    CaretMoved();
    Change();
}

void TCustomExEdit::DoEnter()
{
    if (HandleAllocated() && !hasCaret_ && ShowsTextCursor()) {
        const Line line = MeasureLine();
        hasCaret_ = CreateCaret(ExistingHandle(), nullptr, 1, line.ascent + line.descent) != FALSE;
        PlaceCaret();
        if (hasCaret_)
            ShowCaret(ExistingHandle());
    }
    FrameChanged(false);
    TExThemedControl::DoEnter();
}

void TCustomExEdit::DoExit()
{
    if (hasCaret_) {
        DestroyCaret();
        hasCaret_ = false;
    }
    selecting_ = false;
    FrameChanged(false);
    TExThemedControl::DoExit();
}

// ---------------------------------------------------------------------------
// Keyboard
// ---------------------------------------------------------------------------

void TCustomExEdit::KeyDown(std::uint16_t& key, TShiftState shift)
{
    TExThemedControl::KeyDown(key, shift);
    // Enter ends here in a single-line box; it does not reach the form's buttons.
    if (key != 0 && (EditKey(key, shift) || key == VK_RETURN))
        key = 0;
}

bool TCustomExEdit::EditKey(std::uint16_t key, TShiftState shift)
{
    const bool ctrl = shift & ssCtrl;
    const bool extend = shift & ssShift;
    if (shift & ssAlt)
        return false;
    switch (key) {
    case VK_LEFT:
        model_.Left(ctrl, extend);
        break;
    case VK_RIGHT:
        model_.Right(ctrl, extend);
        break;
    case VK_HOME:
        model_.Home(extend);
        break;
    case VK_END:
        model_.End(extend);
        break;
    case VK_BACK:
        if (model_.DeleteBackward(ctrl))
            UserChanged();
        return true;
    case VK_DELETE:
        if (extend)
            CutToClipboard();
        else if (model_.DeleteForward(ctrl))
            UserChanged();
        return true;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (extend)
            PasteFromClipboard();
        return ctrl || extend;
    case 'A':
    case 'C':
    case 'X':
    case 'V':
    case 'Z':
        if (!ctrl || extend)
            return false;
        if (key == 'A')
            SelectAll();
        else if (key == 'C')
            CopyToClipboard();
        else if (key == 'X')
            CutToClipboard();
        else if (key == 'V')
            PasteFromClipboard();
        else
            Undo();
        return true;
    default:
        return false;
    }
    CaretMoved();
    return true;
}

void TCustomExEdit::KeyPress(char& key)
{
    TExThemedControl::KeyPress(key);
    const auto ch = static_cast<unsigned char>(key);
    if (ch == 0)
        return;
    // Control characters (Enter, Backspace, Ctrl+letters) are keys, not text.
    if (ch >= 0x20 && ch != 0x7F) {
        const std::wstring typed = AnsiToWide(std::string_view(&key, 1));
        if (typed.size() == 1)
            TypeCharacter(typed[0]);
    }
    key = 0;
}

// ---------------------------------------------------------------------------
// Mouse and context menu
// ---------------------------------------------------------------------------

void TCustomExEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TExThemedControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !EnabledInParents())
        return;
    if (!Focused() && CanFocus())
        SetFocus();
    const std::size_t at = PositionAt(x);
    if (shift & ssDouble) {
        model_.SelectWordAt(at);
    } else {
        model_.MoveTo(at, (shift & ssShift) != 0);
        selecting_ = true;
    }
    CaretMoved();
}

void TCustomExEdit::MouseMove(TShiftState shift, int x, int y)
{
    TExThemedControl::MouseMove(shift, x, y);
    if (!selecting_ || !(shift & ssLeft))
        return;
    const std::size_t at = PositionAt(x);
    if (at == model_.Caret())
        return;
    model_.MoveTo(at, true);
    CaretMoved();
}

void TCustomExEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TExThemedControl::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft)
        selecting_ = false;
}

void TCustomExEdit::MouseEnter()
{
    TExThemedControl::MouseEnter();
    hot_ = true;
    if (frame_.flat)
        FrameChanged(false);
}

void TCustomExEdit::MouseLeave()
{
    TExThemedControl::MouseLeave();
    hot_ = false;
    if (frame_.flat)
        FrameChanged(false);
}

EditMenuState TCustomExEdit::ContextMenuState() const
{
    return folvane::ContextMenuState(model_, ClipboardHasText());
}

HMENU TCustomExEdit::BuildContextMenu() const
{
    const EditMenuState state = ContextMenuState();
    HMENU menu = CreatePopupMenu();
    const auto add = [menu](UINT id, const wchar_t* text, bool enabled) {
        AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, text);
    };
    add(kEditMenuUndo, L"&Undo", state.undo);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(kEditMenuCut, L"Cu&t", state.cut);
    add(kEditMenuCopy, L"&Copy", state.copy);
    add(kEditMenuPaste, L"&Paste", state.paste);
    add(kEditMenuDelete, L"&Delete", state.del);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(kEditMenuSelectAll, L"Select &All", state.selectAll);
    return menu;
}

void TCustomExEdit::RunMenuCommand(UINT command)
{
    switch (command) {
    case kEditMenuUndo:
        Undo();
        break;
    case kEditMenuCut:
        CutToClipboard();
        break;
    case kEditMenuCopy:
        CopyToClipboard();
        break;
    case kEditMenuPaste:
        PasteFromClipboard();
        break;
    case kEditMenuDelete:
        ClearSelection();
        break;
    case kEditMenuSelectAll:
        SelectAll();
        break;
    default:
        break;
    }
}

bool TCustomExEdit::ContextPopup(int screenX, int screenY)
{
    if (PopupMenu() || !ShowsTextCursor())
        return TExThemedControl::ContextPopup(screenX, screenY);
    if (!HandleAllocated())
        return false;
    if (!Focused() && CanFocus())
        SetFocus();
    HMENU menu = BuildContextMenu();
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screenX, screenY, 0, ExistingHandle(), nullptr));
    DestroyMenu(menu);
    RunMenuCommand(command);
    return true;
}

// ---------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------

EditFrameLook TCustomExEdit::FrameLook() const
{
    EditFrameLook look;
    look.frame = Frame();
    const bool active = Focused() || hot_;
    look.flatType = active ? activeBorder_ : inactiveBorder_;
    look.lineColor = active ? lineActive_ : lineInactive_;
    look.face = Color();
    look.themed = ThemedDrawing();
    look.themeState = !EnabledInParents() ? TEditThemeState::disabled
        : Focused()                       ? TEditThemeState::focused
        : ReadOnly()                      ? TEditThemeState::readOnly
                                          : TEditThemeState::normal;
    return look;
}

// Characters [from, to) of the shown line at the measured advances, so that
// caret, selection and glyphs agree to the pixel.
void TCustomExEdit::DrawRun(TCanvas& canvas, int x, int baseline, const Line& line, std::size_t from, std::size_t to)
{
    if (to <= from)
        return;
    canvas.TextOut(0, 0, std::wstring_view()); // selects the font and colours
    ExtTextOutW(canvas.Handle(), x, baseline, 0, nullptr, line.shown.c_str() + from, static_cast<UINT>(to - from),
        line.advances.data() + from);
}

void TCustomExEdit::Paint(TCanvas& canvas)
{
    const bool disabledLook = useDisabledColors_ && !EnabledInParents();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(disabledLook ? disabledColor_ : Color());
    canvas.FillRect(ClientRect());
    const EditFrame frame = Frame();
    if (ClientInset(frame) > 0) {
        canvas.Refresh();
        PaintLineFrame(canvas.Handle(), ClientRect(), frame.sides, clWindowFrame);
    }
    PaintTextArea(canvas, TextArea());
}

void TCustomExEdit::PaintTextArea(TCanvas& canvas, const RECT& area)
{
    const std::wstring& text = model_.Text();
    if (text.empty() || area.right <= area.left)
        return;
    const Line line = MeasureLine();
    const LineLayoutInput in = LineInput(area, line.width);
    const int x0 = LineOriginX(in);
    const int baseline = LineBaselineY(in);
    const bool disabledLook = useDisabledColors_ && !EnabledInParents();

    canvas.SaveState();
    canvas.IntersectClipRect(area);
    canvas.SetFont(Font());
    canvas.Font().SetColor(disabledLook ? disabledFontColor_ : Font().Color());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    SetTextAlign(canvas.Handle(), TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    DrawRun(canvas, x0, baseline, line, 0, line.shown.size());

    const bool focused = Focused();
    if (model_.HasSelection() && (focused || !hideSelection_)) {
        const std::size_t start = model_.SelStart();
        const std::size_t end = start + model_.SelLength();
        const RECT sel { x0 + line.prefix[start], baseline - line.ascent, x0 + line.prefix[end],
            baseline + line.descent };
        const TColor fill = focused ? focusedSelect_ : hideSelect_;
        if (alphaLevel_ < 255) {
            canvas.Refresh();
            BlendRect(canvas.Handle(), sel, fill, alphaLevel_);
        } else {
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            canvas.Brush().SetColor(fill);
            canvas.FillRect(sel);
            canvas.IntersectClipRect(sel);
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
            canvas.Font().SetColor(focused ? focusedSelectText_ : hideSelectText_);
            const std::size_t shownStart = ExpandedIndex(text, start);
            const std::size_t shownEnd = ExpandedIndex(text, end);
            DrawRun(canvas, sel.left, baseline, line, shownStart, shownEnd);
        }
    }
    canvas.RestoreState();
}

} // namespace folvane
