// Pages of the skinned page control: joining and leaving, order, activation.
#include "skin/SkinPageControl.h"

#include "skin/SkinThemeRoutines.h"
#include "toolkit/Form.h"

#include <algorithm>

namespace folvane {

// ---------------------------------------------------------------------------
// TSkinTabSheet
// ---------------------------------------------------------------------------

TSkinTabSheet::TSkinTabSheet(TComponent* owner)
    : TCustomControl(owner)
{
    SetCaption(" ");
}

TSkinTabSheet::~TSkinTabSheet()
{
    // The base destructor leaves the parent without calling SetParent.
    if (pageControl_)
        pageControl_->RemovePage(this);
}

void TSkinTabSheet::SetParent(TWinControl* parent)
{
    if (parent == Parent())
        return;
    auto* joining = dynamic_cast<TSkinPageControl*>(parent);
    if (joining && joining->PageCount() >= kMaxTabs)
        throw EComponentError("A page control holds at most 63 pages");
    if (pageControl_)
        pageControl_->RemovePage(this);
    TCustomControl::SetParent(parent);
    if (joining)
        joining->InsertPage(this);
}

// The other pages stay visible behind the active one, so the windows' own
// stacking has to follow.
void TSkinTabSheet::PlaceWindow()
{
    if (!HandleAllocated())
        return;
    const bool active = pageControl_ && pageControl_->ActivePage() == this;
    SetWindowPos(
        ExistingHandle(), active ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TSkinTabSheet::HandleCreated()
{
    TCustomControl::HandleCreated();
    PlaceWindow();
}

void TSkinTabSheet::SetPageControl(TSkinPageControl* pageControl)
{
    SetParent(pageControl);
    if (pageControl && pageControl->IsLoading()
        && static_cast<int>(pageControl->StoredPages().size()) == pageControl->PageCount())
        pageControl->ApplyStoredOrder();
}

void TSkinTabSheet::SetPageIndex(int value)
{
    if (!pageControl_ || value < 0 || value >= pageControl_->PageCount() || value == pageIndex_)
        return;
    pageControl_->MovePage(this, value);
}

void TSkinTabSheet::SetTabVisible(bool value)
{
    if (value == tabVisible_)
        return;
    tabVisible_ = value;
    if (!pageControl_)
        return;
    pageControl_->Strip().SetTabVisible(pageIndex_, value);
    if (!value)
        pageControl_->PageTabHidden(this);
}

void TSkinTabSheet::SetImageIndex(int value)
{
    if (value == imageIndex_)
        return;
    imageIndex_ = value;
    if (pageControl_)
        pageControl_->Strip().Invalidate();
}

void TSkinTabSheet::TextChanged()
{
    TCustomControl::TextChanged();
    if (pageControl_)
        pageControl_->RebuildTabs();
}

// A caption given while loading has not reached the tab yet.
void TSkinTabSheet::Loaded()
{
    TCustomControl::Loaded();
    if (pageControl_)
        pageControl_->RebuildTabs();
}

// ---------------------------------------------------------------------------
// TSkinPageControl: pages
// ---------------------------------------------------------------------------

TSkinPageControl::TSkinPageControl(TComponent* owner)
    : TSkinTab(owner, [](TSkinTab* self) { return new TSkinPageControlTopPanel(static_cast<TSkinPageControl*>(self)); })
{
    Strip().SetTabs({});
}

TSkinPageControl::~TSkinPageControl()
{
    // The pages go with the window below; they must not call back into a
    // page control that is half destroyed.
    for (TSkinTabSheet* page : pages_) {
        page->pageControl_ = nullptr;
        page->pageIndex_ = -1;
    }
    pages_.clear();
    activePage_ = nullptr;
}

TSkinTabSheet* TSkinPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount())
        return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

void TSkinPageControl::InsertPage(TSkinTabSheet* page)
{
    page->pageControl_ = this;
    page->SetColor(Color());
    page->borderColor_ = BorderColor();
    Strip().AddTab(page->Caption());
    pages_.push_back(page);
    Renumber();
    RebuildTabs();
    const RECT area = PageArea();
    page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
    SetActivePage(page);
}

void TSkinPageControl::RemovePage(TSkinTabSheet* page)
{
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end())
        return;
    const int index = static_cast<int>(it - pages_.begin());
    Strip().DeleteTab(index);
    pages_.erase(it);
    page->pageControl_ = nullptr;
    page->pageIndex_ = -1;
    const bool wasActive = activePage_ == page;
    if (wasActive)
        activePage_ = nullptr;
    Renumber();
    RebuildTabs();
    if (IsDestroying())
        return;
    if (!wasActive) {
        // The page in front stays there; its tab may have moved along.
        Strip().PointAt(activePage_ ? activePage_->pageIndex_ : -1);
        return;
    }
    // The page before it follows it; the first page's place goes to the page after it, so
    // that the page left in front is never a disabled one.
    Strip().PointAt(-1);
    SetActivePage(Pages(std::max(index - 1, 0)));
}

void TSkinPageControl::MovePage(TSkinTabSheet* page, int index)
{
    pages_.erase(std::find(pages_.begin(), pages_.end(), page));
    pages_.insert(pages_.begin() + index, page);
    Renumber();
    RebuildTabs();
    SetActivePage(page);
}

void TSkinPageControl::ApplyStoredOrder()
{
    auto position = [this](const TSkinTabSheet* page) {
        auto it = std::find(storedPages_.begin(), storedPages_.end(), page->Name());
        return static_cast<int>(it - storedPages_.begin());
    };
    for (TSkinTabSheet* page : pages_)
        page->pageIndex_ = position(page);
    std::stable_sort(pages_.begin(), pages_.end(),
        [](const TSkinTabSheet* a, const TSkinTabSheet* b) { return a->pageIndex_ < b->pageIndex_; });
    Renumber();
    RebuildTabs();
}

void TSkinPageControl::Renumber()
{
    for (std::size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->pageIndex_ = static_cast<int>(i);
}

void TSkinPageControl::RebuildTabs()
{
    std::vector<std::string> captions;
    for (const TSkinTabSheet* page : pages_)
        captions.push_back(page->Caption());
    Strip().SetTabs(captions);
    for (const TSkinTabSheet* page : pages_)
        Strip().SetTabVisible(page->pageIndex_, page->tabVisible_);
}

// ---------------------------------------------------------------------------
// Activation
// ---------------------------------------------------------------------------

void TSkinPageControl::BringPageUp(TSkinTabSheet* page)
{
    page->SetVisible(true);
    page->SetEnabled(true);
    page->BringToFront();
    page->PlaceWindow();
    page->Invalidate();
}

// The page that was active, when another one follows it, is disabled behind it.
void TSkinPageControl::LeavePage(const TSkinTabSheet* next)
{
    if (!activePage_ || activePage_ == next)
        return;
    activePage_->SetEnabled(false);
    if (activePage_->OnHide)
        activePage_->OnHide(activePage_);
}

void TSkinPageControl::ActivateTabPage(int index)
{
    TSkinTabSheet* page = Pages(index);
    LeavePage(page);
    activePage_ = page;
    // A strip index of -1 while pages exist: no page is active.
    if (!page)
        return;
    BringPageUp(page);
    if (!Strip().Focused()) {
        if (!IsLoading()) {
            auto* first = dynamic_cast<TWinControl*>(page->Controls(0));
            if (first && first->Visible() && first->CanFocus()) {
                if (TForm* form = ParentForm()) {
                    try {
                        form->SetActiveControl(first);
                    } catch (...) {
                        // The page is shown whether or not its control takes the focus.
                    }
                }
            }
        }
        if (page->OnShow)
            page->OnShow(page);
    }
    TSkinTab::TabChanged(index);
}

void TSkinPageControl::TabChanged(int tabIndex)
{
    ActivateTabPage(tabIndex);
}

void TSkinPageControl::SetActivePage(TSkinTabSheet* page)
{
    if (page && page->pageControl_ != this)
        return;
    LeavePage(page);
    activePage_ = page;
    if (!page)
        return;
    Strip().SetTabIndex(page->pageIndex_);
    BringPageUp(page);
    if (page->OnShow)
        page->OnShow(page);
}

void TSkinPageControl::PageTabHidden(TSkinTabSheet* page)
{
    if (page != activePage_)
        return;
    for (int i = page->pageIndex_ - 1; i >= 0; --i)
        if (Pages(i)->tabVisible_)
            return SetActivePage(Pages(i));
    for (int i = page->pageIndex_ + 1; i < PageCount(); ++i)
        if (Pages(i)->tabVisible_)
            return SetActivePage(Pages(i));
}

void TSkinPageControl::ShowControl(const TControl* control)
{
    for (const TControl* c = control; c; c = c->Parent()) {
        if (c->Parent() != this)
            continue;
        if (auto* page = dynamic_cast<TSkinTabSheet*>(const_cast<TControl*>(c)); page && page != activePage_)
            SetActivePage(page);
        break;
    }
    TSkinTab::ShowControl(control);
}

// ---------------------------------------------------------------------------
// Style, colours and layout
// ---------------------------------------------------------------------------

void TSkinPageControl::PropagateStyle()
{
    for (TSkinTabSheet* page : pages_) {
        PropagateTheme(page, UIStyle(), FileTheme());
        page->SetColor(Color());
        page->borderColor_ = BorderColor();
    }
    Realign();
}

void TSkinPageControl::SetBorderColor(TColor value)
{
    TSkinTab::SetBorderColor(value);
    for (TSkinTabSheet* page : pages_)
        page->borderColor_ = value;
    if (activePage_)
        activePage_->Invalidate();
}

void TSkinPageControl::ColorChanged()
{
    TSkinTab::ColorChanged();
    if (IsLoading())
        return;
    for (TSkinTabSheet* page : pages_)
        page->SetColor(Color());
}

void TSkinPageControl::Realign()
{
    TSkinTab::Realign();
    const RECT area = PageArea();
    for (TSkinTabSheet* page : pages_)
        page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

} // namespace folvane
