// TCustomExLabel and TExLabel: measuring, the off-screen paint and the caption's layers.
#include "controls/ExLabel.h"

#include "controls/ExTheme.h"
#include "toolkit/ParentBackground.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/DisabledText.h"
#include "toolkit/graphics/GdiHandle.h"
#include "toolkit/graphics/MemoryCanvas.h"
#include "toolkit/graphics/TextConvert.h"

namespace folvane {

// ---- TCustomExLabel: properties ----

TCustomExLabel::TCustomExLabel(TComponent* owner)
    : TLabel(owner)
{
    SetTransparent(true);
}

void TCustomExLabel::SetCaption(const std::wstring& value)
{
    Store(caption_, value, true);
}

void TCustomExLabel::SetHint(const std::wstring& value)
{
    hint_ = value;
    TLabel::SetHint(WideToAnsi(value));
}

void TCustomExLabel::SetBorderWidth(int value)
{
    Store(borderWidth_, value, true);
}

void TCustomExLabel::SetEndEllipsis(bool value)
{
    Store(endEllipsis_, value);
}

void TCustomExLabel::SetUseXPThemes(bool value)
{
    Store(useXPThemes_, value);
}

unsigned TCustomExLabel::PaintFlags() const
{
    // The toolkit has no right-to-left reading, so no reading flags are added.
    return DrawTextFlags() | (endEllipsis_ ? DT_END_ELLIPSIS : 0u);
}

// ---- Auto size ----

void TCustomExLabel::AdjustBounds()
{
    if (!AutoSize() || IsLoading())
        return;
    TWindowDC screen;
    TCanvas canvas(screen.Get());
    canvas.SetFont(Font());
    // A lone accelerator mark draws nothing, so it measures like an empty caption: one blank.
    const bool blank = caption_.empty() || (ShowAccelChar() && caption_ == L"&");
    RECT r { 0, 0, Width(), 0 };
    canvas.DrawText(blank ? std::wstring(L" ") : caption_, r, PaintFlags() | DT_CALCRECT);
    const PixelRect bounds = ExLabelAutoBounds(PixelRect { Left(), Top(), Left() + Width(), Top() + Height() },
        r.right - r.left, r.bottom - r.top, borderWidth_, Alignment());
    SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
}

// ---- Painting ----

void TCustomExLabel::PaintBackground(TMemoryCanvas& memory)
{
    TCanvas& buffer = memory.Canvas();
    if (Parent() && useXPThemes_ && ThemesActive()) {
        DrawParentBackground(buffer, *this);
    } else if (Transparent()) {
        // What the parent has painted so far lies under the label on the target.
        memory.CopyFromTarget();
    } else {
        buffer.Brush().SetColor(Color());
        buffer.FillRect(ClientRect());
    }
}

void TCustomExLabel::Paint(TCanvas& canvas)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TMemoryCanvas memory(canvas, ClientRect(), TBuffering::bfUnlessTargetIsMemory);
    TCanvas& buffer = memory.Canvas();
    PaintBackground(memory);

    RECT r = ClientRect();
    InflateRect(&r, -borderWidth_, -borderWidth_);
    const unsigned flags = PaintFlags();
    buffer.SetFont(Font());
    buffer.Brush().SetStyle(TBrushStyle::bsClear);
    if (Layout() != TTextLayout::tlTop) {
        RECT measured = r;
        buffer.DrawText(caption_, measured, flags | DT_CALCRECT);
        OffsetRect(&r, 0, LayoutOffset(Layout(), Height(), measured.bottom - measured.top));
    }
    DrawCaption(buffer, r, flags);
    memory.Flush();
}

void TCustomExLabel::DrawCaptionCopy(TCanvas& canvas, const RECT& r, unsigned flags, int dx, int dy, TColor color)
{
    DrawShiftedText(canvas, caption_, r, flags, dx, dy, color);
}

void TCustomExLabel::DrawDisabledCaption(TCanvas& canvas, const RECT& r, unsigned flags)
{
    DrawDisabledText(canvas, caption_, r, flags);
}

void TCustomExLabel::DrawCaption(TCanvas& canvas, const RECT& r, unsigned flags)
{
    if (!Enabled()) {
        DrawDisabledCaption(canvas, r, flags);
        return;
    }
    DrawCaptionCopy(canvas, r, flags, 0, 0, Font().Color());
}

// ---- TExLabel ----

TExLabel::TExLabel(TComponent* owner)
    : TCustomExLabel(owner)
{
}

void TExLabel::DrawCaption(TCanvas& canvas, const RECT& r, unsigned flags)
{
    std::vector<TextCopy> effect;
    if (effect_ == TExLabelEffect::lesShadow) {
        effect = ShadowCopies(shadowColor_, xOffset_, yOffset_);
    } else if (effect_ == TExLabelEffect::lesExtrude) {
        ExtrudeSettings resolved = extrude_;
        resolved.farColor = static_cast<TColor>(ColorToRGB(extrude_.farColor));
        resolved.nearColor = static_cast<TColor>(ColorToRGB(extrude_.nearColor));
        // Beyond the label's size plus the text's, a copy cannot touch the label.
        RECT text = r;
        canvas.DrawText(Caption(), text, flags | DT_CALCRECT);
        effect = ExtrudeCopies(resolved, Width() + (text.right - text.left), Height() + (text.bottom - text.top));
    }
    for (const TextCopy& copy : effect)
        DrawCaptionCopy(canvas, r, flags, copy.dx, copy.dy, copy.color);
    if (!Enabled()) {
        DrawDisabledCaption(canvas, r, flags);
        return;
    }
    for (const TextCopy& copy : StyleCopies(style_, Font().Color(), lightColor_, darkColor_, outlineColor_))
        DrawCaptionCopy(canvas, r, flags, copy.dx, copy.dy, copy.color);
}

} // namespace folvane
