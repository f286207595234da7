// Menu items, shortcut texts and popup menus over TrackPopupMenu.
#include "toolkit/Menus.h"

#include "toolkit/Application.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace folvane {

namespace {

// Every live item, so that owner-draw data from a menu is only trusted while its item exists.
std::set<const TMenuItem*>& LiveItems()
{
    static std::set<const TMenuItem*> items;
    return items;
}

TMenuItem* LiveItem(ULONG_PTR data)
{
    auto* item = reinterpret_cast<TMenuItem*>(data);
    return LiveItems().count(item) ? item : nullptr;
}

std::string KeyName(std::uint16_t key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    char numbered[16] = {};
    if (key >= VK_F1 && key <= VK_F24) {
        snprintf(numbered, sizeof(numbered), "F%d", key - VK_F1 + 1);
        return numbered;
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        snprintf(numbered, sizeof(numbered), "Num %d", key - VK_NUMPAD0);
        return numbered;
    }
    switch (key) {
    case VK_BACK:
        return "BkSp";
    case VK_TAB:
        return "Tab";
    case VK_RETURN:
        return "Enter";
    case VK_ESCAPE:
        return "Esc";
    case VK_SPACE:
        return "Space";
    case VK_PRIOR:
        return "PgUp";
    case VK_NEXT:
        return "PgDn";
    case VK_END:
        return "End";
    case VK_HOME:
        return "Home";
    case VK_LEFT:
        return "Left";
    case VK_UP:
        return "Up";
    case VK_RIGHT:
        return "Right";
    case VK_DOWN:
        return "Down";
    case VK_INSERT:
        return "Ins";
    case VK_DELETE:
        return "Del";
    default:
        break;
    }
    char buffer[32] = {};
    UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    if (scan && GetKeyNameTextA(static_cast<LONG>(scan << 16), buffer, sizeof(buffer)) > 0)
        return buffer;
    return "";
}

} // namespace

TShortCut ShortCut(std::uint16_t key, TShiftState shift)
{
    TShortCut result = key & 0xFF;
    if (shift & ssShift)
        result |= scShift;
    if (shift & ssCtrl)
        result |= scCtrl;
    if (shift & ssAlt)
        result |= scAlt;
    return result;
}

std::string ShortCutToText(TShortCut shortCut)
{
    std::string key = KeyName(shortCut & 0xFF);
    if (key.empty())
        return "";
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + key;
}

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
{
    LiveItems().insert(this);
    if (!owner)
        return;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* menu = dynamic_cast<TPopupMenu*>(owner->Components(i)))
            menu->MenuItemCreated(this);
}

TMenuItem::~TMenuItem()
{
    Destroying();
    LiveItems().erase(this);
    while (!items_.empty())
        delete items_.back();
    if (parent_)
        parent_->Remove(this);
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::MenuIndex() const
{
    if (!parent_)
        return -1;
    auto it = std::find(parent_->items_.begin(), parent_->items_.end(), this);
    return static_cast<int>(it - parent_->items_.begin());
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this)
        return;
    for (TMenuItem* p = this; p; p = p->parent_)
        if (p == item)
            throw EComponentError("A menu item cannot contain itself");
    if (item->parent_)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Delete(int index)
{
    if (TMenuItem* item = Items(index))
        delete item;
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        delete items_.back();
}

TPopupMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* item = this;
    while (item->parent_)
        item = item->parent_;
    return item->menu_;
}

void TMenuItem::Click()
{
    if (enabled_ && OnClick)
        OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height)
{
    if (OnMeasureItem) {
        OnMeasureItem(this, canvas, width, height);
        return;
    }
    if (IsLine()) {
        height = GetSystemMetrics(SM_CYMENU) / 2;
        width = 0;
        return;
    }
    std::string text = caption_;
    if (std::string shortcut = ShortCutText(); !shortcut.empty())
        text += "    " + shortcut;
    SIZE size = canvas.TextExtent(text);
    width = size.cx + 2 * GetSystemMetrics(SM_CXMENUCHECK) + 8;
    height = std::max<int>(size.cy + 6, GetSystemMetrics(SM_CYMENU));
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state)
{
    if (OnDrawItem) {
        OnDrawItem(this, canvas, rect, state);
        return;
    }
    bool selected = (state & odSelected) && enabled_;
    canvas.Brush().SetColor(selected ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (IsLine()) {
        RECT line { rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, (rect.top + rect.bottom) / 2 + 1 };
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
    if (default_)
        canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    RECT text { rect.left + GetSystemMetrics(SM_CXMENUCHECK) + 4, rect.top, rect.right - 8, rect.bottom };
    if (checked_) {
        RECT mark { rect.left + 2, rect.top, text.left, rect.bottom };
        canvas.DrawText(std::string("\xE4"), mark, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    canvas.DrawText(caption_, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    canvas.DrawText(ShortCutText(), text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

bool TMenuItem::HandleMeasureItem(MEASUREITEMSTRUCT& measure)
{
    if (measure.CtlType != ODT_MENU)
        return false;
    TMenuItem* item = LiveItem(measure.itemData);
    if (!item)
        return false;
    TWindowDC screen;
    TCanvas canvas(screen.Get());
    NONCLIENTMETRICSA metrics {};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        canvas.Font().SetName(metrics.lfMenuFont.lfFaceName);
        canvas.Font().SetHeight(metrics.lfMenuFont.lfHeight);
    }
    int width = static_cast<int>(measure.itemWidth);
    int height = static_cast<int>(measure.itemHeight);
    item->MeasureItem(canvas, width, height);
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
}

bool TMenuItem::HandleDrawItem(const DRAWITEMSTRUCT& draw)
{
    if (draw.CtlType != ODT_MENU)
        return false;
    TMenuItem* item = LiveItem(draw.itemData);
    if (!item)
        return false;
    TOwnerDrawState state = 0;
    if (draw.itemState & ODS_SELECTED)
        state |= odSelected;
    if (draw.itemState & ODS_GRAYED)
        state |= odGrayed;
    if (draw.itemState & ODS_DISABLED)
        state |= odDisabled;
    if (draw.itemState & ODS_CHECKED)
        state |= odChecked;
    if (draw.itemState & ODS_FOCUS)
        state |= odFocused;
    if (draw.itemState & ODS_DEFAULT)
        state |= odDefault;
    int saved = SaveDC(draw.hDC);
    {
        TCanvas canvas(draw.hDC);
        item->DrawItem(canvas, draw.rcItem, state);
    }
    RestoreDC(draw.hDC, saved);
    return true;
}

// ---- TPopupMenu ----

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner)
{
    items_ = new TMenuItem(this);
    items_->menu_ = this;
}

TPopupMenu::~TPopupMenu()
{
    Destroying();
}

void TPopupMenu::SetPopupComponent(TComponent* component)
{
    popupComponent_.Set(component);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == items_)
        items_ = nullptr;
}

void TPopupMenu::MenuItemCreated(TMenuItem*)
{
}

HMENU TPopupMenu::BuildMenu(const TMenuItem* parent, std::vector<TMenuItem*>& items) const
{
    HMENU menu = CreatePopupMenu();
    for (TMenuItem* item : parent->items_) {
        if (!item->Visible())
            continue;
        MENUITEMINFOA info {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        items.push_back(item);
        // Ids start at 1: TrackPopupMenu returns 0 for "nothing chosen".
        info.wID = static_cast<UINT>(items.size());
        std::string text = item->Caption();
        if (std::string shortcut = item->ShortCutText(); !shortcut.empty())
            text += "\t" + shortcut;
        if (ownerDraw_) {
            info.fType = MFT_OWNERDRAW | (item->IsLine() ? MFT_SEPARATOR : 0);
        } else if (item->IsLine()) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fType = MFT_STRING;
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
        }
        info.fState = (item->Enabled() ? MFS_ENABLED : MFS_DISABLED | MFS_GRAYED) | (item->Checked() ? MFS_CHECKED : 0)
            | (item->Default() ? MFS_DEFAULT : 0);
        if (item->Count() > 0) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = BuildMenu(item, items);
        }
        InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
    }
    return menu;
}

TMenuItem* TPopupMenu::FindItemById(UINT id) const
{
    if (id == 0 || id > tracked_.size())
        return nullptr;
    TMenuItem* item = tracked_[id - 1];
    return LiveItems().count(item) ? item : nullptr;
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    if (!items_)
        return;
    tracked_.clear();
    HMENU menu = BuildMenu(items_, tracked_);
    // The owner gets the owner-draw messages; the foreground rule makes the menu close when
    // the user clicks elsewhere.
    HWND owner = Application().UtilityWindow();
    if (auto* control = dynamic_cast<TWinControl*>(popupComponent_.Get()); control && control->HandleAllocated())
        owner = control->ExistingHandle();
    else if (auto* any = dynamic_cast<TControl*>(popupComponent_.Get());
             any && any->Parent() && any->Parent()->HandleAllocated())
        owner = any->Parent()->ExistingHandle();
    SetForegroundWindow(GetAncestor(owner, GA_ROOT));
    UINT id = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, owner, nullptr));
    DestroyMenu(menu);
    TMenuItem* chosen = FindItemById(id);
    tracked_.clear();
    if (chosen)
        chosen->Click();
}

} // namespace folvane
