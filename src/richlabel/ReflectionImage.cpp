// TReflectionImage and TRichHintInfo; see ReflectionImage.h.
#include "richlabel/ReflectionImage.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextConvert.h"

#include <algorithm>
#include <cmath>

namespace folvane {

namespace {

constexpr const char* kReflectionAllocationError = "Could not allocate memory for reflection image";

// nearbyintl rounds in the default mode: to nearest, ties to even, in extended precision.
long RoundHalfEven(long double value)
{
    return static_cast<long>(std::nearbyintl(value));
}

} // namespace

TRichHintInfo::TRichHintInfo()
    : picture_(std::make_unique<TEncodedPicture>())
{
}

void TRichHintInfo::SetTitle(const std::string& title)
{
    title_ = title;
    wideTitle_ = AnsiToWide(title);
}

void TRichHintInfo::SetNotes(const std::vector<std::string>& notes)
{
    notes_ = notes;
    wideNotes_.clear();
    for (const std::string& note : notes_) {
        wideNotes_.push_back(AnsiToWide(note));
    }
}

void TRichHintInfo::Assign(const TRichHintInfo& source)
{
    if (&source == this) {
        return;
    }
    title_ = source.title_;
    notes_ = source.notes_;
    picture_->Assign(source.picture_.get());
    showHelp_ = source.showHelp_;
    wideTitle_ = source.wideTitle_;
    wideNotes_ = source.wideNotes_;
}

int ReflectionStrength(int row, int height, int reflection)
{
    if (height <= 0) {
        return 0;
    }
    const long s = RoundHalfEven(255.0L / height * (height - row)) - reflection;
    return static_cast<int>(std::clamp<long>(s, 0, 255));
}

std::uint8_t ReflectedAlpha(int strength, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>(std::clamp<long>(RoundHalfEven(strength / 255.0L * alpha), 0, 255));
}

TReflectionImage::TReflectionImage(TComponent* owner)
    : TGraphicControl(owner)
{
    SetCapturesMouse(true);
    SetAcceptsDoubleClicks(true);
    SetShowHint(false);
    StoreBounds(0, 0, 32, 32);
    picture_.OnChange = [this] { PictureChanged(); };
}

TReflectionImage::~TReflectionImage() = default;

void TReflectionImage::SetPicture(const TEncodedPicture& picture)
{
    picture_.Assign(&picture);
}

void TReflectionImage::SetReflection(int value)
{
    if (value == reflection_) {
        return;
    }
    reflection_ = value;
    BuildReflection();
    Invalidate();
}

void TReflectionImage::SetReflectionAxis(int value)
{
    if (value == reflectionAxis_) {
        return;
    }
    reflectionAxis_ = value;
    Invalidate();
}

void TReflectionImage::Loaded()
{
    TGraphicControl::Loaded();
    BuildReflection();
}

void TReflectionImage::PictureChanged()
{
    BuildReflection();
    Invalidate();
}

void TReflectionImage::BuildReflection()
{
    if (IsLoading()) {
        return;
    }
    if (picture_.Empty()) {
        // A cleared picture keeps no reflection of what it held.
        reflectionImage_.reset();
        reflectionWidth_ = reflectionHeight_ = 0;
        return;
    }
    picture_.Measure();
    const int w = picture_.Width();
    const int h = picture_.Height();
    if (w == 0 || h == 0) {
        reflectionImage_.reset();
        reflectionWidth_ = reflectionHeight_ = 0;
        return;
    }
    GdiPlusImage source = picture_.Decode(true, kReflectionAllocationError);
    if (!source.Valid()) {
        reflectionImage_.reset();
        reflectionWidth_ = reflectionHeight_ = 0;
        return;
    }
    source.FlipVertically();
    reflectionImage_.reset();
    auto reflection = std::make_unique<GdiPlusImage>(w, h);
    for (int i = 0; i < h; ++i) {
        const int s = ReflectionStrength(i, h, reflection_);
        for (int j = 0; j < w; ++j) {
            const GpArgb pixel = source.Pixel(j, i);
            const auto alpha = static_cast<std::uint8_t>(pixel >> 24);
            if (alpha != 0) {
                reflection->SetPixel(
                    j, i, (static_cast<GpArgb>(ReflectedAlpha(s, alpha)) << 24) | (pixel & 0x00FFFFFF));
            }
        }
    }
    reflectionImage_ = std::move(reflection);
    reflectionWidth_ = w;
    reflectionHeight_ = h;
}

GpArgb TReflectionImage::ReflectionPixel(int x, int y) const
{
    return reflectionImage_ ? reflectionImage_->Pixel(x, y) : 0;
}

void TReflectionImage::Paint(TCanvas& canvas)
{
    TGraphicControl::Paint(canvas);
    DrawContent(canvas);
}

void TReflectionImage::DrawContent(TCanvas& canvas)
{
    if (picture_.Empty()) {
        canvas.Pen().SetColor(clBlue);
        canvas.Pen().SetStyle(TPenStyle::psDot);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Rectangle(ClientRect());
        return;
    }
    picture_.Measure();
    const int w = picture_.Width();
    const int h = picture_.Height();
    if (reflectionImage_) {
        canvas.Refresh();
        reflectionImage_->Draw(canvas.Handle(), 0.0f, static_cast<float>(h + reflectionAxis_), static_cast<float>(w),
            static_cast<float>(h));
    }
    picture_.Draw(canvas, RECT { 0, 0, w, h });
}

void TReflectionImage::MouseEnter()
{
    SetMouseInside(true);
    TGraphicControl::MouseEnter();
}

void TReflectionImage::MouseLeave()
{
    SetMouseInside(false);
    TGraphicControl::MouseLeave();
}

} // namespace folvane
