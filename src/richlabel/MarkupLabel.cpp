// TMarkupLabel; see MarkupLabel.h.
#include "richlabel/MarkupLabel.h"

#include "richlabel/GdiMarkupCanvas.h"
#include "richlabel/GradientFill.h"
#include "richlabel/MarkupText.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Edges.h"
#include "toolkit/graphics/GdiHandle.h"

#include <algorithm>
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
    AdjustBounds();
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

bool TMarkupLabel::PaintMarkup(TCanvas& canvas, const std::string& text, const RECT& rect, POINT mouse,
    bool measureOnly, MarkupRenderResult& result) const
{
    return Render(canvas, text, rect, mouse, measureOnly, mouseAnchor_, result);
}

bool TMarkupLabel::Render(TCanvas& canvas, const std::string& text, const RECT& rect, POINT mouse, bool measureOnly,
    int hoverAnchor, MarkupRenderResult& result) const
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
    request.HoverAnchor = hoverAnchor;
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
    return RenderMarkup(request, result);
}

RECT TMarkupLabel::TextRect() const
{
    // The frames that painting draws, ring by ring...
    const bool bevelled = bevelInner_ != TBevelCut::bvNone || bevelOuter_ != TBevelCut::bvNone;
    const int rings = (bevelOuter_ != TBevelCut::bvNone ? std::max(0, bevelWidth_) : 0) + std::max(0, borderWidth_)
        + (bevelInner_ != TBevelCut::bvNone ? std::max(0, bevelWidth_) : 0);
    // ...then the bevel and single border widths once more.
    const int inset
        = rings + (bevelled ? bevelWidth_ : 0) + (borderStyle_ == TBorderStyle::bsSingle ? borderWidth_ : 0);
    RECT r = ClientRect();
    InflateRect(&r, -inset, -inset);
    return r;
}

RECT TMarkupLabel::LayoutRect(TCanvas& canvas, const std::string& text, POINT mouse) const
{
    RECT r = TextRect();
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
    if (va != TVAlignment::tvaTop) {
        MarkupRenderResult measured;
        PaintMarkup(canvas, text, r, mouse, true, measured);
        const int h = measured.TextHeight;
        if (h < Height()) {
            if (va == TVAlignment::tvaCenter) {
                r.top += (r.bottom - r.top - h) / 2;
            } else {
                r.top = r.bottom - h;
            }
        }
    }
    if (autoSizing_) {
        r.top += vAlignment_ == TVAlignment::tvaCenter ? 3 : vAlignment_ == TVAlignment::tvaBottom ? 6 : 0;
    }
    return r;
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

void TMarkupLabel::PaintFrames(TCanvas& canvas, RECT r)
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
    const RECT client = ClientRect();
    PaintBackground(canvas, client, (client.right - client.left) / 4);
    canvas.SetFont(Font());
    PaintFrames(canvas, client);

    const std::string text = DisplayText();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    MarkupRenderResult result;
    PaintMarkup(canvas, text, LayoutRect(canvas, text, mouse_), mouse_, false, result);
}

void TMarkupLabel::AdjustBounds()
{
    if (IsLoading() || adjusting_) {
        return;
    }
    adjusting_ = true;
    // A memory DC measures as the screen does without drawing anywhere.
    TMemoryDC dc = TMemoryDC::Create();
    TCanvas canvas(dc.Get());
    canvas.SetFont(Font());
    const std::string text = DisplayText();
    MarkupRenderResult result;
    PaintMarkup(canvas, text, LayoutRect(canvas, text, mouse_), mouse_, true, result);
    textWidth_ = result.TextWidth;
    textHeight_ = result.TextHeight;
    if (autoSizing_) {
        if (SizesVertically() && Height() != textHeight_ + kAutoSizeMargin) {
            SetHeight(textHeight_ + kAutoSizeMargin);
        }
        if (SizesHorizontally() && Width() != textWidth_ + kAutoSizeMargin) {
            SetWidth(textWidth_ + kAutoSizeMargin);
        }
    }
    adjusting_ = false;
}

void TMarkupLabel::Resize()
{
    TLabel::Resize();
    AdjustBounds();
}

TMarkupLabel::AnchorHit TMarkupLabel::HitTest(int x, int y) const
{
    TMemoryDC dc = TMemoryDC::Create();
    TCanvas canvas(dc.Get());
    canvas.SetFont(Font());
    const std::string text = DisplayText();
    const POINT point { x, y };
    MarkupRenderResult result;
    // Hit-testing styles no anchor.
    const bool over = Render(canvas, text, LayoutRect(canvas, text, point), point, true, -1, result);
    AnchorHit hit;
    if (over) {
        hit.target = result.AnchorTarget;
        hit.anchor = result.MouseAnchor;
        hit.hoverRect
            = RECT { result.HoverRect.left, result.HoverRect.top, result.HoverRect.right, result.HoverRect.bottom };
    }
    return hit;
}

std::string TMarkupLabel::AnchorAt(int x, int y, RECT& hoverRect) const
{
    AnchorHit hit = HitTest(x, y);
    hoverRect = hit.hoverRect;
    return std::move(hit.target);
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
    mouse_ = POINT { x, y };
    const AnchorHit hit = HitTest(x, y);
    mouseAnchor_ = hit.anchor;
    const RECT rect = hit.hoverRect;
    const std::string& target = hit.target;
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
    const AnchorHit hit = HitTest(x, y);
    mouseAnchor_ = hit.anchor;
    const std::string& target = hit.target;
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
    mouse_ = POINT { -1, -1 };
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
