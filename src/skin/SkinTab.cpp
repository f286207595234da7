// The skinned tab control: style, layout, body painting and tab events.
#include "skin/SkinTab.h"

#include "skin/SkinThemeRoutines.h"
#include "toolkit/graphics/ImageList.h"

namespace folvane {

namespace {

// Built-in style positions of the body's colours.
constexpr int kBorderColorPosition = 25;
constexpr int kTabColorPosition = 26;

} // namespace

TSkinTab::TSkinTab(TComponent* owner)
    : TSkinTab(owner, [](TSkinTab* self) { return new TSkinTabControlTopPanel(self); })
{
}

TSkinTab::TSkinTab(TComponent* owner, const StripFactory& makeStrip)
    : TCustomControl(owner)
{
    SetCaption(" ");
    SetBounds(0, 0, 185, 80);
    tabFont_.OnChange = [this] { strip_->Invalidate(); };
    images_.OnChange = [this] { strip_->Invalidate(); };
    strip_ = makeStrip(this);
    strip_->SetParent(this);
    uiStyle_ = FormUIStyle(owner);
    ApplyStyle();
}

TSkinTab::~TSkinTab()
{
    tabFont_.OnChange = nullptr;
}

// ---------------------------------------------------------------------------
// Properties
// ---------------------------------------------------------------------------

void TSkinTab::SetFileTheme(TSkinFileTheme* theme)
{
    fileTheme_.Set(theme);
    ApplyStyle();
}

void TSkinTab::SetUIStyle(TSkinUIStyle style)
{
    uiStyle_ = style;
    ApplyStyle();
}

void TSkinTab::SetBorderColor(TColor value)
{
    borderColor_ = value;
    Invalidate();
    strip_->Invalidate();
}

void TSkinTab::SetTabFont(const TFont& font)
{
    tabFont_.Assign(font);
    TCustomControl::SetFont(font);
}

void TSkinTab::SetTabPosition(TSkinTabPosition value)
{
    if (value == tabPosition_)
        return;
    tabPosition_ = value;
    strip_->RotateImages();
    Realign();
    Invalidate();
}

void TSkinTab::SetImages(TImageList* images)
{
    if (images_.Set(images))
        strip_->Invalidate();
}

void TSkinTab::SetPageDrawFocused(bool value)
{
    if (value == pageDrawFocused_)
        return;
    pageDrawFocused_ = value;
    strip_->Invalidate();
}

// ---------------------------------------------------------------------------
// Style
// ---------------------------------------------------------------------------

void TSkinTab::ApplyStyle()
{
    strip_->SetFileTheme(fileTheme_.Get());
    strip_->SetUIStyle(uiStyle_);
    PropagateStyle();
    TSkinUIStyle effective;
    if (UsesFileTheme(fileTheme_.Get(), uiStyle_, effective)) {
        const auto formColor = static_cast<TColor>(fileTheme_->GetColor(TSkinColorElement::SKIN2_FORMCOLOR));
        strip_->SetColor(formColor);
        SetBorderColor(static_cast<TColor>(fileTheme_->GetColor(TSkinColorElement::SKIN2_CONTROLBORDERCOLOR)));
        SetColor(formColor);
    } else {
        const auto tabColor = static_cast<TColor>(SkinStyleColor(effective, kTabColorPosition));
        strip_->SetColor(tabColor);
        SetBorderColor(static_cast<TColor>(SkinStyleColor(effective, kBorderColorPosition)));
        SetColor(effective == TSkinUIStyle::Frost ? clWhite : tabColor);
    }
    Invalidate();
}

void TSkinTab::PropagateStyle()
{
}

// ---------------------------------------------------------------------------
// Layout and painting
// ---------------------------------------------------------------------------

RECT TSkinTab::PageArea() const
{
    const int stripHeight = strip_->StripHeight();
    const int w = ClientWidth();
    const int h = ClientHeight();
    if (tabPosition_ == TSkinTabPosition::skBottom)
        return RECT { 3, 3, w - 3, h - stripHeight - 3 };
    return RECT { 3, stripHeight + 3, w - 3, h - 3 };
}

void TSkinTab::Realign()
{
    if (!strip_)
        return;
    const int stripHeight = strip_->StripHeight();
    const int top = tabPosition_ == TSkinTabPosition::skBottom ? ClientHeight() - stripHeight : 0;
    strip_->SetBounds(0, top, ClientWidth(), stripHeight);
}

void TSkinTab::Resize()
{
    TCustomControl::Resize();
    Realign();
}

void TSkinTab::Loaded()
{
    TCustomControl::Loaded();
    Realign();
}

void TSkinTab::Paint(TCanvas& canvas)
{
    const int stripHeight = strip_->StripHeight();
    const int w = ClientWidth();
    const int h = ClientHeight();
    const bool bottom = tabPosition_ == TSkinTabPosition::skBottom;
    canvas.Brush().SetColor(Color());
    canvas.FillRect(bottom ? RECT { 0, 0, w, h - stripHeight } : RECT { 0, stripHeight, w, h });
    // Left, far and right sides; the side at the strip is the strip's line.
    canvas.Brush().SetColor(borderColor_);
    if (bottom) {
        const int edge = h - stripHeight + 1;
        canvas.FillRect(RECT { 0, 0, 1, edge });
        canvas.FillRect(RECT { 0, 0, w, 1 });
        canvas.FillRect(RECT { w - 1, 0, w, edge });
    } else {
        const int edge = stripHeight - 1;
        canvas.FillRect(RECT { 0, edge, 1, h });
        canvas.FillRect(RECT { 0, h - 1, w, h });
        canvas.FillRect(RECT { w - 1, edge, w, h });
    }
}

void TSkinTab::TabChanged(int tabIndex)
{
    if (IsLoading())
        return;
    if (OnTabActive)
        OnTabActive(this, tabIndex);
    if (OnChange)
        OnChange(this);
}

} // namespace folvane
