// TLabel: a plain text control without a window. Caption with an optional accelerator ("&"),
// the control's font, opaque (filled with Color) or transparent, horizontal alignment and
// vertical layout, word wrap, and auto size (the rectangle follows the text, growing away from
// the aligned edge). Its accelerator gives the focus to FocusControl. A disabled label draws
// its text embossed.
#pragma once

#include "toolkit/GraphicControl.h"

namespace folvane {

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner = nullptr);
    ~TLabel() override;
    const char* ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TWinControl* FocusControl() const { return focusControl_.Get(); }
    void SetFocusControl(TWinControl* control);

    // The DT_* flags the text is drawn with (without DT_CALCRECT).
    unsigned DrawTextFlags() const;
    bool DialogChar(char ch, TShiftState shift) override;
    void Loaded() override;

protected:
    void Paint(TCanvas& canvas) override;
    void TextChanged() override;
    void FontChanged() override;
    // Sizes the label to its text when AutoSize is on.
    virtual void AdjustBounds();

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    TComponentReference<TWinControl> focusControl_ { this };
};

// True when `caption` marks `ch` (case-insensitive) as its accelerator with a single "&".
bool IsAccel(char ch, const std::string& caption);

} // namespace folvane
