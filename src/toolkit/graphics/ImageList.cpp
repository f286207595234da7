// TImageList over comctl32: creation, adding with masks, drawing, observers.
#include "toolkit/graphics/ImageList.h"

#include "toolkit/graphics/MaskedBlit.h"

#include <algorithm>

namespace folvane {

namespace {

COLORREF ImageListColor(TColor color, COLORREF none)
{
    return color == clNone ? none : ColorToRGB(color);
}

// Disabled look: the pixel's luminance, lifted into the upper half of the
// grey range so that the picture reads as inactive on light and dark faces.
TColor Greyed(TColor c)
{
    const unsigned luma = (77u * ColorRed(c) + 150u * ColorGreen(c) + 29u * ColorBlue(c)) >> 8;
    const auto v = static_cast<std::uint8_t>(128 + luma / 2);
    return MakeColor(v, v, v);
}

} // namespace

TImageList::TImageList(TComponent* owner)
    : TComponent(owner)
{
}

TImageList::~TImageList()
{
    observers_.clear();
    DestroyHandle();
}

void TImageList::DestroyHandle()
{
    strips_.reset();
    if (handle_ && !shareImages_)
        ImageList_Destroy(handle_);
    handle_ = nullptr;
    ownList_ = false;
}

HIMAGELIST TImageList::Handle() const
{
    if (!handle_) {
        handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | (masked_ ? ILC_MASK : 0), allocBy_, allocBy_);
        ownList_ = handle_ != nullptr;
    }
    return handle_;
}

void TImageList::SetHandle(HIMAGELIST handle)
{
    if (handle == handle_)
        return;
    DestroyHandle();
    handle_ = handle;
    if (handle_) {
        int cx = 0, cy = 0;
        if (ImageList_GetIconSize(handle_, &cx, &cy)) {
            width_ = cx;
            height_ = cy;
        }
    }
    Change();
}

void TImageList::Recreate()
{
    const bool had = handle_ != nullptr && Count() > 0;
    DestroyHandle();
    if (had)
        Change();
}

void TImageList::SetWidth(int width)
{
    SetSize(width, height_);
}
void TImageList::SetHeight(int height)
{
    SetSize(width_, height);
}

void TImageList::SetSize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    Recreate();
}

void TImageList::SetMasked(bool masked)
{
    if (masked == masked_)
        return;
    masked_ = masked;
    Recreate();
}

void TImageList::SetBkColor(TColor color)
{
    if (color == bkColor_)
        return;
    bkColor_ = color;
    Change();
}

void TImageList::SetBlendColor(TColor color)
{
    if (color == blendColor_)
        return;
    blendColor_ = color;
    Change();
}

void TImageList::SetDrawingStyle(TDrawingStyle style)
{
    if (style == drawingStyle_)
        return;
    drawingStyle_ = style;
    Change();
}

void TImageList::SetImageType(TImageType type)
{
    if (type == imageType_)
        return;
    imageType_ = type;
    Change();
}

void TImageList::SetAllocBy(int count)
{
    allocBy_ = std::max(count, 1);
}

int TImageList::Count() const
{
    return handle_ ? ImageList_GetImageCount(handle_) : 0;
}

// ===========================================================================
// Adding and removing

bool TImageList::PrepareImages(const TBitmap& image, const TBitmap* mask, TBitmap& outImage, TBitmap& outMask) const
{
    if (image.Width() < width_ || image.Height() < height_)
        return false;
    // Private copies: comctl32 wants bitmaps selected into no DC, and the
    // transparent pixels must be black for the mask-then-image blit.
    outImage.Assign(image);
    outImage.SetPixelFormat(TPixelFormat::pf24bit);
    outMask.SetPixelFormat(TPixelFormat::pf1bit);
    outMask.SetSize(image.Width(), image.Height());
    if (mask && !mask->Empty()) {
        TBitmap m;
        m.Assign(*mask);
        m.SetPixelFormat(TPixelFormat::pf1bit);
        for (int y = 0; y < outMask.Height(); ++y)
            for (int x = 0; x < outMask.Width(); ++x) {
                const bool transparent = x < m.Width() && y < m.Height() && m.Pixel(x, y) == clWhite;
                outMask.SetPixel(x, y, transparent ? clWhite : clBlack);
                if (transparent && masked_)
                    outImage.SetPixel(x, y, clBlack);
            }
    }
    return true;
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask)
{
    TBitmap img, msk;
    if (!PrepareImages(image, mask, img, msk))
        return -1;
    const int index = ImageList_Add(Handle(), img.Handle(), masked_ ? msk.Handle() : nullptr);
    if (index >= 0)
        Change();
    return index;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor)
{
    TBitmap mask;
    mask.AssignMask(image, maskColor);
    return Add(image, &mask);
}

bool TImageList::Replace(int index, const TBitmap& image, const TBitmap* mask)
{
    if (index < 0 || index >= Count())
        return false;
    TBitmap img, msk;
    if (!PrepareImages(image, mask, img, msk))
        return false;
    // ImageList_Replace takes one image; a wider bitmap gives its first.
    if (img.Width() > width_) {
        img.SetWidth(width_);
        msk.SetWidth(width_);
    }
    if (!ImageList_Replace(handle_, index, img.Handle(), masked_ ? msk.Handle() : nullptr))
        return false;
    Change();
    return true;
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    if (ImageList_Remove(handle_, index))
        Change();
}

void TImageList::Clear()
{
    if (Count() == 0)
        return;
    ImageList_Remove(handle_, -1);
    Change();
}

// ===========================================================================
// Reading images back

bool TImageList::GetImages(int index, TBitmap& image, TBitmap& mask) const
{
    if (index < 0 || index >= Count())
        return false;
    image.SetPixelFormat(TPixelFormat::pf24bit);
    image.SetSize(width_, height_);
    image.Canvas().Brush().SetColor(clBlack);
    image.Canvas().FillRect(Bounds(0, 0, width_, height_));
    ImageList_DrawEx(handle_, index, image.DC(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);

    mask.SetPixelFormat(TPixelFormat::pf1bit);
    mask.SetSize(width_, height_);
    // comctl32 may combine the mask with what is there (SRCAND), so start white.
    mask.Canvas().Brush().SetColor(masked_ ? clWhite : clBlack);
    mask.Canvas().FillRect(Bounds(0, 0, width_, height_));
    if (masked_)
        ImageList_DrawEx(handle_, index, mask.DC(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);
    image.Changed();
    mask.Changed();
    return true;
}

bool TImageList::GetBitmap(int index, TBitmap& image) const
{
    if (index < 0 || index >= Count())
        return false;
    image.SetPixelFormat(TPixelFormat::pf24bit);
    image.SetSize(width_, height_);
    image.Canvas().Brush().SetColor(bkColor_ == clNone ? clBlack : bkColor_);
    image.Canvas().FillRect(Bounds(0, 0, width_, height_));
    ImageList_DrawEx(handle_, index, image.DC(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
    image.Changed();
    return true;
}

// ===========================================================================
// Drawing

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    DrawWithBackground(canvas, x, y, index, bkColor_, enabled);
}

void TImageList::DrawWithBackground(TCanvas& canvas, int x, int y, int index, TColor background, bool enabled) const
{
    if (!canvas.Handle() || index < 0 || index >= Count())
        return;
    if (!enabled) {
        DrawDisabled(canvas, x, y, index, background);
        return;
    }
    if (DrawFromStrips(canvas, x, y, index, background))
        return;
    UINT style = ILD_NORMAL;
    switch (drawingStyle_) {
    case TDrawingStyle::dsFocus:
        style = ILD_FOCUS;
        break;
    case TDrawingStyle::dsSelected:
        style = ILD_SELECTED;
        break;
    case TDrawingStyle::dsNormal:
        style = ILD_NORMAL;
        break;
    case TDrawingStyle::dsTransparent:
        style = ILD_TRANSPARENT;
        break;
    }
    if (imageType_ == TImageType::itMask)
        style |= ILD_MASK;
    ImageList_DrawEx(handle_, index, canvas.Handle(), x, y, 0, 0, ImageListColor(background, CLR_NONE),
        ImageListColor(blendColor_, CLR_DEFAULT), style);
}

bool TImageList::DrawFromStrips(TCanvas& canvas, int x, int y, int index, TColor background) const
{
    // Only the plain masked draw: no blending, no fill, no mask alone, and a list of ours.
    const bool plain = drawingStyle_ == TDrawingStyle::dsNormal || drawingStyle_ == TDrawingStyle::dsTransparent;
    if (!plain || imageType_ != TImageType::itImage || background != clNone || !masked_ || !ownList_)
        return false;
    if (!strips_) {
        auto strips = std::make_unique<Strips>();
        const int count = Count();
        strips->images.SetPixelFormat(TPixelFormat::pf24bit);
        strips->images.SetSize(width_ * count, height_);
        strips->masks.SetPixelFormat(TPixelFormat::pf1bit);
        strips->masks.SetSize(width_ * count, height_);
        TBitmap image, mask;
        for (int i = 0; i < count; ++i) {
            if (!GetImages(i, image, mask))
                return false;
            BitBlt(strips->images.DC(), i * width_, 0, width_, height_, image.DC(), 0, 0, SRCCOPY);
            BitBlt(strips->masks.DC(), i * width_, 0, width_, height_, mask.DC(), 0, 0, SRCCOPY);
        }
        strips_ = std::move(strips);
    }
    BlitThroughMask(canvas.Handle(), x, y, width_, height_, strips_->masks.DC(), strips_->images.DC(), index * width_);
    return true;
}

void TImageList::DrawDisabled(TCanvas& canvas, int x, int y, int index, TColor background) const
{
    TBitmap image, mask;
    if (!GetImages(index, image, mask))
        return;
    // Compose over what the canvas already shows, then put it back in one blit.
    TBitmap out(width_, height_, TPixelFormat::pf32bit);
    BitBlt(out.DC(), 0, 0, width_, height_, canvas.Handle(), x, y, SRCCOPY);
    for (int py = 0; py < height_; ++py)
        for (int px = 0; px < width_; ++px) {
            if (!masked_ || mask.Pixel(px, py) == clBlack)
                out.SetPixel(px, py, Greyed(image.Pixel(px, py)));
            else if (background != clNone)
                out.SetPixel(px, py, background);
        }
    BitBlt(canvas.Handle(), x, y, width_, height_, out.DC(), 0, 0, SRCCOPY);
}

// ===========================================================================
// Change notification

void TImageList::RegisterChanges(const void* key, std::function<void()> onChange)
{
    for (Observer& o : observers_)
        if (o.key == key) {
            o.onChange = std::move(onChange);
            return;
        }
    observers_.push_back(Observer { key, std::move(onChange) });
}

void TImageList::UnRegisterChanges(const void* key)
{
    std::erase_if(observers_, [key](const Observer& o) { return o.key == key; });
}

void TImageList::Change()
{
    strips_.reset();
    if (IsDestroying())
        return;
    if (OnChange)
        OnChange();
    // Observers may unregister (or register others) while being told.
    const std::vector<Observer> snapshot = observers_;
    for (const Observer& o : snapshot) {
        const bool stillThere
            = std::any_of(observers_.begin(), observers_.end(), [&](const Observer& cur) { return cur.key == o.key; });
        if (stillThere && o.onChange)
            o.onChange();
    }
}

} // namespace folvane
