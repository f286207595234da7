// Menus: TMenuItem (caption, enabled, checked, default, visible, shortcut, image index,
// sub-items, OnClick) and TPopupMenu, which builds a system popup menu from its items and
// tracks it at a screen point. With OwnerDraw every item, separators included, is measured and
// drawn through the item's OnMeasureItem and OnDrawItem, which a skinned menu takes over;
// without handlers a plain look is drawn.
//
// An item caption of exactly "-" is a separator. Items own their sub-items; the component owner
// (usually the form) owns the items as well, and either destruction leaves the other sound.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/Controls.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace folvane {

class TCanvas;
class TPopupMenu;

// Key code in the low byte, modifiers above, as menus store shortcuts.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(std::uint16_t key, TShiftState shift);
// "Ctrl+S", "Shift+F1", "Del"...; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);

// Owner-draw state of an item (ODS_* of the system, in these names).
enum TOwnerDrawStateFlag : unsigned {
    odSelected = 1,
    odGrayed = 2,
    odDisabled = 4,
    odChecked = 8,
    odFocused = 16,
    odDefault = 32,
};
using TOwnerDrawState = unsigned;

using TMenuMeasureItemEvent = std::function<void(TComponent* sender, TCanvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent
    = std::function<void(TComponent* sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state)>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner = nullptr);
    ~TMenuItem() override;
    const char* ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    bool IsLine() const { return caption_ == "-"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Checked() const { return checked_; }
    void SetChecked(bool value) { checked_ = value; }
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value) { shortCut_ = value; }
    std::string ShortCutText() const { return ShortCutToText(shortCut_); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }

    // Sub-items.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without destroying it.
    void Remove(TMenuItem* item);
    // Destroys the sub-item at index.
    void Delete(int index);
    void Clear();
    // The popup menu this item belongs to, through its parents; nullptr when loose.
    TPopupMenu* GetParentMenu() const;

    // Raises OnClick when enabled.
    virtual void Click();

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

    // Owner-draw messages of an open menu; false when the message is not about a menu item.
    static bool HandleMeasureItem(MEASUREITEMSTRUCT& measure);
    static bool HandleDrawItem(const DRAWITEMSTRUCT& draw);

protected:
    virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
    virtual void DrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state);

private:
    friend class TPopupMenu;

    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool default_ = false;
    bool visible_ = true;
    TShortCut shortCut_ = scNone;
    int imageIndex_ = -1;
    std::string hint_;
    TMenuItem* parent_ = nullptr;
    TPopupMenu* menu_ = nullptr; // set on the root item only
    std::vector<TMenuItem*> items_;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner = nullptr);
    ~TPopupMenu() override;
    const char* ClassName() const override { return "TPopupMenu"; }

    // The invisible root item whose sub-items are the menu.
    TMenuItem* Items() const { return items_; }
    bool OwnerDraw() const { return ownerDraw_; }
    virtual void SetOwnerDraw(bool value) { ownerDraw_ = value; }
    // Right clicks on a control with this menu open it.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    // The control that opened the menu last.
    TComponent* PopupComponent() const { return popupComponent_.Get(); }
    void SetPopupComponent(TComponent* component);

    // Opens the menu with its top-left corner at the screen point and waits until it closes;
    // the chosen item's Click runs after the menu has gone.
    virtual void Popup(int x, int y);
    // The item Popup would click for a command id of the menu being built (tests and hooks).
    TMenuItem* FindItemById(UINT id) const;

    TNotifyEvent OnPopup;

    // A menu item was created (fully) with the same owner as this menu; a skinned menu hooks
    // its handlers here.
    virtual void MenuItemCreated(TMenuItem* item);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // Builds the system menu for the items; ids index the items list.
    HMENU BuildMenu(const TMenuItem* parent, std::vector<TMenuItem*>& items) const;

private:
    TMenuItem* items_ = nullptr;
    bool ownerDraw_ = false;
    bool autoPopup_ = true;
    TComponentReference<TComponent> popupComponent_ { this };
    std::vector<TMenuItem*> tracked_;
};

} // namespace folvane
