// TCustomExGraphicButton and TExGraphicButton.
#include "controls/ExGraphicButton.h"

#include "controls/ExTheme.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/DisabledText.h"
#include "toolkit/graphics/Edges.h"
#include "toolkit/graphics/GdiObjects.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/MaskedBlit.h"
#include "toolkit/graphics/MemoryCanvas.h"

#include <algorithm>

namespace folvane {

namespace {

// ROP that keeps the destination where the source is 1 and paints the brush
// where it is 0 (PSDPxax).
constexpr DWORD kBrushThroughMask = 0x00B8074A;
// Destination AND NOT source: clears the destination where the source is 1.
constexpr DWORD kClearWhereSet = 0x00220326;

// A glyph ready to draw: transparent pixels black in `image`, white in the
// 1-bit `mask`, so that AND with the mask then OR with the image composes it.
struct MaskedPicture {
    TBitmap image;
    TBitmap mask;
};

// Blits a 1-bit mask so that its 1 bits read as all-ones and 0 bits as zeros.
void MonoColours(HDC dc)
{
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
}

// `source` scaled to `size` (or itself when it already has it).
const TBitmap& Scaled(const TBitmap& source, SIZE size, TBitmap& scratch)
{
    if (source.Width() == size.cx && source.Height() == size.cy)
        return source;
    scratch.SetPixelFormat(source.PixelFormat());
    if (source.BitsPerPixel() == 1)
        scratch.SetPalette({ 0x000000, 0xFFFFFF });
    scratch.SetSize(size.cx, size.cy);
    SetStretchBltMode(scratch.DC(), COLORONCOLOR);
    StretchBlt(scratch.DC(), 0, 0, size.cx, size.cy, source.DC(), 0, 0, source.Width(), source.Height(), SRCCOPY);
    return scratch;
}

void DrawMasked(TCanvas& canvas, const RECT& at, const MaskedPicture& picture)
{
    const SIZE size { at.right - at.left, at.bottom - at.top };
    if (size.cx <= 0 || size.cy <= 0)
        return;
    TBitmap imageScratch, maskScratch;
    const TBitmap& image = Scaled(picture.image, size, imageScratch);
    const TBitmap& mask = Scaled(picture.mask, size, maskScratch);
    canvas.Refresh();
    BlitThroughMask(canvas.Handle(), at.left, at.top, size.cx, size.cy, mask.DC(), image.DC());
}

// Paints the opaque shape of `mask` in one colour.
void DrawShape(TCanvas& canvas, const RECT& at, const TBitmap& sourceMask, TColor color)
{
    const SIZE size { at.right - at.left, at.bottom - at.top };
    if (size.cx <= 0 || size.cy <= 0)
        return;
    TBitmap scratch;
    const TBitmap& mask = Scaled(sourceMask, size, scratch);
    canvas.Refresh();
    HDC dc = canvas.Handle();
    TOwnedBrush brush(CreateSolidBrush(ColorToRGB(color)));
    const HGDIOBJ oldBrush = SelectObject(dc, brush.Get());
    const COLORREF oldBk = GetBkColor(dc);
    const COLORREF oldText = GetTextColor(dc);
    MonoColours(dc);
    BitBlt(dc, at.left, at.top, size.cx, size.cy, mask.DC(), 0, 0, kBrushThroughMask);
    SetBkColor(dc, oldBk);
    SetTextColor(dc, oldText);
    SelectObject(dc, oldBrush);
}

// The generated disabled look: the shape in highlight 1 pixel right and down,
// then in shadow at its place.
void DrawEmbossed(TCanvas& canvas, const RECT& at, const TBitmap& mask)
{
    RECT shifted = at;
    OffsetRect(&shifted, 1, 1);
    DrawShape(canvas, shifted, mask, clBtnHighlight);
    DrawShape(canvas, at, mask, clBtnShadow);
}

// Image `index` of a glyph strip, its bottom-left colour transparent.
bool CutGlyph(const TBitmap& strip, int count, int index, MaskedPicture& out)
{
    if (strip.Empty() || count < 1)
        return false;
    const int width = strip.Width() / count;
    const int height = strip.Height();
    if (width <= 0)
        return false;
    out.image.SetPixelFormat(TPixelFormat::pf32bit);
    out.image.SetSize(width, height);
    BitBlt(out.image.DC(), 0, 0, width, height, strip.DC(), index * width, 0, SRCCOPY);
    out.mask.AssignMask(out.image, out.image.Pixel(0, height - 1));
    MonoColours(out.image.DC());
    BitBlt(out.image.DC(), 0, 0, width, height, out.mask.DC(), 0, 0, kClearWhereSet);
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// Properties
// ---------------------------------------------------------------------------

TCustomExGraphicButton::TCustomExGraphicButton(TComponent* owner)
    : TPressable(owner)
{
    SetBounds(Left(), Top(), 75, 25);
    SetColor(clBtnFace);
    SetDefaultFontColor(clBtnText);
    // Quick presses are each a click of their own.
    SetAcceptsDoubleClicks(false);
    glyph_.OnChange = [this] { Invalidate(); };
    for (auto& list : lists_) {
        // A list serving two roles is registered once per role; a change repaints either way.
        list.OnChange = [this] { Changed(); };
        list.OnDrop = [this] { Changed(); };
    }
}

void TCustomExGraphicButton::SetList(ListSlot slot, TImageList* list)
{
    if (lists_[slot].Set(list))
        Changed();
}

void TCustomExGraphicButton::Changed()
{
    if (!IsLoading())
        Invalidate();
}

template <typename T> void TCustomExGraphicButton::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TCustomExGraphicButton::SetUseImageList(bool value)
{
    Store(useImageList_, value);
}

void TCustomExGraphicButton::SetImageIndex(int value)
{
    Store(imageIndex_, value);
}

void TCustomExGraphicButton::SetGlyph(const TBitmap& bitmap)
{
    glyph_.Assign(bitmap);
    Changed();
}

void TCustomExGraphicButton::SetNumGlyphs(int value)
{
    if (value < 1 || value > 4 || value == numGlyphs_)
        return;
    numGlyphs_ = value;
    Changed();
}

void TCustomExGraphicButton::SetCaption(const std::wstring& value)
{
    Store(caption_, value);
}

void TCustomExGraphicButton::SetLayout(TButtonLayout value)
{
    Store(layout_, value);
}

void TCustomExGraphicButton::SetMargin(int value)
{
    Store(margin_, value);
}

void TCustomExGraphicButton::SetSpacing(int value)
{
    Store(spacing_, value);
}

void TCustomExGraphicButton::SetShowBorder(bool value)
{
    Store(showBorder_, value);
}

void TCustomExGraphicButton::SetFlat(bool value)
{
    Store(flat_, value);
}

void TCustomExGraphicButton::SetThinFrame(bool value)
{
    Store(thinFrame_, value);
}

void TCustomExGraphicButton::SetOldStyled(bool value)
{
    Store(oldStyled_, value);
}

void TCustomExGraphicButton::SetAdjustSpaceForGlyph(bool value)
{
    Store(adjustSpace_, value);
}

void TCustomExGraphicButton::SetTransparent(bool value)
{
    Store(transparent_, value);
}

void TCustomExGraphicButton::SetUseXPThemes(bool value)
{
    Store(useXPThemes_, value);
}

void TCustomExGraphicButton::SetDown(bool value)
{
    if (value == down_)
        return;
    down_ = value;
    if (down_ && groupIndex_ != 0 && Parent()) {
        // Latching in a group: the other buttons of the group come up.
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TCustomExGraphicButton*>(Parent()->Controls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_)
                other->SetDown(false);
        }
    }
    Changed();
}

void TCustomExGraphicButton::Loaded()
{
    TGraphicControl::Loaded();
    Invalidate();
}

// ---------------------------------------------------------------------------
// State
// ---------------------------------------------------------------------------

bool TCustomExGraphicButton::Pressed() const
{
    return PressState().PressedInside() || down_;
}

TExButtonLook TCustomExGraphicButton::Look() const
{
    if (!EnabledInParents())
        return TExButtonLook::bsDisabled;
    if (PressState().PressedInside())
        return TExButtonLook::bsDown;
    if (down_)
        return groupIndex_ != 0 ? TExButtonLook::bsExclusive : TExButtonLook::bsDown;
    return TExButtonLook::bsUp;
}

TImageList* TCustomExGraphicButton::CurrentList(bool* shifted) const
{
    if (shifted)
        *shifted = false;
    if (!useImageList_)
        return nullptr;
    TImageList* normal = lists_[kNormal].Get();
    if (Look() == TExButtonLook::bsDisabled)
        return lists_[kDisabled] ? lists_[kDisabled].Get() : normal;
    // The hot list stays while a press lasts, even with the pointer dragged out.
    const bool hot = PressState().Hot() || PressState().Pressed();
    TImageList* current = hot && lists_[kHot] ? lists_[kHot].Get() : normal;
    if (!Pressed())
        return current;
    if (TImageList* down = lists_[kDown].Get()) {
        if (shifted)
            *shifted = down == normal;
        return down;
    }
    if (shifted)
        *shifted = true;
    return current;
}

// ---------------------------------------------------------------------------
// Clicks (press tracking is TPressable's)
// ---------------------------------------------------------------------------

void TCustomExGraphicButton::ApplyLatching()
{
    if (isSwitch_)
        SetDown(!down_);
    else if (groupIndex_ != 0)
        SetDown(down_ && allowAllUp_ ? false : true);
}

void TCustomExGraphicButton::Click()
{
    // The toolkit calls Click() for a release inside before MouseUp: the
    // press ends here, and a latching button changes before the click.
    if (PressState().Pressed()) {
        Tracker().EndPress(true);
        ApplyLatching();
    }
    if (TForm* form = ParentForm())
        form->SetModalResult(modalResult_);
    TGraphicControl::Click();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------

void TCustomExGraphicButton::PaintFrame(TCanvas& canvas, TExButtonLook look)
{
    const bool pressed = look == TExButtonLook::bsDown || look == TExButtonLook::bsExclusive;
    const bool over = PressState().Hot();
    if (!showBorder_ || (flat_ && !over && !pressed))
        return;
    TEdgeShades shades;
    if (Color() != clBtnFace) {
        const FrameShades s = ShadesFromFace(ColorToRGB(Color()));
        shades = TEdgeShades { s.highlight, s.face, s.shadow, s.darkShadow };
    }
    const TEdgeStyle style = pressed ? TEdgeStyle::esSunken
        : over || oldStyled_         ? TEdgeStyle::esRaised
                                     : TEdgeStyle::esRaisedSoft;
    DrawEdge3D(canvas, ClientRect(), style, shades, thinFrame_);
}

SIZE TCustomExGraphicButton::GlyphSize() const
{
    if (useImageList_) {
        const TImageList* list = CurrentList();
        return list ? SIZE { list->Width(), list->Height() } : SIZE { 0, 0 };
    }
    if (glyph_.Empty())
        return SIZE { 0, 0 };
    return SIZE { glyph_.Width() / numGlyphs_, glyph_.Height() };
}

void TCustomExGraphicButton::PaintImageListGlyph(TCanvas& canvas, const RECT& at, TExButtonLook look)
{
    TImageList* list = CurrentList();
    if (!list || imageIndex_ < 0 || imageIndex_ >= list->Count())
        return;
    MaskedPicture picture;
    if (!list->GetImages(imageIndex_, picture.image, picture.mask))
        return;
    if (look == TExButtonLook::bsDisabled && !lists_[kDisabled]) {
        DrawEmbossed(canvas, at, picture.mask);
        return;
    }
    const bool unscaled = at.right - at.left == list->Width() && at.bottom - at.top == list->Height();
    if (unscaled) {
        list->DrawWithBackground(canvas, at.left, at.top, imageIndex_, transparent_ ? clNone : Color(), true);
        return;
    }
    DrawMasked(canvas, at, picture);
}

void TCustomExGraphicButton::PaintBitmapGlyph(TCanvas& canvas, const RECT& at, TExButtonLook look)
{
    if (glyph_.Empty())
        return;
    const int available = numGlyphs_;
    int index = 0;
    switch (look) {
    case TExButtonLook::bsUp:
        index = 0;
        break;
    case TExButtonLook::bsDisabled:
        index = 1;
        break;
    case TExButtonLook::bsDown:
        index = numGlyphs_ < 3 ? 0 : 2;
        break;
    case TExButtonLook::bsExclusive:
        index = 3;
        break;
    }
    if (index >= available)
        index = 0;
    MaskedPicture picture;
    if (!CutGlyph(glyph_, numGlyphs_, index, picture))
        return;
    if (look == TExButtonLook::bsDisabled && available == 1) {
        DrawEmbossed(canvas, at, picture.mask);
        return;
    }
    DrawMasked(canvas, at, picture);
}

void TCustomExGraphicButton::PaintCaption(TCanvas& canvas, const RECT& at, TExButtonLook look)
{
    if (caption_.empty())
        return;
    const UINT flags = DT_SINGLELINE | DT_LEFT | DT_TOP;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    RECT r = at;
    if (look == TExButtonLook::bsDisabled) {
        DrawDisabledText(canvas, caption_, r, flags);
        return;
    }
    canvas.Font().SetColor(Font().Color());
    canvas.DrawText(caption_, r, flags);
}

void TCustomExGraphicButton::Paint(TCanvas& target)
{
    // An off-screen copy of what lies under the button, drawn on and copied
    // back in one step.
    TMemoryCanvas buffer(target, ClientRect(), TBuffering::bfUnlessTargetIsMemory);
    buffer.CopyFromTarget();
    TCanvas& canvas = buffer.Canvas();
    const TExButtonLook look = Look();
    const bool pressed = look == TExButtonLook::bsDown || look == TExButtonLook::bsExclusive;
    canvas.SetFont(Font());

    bool themed = false;
    const bool over = PressState().Hot();
    if (useXPThemes_ && showBorder_ && (!flat_ || over || pressed) && Parent() && Parent()->HandleAllocated()) {
        const int state = look == TExButtonLook::bsDisabled ? kThemePushDisabled
            : pressed                                       ? kThemePushPressed
            : over                                          ? kThemePushHot
                                                            : kThemePushNormal;
        canvas.Refresh();
        themed = DrawThemePart(Parent()->Handle(), canvas.Handle(), L"BUTTON", kThemePushButton, state, ClientRect());
    }
    if (!themed) {
        if (!transparent_) {
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            canvas.Brush().SetColor(Color());
            canvas.FillRect(ClientRect());
        }
        PaintFrame(canvas, look);
    }

    GlyphLayoutInput in;
    in.clientWidth = Width();
    in.clientHeight = Height();
    in.adjustSpaceForGlyph = adjustSpace_;
    in.thinFrame = thinFrame_;
    const SIZE glyph = GlyphSize();
    in.glyphWidth = glyph.cx;
    in.glyphHeight = glyph.cy;
    if (!caption_.empty()) {
        RECT measured { 0, 0, 0, 0 };
        canvas.DrawText(caption_, measured, DT_CALCRECT | DT_SINGLELINE);
        in.captionWidth = measured.right - measured.left;
        in.captionHeight = measured.bottom - measured.top;
    }
    in.layout = layout_;
    in.margin = margin_;
    in.spacing = spacing_;
    const GlyphLayout layout = LayoutGlyph(in);

    int offset = 0;
    if (useImageList_) {
        bool shifted = false;
        CurrentList(&shifted);
        offset = shifted ? 1 : 0;
    } else if (pressed && numGlyphs_ < 2) {
        offset = 1;
    }
    RECT glyphAt { layout.glyph.left + offset, layout.glyph.top + offset, layout.glyph.right + offset,
        layout.glyph.bottom + offset };
    if (useImageList_)
        PaintImageListGlyph(canvas, glyphAt, look);
    else
        PaintBitmapGlyph(canvas, glyphAt, look);
    PaintCaption(
        canvas, RECT { layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom }, look);
}

TExGraphicButton::TExGraphicButton(TComponent* owner)
    : TCustomExGraphicButton(owner)
{
}

} // namespace folvane
