// GIF frame filter; see GifFrames.h.
#include "richlabel/GifFrames.h"

#include "toolkit/ByteReader.h"

namespace folvane {

namespace {

constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kGraphicControlSize = 4;
constexpr std::uint8_t kImageSeparator = 0x2C;

// 0x21 0xF9 0x04 [4 data bytes] 0x00 0x2C: the extension's terminator is at +7, so the byte at
// +8 is what follows the extension.
bool IsFrameStart(std::span<const std::uint8_t> data, std::size_t i)
{
    return data[i] == kExtensionIntroducer && i + 9 < data.size() && data[i + 1] == kGraphicControlLabel
        && data[i + 2] == kGraphicControlSize && data[i + 8] == kImageSeparator;
}

} // namespace

bool IsGifData(std::span<const std::uint8_t> data)
{
    return data.size() >= 5 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F' && data[3] == '8';
}

int CountGifFrames(std::span<const std::uint8_t> data)
{
    if (!IsGifData(data)) {
        return -1;
    }
    int count = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (IsFrameStart(data, i)) {
            ++count;
        }
    }
    return count;
}

std::vector<std::uint8_t> FilterGifFrames(std::span<const std::uint8_t> data, int frame, GifFrameInfo& info)
{
    info = GifFrameInfo {};
    // Fields cut off by the end of the data read as 0.
    ByteReader fields(data);
    info.animationWidth = fields.U16AtPadded(6);
    info.animationHeight = fields.U16AtPadded(8);

    std::vector<std::uint8_t> out;
    out.reserve(data.size());
    int counter = 1;
    bool skip = false;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (IsFrameStart(data, i)) {
            if (counter == frame) {
                const std::size_t descriptor = i + 9; // just after the 0x2C
                info.x = fields.U16AtPadded(descriptor);
                info.y = fields.U16AtPadded(descriptor + 2);
                info.width = fields.U16AtPadded(descriptor + 4);
                info.height = fields.U16AtPadded(descriptor + 6);
            }
            ++counter;
            skip = frame >= counter;
        }
        if (!skip) {
            out.push_back(data[i]);
        }
    }
    return out;
}

} // namespace folvane
