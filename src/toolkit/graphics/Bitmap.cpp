// TBitmap: DIB sections, their pixel layouts, and the way in from BMP bytes.
#include "toolkit/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace folvane {

namespace {

// ---------------------------------------------------------------------------
// A DIB section and the layout of its bits.

using Surface = detail::DibSurface;

std::uint32_t Expand5(std::uint32_t v)
{
    return (v << 3) | (v >> 2);
}
std::uint32_t Expand6(std::uint32_t v)
{
    return (v << 2) | (v >> 4);
}

// Palette index of a pixel of a 1-, 4- or 8-bit row; the leftmost pixel is
// in the highest bits of its byte.
unsigned ReadIndex(const Surface& s, const std::uint8_t* row, int x)
{
    const unsigned bpp = static_cast<unsigned>(s.bpp);
    const unsigned perByte = 8 / bpp;
    const unsigned shift = 8 - bpp * (static_cast<unsigned>(x) % perByte + 1);
    return (row[static_cast<unsigned>(x) / perByte] >> shift) & ((1u << bpp) - 1);
}

// 0xAARRGGBB of a pixel; alpha only for 32 bits.
std::uint32_t ReadArgb(const Surface& s, const std::uint8_t* row, int x)
{
    switch (s.bpp) {
    case 1:
    case 4:
    case 8: {
        const unsigned index = ReadIndex(s, row, x);
        return index < s.palette.size() ? (s.palette[index] & 0xFFFFFF) : 0;
    }
    case 16: {
        const std::uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
        if (s.rgb565)
            return (Expand5(v >> 11) << 16) | (Expand6((v >> 5) & 0x3F) << 8) | Expand5(v & 0x1F);
        return (Expand5((v >> 10) & 0x1F) << 16) | (Expand5((v >> 5) & 0x1F) << 8) | Expand5(v & 0x1F);
    }
    case 24:
        return (static_cast<std::uint32_t>(row[3 * x + 2]) << 16) | (static_cast<std::uint32_t>(row[3 * x + 1]) << 8)
            | row[3 * x];
    default: {
        std::uint32_t v;
        std::memcpy(&v, row + 4 * x, 4);
        return v;
    }
    }
}

void WriteIndex(const Surface& s, std::uint8_t* row, int x, unsigned index)
{
    const unsigned bpp = static_cast<unsigned>(s.bpp);
    const unsigned perByte = 8 / bpp;
    const unsigned shift = 8 - bpp * (static_cast<unsigned>(x) % perByte + 1);
    const unsigned mask = ((1u << bpp) - 1) << shift;
    std::uint8_t& byte = row[static_cast<unsigned>(x) / perByte];
    byte = static_cast<std::uint8_t>((byte & ~mask) | ((index << shift) & mask));
}

void WriteArgb(const Surface& s, std::uint8_t* row, int x, std::uint32_t argb)
{
    switch (s.bpp) {
    case 1:
    case 4:
    case 8:
        WriteIndex(s, row, x, NearestPaletteIndex(s.palette, argb));
        break;
    case 16: {
        const std::uint32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
        const std::uint32_t v
            = s.rgb565 ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3) : ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
        row[2 * x] = static_cast<std::uint8_t>(v);
        row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
        break;
    }
    case 24:
        row[3 * x] = static_cast<std::uint8_t>(argb);
        row[3 * x + 1] = static_cast<std::uint8_t>(argb >> 8);
        row[3 * x + 2] = static_cast<std::uint8_t>(argb >> 16);
        break;
    default:
        std::memcpy(row + 4 * x, &argb, 4);
        break;
    }
}

std::vector<std::uint32_t> DefaultPalette(int bpp)
{
    if (bpp == 1)
        return { 0x000000, 0xFFFFFF };
    static const std::uint32_t vga[16] = { 0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080,
        0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF };
    std::vector<std::uint32_t> p(vga, vga + 16);
    if (bpp == 8) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    p.push_back(static_cast<std::uint32_t>((r * 51) << 16 | (g * 51) << 8 | (b * 51)));
        for (int i = 1; p.size() < 256; ++i) {
            const std::uint32_t v = static_cast<std::uint32_t>(i * 10);
            p.push_back(v << 16 | v << 8 | v);
        }
    }
    return p;
}

int ScreenBits()
{
    static const int bits = [] {
        TWindowDC screen;
        const int b = screen.Get() ? GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES) : 32;
        return (b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32) ? b : 32;
    }();
    return bits;
}

bool MakeSurface(Surface& s, int width, int height, int bpp, bool rgb565, std::vector<std::uint32_t> palette)
{
    s = Surface {};
    if (width <= 0 || height <= 0)
        return true;
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxBmpPixels)
        return false;
    if (bpp <= 8) {
        const std::size_t full = std::size_t { 1 } << bpp;
        if (palette.empty())
            palette = DefaultPalette(bpp);
        if (palette.size() > full)
            palette.resize(full);
    } else {
        palette.clear();
    }
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height; // top-down: row 0 first in memory
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bpp);
    info.header.biCompression = BI_RGB;
    if (bpp == 16 && rgb565) {
        info.header.biCompression = BI_BITFIELDS;
        const DWORD masks[3] = { 0xF800, 0x07E0, 0x001F };
        std::memcpy(info.colors, masks, sizeof masks);
    }
    info.header.biClrUsed = static_cast<DWORD>(palette.size());
    for (std::size_t i = 0; i < palette.size(); ++i) {
        info.colors[i].rgbRed = static_cast<BYTE>(palette[i] >> 16);
        info.colors[i].rgbGreen = static_cast<BYTE>(palette[i] >> 8);
        info.colors[i].rgbBlue = static_cast<BYTE>(palette[i]);
    }
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle || !bits) {
        if (handle)
            DeleteObject(handle);
        return false;
    }
    s.bitmap.Reset(handle);
    s.bits = static_cast<std::uint8_t*>(bits);
    s.width = width;
    s.height = height;
    s.bpp = bpp;
    s.rgb565 = bpp == 16 && rgb565;
    s.palette = std::move(palette);
    return true;
}

int FormatBits(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit:
        return 1;
    case TPixelFormat::pf4bit:
        return 4;
    case TPixelFormat::pf8bit:
        return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
        return 16;
    case TPixelFormat::pf24bit:
        return 24;
    case TPixelFormat::pf32bit:
        return 32;
    case TPixelFormat::pfDevice:
        break;
    }
    return ScreenBits();
}

bool Is565(TPixelFormat format)
{
    return format == TPixelFormat::pf16bit || format == TPixelFormat::pfDevice;
}

TPixelFormat FormatOfFileBits(int bpp)
{
    switch (bpp) {
    case 1:
        return TPixelFormat::pf1bit;
    case 4:
        return TPixelFormat::pf4bit;
    case 8:
        return TPixelFormat::pf8bit;
    case 16:
        return TPixelFormat::pf15bit;
    case 24:
        return TPixelFormat::pf24bit;
    default:
        return TPixelFormat::pf32bit;
    }
}

} // namespace

int PixelFormatBits(TPixelFormat format)
{
    return FormatBits(format);
}

// ===========================================================================
// Construction and the DIB behind the bitmap

TBitmap::TBitmap()
{
    surface_.bpp = FormatBits(format_);
}

TBitmap::TBitmap(int width, int height, TPixelFormat format)
    : format_(format)
{
    surface_.bpp = FormatBits(format_);
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    canvas_.reset();
    if (dc_ && dcOriginalBitmap_)
        SelectObject(dc_.Get(), dcOriginalBitmap_);
}

void TBitmap::Install(detail::DibSurface&& surface)
{
    // The new bitmap goes into the DC before the old one is deleted.
    if (dc_) {
        if (surface.bitmap) {
            HGDIOBJ previous = SelectObject(dc_.Get(), surface.bitmap.Get());
            if (!dcOriginalBitmap_)
                dcOriginalBitmap_ = previous;
        } else if (dcOriginalBitmap_) {
            SelectObject(dc_.Get(), dcOriginalBitmap_);
            dcOriginalBitmap_ = nullptr;
        }
    }
    surface_ = std::move(surface);
}

HDC TBitmap::DC() const
{
    if (!dc_) {
        dc_ = TMemoryDC::Create();
        if (surface_.bitmap)
            dcOriginalBitmap_ = SelectObject(dc_.Get(), surface_.bitmap.Get());
    }
    return dc_.Get();
}

TCanvas& TBitmap::Canvas()
{
    if (!canvas_)
        canvas_ = std::make_unique<TCanvas>(DC());
    return *canvas_;
}

void TBitmap::Changed()
{
    if (OnChange)
        OnChange();
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    Surface next;
    if (!MakeSurface(next, width, height, surface_.bpp, surface_.rgb565, surface_.palette))
        return;
    if (next.bits && surface_.bits) {
        GdiFlush();
        const int rows = std::min(height, Height());
        const int bytes = std::min(next.RowBytes(), surface_.RowBytes());
        for (int y = 0; y < rows; ++y)
            std::memcpy(next.Row(y), surface_.Row(y), static_cast<std::size_t>(bytes));
    }
    if (!next.bits) {
        next.bpp = surface_.bpp;
        next.rgb565 = surface_.rgb565;
        next.palette = surface_.palette;
    }
    Install(std::move(next));
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == format_)
        return;
    const int bpp = FormatBits(format);
    const bool rgb565 = bpp == 16 && Is565(format);
    format_ = format;
    if (bpp == surface_.bpp && rgb565 == surface_.rgb565)
        return;
    if (Empty()) {
        surface_.bpp = bpp;
        surface_.rgb565 = rgb565;
        surface_.palette = bpp <= 8 ? DefaultPalette(bpp) : std::vector<std::uint32_t> {};
        return;
    }
    Surface next;
    if (!MakeSurface(next, Width(), Height(), bpp, rgb565, {}))
        return;
    GdiFlush();
    for (int y = 0; y < Height(); ++y) {
        const std::uint8_t* from = surface_.Row(y);
        std::uint8_t* to = next.Row(y);
        for (int x = 0; x < Width(); ++x)
            WriteArgb(next, to, x, ReadArgb(surface_, from, x));
    }
    Install(std::move(next));
    Changed();
}

void TBitmap::SetPalette(const std::vector<std::uint32_t>& palette)
{
    if (surface_.bpp > 8)
        return;
    std::vector<std::uint32_t> table = palette;
    table.resize(std::size_t { 1 } << surface_.bpp, 0);
    for (auto& c : table)
        c &= 0xFFFFFF;
    if (!Empty()) {
        std::vector<RGBQUAD> quads(table.size());
        for (std::size_t i = 0; i < table.size(); ++i)
            quads[i] = RGBQUAD { static_cast<BYTE>(table[i]), static_cast<BYTE>(table[i] >> 8),
                static_cast<BYTE>(table[i] >> 16), 0 };
        SetDIBColorTable(DC(), 0, static_cast<UINT>(quads.size()), quads.data());
    }
    surface_.palette = std::move(table);
    Changed();
}

void TBitmap::Assign(const TBitmap& source)
{
    if (this == &source)
        return;
    Surface next;
    if (!MakeSurface(next, source.Width(), source.Height(), source.surface_.bpp, source.surface_.rgb565,
            source.surface_.palette))
        return;
    if (next.bits) {
        GdiFlush();
        std::memcpy(next.bits, source.surface_.bits,
            static_cast<std::size_t>(next.RowBytes()) * static_cast<std::size_t>(next.height));
    } else {
        next.bpp = source.surface_.bpp;
        next.rgb565 = source.surface_.rgb565;
        next.palette = source.surface_.palette;
    }
    Install(std::move(next));
    format_ = source.format_;
    transparent_ = source.transparent_;
    transparentMode_ = source.transparentMode_;
    transparentColor_ = source.transparentColor_;
    Changed();
}

// ===========================================================================
// File images

bool TBitmap::LoadFromImage(const BmpImage& image, std::string* error)
{
    const int bpp = image.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        if (error)
            *error = "unsupported bit depth";
        return false;
    }
    const std::uint64_t count
        = static_cast<std::uint64_t>(std::max(image.width, 0)) * static_cast<std::uint64_t>(std::max(image.height, 0));
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != count) {
        if (error)
            *error = "image size does not match its pixels";
        return false;
    }
    Surface next;
    if (!MakeSurface(next, image.width, image.height, bpp, false, image.palette)) {
        if (error)
            *error = "cannot create a bitmap of that size";
        return false;
    }
    const bool indexed = bpp <= 8 && image.indices.size() == count;
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = next.Row(y);
        const std::size_t base = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        for (int x = 0; x < image.width; ++x) {
            if (indexed)
                WriteIndex(next, row, x, image.indices[base + static_cast<std::size_t>(x)]);
            else
                WriteArgb(next, row, x, image.pixels[base + static_cast<std::size_t>(x)]);
        }
    }
    GdiFlush();
    Install(std::move(next));
    format_ = FormatOfFileBits(bpp);
    Changed();
    return true;
}

bool TBitmap::LoadFromBmpBytes(std::span<const std::uint8_t> bytes, std::string* error)
{
    BmpImage image;
    if (!ParseBmpFile(bytes, image, nullptr, error))
        return false;
    return LoadFromImage(image, error);
}

bool TBitmap::LoadFromResourceName(HINSTANCE instance, const char* name, std::string* error)
{
    HRSRC info = FindResourceA(instance, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HGLOBAL handle = info ? LoadResource(instance, info) : nullptr;
    const void* data = handle ? LockResource(handle) : nullptr;
    const DWORD size = info ? SizeofResource(instance, info) : 0;
    if (!data || size == 0) {
        if (error)
            *error = "bitmap resource not found";
        return false;
    }
    // A bitmap resource is a file image without its 14-byte file header; with
    // a zero pixel offset the parser places the rows straight after the table.
    std::vector<std::uint8_t> file(14 + static_cast<std::size_t>(size), 0);
    file[0] = 'B';
    file[1] = 'M';
    const std::uint32_t total = static_cast<std::uint32_t>(file.size());
    std::memcpy(&file[2], &total, 4);
    std::memcpy(file.data() + 14, data, size);
    return LoadFromBmpBytes(file, error);
}

BmpImage TBitmap::ToImage() const
{
    BmpImage image;
    image.bitsPerPixel = surface_.bpp;
    if (Empty())
        return image;
    GdiFlush();
    image.width = Width();
    image.height = Height();
    const std::size_t count = static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height());
    image.pixels.resize(count);
    if (surface_.bpp <= 8) {
        image.palette = surface_.palette;
        image.indices.resize(count);
    }
    for (int y = 0; y < Height(); ++y) {
        const std::uint8_t* row = surface_.Row(y);
        for (int x = 0; x < Width(); ++x) {
            const std::size_t i
                = static_cast<std::size_t>(y) * static_cast<std::size_t>(Width()) + static_cast<std::size_t>(x);
            image.pixels[i] = ReadArgb(surface_, row, x);
            if (surface_.bpp <= 8)
                image.indices[i] = static_cast<std::uint8_t>(ReadIndex(surface_, row, x));
        }
    }
    return image;
}

std::vector<std::uint8_t> TBitmap::SaveToBmpBytes() const
{
    if (Empty())
        return {};
    return EncodeBmpFile(ToImage());
}

// ===========================================================================
// Pixels

TColor TBitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return clNone;
    GdiFlush();
    return PixelToColor(ReadArgb(surface_, surface_.Row(y), x));
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    GdiFlush();
    WriteArgb(surface_, surface_.Row(y), x, ColorToPixel(ColorToRGB(color)));
}

void* TBitmap::ScanLine(int y)
{
    if (y < 0 || y >= Height())
        return nullptr;
    GdiFlush();
    return surface_.Row(y);
}

const void* TBitmap::ScanLine(int y) const
{
    return const_cast<TBitmap*>(this)->ScanLine(y);
}

void TBitmap::AssignMask(const TBitmap& source, TColor key)
{
    Surface next;
    if (!MakeSurface(next, source.Width(), source.Height(), 1, false, { 0x000000, 0xFFFFFF }))
        return;
    if (next.bits) {
        GdiFlush();
        const std::uint32_t keyRgb = ColorToPixel(ColorToRGB(key));
        for (int y = 0; y < next.height; ++y) {
            const std::uint8_t* from = source.surface_.Row(y);
            std::uint8_t* to = next.Row(y);
            for (int x = 0; x < next.width; ++x)
                WriteIndex(next, to, x, (ReadArgb(source.surface_, from, x) & 0xFFFFFF) == keyRgb ? 1 : 0);
        }
    } else {
        next.bpp = 1;
        next.palette = { 0x000000, 0xFFFFFF };
    }
    Install(std::move(next));
    format_ = TPixelFormat::pf1bit;
    Changed();
}

// ===========================================================================
// Transparency

void TBitmap::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == transparentMode_)
        return;
    transparentMode_ = mode;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == TTransparentMode::tmFixed)
        return transparentColor_;
    return Empty() ? clNone : Pixel(0, Height() - 1);
}

void TBitmap::SetTransparentColor(TColor color)
{
    const TTransparentMode mode = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    if (mode == transparentMode_ && color == transparentColor_)
        return;
    transparentColor_ = color;
    transparentMode_ = mode;
    Changed();
}

} // namespace folvane
