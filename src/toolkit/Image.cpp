// TImage.
#include "toolkit/Image.h"

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace folvane {

namespace {

SIZE IconSize(HICON icon)
{
    SIZE size { GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON) };
    ICONINFO info {};
    if (!GetIconInfo(icon, &info))
        return size;
    BITMAP bm {};
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof(bm), &bm))
        size = SIZE { bm.bmWidth, bm.bmHeight };
    else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof(bm), &bm))
        size = SIZE { bm.bmWidth, bm.bmHeight / 2 }; // a monochrome icon stacks mask and image
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return size;
}

} // namespace

TImage::TImage(TComponent* owner)
    : TGraphicControl(owner)
{
    StoreBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    ClearIcon();
}

void TImage::ClearIcon()
{
    if (icon_)
        DestroyIcon(icon_);
    icon_ = nullptr;
}

TBitmap& TImage::Bitmap()
{
    if (!bitmap_) {
        bitmap_ = std::make_unique<TBitmap>();
        bitmap_->SetTransparent(transparent_);
        bitmap_->OnChange = [this] { PictureChanged(); };
    }
    return *bitmap_;
}

void TImage::SetBitmap(const TBitmap& bitmap)
{
    ClearIcon();
    Bitmap().Assign(bitmap);
    bitmap_->SetTransparent(transparent_);
    PictureChanged();
}

void TImage::SetIcon(HICON icon)
{
    ClearIcon();
    bitmap_.reset();
    if (icon) {
        // Measured once: GetIconInfo copies the icon's bitmaps, too dear for every paint.
        icon_ = CopyIcon(icon);
        iconSize_ = IconSize(icon_);
    }
    PictureChanged();
}

bool TImage::Empty() const
{
    return !icon_ && (!bitmap_ || bitmap_->Empty());
}

SIZE TImage::PictureSize() const
{
    if (icon_)
        return iconSize_;
    if (bitmap_)
        return SIZE { bitmap_->Width(), bitmap_->Height() };
    return SIZE { 0, 0 };
}

void TImage::SetStretch(bool value)
{
    if (value == stretch_)
        return;
    stretch_ = value;
    Invalidate();
}

void TImage::SetCenter(bool value)
{
    if (value == center_)
        return;
    center_ = value;
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    if (bitmap_)
        bitmap_->SetTransparent(value);
    Invalidate();
}

void TImage::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    PictureChanged();
}

void TImage::PictureChanged()
{
    if (IsLoading())
        return;
    if (autoSize_ && !Empty()) {
        SIZE size = PictureSize();
        SetBounds(Left(), Top(), size.cx, size.cy);
    }
    Invalidate();
}

void TImage::Loaded()
{
    TGraphicControl::Loaded();
    PictureChanged();
}

RECT TImage::DestRect() const
{
    SIZE size = PictureSize();
    if (stretch_)
        return ClientRect();
    RECT r { 0, 0, size.cx, size.cy };
    if (center_)
        OffsetRect(&r, (Width() - size.cx) / 2, (Height() - size.cy) / 2);
    return r;
}

void TImage::Paint(TCanvas& canvas)
{
    if (Empty())
        return;
    RECT r = DestRect();
    if (icon_) {
        DrawIconEx(canvas.Handle(), r.left, r.top, icon_, r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
        return;
    }
    if (stretch_)
        canvas.StretchDraw(r, *bitmap_);
    else
        canvas.Draw(r.left, r.top, *bitmap_);
}

} // namespace folvane
