// TCustomExComboBox: a button edit whose main button drops down a list.
//
// The list lives in a borderless, topmost pop-up form that the combo owns
// and shows without activating it, so the combo keeps the focus and takes
// every key while the list is open; the pop-up's list box (a system list
// box with owner-drawn rows) draws its rows through the combo. The items are
// UTF-16 and belong to the list box.
//
// Opening: button, click on a read-only box, F4, Alt+Up/Down (the same
// actions close without accepting). While open, the pointer selects the row
// under it; a left press captures the mouse and the release closes the list,
// accepting when it lies inside; Enter accepts, Escape, focus loss and
// cancel mode do not. Closed, Up/Down step through the items and typed
// characters search them (TypeAheadSearch, forgotten after a pause timed by
// TypeAheadTimeout on its own thread).
#pragma once

#include "controls/ExButtonEdit.h"
#include "controls/ExGraphicButton.h"
#include "controls/TypeAheadSearch.h"
#include "controls/TypeAheadTimeout.h"
#include "toolkit/Form.h"
#include "toolkit/PressTracker.h"
#include "toolkit/graphics/GdiHandle.h"

#include <string>
#include <vector>

namespace folvane {

class TCustomExComboBox;

enum class TExComboStyle { csDropDown, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// The drop-down button: a switch that stays down while the list is open.
class TExComboButton : public TExEditBtn {
public:
    explicit TExComboButton(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExComboButton"; }
};

class TExComboListBox : public TWinControl {
public:
    TExComboListBox(TCustomExComboBox& combo, TComponent* owner);
    const char* ClassName() const override { return "TExComboListBox"; }

    const std::vector<std::wstring>& Items() const { return items_; }
    void SetItems(std::vector<std::wstring> items);
    int Count() const { return static_cast<int>(items_.size()); }
    // The list's own selection, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    bool HorizontalScroll() const { return horizontalScroll_; }
    void SetHorizontalScroll(bool value);
    // The row at a client point, -1 outside the rows.
    int ItemAtPos(POINT point) const;

    // WM_DRAWITEM, handed on by the pop-up.
    void DrawItem(const DRAWITEMSTRUCT& item);
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;

private:
    void FillWindow();
    void SelectRowAt(LPARAM point);
    // Pixels the widest row needs, for the horizontal scroll bar.
    int WidestItem() const;

    TCustomExComboBox& combo_;
    std::vector<std::wstring> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 16;
    bool horizontalScroll_ = false;
    // A left press on the list; its release closes the list. Nothing repaints with it.
    TPressTracker press_ { *this };
};

// The pop-up that holds the list: never activated, always on top.
class TExComboPopup : public TForm {
public:
    explicit TExComboPopup(TCustomExComboBox& combo);
    const char* ClassName() const override { return "TExComboPopup"; }

    // Shows the pop-up at a screen rectangle without activating it.
    void ShowAt(const RECT& screen);
    void HidePopup();
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TCustomExComboBox& combo_;
    TOwnedBrush background_;
};

class TCustomExComboBox : public TCustomExButtonEdit {
public:
    explicit TCustomExComboBox(TComponent* owner = nullptr);
    ~TCustomExComboBox() override;
    const char* ClassName() const override { return "TCustomExComboBox"; }

    // ---- Items and selection ----
    const std::vector<std::wstring>& Items() const { return list_->Items(); }
    void SetItems(std::vector<std::wstring> items);
    int ItemIndex() const { return itemIndex_; }
    // Selects an item by code (the text follows; no OnChange).
    void SetItemIndex(int value);
    // A text from code selects the item it equals; a list-only box first
    // puts back the selected item's text when the text is not listed.
    void SetText(const std::wstring& value);
    TExComboStyle Style() const { return style_; }
    void SetStyle(TExComboStyle value);
    // Every style but csDropDown takes its text only from the list.
    bool ListOnly() const { return style_ != TExComboStyle::csDropDown; }

    // ---- The list ----
    int ItemHeight() const { return list_->ItemHeight(); }
    void SetItemHeight(int value);
    bool CanDrop() const { return canDrop_; }
    void SetCanDrop(bool value) { canDrop_ = value; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int value) { dropDownCount_ = value; }
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int value) { dropDownWidth_ = value; }
    TAlignment DropDownAlignment() const { return dropDownAlignment_; }
    void SetDropDownAlignment(TAlignment value) { dropDownAlignment_ = value; }
    bool AdjustDropDownPos() const { return adjustDropDownPos_; }
    void SetAdjustDropDownPos(bool value) { adjustDropDownPos_ = value; }
    bool HorizontalScroll() const { return list_->HorizontalScroll(); }
    void SetHorizontalScroll(bool value) { list_->SetHorizontalScroll(value); }
    TColor ButtonArrowColor() const { return arrowColor_; }
    void SetButtonArrowColor(TColor value);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }

    bool DroppedDown() const { return dropped_; }
    // Opens the list (its six steps) or, when open, closes it without accepting.
    void DropDown();
    void CloseUp(bool accept);
    TExComboListBox& ListBox() { return *list_; }
    // Made on first use.
    TExComboPopup& Popup();
    // The typed search text (empty after the pause).
    const std::wstring& SearchText() const { return search_.Typed(); }

    // Raised each time the list is about to open.
    TNotifyEvent OnDropDown;

    // Draws one row (also the box's own text area, unselected). The default
    // draws the text; the drive combo adds the icon.
    virtual void DrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected);
    // Fills a row and sets the canvas's text colour for it.
    void FillItem(TCanvas& canvas, const RECT& rect, bool selected);
    // Blends the selection colour over a drawn row below full alpha.
    void BlendSelection(TCanvas& canvas, const RECT& rect);

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void HandleCreated() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoExit() override;
    void CancelMode() override;
    void EnabledChanged() override;
    void PaintTextArea(TCanvas& canvas, const RECT& area) override;
    bool ShowsTextCursor() const override;
    void ButtonClick() override;
    // Typing into an editable box selects the item the text equals.
    void Change() override;
    // The text changed (list, keyboard or code); the item follows it.
    virtual void TextFollowed();
    // The user picked `index` (list, keys or search): it becomes the item,
    // its text the box's text, and OnChange is raised.
    void UserSelect(int index);

private:
    friend class TExComboListBox;

    void BuildArrowGlyph();
    int IndexOfText(const std::wstring& text) const;
    bool DropDownKey(std::uint16_t key, TShiftState shift) const;
    void Search(wchar_t ch);
    void ApplyItemText();

    TExComboButton* button_ = nullptr;
    TExComboPopup* popup_ = nullptr;
    TExComboListBox* list_ = nullptr;
    int itemIndex_ = -1;
    TExComboStyle style_ = TExComboStyle::csDropDown;
    bool canDrop_ = true;
    int dropDownCount_ = 8;
    int dropDownWidth_ = -1;
    TAlignment dropDownAlignment_ = TAlignment::taRightJustify;
    bool adjustDropDownPos_ = true;
    TColor arrowColor_ = clNone;
    bool autoSelect_ = true;
    bool dropped_ = false;
    TypeAheadSearch search_;
    TypeAheadTimeout timeout_;
};

} // namespace folvane
