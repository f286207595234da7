// TSkinTabControlTopPanel: the row of skinned tabs of a TSkinTab, and
// TSkinPageControlTopPanel, the variant a page control uses, which takes icons
// from the pages and activates a page when its tab is chosen.
//
// The strip keeps the tab captions, the active index, its images (active and
// inactive tab, the line under the tabs, the scroll buttons) and the scroll
// state; it paints and hit-tests through TabStripGeometry. Everything the
// user sets (margin, font, icons, border colour, events) lives on the tab
// control, which the strip reads.
#pragma once

#include "skin/DrawThreePart.h"
#include "skin/SkinFileTheme.h"
#include "skin/TabStripGeometry.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Bitmap.h"

#include <string>
#include <vector>

namespace folvane {

class TSkinTab;
class TSkinPageControl;

// Pixel (x, y) goes to (width - 1 - x, height - 1 - y).
void RotateBitmap180(TBitmap& bitmap);

class TSkinTabControlTopPanel : public TCustomControl, public TSkinThemed {
public:
    explicit TSkinTabControlTopPanel(TSkinTab* tabControl);
    const char* ClassName() const override { return "TSkinTabControlTopPanel"; }

    TSkinTab* TabControl() const { return tabControl_; }

    // ---- Tabs ----
    const std::vector<std::string>& Tabs() const { return tabs_; }
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    // Replaces the captions (at most kMaxTabs; the rest are ignored); the
    // active index is kept in range.
    void SetTabs(const std::vector<std::string>& captions);
    // False, and nothing added, when the strip is full.
    bool AddTab(const std::string& caption);
    void DeleteTab(int index);
    int TabIndex() const { return tabIndex_; }
    // A change by code: OnChanging is not asked.
    void SetTabIndex(int value) { ChangeTab(value, false); }
    // Points at a tab (-1: none) without a tab change, for pages that already agree with it.
    void PointAt(int index);
    // The tab change; userChange asks OnChanging first. True when the index changed.
    bool ChangeTab(int value, bool userChange);
    bool TabVisible(int index) const;
    void SetTabVisible(int index, bool value);

    // ---- Drawing state ----
    int FirstShown() const { return firstShown_; }
    // Recorded widths: -1 before a tab was drawn, 0 while hidden.
    const std::vector<int>& TabWidths() const { return tabWidths_; }
    bool Overflow() const { return overflow_; }
    // -1 over the left scroll button, 1 over the right one, else 0.
    int ScrollHover() const { return scrollHover_; }
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value);
    const TBitmap& ActiveImage() const { return activeImage_; }
    const TBitmap& InactiveImage() const { return inactiveImage_; }
    const TBitmap& LineImage() const { return lineImage_; }
    SIZE ScrollButtonSize() const { return scrollButtonSize_; }
    TColor ActiveFontColor() const { return activeFontColor_; }
    TColor InactiveFontColor() const { return inactiveFontColor_; }
    // Active image height + line image height.
    int StripHeight() const { return activeImage_.Height() + lineImage_.Height(); }
    // Turns the three images over (the strip moved to the other side).
    void RotateImages();

    // ---- Theme ----
    TSkinFileTheme* FileTheme() const override { return fileTheme_.Get(); }
    void SetFileTheme(TSkinFileTheme* theme) override;
    TSkinUIStyle UIStyle() const override { return uiStyle_; }
    // Loads the images and font colours of the style.
    void SetUIStyle(TSkinUIStyle style) override;

protected:
    // The icon of tab index in the tab control's Images, -1 for none.
    virtual int TabImageIndex(int index) const;
    // Runs after TabIndex changed (step 5 of the tab change).
    virtual void TabChanged();

    void CreateParams(TCreateParams& params) override;
    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;

private:
    // Measures captions and icons in the tab font for the geometry.
    TabStripInput MeasureInput(TCanvas& canvas) const;
    // The icon index when it names an image of the tab control's list, else -1.
    int ValidImageIndex(int index) const;
    int HoverAt(int x, int y) const;
    void LoadImages();
    // The tab picture cut for drawing, prepared again when the fill changes.
    const TThreePartPicture& TabPicture(bool active);
    void PaintTab(TCanvas& canvas, const PlacedTab& placed);
    void PaintScrollButtons(TCanvas& canvas);

    TSkinTab* tabControl_;
    std::vector<std::string> tabs_ { "Tab1" };
    std::vector<bool> tabVisible_ { true };
    int tabIndex_ = 0;
    TBitmap activeImage_;
    TBitmap inactiveImage_;
    TBitmap lineImage_;
    TThreePartPicture activePicture_;
    TThreePartPicture inactivePicture_;
    TBitmap scrollImage_; // all four slices
    SIZE scrollButtonSize_ {};
    TColor activeFontColor_ = clBlack;
    TColor inactiveFontColor_ = clBlack;
    int firstShown_ = 0;
    std::vector<int> tabWidths_ { -1 };
    bool overflow_ = false;
    int scrollHover_ = 0;
    bool revealActive_ = false; // a tab change waits for the next paint
    int leftMargin_ = 10;
    TComponentReference<TSkinFileTheme> fileTheme_ { this, [this] { SetUIStyle(TSkinUIStyle::Marine); } };
    TSkinUIStyle uiStyle_ = TSkinUIStyle::Marine;
};

class TSkinPageControlTopPanel : public TSkinTabControlTopPanel {
public:
    explicit TSkinPageControlTopPanel(TSkinPageControl* pageControl);
    const char* ClassName() const override { return "TSkinPageControlTopPanel"; }

protected:
    int TabImageIndex(int index) const override;
    void TabChanged() override;

private:
    TSkinPageControl* pageControl_;
};

} // namespace folvane
