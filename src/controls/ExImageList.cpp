// TExImageList: stream reading and writing over the toolkit's image list.
#include "controls/ExImageList.h"

#include "toolkit/graphics/PaintDC.h"
#include "toolkit/graphics/TextConvert.h"

#include <windows.h>

namespace folvane {

namespace {

int DisplayBitsPerPixel()
{
    TWindowDC screen;
    return GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
}

void DefaultWriteError(const std::string& text)
{
    const std::wstring wide = AnsiToWide(text);
    MessageBoxW(nullptr, wide.c_str(), L"", MB_OK);
}

} // namespace

TExImageList::TExImageList(TComponent* owner)
    : TImageList(owner)
{
}

void TExImageList::SetDesignPosition(int left, int top)
{
    designInfo_ = static_cast<std::int32_t>(
        (static_cast<std::uint32_t>(top) & 0xFFFF) << 16 | (static_cast<std::uint32_t>(left) & 0xFFFF));
}

std::function<void(const std::string&)>& TExImageList::WriteErrorHandler()
{
    static std::function<void(const std::string&)> handler = DefaultWriteError;
    return handler;
}

void TExImageList::AddContent(const ImageListContent& content)
{
    if (content.width != Width() || content.height != Height())
        return;
    const std::size_t pixels = static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height());
    std::vector<const ImageListEntry*> entries;
    for (const ImageListEntry& e : content.images)
        if (e.pixels.size() == pixels && e.mask.size() == pixels)
            entries.push_back(&e);
    if (entries.empty())
        return;

    // One strip and one Add, so users hear of the change once.
    const int count = static_cast<int>(entries.size());
    TBitmap image(Width() * count, Height(), TPixelFormat::pf32bit);
    TBitmap mask(Width() * count, Height(), TPixelFormat::pf1bit);
    mask.SetPalette({ 0x000000, 0xFFFFFF });
    for (int i = 0; i < count; ++i) {
        const ImageListEntry& e = *entries[static_cast<std::size_t>(i)];
        for (int y = 0; y < Height(); ++y) {
            auto* row = static_cast<std::uint32_t*>(image.ScanLine(y)) + i * Width();
            // Alpha cleared: the stream's alpha byte is not part of the picture.
            for (int x = 0; x < Width(); ++x)
                row[x] = e.pixels[static_cast<std::size_t>(y) * Width() + x] & 0x00FFFFFF;
            for (int x = 0; x < Width(); ++x)
                if (e.mask[static_cast<std::size_t>(y) * Width() + x])
                    mask.SetPixel(i * Width() + x, y, clWhite);
        }
    }
    Add(image, &mask);
}

void TExImageList::ReadBitmap(std::span<const std::uint8_t> stream)
{
    Clear();
    ImageListContent content;
    content.width = Width();
    content.height = Height();
    ImageListReadOptions options;
    options.displayBitsPerPixel = DisplayBitsPerPixel();
    const ImageListResult result = ReadImageListStream(stream, content, options);
    AddContent(content);
    if (!result.Ok())
        throw EReadError(result.message);
}

ImageListContent TExImageList::Content() const
{
    ImageListContent content;
    content.width = Width();
    content.height = Height();
    for (int i = 0; i < Count(); ++i) {
        TBitmap image;
        TBitmap mask;
        if (!GetImages(i, image, mask))
            continue;
        ImageListEntry entry;
        entry.pixels.resize(static_cast<std::size_t>(Width()) * Height());
        entry.mask.resize(entry.pixels.size());
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x) {
                const std::size_t at = static_cast<std::size_t>(y) * Width() + x;
                entry.pixels[at] = ColorToPixel(image.Pixel(x, y));
                entry.mask[at] = ColorToPixel(mask.Pixel(x, y)) == 0xFFFFFF ? 1 : 0;
            }
        content.images.push_back(std::move(entry));
    }
    return content;
}

bool TExImageList::WriteBitmap(std::vector<std::uint8_t>& stream) const
{
    stream.clear();
    if (Count() == 0)
        return false;
    const ImageListResult result = WriteImageListStream(Content(), stream);
    if (!result.Ok()) {
        if (auto& handler = WriteErrorHandler())
            handler("Failed to write ExImageList: " + result.message);
    }
    return true;
}

} // namespace folvane
