// TEncodedPicture; see EncodedPicture.h.
#include "richlabel/EncodedPicture.h"

#include "richlabel/FileBytes.h"

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

#include <iterator>

namespace folvane {

namespace {

constexpr const char* kAllocationError = "Could not allocate memory for image";

} // namespace

void TEncodedPicture::Changed()
{
    if (OnChange) {
        OnChange();
    }
}

void TEncodedPicture::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    data_.assign(bytes.begin(), bytes.end());
    empty_ = false;
    Changed();
}

void TEncodedPicture::LoadFromFile(const std::string& path)
{
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        data_.clear();
        empty_ = true;
        return;
    }
    data_ = std::move(*bytes);
    empty_ = false;
    if (OnClear) {
        OnClear();
    }
    Changed();
}

void TEncodedPicture::ReadData(std::span<const std::uint8_t> bytes)
{
    data_.assign(bytes.begin(), bytes.end());
    empty_ = false;
}

void TEncodedPicture::Assign(const TEncodedPicture* source)
{
    empty_ = true;
    if (source == nullptr) {
        data_.clear();
        Changed();
        if (OnClear) {
            OnClear();
        }
        return;
    }
    data_ = source->data_;
    empty_ = false;
    Changed();
}

GdiPlusImage TEncodedPicture::Decode(bool asBitmap, const char* allocationError) const
{
    return GdiPlusImage(data_, asBitmap, allocationError);
}

bool TEncodedPicture::Measure()
{
    if (empty_ || data_.empty()) {
        return false;
    }
    GdiPlusImage image = Decode(false, kAllocationError);
    width_ = image.Width();
    height_ = image.Height();
    return true;
}

void TEncodedPicture::Draw(TCanvas& canvas, const RECT& rect)
{
    if (empty_ || data_.empty()) {
        return;
    }
    GdiPlusImage image = Decode(false, kAllocationError);
    if (image.RawFormat() == TImageRawFormat::Bmp) {
        TBitmap bitmap;
        if (bitmap.LoadFromBmpBytes(data_)) {
            bitmap.SetTransparentMode(TTransparentMode::tmAuto); // the bottom-left pixel's colour
            bitmap.SetTransparent(true);
            canvas.Draw(rect.left, rect.top, bitmap);
        }
        return;
    }
    width_ = image.Width();
    height_ = image.Height();
    canvas.Refresh();
    image.Draw(canvas.Handle(), static_cast<float>(rect.left), static_cast<float>(rect.top),
        static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top));
}

} // namespace folvane
