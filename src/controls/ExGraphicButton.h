// TCustomExGraphicButton and TExGraphicButton: a window-less push button that
// shows an image of one of four image lists (normal, hot, down, disabled) or
// a bitmap glyph strip, optionally with a caption, on a raised, classic,
// sunken, thin or flat frame.
//
// State is the toolkit's press tracker (pressed, pressed inside, pointer
// over); the hot list shows while the pointer is over the button and is kept
// while a press lasts. The look (up, disabled, down, down in group) is
// derived from it when painting.
// Glyph and caption positions come from LayoutGlyph (ButtonGeometry.h).
//
// Grouped latching (GroupIndex, AllowAllUp) works among siblings of one
// parent; the program uses only IsSwitch. Marked-up captions, arrows,
// drop-down menus, icons, sounds and alpha lists are not part of this button.
#pragma once

#include "controls/ButtonGeometry.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/ModalResult.h"
#include "toolkit/PressTracker.h"
#include "toolkit/graphics/Bitmap.h"

#include <string>

namespace folvane {

class TImageList;

enum class TExButtonLook { bsUp, bsDisabled, bsDown, bsExclusive };

class TCustomExGraphicButton : public TPressable<TGraphicControl> {
public:
    explicit TCustomExGraphicButton(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TCustomExGraphicButton"; }

    bool UseImageList() const { return useImageList_; }
    void SetUseImageList(bool value);
    TImageList* Images() const { return lists_[kNormal].Get(); }
    void SetImages(TImageList* list) { SetList(kNormal, list); }
    TImageList* HotImages() const { return lists_[kHot].Get(); }
    void SetHotImages(TImageList* list) { SetList(kHot, list); }
    TImageList* DownImages() const { return lists_[kDown].Get(); }
    void SetDownImages(TImageList* list) { SetList(kDown, list); }
    TImageList* DisabledImages() const { return lists_[kDisabled].Get(); }
    void SetDisabledImages(TImageList* list) { SetList(kDisabled, list); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);

    // Owned; the strip holds NumGlyphs images: up, disabled, down, down in group.
    TBitmap& Glyph() { return glyph_; }
    void SetGlyph(const TBitmap& bitmap);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value); // 1 to 4; others ignored

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool ThinFrame() const { return thinFrame_; }
    void SetThinFrame(bool value);
    bool OldStyled() const { return oldStyled_; }
    void SetOldStyled(bool value);
    bool AdjustSpaceForGlyph() const { return adjustSpace_; }
    void SetAdjustSpaceForGlyph(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool UseXPThemes() const { return useXPThemes_; }
    void SetUseXPThemes(bool value);

    bool Down() const { return down_; }
    void SetDown(bool value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value) { allowAllUp_ = value; }
    bool IsSwitch() const { return isSwitch_; }
    void SetIsSwitch(bool value) { isSwitch_ = value; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }

    // Derived state, for painting and for tests.
    TExButtonLook Look() const;
    bool MouseOver() const { return PressState().Hot(); }
    bool Tracking() const { return PressState().Pressed(); }
    // The list the image is drawn from now, and whether it is shifted by one
    // pixel right and down; nullptr in bitmap mode or without lists.
    TImageList* CurrentList(bool* shifted = nullptr) const;

    // The owning form's modal result becomes ModalResult, then OnClick, then
    // a repaint.
    void Click() override;
    void Loaded() override;

protected:
    void Paint(TCanvas& target) override;

private:
    enum ListSlot { kNormal, kHot, kDown, kDisabled, kSlots };

    void SetList(ListSlot slot, TImageList* list);
    bool Pressed() const;
    void ApplyLatching();
    void Changed();
    // Sets a property and repaints when it changed.
    template <typename T> void Store(T& field, T value);

    void PaintFrame(TCanvas& canvas, TExButtonLook look);
    SIZE GlyphSize() const;
    void PaintImageListGlyph(TCanvas& canvas, const RECT& at, TExButtonLook look);
    void PaintBitmapGlyph(TCanvas& canvas, const RECT& at, TExButtonLook look);
    void PaintCaption(TCanvas& canvas, const RECT& at, TExButtonLook look);

    TComponentReference<TImageList> lists_[kSlots] { TComponentReference<TImageList>(this),
        TComponentReference<TImageList>(this), TComponentReference<TImageList>(this),
        TComponentReference<TImageList>(this) };
    bool useImageList_ = false;
    int imageIndex_ = -1;
    TBitmap glyph_;
    int numGlyphs_ = 1;
    std::wstring caption_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool showBorder_ = true;
    bool flat_ = false;
    bool thinFrame_ = false;
    bool oldStyled_ = false;
    bool adjustSpace_ = true;
    bool transparent_ = false;
    bool useXPThemes_ = true;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool isSwitch_ = false;
    TModalResult modalResult_ = mrNone;
};

class TExGraphicButton : public TCustomExGraphicButton {
public:
    explicit TExGraphicButton(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExGraphicButton"; }
};

} // namespace folvane
