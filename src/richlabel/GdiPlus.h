// The few GDI+ flat-interface calls the encoded picture and the reflection image need, declared
// here (MinGW's C++ GDI+ headers drag in far more than this), and GdiPlusImage, an image decoded
// from bytes that keeps its stream and memory alive as long as GDI+ may read them.
//
// GDI+ is started on first use, once per process, and shut down at exit once the last image is
// gone. A failed call
// leaves its status in the wrapper (LastStatus); callers treat a failure as "no image".
#pragma once

#include <windows.h>

#include <objidl.h>

#include <cstdint>
#include <memory>
#include <span>

namespace folvane {

using GpArgb = std::uint32_t; // alpha << 24 | red << 16 | green << 8 | blue

// Raw formats by GDI+'s image-format identifiers.
enum class TImageRawFormat {
    Other = 0,
    MemoryBmp = 1,
    Bmp = 2,
    Emf = 3,
    Wmf = 4,
    Jpeg = 5,
    Png = 6,
    Gif = 7,
    Tiff = 8,
    Exif = 9,
    Icon = 10
};

// Starts GDI+ when it is not running yet; false when it cannot start.
bool EnsureGdiPlus();
// Whether a GDI+ session is running now.
bool GdiPlusRunning();

class GdiPlusImage {
public:
    GdiPlusImage() = default;
    // Decodes bytes (through a stream over movable global memory). allocationError is the
    // message raised when the memory cannot be had.
    GdiPlusImage(std::span<const std::uint8_t> bytes, bool asBitmap, const char* allocationError);
    // A new 32-bit ARGB bitmap, every pixel transparent black.
    GdiPlusImage(int width, int height);
    ~GdiPlusImage();
    GdiPlusImage(GdiPlusImage&& other) noexcept;
    GdiPlusImage& operator=(GdiPlusImage&& other) noexcept;
    GdiPlusImage(const GdiPlusImage&) = delete;
    GdiPlusImage& operator=(const GdiPlusImage&) = delete;

    bool Valid() const { return image_ != nullptr; }
    int LastStatus() const { return status_; }
    int Width();
    int Height();
    TImageRawFormat RawFormat();
    // Rotate-flip type 6: 180 degrees and a horizontal flip, i.e. a vertical flip.
    void FlipVertically();
    GpArgb Pixel(int x, int y);
    void SetPixel(int x, int y, GpArgb color);
    // Scaled into the rectangle, with alpha.
    void Draw(HDC dc, float x, float y, float width, float height);

private:
    void Release();

    std::shared_ptr<void> session_; // first member, so released last
    void* image_ = nullptr;
    IStream* stream_ = nullptr;
    HGLOBAL memory_ = nullptr;
    int status_ = 0;
};

} // namespace folvane
