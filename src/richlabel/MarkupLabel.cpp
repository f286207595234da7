// TMarkupLabel; see MarkupLabel.h.
#include "richlabel/MarkupLabel.h"

#include "richlabel/GdiMarkupCanvas.h"
#include "richlabel/GradientFill.h"
#include "richlabel/MarkupText.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Edges.h"

#include <optional>

#include <shellapi.h>

namespace folvane {

namespace {

// Auto sizing lets the text run this far past the control's edge when measuring.
constexpr int kUnbounded = 65535;
constexpr int kAutoSizeMargin = 6;

// A 3-D frame of `width` rings; r shrinks by one pixel per ring on every side.
void Bevel(TCanvas& canvas, RECT& r, TBevelCut cut, int width)
{
    TColor top = clBtnHighlight;
    TColor bottom = clBtnShadow;
    if (cut == TBevelCut::bvLowered) {
        std::swap(top, bottom);
    }
    Frame3D(canvas, r, top, bottom, width);
}

bool IsShellTarget(const std::string& target)
{
    return target.find("://") != std::string::npos || target.find("mailto:") != std::string::npos;
}

} // namespace

TMarkupLabel::TMarkupLabel(TComponent* owner)
    : TLabel(owner)
{
    SetAutoSize(false);
    SetCaption("");
    images_.OnChange = [this] { MarkupChanged(); };
    images_.OnDrop = [this] { MarkupChanged(); };
    pictureStore_.OnDrop = [this] { MarkupChanged(); };
}

TMarkupLabel::~TMarkupLabel()
{
    cache_.Clear();
}

std::uint32_t TMarkupLabel::VersionNumber() const
{
    return (1u << 24) | (7u << 16) | (5u << 8) | 4u;
}

std::string TMarkupLabel::DisplayText() const
{
    std::string text;
    for (const std::string& line : htmlText_) {
        text += line;
    }
    return text;
}

void TMarkupLabel::SetHTMLText(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines) {
        for (char c : line) {
            if (c != '\r' && c != '\n') {
                joined += c;
            }
        }
    }
    htmlText_.assign(1, joined);
    cache_.Clear();
    MarkupChanged();
}

void TMarkupLabel::SetImages(TImageList* images)
{
    images_.Set(images);
    MarkupChanged();
}

void TMarkupLabel::SetPictureStore(TPictureStore* store)
{
    pictureStore_.Set(store);
    MarkupChanged();
}

void TMarkupLabel::SetURLColor(TColor value)
{
    if (value != urlColor_) {
        SetAndRepaint(urlColor_, value);
    }
}

void TMarkupLabel::SetVAlignment(TVAlignment value)
{
    if (value != vAlignment_) {
        SetAndRepaint(vAlignment_, value);
    }
}

void TMarkupLabel::SetEllipsis(bool value)
{
    if (value != ellipsis_) {
        SetAndRepaint(ellipsis_, value);
    }
}

void TMarkupLabel::SetAutoSizing(bool value)
{
    autoSizing_ = value;
    if (value && !IsLoading()) {
        if (align_ == TLabelAlign::alLeft || align_ == TLabelAlign::alRight) {
            SetWidth(6);
        }
        if (align_ == TLabelAlign::alTop || align_ == TLabelAlign::alBottom) {
            SetHeight(6);
        }
    }
    MarkupChanged();
}

void TMarkupLabel::SetAutoSizeType(TAutoSizeType value)
{
    autoSizeType_ = value;
    SetAutoSizing(autoSizing_);
}

void TMarkupLabel::MarkupChanged()
{
    Invalidate();
}

void TMarkupLabel::Loaded()
{
    TLabel::Loaded();
    SetCaption("");
}

bool TMarkupLabel::SizesHorizontally() const
{
    const bool free = align_ == TLabelAlign::alNone || align_ == TLabelAlign::alLeft || align_ == TLabelAlign::alRight;
    return free && (autoSizeType_ == TAutoSizeType::asHorizontal || autoSizeType_ == TAutoSizeType::asBoth);
}

bool TMarkupLabel::SizesVertically() const
{
    const bool free = align_ == TLabelAlign::alNone || align_ == TLabelAlign::alTop || align_ == TLabelAlign::alBottom;
    return free && (autoSizeType_ == TAutoSizeType::asVertical || autoSizeType_ == TAutoSizeType::asBoth);
}

bool TMarkupLabel::PaintMarkup(
    TCanvas& canvas, const std::string& text, const RECT& rect, POINT mouse, bool measureOnly)
{
    TGdiMarkupCanvas markupCanvas(canvas);
    std::optional<TMarkupImageList> images;
    if (images_) {
        images.emplace(*images_.Get());
    }
    MarkupRenderRequest request;
    request.Canvas = &markupCanvas;
    request.Markup = text;
    request.LayoutRect = { rect.left, rect.top, rect.right, rect.bottom };
    request.Images = images ? &*images : nullptr;
    request.MouseX = mouse.x;
    request.MouseY = mouse.y;
    request.HoverAnchor = mouseAnchor_;
    request.ShadowOffset = shadowOffset_;
    request.MeasureOnly = measureOnly;
    request.Hover = hover_;
    request.WordWrap = !ellipsis_;
    request.URLColor = urlColor_;
    request.HoverColor = hoverColor_;
    request.HoverFontColor = hoverFontColor_;
    request.ShadowColor = shadowColor_;
    request.PictureStore = pictureStore_.Get();
    request.PictureCache = &cache_;
    lastResult_.HoverRect = { hoverRect_.left, hoverRect_.top, hoverRect_.right, hoverRect_.bottom };
    const bool over = RenderMarkup(request, lastResult_);
    textWidth_ = lastResult_.TextWidth;
    textHeight_ = lastResult_.TextHeight;
    return over;
}

RECT TMarkupLabel::InnerRect(bool withSingleBorder) const
{
    RECT r = ClientRect();
    if (bevelInner_ != TBevelCut::bvNone || bevelOuter_ != TBevelCut::bvNone) {
        InflateRect(&r, -bevelWidth_, -bevelWidth_);
    }
    if (withSingleBorder ? borderStyle_ == TBorderStyle::bsSingle : true) {
        InflateRect(&r, -borderWidth_, -borderWidth_);
    }
    return r;
}

void TMarkupLabel::PlaceVertically(TCanvas& canvas, const std::string& text, RECT& r, POINT mouse, TVAlignment va)
{
    if (va == TVAlignment::tvaTop) {
        return;
    }
    PaintMarkup(canvas, text, r, mouse, true);
    const int h = textHeight_;
    if (h >= Height()) {
        return;
    }
    if (va == TVAlignment::tvaCenter) {
        r.top += (r.bottom - r.top - h) / 2;
    } else {
        r.top = r.bottom - h;
    }
}

void TMarkupLabel::PaintBackground(TCanvas& canvas, RECT r, int steps)
{
    TGdiMarkupCanvas markupCanvas(canvas);
    if (!Transparent()) {
        if (colorTo_ == clNone || gradientType_ > TGradientType::gtFullVertical) {
            markupCanvas.FillRect({ r.left, r.top, r.right, r.bottom }, Color());
        } else {
            GradientFill(markupCanvas, Color(), colorTo_, gradientType_ == TGradientType::gtFullHorizontal,
                { r.left, r.top, r.right, r.bottom }, steps);
        }
    }
    switch (gradientType_) {
    case TGradientType::gtBottomLine:
        r.top = r.bottom - 2;
        break;
    case TGradientType::gtCenterLine:
        r.top += (r.bottom - r.top) / 2;
        r.bottom = r.top + 2;
        break;
    case TGradientType::gtTopLine:
        r.bottom = r.top + 2;
        break;
    default:
        return;
    }
    GradientFill(markupCanvas, Color(), colorTo_, true, { r.left, r.top, r.right, r.bottom }, steps);
}

void TMarkupLabel::PaintFrames(TCanvas& canvas, RECT& r)
{
    if (bevelOuter_ != TBevelCut::bvNone) {
        Bevel(canvas, r, bevelOuter_, bevelWidth_);
    }
    Frame3D(canvas, r, Color(), Color(), borderWidth_);
    if (bevelInner_ != TBevelCut::bvNone) {
        Bevel(canvas, r, bevelInner_, bevelWidth_);
    }
    if (borderStyle_ == TBorderStyle::bsSingle && borderWidth_ > 0 && borderColor_ != clNone) {
        const int a = (borderWidth_ + 1) / 2;
        const int b = borderWidth_ / 2;
        canvas.Pen().SetWidth(borderWidth_);
        canvas.Pen().SetColor(borderColor_);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        const POINT ring[] = { { r.left - a, r.top - a }, { r.right + b, r.top - a }, { r.right + b, r.bottom + b },
            { r.left - a, r.bottom + b }, { r.left - a, r.top - a } };
        canvas.Polyline(ring);
        canvas.Pen().SetWidth(1);
    }
}

void TMarkupLabel::Paint(TCanvas& canvas)
{
    SetCaption("");
    RECT r = ClientRect();
    PaintBackground(canvas, r, (r.right - r.left) / 4);
    canvas.SetFont(Font());

    r = ClientRect();
    PaintFrames(canvas, r);
    r = InnerRect(true);

    const std::string text = DisplayText();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    TVAlignment va = vAlignment_;
    if (autoSizing_) {
        if (SizesHorizontally()) {
            r.right += kUnbounded;
        }
        if (SizesVertically()) {
            r.bottom += kUnbounded;
        }
        va = TVAlignment::tvaTop;
    }
    POINT mouse {};
    GetCursorPos(&mouse);
    mouse = ScreenToClient(mouse);
    PlaceVertically(canvas, text, r, mouse, va);
    if (autoSizing_) {
        r.top += vAlignment_ == TVAlignment::tvaCenter ? 3 : vAlignment_ == TVAlignment::tvaBottom ? 6 : 0;
    }
    PaintMarkup(canvas, text, r, mouse, false);

    if (autoSizing_) {
        if (SizesVertically() && Height() != textHeight_ + kAutoSizeMargin) {
            SetHeight(textHeight_ + kAutoSizeMargin);
        }
        if (SizesHorizontally() && Width() != textWidth_ + kAutoSizeMargin) {
            SetWidth(textWidth_ + kAutoSizeMargin);
        }
    }
}

std::string TMarkupLabel::AnchorAt(int x, int y, RECT& hoverRect)
{
    RECT r = InnerRect(false);
    hoverRect = RECT { -1, -1, -1, -1 };
    TWindowDC screen;
    TCanvas canvas(screen.Get());
    canvas.SetFont(Font());
    const std::string text = DisplayText();
    mouseAnchor_ = -1; // hit-testing styles no anchor
    PlaceVertically(canvas, text, r, POINT { x, y }, vAlignment_);
    lastResult_.HoverRect = { -1, -1, -1, -1 };
    const bool over = PaintMarkup(canvas, text, r, POINT { x, y }, true);
    mouseAnchor_ = lastResult_.MouseAnchor;
    if (!over) {
        mouseAnchor_ = -1;
        return {};
    }
    const MarkupRect& h = lastResult_.HoverRect;
    hoverRect = RECT { h.left, h.top, h.right, h.bottom };
    return lastResult_.AnchorTarget;
}

void TMarkupLabel::RepaintArea(const RECT& area)
{
    if (Parent() == nullptr) {
        return;
    }
    RECT moved = area;
    OffsetRect(&moved, Left(), Top());
    InvalidateRectOnParent(moved);
}

void TMarkupLabel::RepaintHoverArea()
{
    if (hoverRect_.left == -1) {
        Invalidate();
    } else {
        RepaintArea(hoverRect_);
    }
}

void TMarkupLabel::MouseMove(TShiftState shift, int x, int y)
{
    TLabel::MouseMove(shift, x, y);
    RECT rect {};
    const std::string target = AnchorAt(x, y, rect);
    if (!target.empty()) {
        const bool changed = target != lastAnchor_ || !EqualRect(&rect, &hoverRect_) || mouseAnchor_ == -1;
        if (changed && hover_ && rect.left != -1) {
            RepaintArea(hoverRect_);
        }
        if (Cursor() == crDefault || target != lastAnchor_ || lastMoveAnchor_ != mouseAnchor_) {
            if (anchorHint_) {
                Application().CancelHint();
            }
            SetCursor(crHandPoint);
            if (OnAnchorEnter) {
                OnAnchorEnter(this, target);
            }
            if (hover_) {
                if (rect.left == -1) {
                    Invalidate();
                } else {
                    RepaintArea(hoverRect_);
                }
            }
        }
        lastAnchor_ = target;
        lastMoveAnchor_ = mouseAnchor_;
        hoverRect_ = rect;
        if (hover_) {
            RepaintArea(hoverRect_);
        }
        return;
    }
    if (Cursor() == crHandPoint) {
        SetCursor(crDefault);
        if (OnAnchorExit) {
            OnAnchorExit(this, std::string());
        }
        if (hover_) {
            RepaintHoverArea();
        }
        hoverRect_ = rect;
        if (hover_) {
            RepaintHoverArea();
        }
    }
}

void TMarkupLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TLabel::MouseDown(button, shift, x, y);
    RECT rect {};
    const std::string target = AnchorAt(x, y, rect);
    if (target.empty()) {
        return;
    }
    if (IsShellTarget(target)) {
        OpenLink(target);
    } else if (OnAnchorClick) {
        OnAnchorClick(this, target);
    }
}

void TMarkupLabel::OpenLink(const std::string& target)
{
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TMarkupLabel::MouseLeave()
{
    if (hover_ && mouseAnchor_ != -1) {
        RepaintHoverArea();
    }
    mouseAnchor_ = -1;
    TLabel::MouseLeave();
}

bool TMarkupLabel::HintShow(THintInfo& info)
{
    std::string target;
    if (anchorHint_) {
        RECT rect {};
        target = AnchorAt(info.CursorPos.x, info.CursorPos.y, rect);
        if (!target.empty()) {
            if (OnAnchorHint) {
                OnAnchorHint(this, target);
            }
            const POINT origin = ClientOrigin();
            info.HintPos = POINT { origin.x + info.CursorPos.x + 10, origin.y + info.CursorPos.y - 10 };
            info.HintStr = target;
        }
    }
    if (hintShowFull_ && (target.empty() || !anchorHint_)) {
        info.HintStr = htmlHint_ ? DisplayText() : MarkupToPlainText(DisplayText());
    }
    return true;
}

} // namespace folvane
