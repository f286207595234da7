// The skinned popup menu: style, item measuring and item drawing.
#include "skin/SkinPopupMenu.h"

#include "skin/SkinThemeRoutines.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Gradient.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/PaintDC.h"

#include <algorithm>

namespace folvane {

namespace {

// Built-in style positions of the menu's colours.
constexpr int kFrameColorPosition = 15;
constexpr int kSelectedBorderPosition = 18;
constexpr int kSelectedColorPosition = 19;
constexpr int kSelectedFontPosition = 20;
constexpr int kItemColorPosition = 21;
constexpr int kFontColorPosition = 22;
constexpr int kBarColorPosition = 23;

constexpr TColor kDisabledFontColor = 0x808080;

} // namespace

void HorizontalGradient(TCanvas& canvas, const RECT& rect, TColor from, TColor to)
{
    const int width = rect.right - rect.left;
    if (width <= 0)
        return;
    // One band per column; the last column is the end colour itself.
    FillGradient(canvas, PixelRect { rect.left, rect.top, rect.right, rect.bottom }, from, to, true, width);
    canvas.Brush().SetColor(ColorToRGB(to));
    canvas.FillRect(RECT { rect.right - 1, rect.top, rect.right, rect.bottom });
}

const TImageList& MenuCheckMark()
{
    static const std::unique_ptr<TImageList> list = [] {
        auto images = std::make_unique<TImageList>();
        images->SetSize(16, 16);
        TBitmap mark;
        if (mark.LoadFromResourceName(GetModuleHandleA(nullptr), "MENU_CHECKED"))
            images->AddMasked(mark, clWhite);
        return images;
    }();
    return *list;
}

// ---------------------------------------------------------------------------
// Construction and properties
// ---------------------------------------------------------------------------

TSkinPopupMenu::TSkinPopupMenu(TComponent* owner)
    : TPopupMenu(owner)
    , self_(std::make_shared<TSkinPopupMenu*>(this))
{
    TPopupMenu::SetOwnerDraw(true);
    SetUIStyle(FormUIStyle(owner));
}

TSkinPopupMenu::~TSkinPopupMenu()
{
    *self_ = nullptr;
}

void TSkinPopupMenu::SetFileTheme(TSkinFileTheme* theme)
{
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TSkinPopupMenu::SetUIStyle(TSkinUIStyle style)
{
    uiStyle_ = style;
    barWidth_ = 26;
    if (style == TSkinUIStyle::Pearl) {
        menuItemHeight_ = 20;
        separatorHeight_ = 12;
        separatorColor_ = clBlack;
    } else {
        menuItemHeight_ = 21;
        separatorHeight_ = 5;
        separatorColor_ = 0x848284;
    }
    TSkinUIStyle effective;
    if (UsesFileTheme(fileTheme_.Get(), style, effective)) {
        auto color = [this](TSkinColorElement element) { return static_cast<TColor>(fileTheme_->GetColor(element)); };
        barColor_ = color(TSkinColorElement::SKIN2_LEFTBARSTARTCOLOR);
        barToColor_ = color(TSkinColorElement::SKIN2_LEFTBARENDCOLOR);
        color_ = color(TSkinColorElement::SKIN2_MENUITEMCOLOR);
        fontColor_ = color(TSkinColorElement::SKIN2_MENUITEMFONTCOLOR);
        selectedBorderColor_ = color(TSkinColorElement::SKIN2_SELECTEDMENUBORDERCOLOR);
        selectedColor_ = color(TSkinColorElement::SKIN2_SELECTEDMENUCOLOR);
        selectedFontColor_ = color(TSkinColorElement::SKIN2_SELECTEDMENUFONTCOLOR);
        return;
    }
    auto color = [effective](int position) { return static_cast<TColor>(SkinStyleColor(effective, position)); };
    barColor_ = color(kBarColorPosition);
    barToColor_ = barColor_;
    color_ = color(kItemColorPosition);
    fontColor_ = color(kFontColorPosition);
    selectedBorderColor_ = color(kSelectedBorderPosition);
    selectedColor_ = color(kSelectedColorPosition);
    selectedFontColor_ = color(kSelectedFontPosition);
}

void TSkinPopupMenu::SetMenuItemHeight(int value)
{
    if (uiStyle_ != TSkinUIStyle::Pearl)
        menuItemHeight_ = value;
}

void TSkinPopupMenu::SetSeparatorHeight(int value)
{
    if (uiStyle_ != TSkinUIStyle::Pearl)
        separatorHeight_ = value;
}

void TSkinPopupMenu::SetImages(TImageList* images)
{
    images_.Set(images);
}

// ---------------------------------------------------------------------------
// Item handlers
// ---------------------------------------------------------------------------

void TSkinPopupMenu::HookItem(TMenuItem* item)
{
    std::shared_ptr<TSkinPopupMenu*> self = self_;
    item->OnMeasureItem = [self](TComponent* sender, TCanvas& canvas, int& width, int& height) {
        if (*self)
            (*self)->MeasureItem(static_cast<TMenuItem&>(*sender), canvas, width, height);
    };
    item->OnDrawItem = [self](TComponent* sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
        if (*self)
            (*self)->DrawItem(static_cast<TMenuItem&>(*sender), canvas, rect, state);
    };
    for (int i = 0; i < item->Count(); ++i)
        HookItem(item->Items(i));
}

void TSkinPopupMenu::Loaded()
{
    TPopupMenu::Loaded();
    if (Items())
        HookItem(Items());
}

void TSkinPopupMenu::MenuItemCreated(TMenuItem* item)
{
    HookItem(item);
}

// ---------------------------------------------------------------------------
// Measuring
// ---------------------------------------------------------------------------

void TSkinPopupMenu::MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) const
{
    if (item.IsLine())
        height = separatorHeight_;
    else
        height = std::max(canvas.TextHeight(item.Caption()), menuItemHeight_);
    width = canvas.TextWidth(item.Caption()) + canvas.TextWidth(item.ShortCutText()) + barWidth_ + 40;
}

// ---------------------------------------------------------------------------
// Drawing
// ---------------------------------------------------------------------------

void TSkinPopupMenu::PaintBar(TCanvas& canvas, const RECT& rect) const
{
    if (barColor_ == barToColor_) {
        canvas.Brush().SetColor(barColor_);
        canvas.FillRect(rect);
    } else {
        HorizontalGradient(canvas, rect, barColor_, barToColor_);
    }
}

// The Pearl pictures, cut or extended to their fixed height, stretched over the item.
void TSkinPopupMenu::PaintPearl(TCanvas& canvas, const RECT& rect, const char* resource, int height) const
{
    TBitmap picture;
    if (!picture.LoadFromResourceName(GetModuleHandleA(nullptr), resource))
        return;
    picture.SetHeight(height);
    canvas.StretchDraw(rect, picture);
}

void TSkinPopupMenu::SelectItemFont(TCanvas& canvas) const
{
    TFont& font = canvas.Font();
    NONCLIENTMETRICSA metrics {};
    metrics.cbSize = sizeof(metrics);
    if (useSystemFont_ && SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font.SetName(metrics.lfMenuFont.lfFaceName);
        font.SetHeight(metrics.lfMenuFont.lfHeight);
        font.SetCharset(metrics.lfMenuFont.lfCharSet);
        font.SetStyle(
            (metrics.lfMenuFont.lfWeight >= FW_BOLD ? fsBold : 0u) | (metrics.lfMenuFont.lfItalic ? fsItalic : 0u));
    } else if (!useSystemFont_) {
        font.SetName(fontName_);
        font.SetSize(fontSize_);
        font.SetCharset(fontCharset_);
        font.SetStyle(0);
    }
}

bool TSkinPopupMenu::ValidIcon(const TMenuItem& item) const
{
    return images_ && item.ImageIndex() != -1 && item.ImageIndex() >= 0 && item.ImageIndex() < images_->Count();
}

void TSkinPopupMenu::DrawItem(TMenuItem& item, TCanvas& canvas, const RECT& r, TOwnerDrawState state) const
{
    if (flatMenu_)
        FrameMenuWindow(canvas.Handle());
    const bool pearl = uiStyle_ == TSkinUIStyle::Pearl;
    const RECT bar { r.left, r.top, r.left + barWidth_, r.bottom };
    const RECT area { r.left + barWidth_, r.top, r.right, r.bottom };
    auto paintPlain = [&] {
        if (barWidth_ > 0)
            PaintBar(canvas, bar);
        canvas.Brush().SetColor(color_);
        canvas.FillRect(area);
    };

    if (item.IsLine()) {
        if (pearl) {
            PaintPearl(canvas, r, "PEARL_MENU_BAR", 12);
            return;
        }
        paintPlain();
        canvas.Brush().SetColor(separatorColor_);
        canvas.FillRect(RECT { r.left + barWidth_ + 4, r.top + 2, r.right - 3, r.top + 3 });
        return;
    }

    const bool enabled = item.Enabled();
    const bool selected = (state & odSelected) && enabled;
    if (selected) {
        if (pearl) {
            PaintPearl(canvas, r, "PEARL_MENU_SELECT", 20);
        } else {
            canvas.Brush().SetColor(selectedColor_);
            canvas.FillRect(r);
            canvas.Brush().SetColor(selectedBorderColor_);
            canvas.FrameRect(r);
        }
    } else if (pearl) {
        PaintPearl(canvas, r, "PEARL_MENU_BAR", 20);
    } else {
        paintPlain();
    }

    SelectItemFont(canvas);
    if (item.Default())
        canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    canvas.Font().SetColor(!enabled ? kDisabledFontColor : selected ? selectedFontColor_ : fontColor_);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    RECT caption { r.left + barWidth_ + 4, r.top, r.right, r.bottom };
    canvas.DrawText(item.Caption(), caption, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (const std::string shortcut = item.ShortCutText(); !shortcut.empty()) {
        RECT place { r.right - canvas.TextWidth(shortcut) - 16, r.top, r.right, r.bottom };
        canvas.DrawText(shortcut, place, DT_SINGLELINE | DT_VCENTER);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);

    const int x = r.left + 4;
    const bool icon = ValidIcon(item);
    if (item.Checked()) {
        if (icon) {
            canvas.Brush().SetColor(clBlack);
            canvas.FrameRect(RECT { x - 2, r.top + 1, x + 17, r.top + 20 });
            canvas.Brush().SetColor(selectedColor_);
            canvas.FillRect(RECT { x - 1, r.top + 2, x + 16, r.top + 19 });
        } else {
            MenuCheckMark().Draw(canvas, x, r.top + 3, 0, enabled);
        }
    }
    if (icon)
        images_->Draw(canvas, x, r.top + 3, item.ImageIndex(), enabled);
}

// A flat frame over the whole menu window, on the screen.
void TSkinPopupMenu::FrameMenuWindow(HDC dc) const
{
    HWND window = WindowFromDC(dc);
    if (!window)
        return;
    RECT w {};
    GetWindowRect(window, &w);
    TSkinUIStyle effective;
    const TColor frame = UsesFileTheme(fileTheme_.Get(), uiStyle_, effective)
        ? static_cast<TColor>(fileTheme_->GetColor(TSkinColorElement::SKIN2_FORMCOLOR))
        : static_cast<TColor>(SkinStyleColor(effective, kFrameColorPosition));
    TWindowDC screen;
    if (!screen.Get())
        return;
    TCanvas canvas(screen.Get());
    canvas.Brush().SetColor(clBlack);
    canvas.FrameRect(RECT { w.left, w.top + 1, w.right - 1, w.bottom - 1 });
    canvas.Brush().SetColor(clWhite);
    canvas.FrameRect(RECT { w.left + 1, w.top + 2, w.right - 2, w.bottom - 2 });
    canvas.Pen().SetColor(frame);
    canvas.MoveTo(w.left, w.bottom - 1);
    canvas.LineTo(w.right - 1, w.bottom - 1);
    canvas.LineTo(w.right - 1, w.top);
    canvas.LineTo(w.right, w.top);
    canvas.LineTo(w.left, w.top);
}

} // namespace folvane
