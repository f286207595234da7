// TExImageList: the toolkit's image list with its own "Bitmap" stream format
// (ImageListStream.h) and a designer position.
//
// Reading clears the list, decodes the stream with the list's Width and Height
// and adds what was decoded in one step, also when the stream fails part way;
// the failure is then raised as EReadError, so a window being built from a
// layout fails to load. Writing produces nothing for an empty list; a failure
// while writing is reported in a message box (through WriteErrorHandler, which
// tests replace) and leaves the bytes written so far.
#pragma once

#include "controls/ImageListStream.h"
#include "toolkit/graphics/ImageList.h"

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace folvane {

class EReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TExImageList : public TImageList {
public:
    explicit TExImageList(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExImageList"; }

    // Where the component sits on its form at design time: "Left" in the low
    // 16 bits, "Top" in the high 16 bits. No meaning at run time.
    std::int32_t DesignInfo() const { return designInfo_; }
    void SetDesignInfo(std::int32_t value) { designInfo_ = value; }
    int DesignLeft() const { return static_cast<std::int16_t>(designInfo_ & 0xFFFF); }
    int DesignTop() const { return static_cast<std::int16_t>((designInfo_ >> 16) & 0xFFFF); }
    void SetDesignPosition(int left, int top);

    // The "Bitmap" property. Throws EReadError when the stream is bad.
    void ReadBitmap(std::span<const std::uint8_t> stream);
    // False (and `stream` empty) when there is nothing to store.
    bool WriteBitmap(std::vector<std::uint8_t>& stream) const;

    // The entries as plain pixels and masks (transparent pixels black).
    ImageListContent Content() const;
    // Appends entries of the list's size; others are skipped.
    void AddContent(const ImageListContent& content);

    // Shows "Failed to write ExImageList: <message>" without a caption by
    // default.
    static std::function<void(const std::string& text)>& WriteErrorHandler();

private:
    std::int32_t designInfo_ = 0;
};

} // namespace folvane
