// TEncodedPicture: a picture kept as its encoded file bytes (PNG, JPEG, GIF, BMP, TIFF, icon,
// metafile: whatever GDI+ decodes) and decoded again whenever pixels or a size are needed. A
// BMP is drawn by GDI at its own size with its bottom-left colour transparent; every other
// format is drawn by GDI+, scaled into the target rectangle, with its alpha channel.
#pragma once

#include "richlabel/GdiPlus.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <istream>
#include <iterator>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace folvane {

class TCanvas;

class TEncodedPicture {
public:
    TEncodedPicture() = default;
    TEncodedPicture(const TEncodedPicture&) = delete;
    TEncodedPicture& operator=(const TEncodedPicture&) = delete;

    bool Empty() const { return empty_; }
    // The size found by the last decoding; setting it does nothing.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int) { }
    void SetHeight(int) { }
    const std::vector<std::uint8_t>& Data() const { return data_; }

    // The whole stream from its start; nothing happens for no stream. The
    // stream functions are inline so that a program without streams links none.
    void LoadFromStream(std::istream* stream)
    {
        if (stream == nullptr) {
            return;
        }
        stream->clear();
        stream->seekg(0);
        const std::vector<std::uint8_t> bytes(
            (std::istreambuf_iterator<char>(*stream)), std::istreambuf_iterator<char>());
        LoadFromBytes(bytes);
    }
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    // A file that cannot be read leaves the picture empty; no error escapes.
    void LoadFromFile(const std::string& path);
    void SaveToStream(std::ostream& stream) const
    {
        stream.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
    }
    // The layout's "Data" property: the same bytes, without events.
    void ReadData(std::span<const std::uint8_t> bytes);
    // nullptr clears the picture.
    void Assign(const TEncodedPicture* source);

    // Decodes the bytes and stores their size; false when empty or holding no bytes.
    bool Measure();
    // Decodes the bytes (with allocationError as the message when memory runs out).
    GdiPlusImage Decode(bool asBitmap, const char* allocationError) const;
    void Draw(TCanvas& canvas, const RECT& rect);

    std::function<void()> OnChange;
    std::function<void()> OnClear;

private:
    void Changed();

    std::vector<std::uint8_t> data_;
    bool empty_ = true;
    int width_ = 0;
    int height_ = 0;
};

} // namespace folvane
