// TCustomExButtonEdit: the self-drawn text box with two embedded graphic
// buttons, a main button at the right end and an alternate button beside it
// or at the left end, and TExEditBtn, the class of those buttons.
//
// The buttons are window-less children of the box; LayoutButtonEdit places
// them and the text area, whenever the box has a window and its size, a
// button's visibility or width, or the alternate button's side changes. Each
// button has a shortcut value that clicks it from the keyboard while it is
// visible and enabled. Most button properties are forwarded; Button() and
// AltButton() give the rest.
#pragma once

#include "controls/ExEdit.h"
#include "controls/ExGraphicButton.h"

#include <functional>

namespace folvane {

class TExEditBtn : public TCustomExGraphicButton {
public:
    explicit TExEditBtn(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExEditBtn"; }
};

// Makes the main button of a box (its owner and parent-to-be).
using TEditButtonFactory = std::function<TExEditBtn*(TComponent* box)>;

enum class TAltButtonPosition { apLeft, apRight };

class TCustomExButtonEdit : public TCustomExEdit {
public:
    explicit TCustomExButtonEdit(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TCustomExButtonEdit"; }

    TExEditBtn* Button() const { return button_; }
    TExEditBtn* AltButton() const { return altButton_; }

    // ---- Main button ----
    bool ButtonVisible() const;
    void SetButtonVisible(bool value);
    // -1: the system's vertical scroll-bar width. Reads back what was set;
    // until something is set the button is 15 pixels wide.
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    TBitmap& ButtonGlyph() { return button_->Glyph(); }
    void SetButtonGlyph(const TBitmap& value) { button_->SetGlyph(value); }
    int ButtonNumGlyphs() const { return button_->NumGlyphs(); }
    void SetButtonNumGlyphs(int value) { button_->SetNumGlyphs(value); }
    TShortCut ButtonShortcut() const { return shortcut_; }
    void SetButtonShortcut(TShortCut value) { shortcut_ = value; }
    TColor ButtonColor() const { return button_->Color(); }
    void SetButtonColor(TColor value) { button_->SetColor(value); }
    bool ButtonFlat() const { return button_->Flat(); }
    void SetButtonFlat(bool value) { button_->SetFlat(value); }
    bool ButtonShowBorder() const { return button_->ShowBorder(); }
    void SetButtonShowBorder(bool value) { button_->SetShowBorder(value); }
    bool ButtonThinFrame() const { return button_->ThinFrame(); }
    void SetButtonThinFrame(bool value) { button_->SetThinFrame(value); }
    bool ButtonOldStyled() const { return button_->OldStyled(); }
    void SetButtonOldStyled(bool value) { button_->SetOldStyled(value); }
    const std::wstring& ButtonHint() const { return buttonHint_; }
    void SetButtonHint(const std::wstring& value);

    // ---- Alternate button ----
    bool AltButtonVisible() const;
    void SetAltButtonVisible(bool value);
    TAltButtonPosition AltButtonPosition() const { return altPosition_; }
    void SetAltButtonPosition(TAltButtonPosition value);
    int AltButtonWidth() const { return altWidth_; }
    void SetAltButtonWidth(int value);
    TShortCut AltButtonShortcut() const { return altShortcut_; }
    void SetAltButtonShortcut(TShortCut value) { altShortcut_ = value; }
    TBitmap& AltButtonGlyph() { return altButton_->Glyph(); }
    void SetAltButtonGlyph(const TBitmap& value) { altButton_->SetGlyph(value); }
    int AltButtonNumGlyphs() const { return altButton_->NumGlyphs(); }
    void SetAltButtonNumGlyphs(int value) { altButton_->SetNumGlyphs(value); }

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnAltButtonClick;

    // The layout for the current client size (client coordinates).
    ButtonEditLayout Layout() const;
    RECT TextArea() const override;
    void Loaded() override;

protected:
    // For a box whose main button is of a class of its own (derived from
    // TExEditBtn): `makeMainButton` creates it during construction.
    TCustomExButtonEdit(TComponent* owner, const TEditButtonFactory& makeMainButton);

    // Run by a click of the button or its shortcut; raise the events.
    virtual void ButtonClick();
    virtual void AltButtonClick();
    // Places the buttons; runs only while the box has a window.
    void UpdateLayout();

    void HandleCreated() override;
    void Resize() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void EnabledChanged() override;
    void UseXPThemesChanged() override;

private:
    int MainButtonPixels() const;
    // Makes the main button as wide as the client height when its glyph does not fit.
    void WidenForGlyph();
    // Clicks `button` when the shortcut matches and it can be clicked.
    static bool ClickByShortcut(TExEditBtn* button, TShortCut shortcut, TShortCut pressed);

    TExEditBtn* button_ = nullptr;
    TExEditBtn* altButton_ = nullptr;
    int buttonWidth_ = -1;
    bool buttonWidthSet_ = false;
    int widened_ = 0; // the main button's width once widened for its glyph; 0 while not
    TShortCut shortcut_ = 0;
    std::wstring buttonHint_;
    TAltButtonPosition altPosition_ = TAltButtonPosition::apRight;
    int altWidth_ = 15;
    TShortCut altShortcut_ = 0;
};

} // namespace folvane
