// TLabel: measuring, painting and the accelerator.
#include "toolkit/Label.h"

#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/DisabledText.h"
#include "toolkit/graphics/GdiHandle.h"

#include <cstdint>

namespace folvane {

bool IsAccel(char ch, const std::string& caption)
{
    // CharUpperA with a character in the low word converts that character (code page aware).
    auto upper = [](char c) {
        auto code = static_cast<std::uintptr_t>(static_cast<unsigned char>(c));
        return static_cast<char>(reinterpret_cast<std::uintptr_t>(CharUpperA(reinterpret_cast<LPSTR>(code))));
    };
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        return upper(caption[i + 1]) == upper(ch);
    }
    return false;
}

TLabel::TLabel(TComponent* owner)
    : TGraphicControl(owner)
{
    SetParentColor(true);
    StoreBounds(0, 0, 65, 17);
}

TLabel::~TLabel() = default;

void TLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control)
{
    focusControl_.Set(control);
}

unsigned TLabel::DrawTextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    switch (alignment_) {
    case TAlignment::taLeftJustify:
        flags |= DT_LEFT;
        break;
    case TAlignment::taRightJustify:
        flags |= DT_RIGHT;
        break;
    case TAlignment::taCenter:
        flags |= DT_CENTER;
        break;
    }
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::TextChanged()
{
    AdjustBounds();
    Invalidate();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::AdjustBounds()
{
    if (!autoSize_ || IsLoading())
        return;
    TWindowDC screen;
    TCanvas canvas(screen.Get());
    canvas.SetFont(Font());
    // An empty caption still has the height of a line.
    std::string text = Caption().empty() || (showAccelChar_ && Caption() == "&") ? std::string(" ") : Caption();
    RECT r { 0, 0, wordWrap_ ? Width() : 0, 0 };
    canvas.DrawText(text, r, DrawTextFlags() | DT_CALCRECT);
    int width = r.right;
    int height = r.bottom;
    // Constraints first, so that an aligned label moves by the width it really gives up.
    ApplyConstraints(width, height);
    int left = Left();
    if (!wordWrap_) {
        if (alignment_ == TAlignment::taRightJustify)
            left += Width() - width;
        else if (alignment_ == TAlignment::taCenter)
            left += (Width() - width) / 2;
    } else {
        width = Width();
    }
    SetBounds(left, Top(), width, height);
}

void TLabel::Paint(TCanvas& canvas)
{
    RECT client = ClientRect();
    if (!transparent_) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.SetFont(Font());
    unsigned flags = DrawTextFlags();
    RECT r = client;
    if (layout_ != TTextLayout::tlTop) {
        RECT measure = client;
        canvas.DrawText(Caption(), measure, flags | DT_CALCRECT);
        int textHeight = measure.bottom - measure.top;
        int offset = layout_ == TTextLayout::tlCenter ? (client.bottom - textHeight) / 2 : client.bottom - textHeight;
        r.top += offset;
    }
    if (!EnabledInParents()) {
        DrawDisabledText(canvas, Caption(), r, flags);
        return;
    }
    canvas.DrawText(Caption(), r, flags);
}

bool TLabel::DialogChar(char ch, TShiftState shift)
{
    (void)shift;
    if (!showAccelChar_ || !focusControl_ || !EnabledInParents() || !IsAccel(ch, Caption()))
        return false;
    if (!focusControl_->CanFocus())
        return false;
    focusControl_->SetFocus();
    return true;
}

} // namespace folvane
