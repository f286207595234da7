// The tab strip: tabs, images, painting, mouse and keyboard.
#include "skin/SkinTabStrip.h"

#include "skin/DrawThreePart.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinThemeRoutines.h"
#include "toolkit/ParentBackground.h"
#include "toolkit/graphics/ImageList.h"

#include <algorithm>

namespace folvane {

namespace {

// Built-in style positions of the strip's pictures.
constexpr int kScrollButtonPosition = 38;
constexpr int kTabPosition = 39;
constexpr int kTabLinePosition = 40;

RECT ToRect(const PixelRect& r)
{
    return RECT { r.left, r.top, r.right, r.bottom };
}

bool Contains(const PixelRect& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace

// A tab image is keyed by its top-left pixel when that is magenta, else by
// its bottom-left one when that is; otherwise it is opaque.
const TThreePartPicture& TSkinTabControlTopPanel::TabPicture(bool active)
{
    TThreePartPicture& picture = active ? activePicture_ : inactivePicture_;
    if (picture.PreparedFor(Color()))
        return picture;
    const TBitmap& image = active ? activeImage_ : inactiveImage_;
    int keyRow = 0;
    bool transparent = false;
    if (!image.Empty()) {
        transparent = image.Pixel(0, 0) == clFuchsia;
        if (!transparent) {
            keyRow = image.Height() - 1;
            transparent = image.Pixel(0, keyRow) == clFuchsia;
        }
    }
    picture.Prepare(image, Color(), keyRow, transparent);
    return picture;
}

void RotateBitmap180(TBitmap& bitmap)
{
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    for (int y = 0; y < (h + 1) / 2; ++y) {
        for (int x = 0; x < w; ++x) {
            const int ox = w - 1 - x;
            const int oy = h - 1 - y;
            // The middle row of an odd height swaps only its halves.
            if (oy == y && ox <= x)
                break;
            const TColor a = bitmap.Pixel(x, y);
            bitmap.SetPixel(x, y, bitmap.Pixel(ox, oy));
            bitmap.SetPixel(ox, oy, a);
        }
    }
    bitmap.Changed();
}

// ---------------------------------------------------------------------------
// Construction and tabs
// ---------------------------------------------------------------------------

TSkinTabControlTopPanel::TSkinTabControlTopPanel(TSkinTab* tabControl)
    : TCustomControl(tabControl)
    , tabControl_(tabControl)
{
    SetTabStop(true);
    SetCaption(" ");
}

void TSkinTabControlTopPanel::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style |= WS_TABSTOP;
}

void TSkinTabControlTopPanel::SetTabs(const std::vector<std::string>& captions)
{
    const std::size_t count = std::min<std::size_t>(captions.size(), kMaxTabs);
    tabs_.assign(captions.begin(), captions.begin() + static_cast<std::ptrdiff_t>(count));
    tabVisible_.resize(count, true);
    tabWidths_.resize(count, -1);
    if (tabs_.empty())
        tabIndex_ = -1;
    else if (tabIndex_ >= TabCount())
        tabIndex_ = TabCount() - 1;
    Invalidate();
}

bool TSkinTabControlTopPanel::AddTab(const std::string& caption)
{
    if (TabCount() >= kMaxTabs)
        return false;
    tabs_.push_back(caption);
    tabVisible_.push_back(true);
    tabWidths_.push_back(-1);
    Invalidate();
    return true;
}

void TSkinTabControlTopPanel::DeleteTab(int index)
{
    if (index < 0 || index >= TabCount())
        return;
    const auto at = static_cast<std::ptrdiff_t>(index);
    tabs_.erase(tabs_.begin() + at);
    tabVisible_.erase(tabVisible_.begin() + at);
    tabWidths_.erase(tabWidths_.begin() + at);
    if (tabIndex_ >= TabCount())
        tabIndex_ = TabCount() - 1;
    Invalidate();
}

void TSkinTabControlTopPanel::PointAt(int index)
{
    tabIndex_ = index >= 0 && index < TabCount() ? index : -1;
    revealActive_ = tabIndex_ >= 0;
    Invalidate();
}

bool TSkinTabControlTopPanel::TabVisible(int index) const
{
    return index >= 0 && index < TabCount() && tabVisible_[static_cast<std::size_t>(index)];
}

void TSkinTabControlTopPanel::SetTabVisible(int index, bool value)
{
    if (index < 0 || index >= TabCount())
        return;
    tabVisible_[static_cast<std::size_t>(index)] = value;
    Invalidate();
}

void TSkinTabControlTopPanel::SetLeftMargin(int value)
{
    if (value == leftMargin_)
        return;
    leftMargin_ = value;
    Invalidate();
}

bool TSkinTabControlTopPanel::ChangeTab(int value, bool userChange)
{
    if (value == tabIndex_)
        return false;
    if (tabs_.empty()) {
        tabIndex_ = -1;
        Invalidate();
        return false;
    }
    if (value < -1 || value >= TabCount()) {
        Invalidate();
        return false;
    }
    if (userChange && tabControl_->OnChanging) {
        bool allow = true;
        tabControl_->OnChanging(tabControl_, allow);
        if (!allow)
            return false;
    }
    tabIndex_ = value;
    // The next paint, with the strip at its real width, scrolls the tab in.
    revealActive_ = true;
    Invalidate();
    TabChanged();
    Invalidate();
    return true;
}

int TSkinTabControlTopPanel::TabImageIndex(int) const
{
    return -1;
}

void TSkinTabControlTopPanel::TabChanged()
{
    tabControl_->TabChanged(tabIndex_);
}

// ---------------------------------------------------------------------------
// Theme and images
// ---------------------------------------------------------------------------

void TSkinTabControlTopPanel::SetFileTheme(TSkinFileTheme* theme)
{
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TSkinTabControlTopPanel::SetUIStyle(TSkinUIStyle style)
{
    uiStyle_ = style;
    LoadImages();
    tabControl_->Realign();
    Invalidate();
}

void TSkinTabControlTopPanel::LoadImages()
{
    TSkinUIStyle effective;
    if (UsesFileTheme(fileTheme_.Get(), uiStyle_, effective)) {
        fileTheme_->GetBitmapSlice(TSkinBitmapElement::SKIN2_TABCONTROL, activeImage_, 1, 2);
        fileTheme_->GetBitmapSlice(TSkinBitmapElement::SKIN2_TABCONTROL, inactiveImage_, 2, 2);
        fileTheme_->GetBitmapSlice(TSkinBitmapElement::SKIN2_TABCONTROLLINE, lineImage_, 0, 0);
        if (fileTheme_->GetBitmap(TSkinBitmapElement::SKIN2_SCROLLBUTTON))
            fileTheme_->GetBitmapSlice(TSkinBitmapElement::SKIN2_SCROLLBUTTON, scrollImage_, 0, 0);
        else
            SkinBuiltInBitmap(TSkinUIStyle::Marine, kScrollButtonPosition, scrollImage_);
        activeFontColor_
            = static_cast<TColor>(fileTheme_->GetColor(TSkinColorElement::SKIN2_TABCONTROLACTIVEFONTCOLOR));
        inactiveFontColor_
            = static_cast<TColor>(fileTheme_->GetColor(TSkinColorElement::SKIN2_TABCONTROLINACTIVEFONTCOLOR));
    } else {
        SkinBuiltInBitmapSlice(effective, kTabPosition, activeImage_, 1, 2);
        SkinBuiltInBitmapSlice(effective, kTabPosition, inactiveImage_, 2, 2);
        SkinBuiltInBitmap(effective, kTabLinePosition, lineImage_);
        SkinBuiltInBitmap(effective, kScrollButtonPosition, scrollImage_);
        activeFontColor_ = clBlack;
        inactiveFontColor_ = clBlack;
    }
    for (TBitmap* image : { &activeImage_, &inactiveImage_, &lineImage_ })
        if (!image->Empty())
            image->SetPixelFormat(TPixelFormat::pf24bit);
    activePicture_.Clear();
    inactivePicture_.Clear();
    const TSliceColumns slice = SliceColumns(scrollImage_.Width(), 4, 1);
    scrollButtonSize_ = SIZE { slice.width, scrollImage_.Height() };
    if (tabControl_->TabPosition() == TSkinTabPosition::skBottom)
        RotateImages();
}

void TSkinTabControlTopPanel::RotateImages()
{
    RotateBitmap180(activeImage_);
    RotateBitmap180(inactiveImage_);
    RotateBitmap180(lineImage_);
    activePicture_.Clear();
    inactivePicture_.Clear();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Layout
// ---------------------------------------------------------------------------

int TSkinTabControlTopPanel::ValidImageIndex(int index) const
{
    const TImageList* images = tabControl_->Images();
    const int image = TabImageIndex(index);
    return images && image >= 0 && image < images->Count() ? image : -1;
}

TabStripInput TSkinTabControlTopPanel::MeasureInput(TCanvas& canvas) const
{
    TabStripInput in;
    in.stripWidth = Width();
    in.leftMargin = leftMargin_;
    in.firstShown = firstShown_;
    in.activeIndex = tabIndex_;
    in.scrollButtonWidth = scrollButtonSize_.cx;
    in.tabHeight = inactiveImage_.Height();
    in.lineHeight = lineImage_.Height();
    in.bottom = tabControl_->TabPosition() == TSkinTabPosition::skBottom;
    canvas.SetFont(tabControl_->TabFont());
    const TImageList* images = tabControl_->Images();
    for (int i = 0; i < TabCount(); ++i) {
        const std::string& caption = tabs_[static_cast<std::size_t>(i)];
        const int iconWidth = ValidImageIndex(i) >= 0 ? images->Width() : -1;
        const int captionWidth = caption.empty() ? 0 : canvas.TextWidth(caption);
        in.tabs.push_back(TabStripTab { TabVisible(i), TabWidth(captionWidth, caption.empty(), iconWidth) });
    }
    return in;
}

int TSkinTabControlTopPanel::HoverAt(int x, int y) const
{
    if (!(overflow_ || firstShown_ > 0))
        return 0;
    const ScrollButtonRects buttons = ScrollButtonPlaces(Width(), Height(), scrollButtonSize_.cx, scrollButtonSize_.cy);
    if (Contains(buttons.left, x, y))
        return -1;
    if (Contains(buttons.right, x, y))
        return 1;
    return 0;
}

// ---------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------

void TSkinTabControlTopPanel::Paint(TCanvas& canvas)
{
    // What lies behind the page control shows round the tabs.
    canvas.SaveState();
    canvas.MoveOrigin(-Left(), -Top());
    DrawParentBackground(canvas, *tabControl_);
    canvas.RestoreState();

    scrollHover_ = 0;
    firstShown_ = std::clamp(firstShown_, 0, std::max(TabCount() - 1, 0));

    const bool bottom = tabControl_->TabPosition() == TSkinTabPosition::skBottom;
    const int w = Width();
    const int tabHeight = inactiveImage_.Height();
    const int lineTop = bottom ? 0 : tabHeight;
    const int lineBottom = lineTop + lineImage_.Height();
    if (!lineImage_.Empty() && w > 2)
        canvas.StretchDraw(RECT { 1, lineTop, w - 1, lineBottom }, lineImage_);
    canvas.Brush().SetColor(tabControl_->BorderColor());
    canvas.FillRect(RECT { 0, lineTop, 1, lineBottom });
    canvas.FillRect(RECT { w - 1, lineTop, w, lineBottom });

    TabStripInput in = MeasureInput(canvas);
    if (revealActive_) {
        revealActive_ = false;
        firstShown_ = in.firstShown = FirstShownRevealing(in);
    }
    const TabStripLayout layout = LayoutTabStrip(in, tabWidths_);
    for (const PlacedTab& placed : layout.placed)
        PaintTab(canvas, placed);
    overflow_ = layout.overflow;
    if (layout.scrollButtons)
        PaintScrollButtons(canvas);
}

void TSkinTabControlTopPanel::PaintTab(TCanvas& canvas, const PlacedTab& placed)
{
    const bool active = placed.index == tabIndex_;
    const RECT rect = ToRect(placed.rect);
    TabPicture(active).Draw(canvas, rect);

    RECT text = rect;
    if (const int image = ValidImageIndex(placed.index); image >= 0) {
        const TImageList& images = *tabControl_->Images();
        const int tabHeight = rect.bottom - rect.top;
        const int y = std::max<int>(rect.top + 1, (tabHeight - images.Height()) / 2);
        images.Draw(canvas, rect.left + 8, y, image);
        text.left += images.Width() + 4;
    }
    canvas.SetFont(tabControl_->TabFont());
    canvas.Font().SetColor(active ? activeFontColor_ : inactiveFontColor_);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    UINT flags = DT_SINGLELINE | DT_VCENTER;
    if (placed.cut) {
        text.left += 10;
        text.right -= 4;
        flags |= DT_LEFT;
    } else {
        flags |= DT_CENTER;
    }
    canvas.DrawText(tabs_[static_cast<std::size_t>(placed.index)], text, flags);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    if (active && Focused() && tabControl_->PageDrawFocused())
        canvas.DrawFocusRect(RECT { rect.left + 8, rect.top + 1, rect.right - 8, rect.bottom - 1 });
}

void TSkinTabControlTopPanel::PaintScrollButtons(TCanvas& canvas)
{
    const ScrollButtonRects buttons = ScrollButtonPlaces(Width(), Height(), scrollButtonSize_.cx, scrollButtonSize_.cy);
    POINT pointer {};
    GetCursorPos(&pointer);
    pointer = ScreenToClient(pointer);
    scrollHover_ = HoverAt(pointer.x, pointer.y);
    // Right button: slices 1 and 2 (hot); left button: 3 and 4.
    const int rightSlice = scrollHover_ == 1 ? 2 : 1;
    const int leftSlice = scrollHover_ == -1 ? 4 : 3;
    TBitmap slice;
    for (const auto& [place, index] :
        { std::pair { buttons.right, rightSlice }, std::pair { buttons.left, leftSlice } }) {
        SliceBitmap(&scrollImage_, slice, 4, index);
        if (slice.Empty())
            continue;
        slice.SetTransparent(true); // keyed by the bottom-left pixel
        canvas.Draw(place.left, place.top, slice);
    }
}

// ---------------------------------------------------------------------------
// Mouse, keyboard and focus
// ---------------------------------------------------------------------------

void TSkinTabControlTopPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    Repaint();
    // The pointer is where the press happened.
    scrollHover_ = HoverAt(x, y);
    if (scrollHover_ == -1 || (scrollHover_ == 1 && overflow_)) {
        firstShown_ = std::clamp(firstShown_ + scrollHover_, 0, TabCount());
        Repaint();
        return;
    }
    const bool bottom = tabControl_->TabPosition() == TSkinTabPosition::skBottom;
    const int hit
        = HitTestTab(tabWidths_, firstShown_, leftMargin_, activeImage_.Height(), lineImage_.Height(), bottom, x, y);
    if (hit < 0)
        return;
    ChangeTab(hit, true);
    Repaint();
}

void TSkinTabControlTopPanel::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (overflow_)
        Repaint();
}

void TSkinTabControlTopPanel::KeyDown(std::uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    // Plain Tab moves the focus on the form; with Ctrl it reaches the strip.
    if (key != VK_TAB || !(shift & ssCtrl) || TabCount() == 0)
        return;
    SetTabIndex(tabIndex_ + 1 >= TabCount() ? 0 : tabIndex_ + 1);
    key = 0;
}

void TSkinTabControlTopPanel::DblClick()
{
    TCustomControl::DblClick();
    if (CanFocus())
        SetFocus();
}

void TSkinTabControlTopPanel::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TSkinTabControlTopPanel::DoExit()
{
    TCustomControl::DoExit();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Page control variant
// ---------------------------------------------------------------------------

TSkinPageControlTopPanel::TSkinPageControlTopPanel(TSkinPageControl* pageControl)
    : TSkinTabControlTopPanel(pageControl)
    , pageControl_(pageControl)
{
}

int TSkinPageControlTopPanel::TabImageIndex(int index) const
{
    const TSkinTabSheet* page = pageControl_->Pages(index);
    return page ? page->ImageIndex() : -1;
}

void TSkinPageControlTopPanel::TabChanged()
{
    pageControl_->ActivateTabPage(TabIndex());
}

} // namespace folvane
