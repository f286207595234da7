// TExThemedControl and TExButtonControl: the windowed base of the extended
// check controls.
//
// TExThemedControl is a self-drawn windowed control that may draw with the
// platform's visual style (UseXPThemes). TExButtonControl adds what the check
// controls share: a UTF-16 caption and hint, a transparent background, and
// the caption's accelerator (the character after a single '&'). Both hide
// the toolkit's ANSI Caption/Hint accessors with UTF-16 ones; the hint is
// handed on to the toolkit's hint window in the ANSI code page.
#pragma once

#include "toolkit/WinControl.h"

#include <string>

namespace folvane {

class TExThemedControl : public TCustomControl {
public:
    explicit TExThemedControl(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExThemedControl"; }

    bool UseXPThemes() const { return useXPThemes_; }
    void SetUseXPThemes(bool value);

protected:
    // UseXPThemes on and a visual style active.
    bool ThemedDrawing() const;

private:
    bool useXPThemes_ = true;
};

class TExButtonControl : public TExThemedControl {
public:
    explicit TExButtonControl(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExButtonControl"; }

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& value);
    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // The accelerator of a caption, upper-cased; 0 when it has none.
    static wchar_t AcceleratorOf(const std::wstring& caption);
    // True when the ANSI character typed is the caption's accelerator.
    bool IsAccelerator(char ch) const;

protected:
    virtual void CaptionChanged();
    // Fills the client area with the parent's picture (Transparent) or Color.
    void PaintBackground(TCanvas& canvas);

private:
    std::wstring caption_;
    std::wstring hint_;
    bool transparent_ = false;
};

} // namespace folvane
