// TSkinCustomButton and TSkinButton: a push button whose face is a
// three-state skin image (normal, hot, pressed) stretched by the nine-part
// rule, optionally showing its parent's picture through the face's magenta
// pixels, with an optional glyph beside the caption.
//
// TSkinCustomButton holds the behaviour: the pressed and hot flags, the
// auto-repeat timer while the left button is held, clicks that hand
// ModalResult to the form, Space/Enter, the acting-default and Cancel dialog
// keys, and accelerators (a plain letter works while any skinned button has
// the focus, as it answers the accelerator query). TSkinButton adds the
// look: theme or built-in style, transparency, glyph, layout and painting.
//
// The toolkit's press tracker follows the mouse (capture, hover, the press);
// the button's looks add two rules of their own: a move outside during a press
// ends both the hot and the pressed look until the pointer enters again or the
// next press (a release inside still clicks), and Space/Enter press it too.
// The repeat timer outlives a release outside; the pointer leaving ends it.
#pragma once

#include "skin/NinePartDraw.h"
#include "skin/SkinButtonFaces.h"
#include "skin/SkinButtonLayout.h"
#include "skin/SkinFileTheme.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/ModalResult.h"
#include "toolkit/PressTracker.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace folvane {

class TImageList;

class TSkinCustomButton : public TPressable<TCustomControl> {
public:
    explicit TSkinCustomButton(TComponent* owner = nullptr);
    ~TSkinCustomButton() override;
    const char* ClassName() const override { return "TSkinCustomButton"; }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    bool Default() const { return default_; }
    void SetDefault(bool value);
    int FocusedRectMargin() const { return focusedRectMargin_; }
    void SetFocusedRectMargin(int value);
    int MouseContinuouslyDownInterval() const { return repeatInterval_; }
    void SetMouseContinuouslyDownInterval(int value) { repeatInterval_ = value; }

    // Drawing state: pressed by the mouse or by Space/Enter; hot while the pointer is over it.
    bool Pressed() const { return keyPressed_ || (PressState().Pressed() && !looksEnded_); }
    bool Hot() const { return PressState().Hot() && !looksEnded_; }
    bool ActingDefault() const { return actingDefault_; }
    bool DrawTransparent() const { return drawTransparent_; }
    bool Repeating() const { return repeating_; }

    // Modal result to the form, then OnClick.
    void Click() override;

    bool DialogKey(std::uint16_t key, TShiftState shift) override;
    bool DialogChar(char ch, TShiftState shift) override;
    void FocusChanged(TWinControl* focused) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMouseContinuouslyDown;

protected:
    void SetDrawTransparent(bool value) { drawTransparent_ = value; }

    void HandleCreated() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CancelMode() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void DoExit() override;

private:
    void SetKeyPressed(bool value);
    // Hot and pressed look end until the pointer enters again or the next press.
    void EndLooks();
    void StartRepeat();
    void StopRepeat();

    bool keyPressed_ = false;
    bool looksEnded_ = false;
    bool actingDefault_ = false;
    bool drawTransparent_ = false;
    bool repeating_ = false;
    TModalResult modalResult_ = mrNone;
    bool cancel_ = false;
    bool default_ = false;
    int focusedRectMargin_ = 2;
    int repeatInterval_ = 100;
};

class TSkinButton : public TSkinCustomButton, public TSkinThemed {
public:
    explicit TSkinButton(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TSkinButton"; }

    // Not owned; dropped (and the style set to Marine) when the theme goes.
    TSkinFileTheme* FileTheme() const override { return fileTheme_.Get(); }
    void SetFileTheme(TSkinFileTheme* theme) override;
    TSkinUIStyle UIStyle() const override { return uiStyle_; }
    // Applies the theme's or the style's transparency and caption colour,
    // replacing whatever was set before.
    void SetUIStyle(TSkinUIStyle style) override;

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    // Owned; two images side by side (normal, disabled) when exactly twice as
    // wide as high. Drawing on it in place needs Glyph().Changed() to show.
    TBitmap& Glyph() { return glyph_; }
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& bitmap);
    TSkinButtonLayout Layout() const { return layout_; }
    void SetLayout(TSkinButtonLayout value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    int ResHandle() const { return 0; }
    void SetResHandle(int) { }

    // What an action assigned to the button hands it: its caption, and its
    // image when the glyph is empty.
    void ActionChange(const std::string& caption, const TImageList* images, int imageIndex);

    // The face slice (1 normal, 2 hot, 3 pressed) from the theme or the
    // effective built-in style; a blank (white) 74 x 21 image when the style's
    // picture cannot be had.
    void FaceImage(int slice, TBitmap& target) const;

protected:
    void Paint(TCanvas& canvas) override;

private:
    void PaintGlyph(TCanvas& canvas, const SkinGlyphPlacement& at);
    void PaintCaptionAt(TCanvas& canvas, int x, int y) const;
    void PaintCaptionCentred(TCanvas& canvas, bool bold) const;

    TComponentReference<TSkinFileTheme> fileTheme_ { this, [this] { SetUIStyle(TSkinUIStyle::Marine); } };
    TSkinUIStyle uiStyle_ = TSkinUIStyle::Marine;
    bool transparent_ = false;
    bool autoSize_ = false;
    TBitmap glyph_;
    TSkinButtonFaces faces_ { [this](int slice, TBitmap& target) { FaceImage(slice, target); } };
    unsigned facesRevision_ = 0;
    // The glyph's image list, made again only when the glyph or its width changes.
    std::unique_ptr<TImageList> glyphList_;
    int glyphListWidth_ = -1;
    TSkinButtonLayout layout_ = TSkinButtonLayout::blGlyphLeft;
    int spacing_ = 4;
};

} // namespace folvane
