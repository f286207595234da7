// GDI+ flat interface and GdiPlusImage; see GdiPlus.h.
#include "richlabel/GdiPlus.h"

#include <cstring>
#include <memory>
#include <stdexcept>
#include <utility>

extern "C" {

struct FolvaneGdiplusStartupInput {
    UINT32 GdiplusVersion;
    void* DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};

struct FolvaneGdiplusStartupOutput {
    void* NotificationHook;
    void* NotificationUnhook;
};

int WINAPI GdiplusStartup(
    ULONG_PTR* token, const FolvaneGdiplusStartupInput* input, FolvaneGdiplusStartupOutput* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
int WINAPI GdipLoadImageFromStream(IStream* stream, void** image);
int WINAPI GdipCreateBitmapFromStream(IStream* stream, void** bitmap);
int WINAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, INT format, BYTE* scan0, void** bitmap);
int WINAPI GdipDisposeImage(void* image);
int WINAPI GdipGetImageRawFormat(void* image, GUID* format);
int WINAPI GdipGetImageWidth(void* image, UINT* width);
int WINAPI GdipGetImageHeight(void* image, UINT* height);
int WINAPI GdipImageRotateFlip(void* image, int type);
int WINAPI GdipBitmapGetPixel(void* bitmap, INT x, INT y, std::uint32_t* color);
int WINAPI GdipBitmapSetPixel(void* bitmap, INT x, INT y, std::uint32_t color);
int WINAPI GdipCreateFromHDC(HDC dc, void** graphics);
int WINAPI GdipDeleteGraphics(void* graphics);
int WINAPI GdipDrawImageRect(void* graphics, void* image, float x, float y, float width, float height);
}

namespace folvane {

namespace {

constexpr int kPixelFormat32bppARGB = 0x0026200A;
constexpr int kRotate180FlipX = 6;

// Counts running sessions; a plain int stays valid while statics are destroyed at exit.
int runningSessions = 0;

class GdiPlusSession {
public:
    GdiPlusSession()
    {
        FolvaneGdiplusStartupInput input { 1, nullptr, TRUE, FALSE };
        FolvaneGdiplusStartupOutput output {};
        started_ = GdiplusStartup(&token_, &input, &output) == 0;
        runningSessions += started_ ? 1 : 0;
    }
    ~GdiPlusSession()
    {
        if (started_) {
            GdiplusShutdown(token_);
            --runningSessions;
        }
    }
    bool Started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// GDI+'s image formats share everything but the first field: b96b3caa-0728-11d3-9d7b-0000f81ef32e
// is the memory bitmap, and the others follow it in order.
TImageRawFormat Classify(const GUID& format)
{
    static constexpr unsigned char tail[8] = { 0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E };
    if (format.Data2 != 0x0728 || format.Data3 != 0x11D3 || std::memcmp(format.Data4, tail, sizeof tail) != 0) {
        return TImageRawFormat::Other;
    }
    switch (format.Data1) {
    case 0xB96B3CAA:
        return TImageRawFormat::MemoryBmp;
    case 0xB96B3CAB:
        return TImageRawFormat::Bmp;
    case 0xB96B3CAC:
        return TImageRawFormat::Emf;
    case 0xB96B3CAD:
        return TImageRawFormat::Wmf;
    case 0xB96B3CAE:
        return TImageRawFormat::Jpeg;
    case 0xB96B3CAF:
        return TImageRawFormat::Png;
    case 0xB96B3CB0:
        return TImageRawFormat::Gif;
    case 0xB96B3CB1:
        return TImageRawFormat::Tiff;
    case 0xB96B3CB2:
        return TImageRawFormat::Exif;
    case 0xB96B3CB5:
        return TImageRawFormat::Icon;
    default:
        return TImageRawFormat::Other;
    }
}

// Every image holds a share of the session: forms that the application releases at exit,
// after this static is gone, still dispose their images before GDI+ shuts down.
std::shared_ptr<GdiPlusSession> SharedSession()
{
    static const auto session = std::make_shared<GdiPlusSession>();
    return session;
}

} // namespace

bool EnsureGdiPlus()
{
    return SharedSession()->Started();
}

bool GdiPlusRunning()
{
    return runningSessions > 0;
}

GdiPlusImage::GdiPlusImage(std::span<const std::uint8_t> bytes, bool asBitmap, const char* allocationError)
{
    memory_ = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory_ == nullptr) {
        throw std::runtime_error(allocationError);
    }
    session_ = SharedSession();
    if (!EnsureGdiPlus() || FAILED(CreateStreamOnHGlobal(memory_, FALSE, &stream_)) || stream_ == nullptr) {
        return;
    }
    ULONG written = 0;
    stream_->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    LARGE_INTEGER start {};
    stream_->Seek(start, STREAM_SEEK_SET, nullptr);
    status_ = asBitmap ? GdipCreateBitmapFromStream(stream_, &image_) : GdipLoadImageFromStream(stream_, &image_);
    if (status_ != 0) {
        image_ = nullptr;
    }
}

GdiPlusImage::GdiPlusImage(int width, int height)
{
    session_ = SharedSession();
    if (EnsureGdiPlus() && width > 0 && height > 0) {
        status_ = GdipCreateBitmapFromScan0(width, height, 0, kPixelFormat32bppARGB, nullptr, &image_);
        if (status_ != 0) {
            image_ = nullptr;
        }
    }
}

GdiPlusImage::~GdiPlusImage()
{
    Release();
}

GdiPlusImage::GdiPlusImage(GdiPlusImage&& other) noexcept
    : session_(std::move(other.session_))
    , image_(std::exchange(other.image_, nullptr))
    , stream_(std::exchange(other.stream_, nullptr))
    , memory_(std::exchange(other.memory_, nullptr))
    , status_(other.status_)
{
}

GdiPlusImage& GdiPlusImage::operator=(GdiPlusImage&& other) noexcept
{
    if (this != &other) {
        Release();
        session_ = std::move(other.session_);
        image_ = std::exchange(other.image_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
        memory_ = std::exchange(other.memory_, nullptr);
        status_ = other.status_;
    }
    return *this;
}

// The image may read its stream until it is disposed, so the stream and its memory go last.
void GdiPlusImage::Release()
{
    if (image_ != nullptr) {
        GdipDisposeImage(image_);
        image_ = nullptr;
    }
    if (stream_ != nullptr) {
        stream_->Release();
        stream_ = nullptr;
    }
    if (memory_ != nullptr) {
        GlobalFree(memory_);
        memory_ = nullptr;
    }
}

int GdiPlusImage::Width()
{
    UINT w = 0;
    if (image_ != nullptr) {
        status_ = GdipGetImageWidth(image_, &w);
    }
    return static_cast<int>(w);
}

int GdiPlusImage::Height()
{
    UINT h = 0;
    if (image_ != nullptr) {
        status_ = GdipGetImageHeight(image_, &h);
    }
    return static_cast<int>(h);
}

TImageRawFormat GdiPlusImage::RawFormat()
{
    GUID format {};
    if (image_ == nullptr || (status_ = GdipGetImageRawFormat(image_, &format)) != 0) {
        return TImageRawFormat::Other;
    }
    return Classify(format);
}

void GdiPlusImage::FlipVertically()
{
    if (image_ != nullptr) {
        status_ = GdipImageRotateFlip(image_, kRotate180FlipX);
    }
}

GpArgb GdiPlusImage::Pixel(int x, int y)
{
    std::uint32_t color = 0;
    if (image_ != nullptr) {
        status_ = GdipBitmapGetPixel(image_, x, y, &color);
    }
    return color;
}

void GdiPlusImage::SetPixel(int x, int y, GpArgb color)
{
    if (image_ != nullptr) {
        status_ = GdipBitmapSetPixel(image_, x, y, color);
    }
}

void GdiPlusImage::Draw(HDC dc, float x, float y, float width, float height)
{
    void* graphics = nullptr;
    if (image_ == nullptr || (status_ = GdipCreateFromHDC(dc, &graphics)) != 0) {
        return;
    }
    status_ = GdipDrawImageRect(graphics, image_, x, y, width, height);
    GdipDeleteGraphics(graphics);
}

} // namespace folvane
