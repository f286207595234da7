// TSkinPopupMenu: a popup menu whose items it measures and draws itself: an
// icon bar on the left, a plain item area, a framed highlight, thin separator
// lines, icons from an image list and a chosen font. A UIStyle assignment
// fills the colours and sizes from a built-in style or a file theme; all of
// them remain plain properties read while measuring and drawing.
//
// Every item of the menu gets the menu's measure and draw handlers once the
// menu is loaded, and so does every item created later with the menu's owner.
#pragma once

#include "skin/SkinFileTheme.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/Menus.h"
#include "toolkit/graphics/Color.h"

#include <windows.h>

#include <memory>
#include <string>

namespace folvane {

class TCanvas;
class TImageList;

// Paints rect from colour `from` at its left column to `to` at its right one.
void HorizontalGradient(TCanvas& canvas, const RECT& rect, TColor from, TColor to);

// The process-wide 16 x 16 check mark for checked items without an icon.
const TImageList& MenuCheckMark();

class TSkinPopupMenu : public TPopupMenu, public TSkinThemed {
public:
    explicit TSkinPopupMenu(TComponent* owner = nullptr);
    ~TSkinPopupMenu() override;
    const char* ClassName() const override { return "TSkinPopupMenu"; }

    // Always owner-drawn.
    void SetOwnerDraw(bool) override { }

    TSkinFileTheme* FileTheme() const override { return fileTheme_.Get(); }
    void SetFileTheme(TSkinFileTheme* theme) override;
    TSkinUIStyle UIStyle() const override { return uiStyle_; }
    void SetUIStyle(TSkinUIStyle style) override;

    int MenuItemHeight() const { return menuItemHeight_; }
    void SetMenuItemHeight(int value); // ignored while Pearl
    int SeparatorHeight() const { return separatorHeight_; }
    void SetSeparatorHeight(int value); // ignored while Pearl
    int BarWidth() const { return barWidth_; }
    void SetBarWidth(int value) { barWidth_ = value; }
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor value) { barColor_ = value; }
    TColor BarToColor() const { return barToColor_; }
    void SetBarToColor(TColor value) { barToColor_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TColor SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(TColor value) { separatorColor_ = value; }
    TColor SelectedBorderColor() const { return selectedBorderColor_; }
    void SetSelectedBorderColor(TColor value) { selectedBorderColor_ = value; }
    TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor value) { selectedColor_ = value; }
    TColor SelectedFontColor() const { return selectedFontColor_; }
    void SetSelectedFontColor(TColor value) { selectedFontColor_ = value; }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value) { fontColor_ = value; }
    // Kept for the layout; nothing is drawn with it.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { borderColor_ = value; }
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool value) { flatMenu_ = value; }
    const std::string& FontName() const { return fontName_; }
    void SetFontName(const std::string& value) { fontName_ = value; }
    int FontSize() const { return fontSize_; }
    void SetFontSize(int value) { fontSize_ = value; }
    BYTE FontCharset() const { return fontCharset_; }
    void SetFontCharset(BYTE value) { fontCharset_ = value; }
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool value) { useSystemFont_ = value; }
    TImageList* Images() const { return images_.Get(); }
    void SetImages(TImageList* images);

    // The handlers the menu gives its items; public for the owner-draw path.
    void MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) const;
    void DrawItem(TMenuItem& item, TCanvas& canvas, const RECT& rect, TOwnerDrawState state) const;

    void Loaded() override;
    void MenuItemCreated(TMenuItem* item) override;

private:
    // Gives item and its sub-items the menu's handlers.
    void HookItem(TMenuItem* item);
    void PaintBar(TCanvas& canvas, const RECT& rect) const;
    void PaintPearl(TCanvas& canvas, const RECT& rect, const char* resource, int height) const;
    void SelectItemFont(TCanvas& canvas) const;
    void FrameMenuWindow(HDC dc) const;
    bool ValidIcon(const TMenuItem& item) const;

    TComponentReference<TSkinFileTheme> fileTheme_ { this, [this] { SetUIStyle(TSkinUIStyle::Marine); } };
    TSkinUIStyle uiStyle_ = TSkinUIStyle::Marine;
    int menuItemHeight_ = 21;
    int separatorHeight_ = 21;
    int barWidth_ = 0;
    TColor barColor_ = clBtnFace;
    TColor barToColor_ = clBtnFace;
    TColor color_ = clWhite;
    TColor separatorColor_ = 0x808080;
    TColor selectedBorderColor_ = clHighlight;
    TColor selectedColor_ = clHighlight;
    TColor selectedFontColor_ = clWhite;
    TColor fontColor_ = clWhite;
    TColor borderColor_ = clBlack;
    bool flatMenu_ = false;
    std::string fontName_ = "MS Sans Serif";
    int fontSize_ = 8;
    BYTE fontCharset_ = DEFAULT_CHARSET;
    bool useSystemFont_ = true;
    TComponentReference<TImageList> images_ { this };
    // Items may outlive the menu; their handlers check this first.
    std::shared_ptr<TSkinPopupMenu*> self_;
};

} // namespace folvane
