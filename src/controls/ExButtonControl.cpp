// TExThemedControl and TExButtonControl.
#include "controls/ExButtonControl.h"

#include "controls/ExTheme.h"
#include "toolkit/ParentBackground.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextConvert.h"

namespace folvane {

namespace {

// CharUpperW converts a single character passed in the low word of the
// pointer argument, by the system's case tables.
wchar_t UpperChar(wchar_t ch)
{
    const auto word = static_cast<std::uintptr_t>(ch);
    return static_cast<wchar_t>(reinterpret_cast<std::uintptr_t>(CharUpperW(reinterpret_cast<LPWSTR>(word))));
}

} // namespace

TExThemedControl::TExThemedControl(TComponent* owner)
    : TCustomControl(owner)
{
}

void TExThemedControl::SetUseXPThemes(bool value)
{
    if (value == useXPThemes_)
        return;
    useXPThemes_ = value;
    Invalidate();
}

bool TExThemedControl::ThemedDrawing() const
{
    return useXPThemes_ && ThemesActive();
}

TExButtonControl::TExButtonControl(TComponent* owner)
    : TExThemedControl(owner)
{
}

void TExButtonControl::SetCaption(const std::wstring& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    CaptionChanged();
}

void TExButtonControl::CaptionChanged()
{
    Invalidate();
}

void TExButtonControl::SetHint(const std::wstring& value)
{
    hint_ = value;
    TControl::SetHint(WideToAnsi(value));
}

void TExButtonControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

wchar_t TExButtonControl::AcceleratorOf(const std::wstring& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] == L'&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        return UpperChar(caption[i + 1]);
    }
    return 0;
}

bool TExButtonControl::IsAccelerator(char ch) const
{
    const wchar_t accel = AcceleratorOf(caption_);
    if (accel == 0)
        return false;
    const std::wstring typed = AnsiToWide(std::string_view(&ch, 1));
    if (typed.size() != 1)
        return false;
    return UpperChar(typed[0]) == accel;
}

void TExButtonControl::PaintBackground(TCanvas& canvas)
{
    if (transparent_ && Parent()) {
        DrawParentBackground(canvas, *this);
        return;
    }
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
}

} // namespace folvane
