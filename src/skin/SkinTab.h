// TSkinTab: a skinned tab control: a tab strip at the top (or bottom) over a
// bordered body. It holds what the user sets (theme pair, colours, the tab
// caption font, margin, icons, position, events) and paints the body; the
// strip paints and hit-tests the tabs. TSkinPageControl adds pages.
#pragma once

#include "skin/SkinFileTheme.h"
#include "skin/SkinTabStrip.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/GdiObjects.h"

#include <functional>

namespace folvane {

class TImageList;

enum class TSkinTabPosition { skTop, skBottom };

using TTabChangingEvent = std::function<void(TComponent* sender, bool& allow)>;
using TTabActiveEvent = std::function<void(TComponent* sender, int tabIndex)>;

class TSkinTab : public TCustomControl, public TSkinThemed {
public:
    explicit TSkinTab(TComponent* owner = nullptr);
    ~TSkinTab() override;
    const char* ClassName() const override { return "TSkinTab"; }

    TSkinTabControlTopPanel& Strip() const { return *strip_; }

    TSkinFileTheme* FileTheme() const override { return fileTheme_.Get(); }
    void SetFileTheme(TSkinFileTheme* theme) override;
    TSkinUIStyle UIStyle() const override { return uiStyle_; }
    void SetUIStyle(TSkinUIStyle style) override;

    TColor BorderColor() const { return borderColor_; }
    virtual void SetBorderColor(TColor value);
    // The tab caption font, the control's stored "Font". It is another object
    // than the control's own font (TControl::Font), which the pages follow;
    // assigning the tab font sets that one too, so that the pages take it.
    TFont& TabFont() { return tabFont_; }
    const TFont& TabFont() const { return tabFont_; }
    void SetTabFont(const TFont& font);
    int LeftMargin() const { return strip_->LeftMargin(); }
    void SetLeftMargin(int value) { strip_->SetLeftMargin(value); }
    TSkinTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TSkinTabPosition value);
    TImageList* Images() const { return images_.Get(); }
    void SetImages(TImageList* images);
    bool PageDrawFocused() const { return pageDrawFocused_; }
    void SetPageDrawFocused(bool value);

    // Where pages go: the client area inset by 3, and by the strip beside it.
    RECT PageArea() const;

    TTabChangingEvent OnChanging;
    TTabActiveEvent OnTabActive;
    TNotifyEvent OnChange;

    void Loaded() override;

protected:
    using StripFactory = std::function<TSkinTabControlTopPanel*(TSkinTab*)>;
    TSkinTab(TComponent* owner, const StripFactory& makeStrip);

    friend class TSkinTabControlTopPanel;
    // Places the strip and whatever fills the page area.
    virtual void Realign();
    // Gives the theme pair, colour and border to whatever the control holds.
    virtual void PropagateStyle();
    // After the strip's TabIndex changed: the tab control's events.
    virtual void TabChanged(int tabIndex);

    void Paint(TCanvas& canvas) override;
    void Resize() override;

private:
    void ApplyStyle();

    TSkinTabControlTopPanel* strip_ = nullptr;
    TComponentReference<TSkinFileTheme> fileTheme_ { this, [this] { SetUIStyle(TSkinUIStyle::Marine); } };
    TSkinUIStyle uiStyle_ = TSkinUIStyle::Marine;
    TColor borderColor_ = clBlack;
    TFont tabFont_;
    TSkinTabPosition tabPosition_ = TSkinTabPosition::skTop;
    TComponentReference<TImageList> images_ { this, [this] { strip_->Invalidate(); } };
    bool pageDrawFocused_ = true;
};

} // namespace folvane
