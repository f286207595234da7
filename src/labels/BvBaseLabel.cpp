// TBvBaseLabel: properties, measuring, the accelerator, twinkle and the painting skeleton.
#include "labels/BvBaseLabel.h"

#include "toolkit/Label.h"
#include "toolkit/Timer.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"

namespace folvane {

namespace {

// Clears a flag on every way out of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag)
        : flag_(flag)
    {
        flag_ = true;
    }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

TBvBaseLabel::TBvBaseLabel(TComponent* owner)
    : TBvBaseGraphicControl(owner)
{
    StoreBounds(0, 0, 30, 30);
    SetColor(clWindow);
    SetParentColor(true);
}

// ---- Properties ----

void TBvBaseLabel::SetAlignment(TBvAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    LabelChanged();
}

void TBvBaseLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustLabelSize();
}

void TBvBaseLabel::SetMultiLine(bool value)
{
    if (value == multiLine_)
        return;
    multiLine_ = value;
    LabelChanged();
}

void TBvBaseLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    LabelChanged();
}

void TBvBaseLabel::SetOptions(TBvLabelOptions value)
{
    value &= loPathEllipsis | loEndEllipsis | loEditControl;
    if (value == options_)
        return;
    options_ = value;
    LabelChanged();
}

void TBvBaseLabel::SetFocusControl(TWinControl* control)
{
    focusControl_.Set(control);
}

void TBvBaseLabel::LabelChanged()
{
    AdjustLabelSize();
    Redraw();
}

bool TBvBaseLabel::NothingToPaint() const
{
    return Transparent() && CaptionText().empty();
}

void TBvBaseLabel::TextChanged()
{
    AdjustLabelSize();
    Redraw();
}

void TBvBaseLabel::FontChanged()
{
    if (IsLoading())
        return;
    ApplyFontQuality();
    TBvBaseGraphicControl::FontChanged();
    LabelChanged();
}

void TBvBaseLabel::EnabledChanged()
{
    Redraw();
}

void TBvBaseLabel::Loaded()
{
    TBvBaseGraphicControl::Loaded();
    ApplyFontQuality();
    AdjustLabelSize();
    UpdateTwinkleTimer();
}

// ---- Font quality ----

void TBvBaseLabel::SetFontSmoothing(bool value)
{
    if (value == fontSmoothing_)
        return;
    fontSmoothing_ = value;
    if (IsLoading())
        return;
    ApplyFontQuality();
    LabelChanged();
}

void TBvBaseLabel::ApplyFontQuality()
{
    // The toolkit's fonts use the default quality; a smoothing label draws with a copy of its
    // font recreated with antialiased quality.
    smoothFont_.reset();
    if (!fontSmoothing_)
        return;
    LOGFONTA lf {};
    if (GetObjectA(Font().Handle(), sizeof lf, &lf) != sizeof lf)
        return;
    lf.lfQuality = ANTIALIASED_QUALITY;
    smoothFont_ = SharedFont(lf);
}

HFONT TBvBaseLabel::TextFont() const
{
    return smoothFont_ ? smoothFont_->Get() : Font().Handle();
}

// ---- Measuring ----

RECT TBvBaseLabel::MeasureText(const std::string& text, unsigned flags, int margin, const RECT& bounds) const
{
    TWindowDC screen;
    TSelectScope font(screen.Get(), TextFont());
    std::string measured = MeasuresAsBlank(text, showAccelChar_) ? std::string(" ") : text;
    RECT r = bounds;
    flags |= DT_CALCRECT | DT_NOCLIP | (multiLine_ ? DT_WORDBREAK : 0u) | (showAccelChar_ ? 0u : DT_NOPREFIX);
    DrawTextExA(screen.Get(), measured.data(), static_cast<int>(measured.size()), &r, flags, nullptr);
    r.right += 2 * (margin + 1);
    r.bottom += 2 * (margin + 1);
    return r;
}

RECT TBvBaseLabel::AlignTextBlock(const std::string& text, const RECT& target) const
{
    RECT narrower = target;
    narrower.right -= 1;
    const RECT block = MeasureText(text, OptionFlags(options_), 0, narrower);
    const PixelRect placed = PlaceTextBlock(PixelRect { target.left, target.top, target.right, target.bottom },
        block.right - block.left, block.bottom - block.top, alignment_);
    return RECT { placed.left, placed.top, placed.right, placed.bottom };
}

void TBvBaseLabel::AdjustLabelSize()
{
    if (!autoSize_ || IsLoading())
        return;
    const RECT r = MeasureText(CaptionText(), OptionFlags(options_), ExtraMargin(), ClientRect());
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

// ---- Accelerator ----

bool TBvBaseLabel::DialogChar(char ch, TShiftState)
{
    if (!showAccelChar_ || !focusControl_ || !Enabled() || !IsAccel(ch, CaptionText()))
        return false;
    if (focusControl_->CanFocus())
        focusControl_->SetFocus();
    return true;
}

// ---- Twinkle ----

void TBvBaseLabel::SetTwinkle(bool value)
{
    if (value == twinkle_)
        return;
    twinkle_ = value;
    twinkleShowing_ = true;
    UpdateTwinkleTimer();
    Redraw();
}

void TBvBaseLabel::SetTwinkleVisible(unsigned value)
{
    twinkleVisible_ = value;
    UpdateTwinkleTimer();
}

void TBvBaseLabel::SetTwinkleInVisible(unsigned value)
{
    twinkleInVisible_ = value;
    UpdateTwinkleTimer();
}

void TBvBaseLabel::SetTwinkleColor(TColor value)
{
    if (value == twinkleColor_)
        return;
    twinkleColor_ = value;
    if (!twinkleShowing_)
        Redraw();
}

void TBvBaseLabel::UpdateTwinkleTimer()
{
    if (IsLoading())
        return;
    if (!twinkle_) {
        delete twinkleTimer_;
        twinkleTimer_ = nullptr;
        return;
    }
    if (!twinkleTimer_) {
        twinkleTimer_ = new TTimer(this);
        twinkleTimer_->OnTimer = [this](TComponent*) { TwinkleTick(); };
    }
    twinkleTimer_->SetInterval(twinkleShowing_ ? twinkleVisible_ : twinkleInVisible_);
    twinkleTimer_->SetEnabled(true);
}

void TBvBaseLabel::TwinkleTick()
{
    twinkleShowing_ = !twinkleShowing_;
    UpdateTwinkleTimer();
    Redraw();
}

// ---- Painting ----

void TBvBaseLabel::PaintFrame(TCanvas&, RECT&, bool&)
{
}

void TBvBaseLabel::Paint(TCanvas& canvas)
{
    if (painting_ || IsLoading() || NothingToPaint())
        return;
    const std::string text = CaptionText();
    FlagScope running(painting_);
    const RECT client = ClientRect();
    if (!Transparent()) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.FillRect(client);
    }
    RECT r = client;
    bool clip = false;
    PaintFrame(canvas, r, clip);
    const RECT clipRect = r;

    // The toolkit has no right-to-left reading, so there are no reading flags to add.
    unsigned flags = 0;
    const TextPlan plan = PlanText();
    if (plan.singleLine)
        flags |= DT_SINGLELINE;
    if (plan.placeBlock)
        r = AlignTextBlock(text, r);
    flags |= OptionFlags(options_) | AlignmentFlags(alignment_) | DT_NOCLIP | DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;

    TColor color = Enabled() ? Font().Color() : clGrayText;
    if (!twinkleShowing_) {
        if (twinkleColor_ == clNone)
            return;
        color = twinkleColor_;
    }
    DrawLabelText(canvas, text, r, clip ? &clipRect : nullptr, flags, color);
}

void TBvBaseLabel::DrawLabelText(
    TCanvas& canvas, const std::string& text, const RECT& r, const RECT* clip, unsigned flags, TColor color) const
{
    if (text.empty() || IsRectEmpty(&r))
        return;
    canvas.SaveState();
    if (clip)
        canvas.IntersectClipRect(*clip);
    canvas.Refresh(); // the text is drawn on the DC directly, with the label's own font
    HDC dc = canvas.Handle();
    TSelectScope font(dc, TextFont());
    SetTextColor(dc, ColorToRGB(color));
    SetBkMode(dc, TRANSPARENT);
    const int tracing = TextTracing();
    const int oldExtra = tracing != 0 ? SetTextCharacterExtra(dc, tracing) : 0;
    RECT at = r;
    const POINT offset = TextOffset();
    OffsetRect(&at, offset.x, offset.y);
    std::string buffer = text;
    DrawTextExA(dc, buffer.data(), static_cast<int>(buffer.size()), &at, flags & ~DT_MODIFYSTRING, nullptr);
    if (tracing != 0)
        SetTextCharacterExtra(dc, oldExtra);
    canvas.RestoreState();
}

} // namespace folvane
