// TExEditBtn and TCustomExButtonEdit.
#include "controls/ExButtonEdit.h"

#include "toolkit/graphics/TextConvert.h"

namespace folvane {

namespace {

constexpr int kUnassignedButtonWidth = 15;

RECT ToRect(const PixelRect& r)
{
    return RECT { r.left, r.top, r.right, r.bottom };
}

} // namespace

TExEditBtn::TExEditBtn(TComponent* owner)
    : TCustomExGraphicButton(owner)
{
    SetCursor(crArrow);
    SetColor(clBtnFace);
    SetFlat(false);
    SetAdjustSpaceForGlyph(false);
}

TCustomExButtonEdit::TCustomExButtonEdit(TComponent* owner)
    : TCustomExButtonEdit(owner, [](TComponent* box) { return new TExEditBtn(box); })
{
}

TCustomExButtonEdit::TCustomExButtonEdit(TComponent* owner, const TEditButtonFactory& makeMainButton)
    : TCustomExEdit(owner)
{
    // Owned by the box itself, so that they go with it whoever owns the box.
    button_ = makeMainButton(this);
    button_->SetParent(this);
    button_->OnClick = [this](TComponent*) { ButtonClick(); };
    altButton_ = new TExEditBtn(this);
    altButton_->SetVisible(false);
    altButton_->SetParent(this);
    altButton_->OnClick = [this](TComponent*) { AltButtonClick(); };
    button_->SetUseXPThemes(UseXPThemes());
    altButton_->SetUseXPThemes(UseXPThemes());
}

// ---------------------------------------------------------------------------
// Properties
// ---------------------------------------------------------------------------

bool TCustomExButtonEdit::ButtonVisible() const
{
    return button_->Visible();
}

void TCustomExButtonEdit::SetButtonVisible(bool value)
{
    if (value == button_->Visible())
        return;
    button_->SetVisible(value);
    UpdateLayout();
}

void TCustomExButtonEdit::SetButtonWidth(int value)
{
    if (buttonWidthSet_ && value == buttonWidth_)
        return;
    buttonWidth_ = value;
    buttonWidthSet_ = true;
    widened_ = 0;
    UpdateLayout();
}

int TCustomExButtonEdit::MainButtonPixels() const
{
    if (widened_ > 0)
        return widened_;
    if (!buttonWidthSet_)
        return kUnassignedButtonWidth;
    return buttonWidth_ == -1 ? GetSystemMetrics(SM_CXVSCROLL) : buttonWidth_;
}

void TCustomExButtonEdit::SetButtonHint(const std::wstring& value)
{
    buttonHint_ = value;
    button_->SetHint(WideToAnsi(value));
}

bool TCustomExButtonEdit::AltButtonVisible() const
{
    return altButton_->Visible();
}

void TCustomExButtonEdit::SetAltButtonVisible(bool value)
{
    if (value == altButton_->Visible())
        return;
    altButton_->SetVisible(value);
    UpdateLayout();
}

void TCustomExButtonEdit::SetAltButtonPosition(TAltButtonPosition value)
{
    if (value == altPosition_)
        return;
    altPosition_ = value;
    UpdateLayout();
}

void TCustomExButtonEdit::SetAltButtonWidth(int value)
{
    if (value == altWidth_)
        return;
    altWidth_ = value;
    UpdateLayout();
}

void TCustomExButtonEdit::UseXPThemesChanged()
{
    TCustomExEdit::UseXPThemesChanged();
    button_->SetUseXPThemes(UseXPThemes());
    altButton_->SetUseXPThemes(UseXPThemes());
}

void TCustomExButtonEdit::EnabledChanged()
{
    TCustomExEdit::EnabledChanged();
    // The buttons paint disabled through their parent's state.
    button_->Invalidate();
    altButton_->Invalidate();
}

// ---------------------------------------------------------------------------
// Layout
// ---------------------------------------------------------------------------

ButtonEditLayout TCustomExButtonEdit::Layout() const
{
    ButtonEditLayoutInput in;
    in.clientWidth = ClientWidth();
    in.clientHeight = ClientHeight();
    in.inset = ClientInset(Frame());
    in.buttonVisible = button_->Visible();
    in.buttonWidth = MainButtonPixels();
    in.altButtonVisible = altButton_->Visible();
    in.altButtonWidth = altWidth_;
    in.altButtonLeft = altPosition_ == TAltButtonPosition::apLeft;
    return LayoutButtonEdit(in);
}

RECT TCustomExButtonEdit::TextArea() const
{
    return ToRect(Layout().text);
}

void TCustomExButtonEdit::UpdateLayout()
{
    if (!HandleAllocated() || IsLoading())
        return;
    const ButtonEditLayout layout = Layout();
    const auto place = [](TExEditBtn* button, const PixelRect& r) {
        if (button->Visible())
            button->SetBounds(r.left, r.top, r.Width(), r.Height());
    };
    place(button_, layout.button);
    place(altButton_, layout.altButton);
    Invalidate();
}

void TCustomExButtonEdit::WidenForGlyph()
{
    const TBitmap& glyph = button_->Glyph();
    const int glyphWidth = glyph.Empty() ? 0 : glyph.Width() / button_->NumGlyphs();
    const int width = MainButtonPixels();
    const int widened = WidenedButtonWidth(width, glyphWidth, ClientHeight());
    if (widened != width)
        widened_ = widened;
}

void TCustomExButtonEdit::HandleCreated()
{
    TCustomExEdit::HandleCreated();
    WidenForGlyph();
    UpdateLayout();
}

// A window made while loading saw neither the stored glyph nor a layout.
void TCustomExButtonEdit::Loaded()
{
    TCustomExEdit::Loaded();
    if (!HandleAllocated())
        return;
    WidenForGlyph();
    UpdateLayout();
}

void TCustomExButtonEdit::Resize()
{
    UpdateLayout();
    TCustomExEdit::Resize();
}

// ---------------------------------------------------------------------------
// Clicks and shortcuts
// ---------------------------------------------------------------------------

void TCustomExButtonEdit::ButtonClick()
{
    if (OnButtonClick)
        OnButtonClick(this);
}

void TCustomExButtonEdit::AltButtonClick()
{
    if (OnAltButtonClick)
        OnAltButtonClick(this);
}

bool TCustomExButtonEdit::ClickByShortcut(TExEditBtn* button, TShortCut shortcut, TShortCut pressed)
{
    if (!ShortcutMatches(shortcut, pressed) || !button->Visible() || !button->EnabledInParents())
        return false;
    button->Click();
    return true;
}

void TCustomExButtonEdit::KeyDown(std::uint16_t& key, TShiftState shift)
{
    const TShortCut pressed = MakeShortcut(key, shift & ssShift, shift & ssCtrl, shift & ssAlt);
    if (ClickByShortcut(button_, shortcut_, pressed) || ClickByShortcut(altButton_, altShortcut_, pressed)) {
        key = 0;
        return;
    }
    TCustomExEdit::KeyDown(key, shift);
}

} // namespace folvane
