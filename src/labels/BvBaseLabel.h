// TBvBaseLabel: what the bevelled and the simple label share. Alignment in nine positions,
// auto size, multi-line text, the accelerator with its FocusControl, the layout options,
// twinkling text, the font-quality rule, and the painting skeleton: fill, frame (a hook the
// bevelled label fills in), the text plan, then the text.
//
// Measuring runs on a screen device context with the label's font. Painting never measures
// the label itself: auto size happens when the caption, font, options or bevel change.
#pragma once

#include "labels/BvControl.h"
#include "labels/BvTextLayout.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/graphics/FontCache.h"

#include <string>

namespace folvane {

class TCanvas;
class TTimer;
class TWinControl;

class TBvBaseLabel : public TBvBaseGraphicControl {
public:
    explicit TBvBaseLabel(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TBvBaseLabel"; }

    TBvAlignment Alignment() const { return alignment_; }
    void SetAlignment(TBvAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TBvLabelOptions Options() const { return options_; }
    void SetOptions(TBvLabelOptions value);
    TWinControl* FocusControl() const { return focusControl_.Get(); }
    void SetFocusControl(TWinControl* control);

    // Blinking text: TwinkleVisible milliseconds shown, TwinkleInVisible milliseconds in
    // TwinkleColor (or not drawn when that is clNone).
    bool Twinkle() const { return twinkle_; }
    void SetTwinkle(bool value);
    unsigned TwinkleVisible() const { return twinkleVisible_; }
    void SetTwinkleVisible(unsigned value);
    unsigned TwinkleInVisible() const { return twinkleInVisible_; }
    void SetTwinkleInVisible(unsigned value);
    TColor TwinkleColor() const { return twinkleColor_; }
    void SetTwinkleColor(TColor value);
    // The phase in which the text shows normally; always true without twinkle.
    bool TwinkleShowing() const { return twinkleShowing_; }

    virtual std::string CaptionText() const { return Caption(); }
    // Sizes the label to its caption when AutoSize is on, Align is none and it is not loading.
    virtual void AdjustLabelSize();
    void LabelChanged() override;
    bool NothingToPaint() const override;

    // The text's rectangle measured in `bounds` (whose width limits the lines), grown by
    // 2 x (margin + 1) to the right and bottom.
    RECT MeasureText(const std::string& text, unsigned flags, int margin, const RECT& bounds) const;
    // The text block placed in `target` by the alignment.
    RECT AlignTextBlock(const std::string& text, const RECT& target) const;

    bool DialogChar(char ch, TShiftState shift) override;
    void Loaded() override;

protected:
    void Paint(TCanvas& canvas) override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;

    // Pixels of frame around the text, measured into the auto size.
    virtual int ExtraMargin() const { return 0; }
    // Draws the frame on `r` and leaves the text area in it; `clip` turns on clipping the
    // text to that area.
    virtual void PaintFrame(TCanvas& canvas, RECT& r, bool& clip);
    virtual TextPlan PlanText() const = 0;
    // Extra character spacing and the offset of the drawn text (the text effects).
    virtual int TextTracing() const { return 0; }
    virtual POINT TextOffset() const { return POINT {}; }

    bool FontSmoothing() const { return fontSmoothing_; }
    void SetFontSmoothing(bool value);
    // The text in `color` inside r (clipped to `clip` when given); nothing for an empty text
    // or rectangle.
    void DrawLabelText(
        TCanvas& canvas, const std::string& text, const RECT& r, const RECT* clip, unsigned flags, TColor color) const;

private:
    HFONT TextFont() const;
    void ApplyFontQuality();
    void UpdateTwinkleTimer();
    void TwinkleTick();

    TBvAlignment alignment_ = TBvAlignment::agTopLeft;
    bool autoSize_ = true;
    bool multiLine_ = false;
    bool showAccelChar_ = true;
    TBvLabelOptions options_ = 0;
    TComponentReference<TWinControl> focusControl_ { this };
    bool twinkle_ = false;
    unsigned twinkleVisible_ = 700;
    unsigned twinkleInVisible_ = 700;
    TColor twinkleColor_ = clNone;
    bool twinkleShowing_ = true;
    TTimer* twinkleTimer_ = nullptr;
    bool fontSmoothing_ = false;
    TSharedFont smoothFont_; // the font with antialiased quality while FontSmoothing is on
    bool painting_ = false;
};

} // namespace folvane
