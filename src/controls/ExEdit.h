// TCustomExEdit: a self-drawn single-line text box. It is a window of its
// own that paints its UTF-16 text, selection and frame itself and keeps the
// system caret; it is not the platform's edit control.
//
// Editing lives in EditModel and the pixel rules in EditGeometry; this class
// wires keys, mouse, clipboard, focus and painting to them. The frame lies in
// the non-client area (the sunken 3-D edge, or the flat frame, on the sides
// in BorderSides), except the single line frame without Ctl3D, which is drawn
// inside the client area. Subclasses that draw something else in the text
// area (a combo box's item) override TextArea() and PaintTextArea().
//
// Not here: multiple lines, password characters, character casing, IME
// composition windows and right-to-left reading.
#pragma once

#include "controls/EditGeometry.h"
#include "controls/EditModel.h"
#include "controls/ExButtonControl.h"
#include "controls/ExEditFrame.h"

#include <string>

namespace folvane {

// Identifiers of the context menu's commands (the platform edit's own).
enum TEditMenuCommand : UINT {
    kEditMenuUndo = WM_UNDO,
    kEditMenuCut = WM_CUT,
    kEditMenuCopy = WM_COPY,
    kEditMenuPaste = WM_PASTE,
    kEditMenuDelete = WM_CLEAR,
    kEditMenuSelectAll = 0x00B1 // EM_SETSEL
};

class TCustomExEdit : public TExThemedControl {
public:
    explicit TCustomExEdit(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TCustomExEdit"; }

    // ---- Text ----
    const std::wstring& Text() const { return model_.Text(); }
    // Caret to the start, no selection, no undo; OnChange only when
    // NotifyUserChangeOnly is off.
    void SetText(const std::wstring& value);
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }
    bool ReadOnly() const { return model_.ReadOnly(); }
    void SetReadOnly(bool value);
    bool NotifyUserChangeOnly() const { return notifyUserChangeOnly_; }
    void SetNotifyUserChangeOnly(bool value) { notifyUserChangeOnly_ = value; }

    // ---- Selection and clipboard ----
    int SelStart() const { return static_cast<int>(model_.SelStart()); }
    int SelLength() const { return static_cast<int>(model_.SelLength()); }
    void SetSelection(int start, int length);
    std::wstring SelText() const { return model_.SelectedText(); }
    int CaretPosition() const { return static_cast<int>(model_.Caret()); }
    void SelectAll();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    bool CanUndo() const { return model_.CanUndo(); }
    void Undo();
    // Greying of the context menu now (reads the clipboard).
    EditMenuState ContextMenuState() const;
    // The context menu as it would show now; the caller destroys it.
    HMENU BuildContextMenu() const;

    // ---- Frame ----
    TEditBorderStyle BorderStyle() const { return frame_.borderStyle; }
    void SetBorderStyle(TEditBorderStyle value);
    bool Ctl3D() const { return frame_.ctl3D; }
    void SetCtl3D(bool value);
    TEditBorderSides BorderSides() const { return frame_.sides; }
    void SetBorderSides(TEditBorderSides value);
    bool Flat() const { return frame_.flat; }
    void SetFlat(bool value);
    TFlatBorderType ActiveBorderType() const { return activeBorder_; }
    void SetActiveBorderType(TFlatBorderType value);
    TFlatBorderType InactiveBorderType() const { return inactiveBorder_; }
    void SetInactiveBorderType(TFlatBorderType value);
    TColor LineBorderActiveColor() const { return lineActive_; }
    void SetLineBorderActiveColor(TColor value);
    TColor LineBorderInactiveColor() const { return lineInactive_; }
    void SetLineBorderInactiveColor(TColor value);

    // ---- Layout of the line ----
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value);
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value);
    // Held at 0 while AlignBottom is on (assignments are then ignored).
    int TopMargin() const { return alignBottom_ ? 0 : topMargin_; }
    void SetTopMargin(int value);
    bool AlignBottom() const { return alignBottom_; }
    void SetAlignBottom(bool value);
    TEditAlignment Alignment() const { return alignment_; }
    void SetAlignment(TEditAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    // ---- Colours ----
    bool UseDisabledColors() const { return useDisabledColors_; }
    void SetUseDisabledColors(bool value);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor value);
    TColor DisabledFontColor() const { return disabledFontColor_; }
    void SetDisabledFontColor(TColor value);
    TColor FocusedSelectColor() const { return focusedSelect_; }
    void SetFocusedSelectColor(TColor value);
    TColor FocusedSelectTextColor() const { return focusedSelectText_; }
    void SetFocusedSelectTextColor(TColor value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    TColor HideSelectColor() const { return hideSelect_; }
    void SetHideSelectColor(TColor value);
    TColor HideSelectTextColor() const { return hideSelectText_; }
    void SetHideSelectTextColor(TColor value);
    // 255 fills the selection; below, its colour is blended over the text.
    int HighlightAlphaLevel() const { return alphaLevel_; }
    void SetHighlightAlphaLevel(int value);

    // Hides the themed control's switch so that a subclass hears of changes.
    void SetUseXPThemes(bool value);

    TNotifyEvent OnChange;

    // ---- For painting and tests ----
    // The area the line is drawn in (client coordinates).
    virtual RECT TextArea() const;
    // Pixels of the line scrolled out at the left.
    int ScrollOffset() const { return scroll_; }
    // x of the caret in client coordinates.
    int CaretX() const;

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void Paint(TCanvas& canvas) override;
    // Draws the line, its selection and nothing else into `area`.
    virtual void PaintTextArea(TCanvas& canvas, const RECT& area);
    virtual void UseXPThemesChanged();
    // Raises OnChange.
    virtual void Change();

    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool ContextPopup(int screenX, int screenY) override;
    void DoEnter() override;
    void DoExit() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void Resize() override;

    // The keys of the text box itself; true when it used the key.
    bool EditKey(std::uint16_t key, TShiftState shift);
    // False for a box whose text area shows a list item instead of editable
    // text: it has no caret and no edit menu.
    virtual bool ShowsTextCursor() const { return true; }
    // Sets the height from the font when AutoSize is on.
    void AdjustHeight();
    EditFrame Frame() const;
    const EditModel& Model() const { return model_; }

private:
    struct Line;

    Line MeasureLine() const;
    LineLayoutInput LineInput(const RECT& area, int textWidth) const;
    std::size_t PositionAt(int x) const;
    // After a caret or text change: scroll, caret, repaint.
    void CaretMoved();
    // After the user changed the text.
    void UserChanged();
    void PlaceCaret();
    void FrameChanged(bool recreate);
    static void DrawRun(TCanvas& canvas, int x, int baseline, const Line& line, std::size_t from, std::size_t to);
    EditFrameLook FrameLook() const;
    void RunMenuCommand(UINT command);
    template <typename T> void Store(T& field, T value);
    void TypeCharacter(wchar_t ch);
    static LRESULT CALLBACK UnicodeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    EditModel model_;
    EditFrame frame_;
    bool modified_ = false;
    bool notifyUserChangeOnly_ = true;
    TFlatBorderType activeBorder_ = TFlatBorderType::fbtSunken;
    TFlatBorderType inactiveBorder_ = TFlatBorderType::fbtSunkenOuter;
    TColor lineActive_ = clBlack;
    TColor lineInactive_ = clBlack;
    int leftMargin_ = 1;
    int rightMargin_ = 1;
    int topMargin_ = 0;
    bool alignBottom_ = true;
    TEditAlignment alignment_ = TEditAlignment::taLeftJustify;
    bool autoSize_ = true;
    bool useDisabledColors_ = false;
    TColor disabledColor_ = clBtnFace;
    TColor disabledFontColor_ = clGrayText;
    TColor focusedSelect_ = clHighlight;
    TColor focusedSelectText_ = clHighlightText;
    bool hideSelection_ = true;
    TColor hideSelect_ = clBtnFace;
    TColor hideSelectText_ = clBtnShadow;
    int alphaLevel_ = 255;

    WNDPROC ansiProc_ = nullptr;
    int scroll_ = 0;
    bool selecting_ = false;
    bool hasCaret_ = false;
    bool hot_ = false;
};

} // namespace folvane
