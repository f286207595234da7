// TSkinPageControl: a skinned tab control with one TSkinTabSheet page per tab.
// Exactly one page is active: visible, enabled and in front; the others are
// disabled behind it. A page joins when it gets the page control as parent
// and leaves when it loses it.
#pragma once

#include "skin/SkinTab.h"

#include <string>
#include <vector>

namespace folvane {

class TSkinPageControl;

class TSkinTabSheet : public TCustomControl {
public:
    explicit TSkinTabSheet(TComponent* owner = nullptr);
    ~TSkinTabSheet() override;
    const char* ClassName() const override { return "TSkinTabSheet"; }

    // Joining a page control (when it has room) inserts the page; leaving removes it.
    void SetParent(TWinControl* parent) override;

    TSkinPageControl* PageControl() const { return pageControl_; }
    // The stored "PageControl": joins it and, while loading, applies the
    // page control's stored page order once every page has joined.
    void SetPageControl(TSkinPageControl* pageControl);
    int PageIndex() const { return pageIndex_; }
    // Moves the page and activates it; an index out of range is refused.
    void SetPageIndex(int value);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { borderColor_ = value; }

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void TextChanged() override;
    void HandleCreated() override;
    void Loaded() override;

private:
    friend class TSkinPageControl;

    void PlaceWindow();

    TSkinPageControl* pageControl_ = nullptr;
    int pageIndex_ = -1;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
    TColor borderColor_ = clBlack;
};

class TSkinPageControl : public TSkinTab {
public:
    explicit TSkinPageControl(TComponent* owner = nullptr);
    ~TSkinPageControl() override;
    const char* ClassName() const override { return "TSkinPageControl"; }

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // nullptr out of range.
    TSkinTabSheet* Pages(int index) const;
    TSkinTabSheet* ActivePage() const { return activePage_; }
    // Activates page (nullptr: none), syncing the strip without asking OnChanging.
    void SetActivePage(TSkinTabSheet* page);

    // The stored "Pages": page names in order, read while a layout loads.
    const std::vector<std::string>& StoredPages() const { return storedPages_; }
    void SetStoredPages(const std::vector<std::string>& names) { storedPages_ = names; }

    // A control that wants to be seen: the page holding it becomes active.
    void ShowControl(const TControl* control) override;

    void SetBorderColor(TColor value) override;

protected:
    void Realign() override;
    void PropagateStyle() override;
    void TabChanged(int tabIndex) override;
    void ColorChanged() override;

private:
    friend class TSkinTabSheet;
    friend class TSkinPageControlTopPanel;

    void InsertPage(TSkinTabSheet* page);
    void RemovePage(TSkinTabSheet* page);
    void MovePage(TSkinTabSheet* page, int index);
    void ApplyStoredOrder();
    void Renumber();
    // Captions and tab-visible flags of the strip from the pages, in page order.
    void RebuildTabs();
    // After the strip's TabIndex changed: the page of that tab comes forward.
    void ActivateTabPage(int index);
    void PageTabHidden(TSkinTabSheet* page);
    void LeavePage(const TSkinTabSheet* next);
    // Visible, enabled, in front and repainted.
    void BringPageUp(TSkinTabSheet* page);

    std::vector<TSkinTabSheet*> pages_;
    TSkinTabSheet* activePage_ = nullptr;
    std::vector<std::string> storedPages_;
};

} // namespace folvane
