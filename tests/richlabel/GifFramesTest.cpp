// Frame counting and the frame filter over hand-built GIF bytes.
#include "richlabel/GifFrames.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& out, std::initializer_list<std::uint8_t> bytes)
{
    out.insert(out.end(), bytes);
}

// One frame: graphic control extension, image descriptor at (x, y) of w x h, a tiny image.
void AppendFrame(Bytes& gif, std::uint8_t marker, std::uint16_t x, std::uint16_t y, std::uint16_t w, std::uint16_t h)
{
    Append(gif, { 0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00 }); // GCE: flags, delay, key, terminator
    Append(gif, { 0x2C });
    Append(gif,
        { static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x >> 8), static_cast<std::uint8_t>(y),
            static_cast<std::uint8_t>(y >> 8), static_cast<std::uint8_t>(w), static_cast<std::uint8_t>(w >> 8),
            static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(h >> 8), 0x00 });
    Append(gif, { 0x02, 0x01, marker, 0x00 }); // LZW minimum size, one data sub-block, terminator
}

Bytes ThreeFrameGif()
{
    Bytes gif { 'G', 'I', 'F', '8', '9', 'a', 40, 0, 30, 0, 0x00, 0, 0 }; // screen 40 x 30, no colour table
    AppendFrame(gif, 0xA1, 0, 0, 40, 30);
    AppendFrame(gif, 0xA2, 5, 6, 10, 12);
    AppendFrame(gif, 0xA3, 300, 7, 1, 1);
    gif.push_back(0x3B);
    return gif;
}

TEST(richlabel_GifFrames, CountsFramePatterns)
{
    EXPECT_EQ(CountGifFrames(ThreeFrameGif()), 3);
    EXPECT_EQ(CountGifFrames(Bytes { 'G', 'I', 'F', '8', '7' }), 0);
    EXPECT_EQ(CountGifFrames(Bytes { 'G', 'I', 'F', '8' }), -1); // too short
    EXPECT_EQ(CountGifFrames(Bytes { 'B', 'M', 0, 0, 0, 0 }), -1);
    // A pattern whose image separator would be the last byte still needs one more after it.
    Bytes cut { 'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x21, 0xF9, 0x04, 0, 0, 0, 0, 0, 0x2C };
    EXPECT_EQ(CountGifFrames(cut), 0);
    cut.push_back(0);
    EXPECT_EQ(CountGifFrames(cut), 1);
}

TEST(richlabel_GifFrames, FilterKeepsTheHeaderAndTheChosenFrameOnwards)
{
    const Bytes gif = ThreeFrameGif();
    GifFrameInfo info;
    EXPECT_EQ(FilterGifFrames(gif, 1, info), gif);
    EXPECT_EQ(info.animationWidth, 40);
    EXPECT_EQ(info.animationHeight, 30);
    EXPECT_EQ(info.width, 40);

    const Bytes second = FilterGifFrames(gif, 2, info);
    EXPECT_EQ(info.x, 5);
    EXPECT_EQ(info.y, 6);
    EXPECT_EQ(info.width, 10);
    EXPECT_EQ(info.height, 12);
    const std::size_t frameSize = 8 + 1 + 9 + 4;
    ASSERT_EQ(second.size(), gif.size() - frameSize);
    EXPECT_TRUE(std::equal(second.begin(), second.begin() + 13, gif.begin()));
    EXPECT_EQ(CountGifFrames(second), 2);
    EXPECT_EQ(second[13 + 18 + 2], 0xA2); // the first frame left is frame 2

    const Bytes third = FilterGifFrames(gif, 3, info);
    EXPECT_EQ(info.x, 300);
    EXPECT_EQ(CountGifFrames(third), 1);
    EXPECT_EQ(third.back(), 0x3B);

    // Past the last frame only the header is left.
    EXPECT_EQ(FilterGifFrames(gif, 9, info).size(), 13u);
}

TEST(richlabel_GifFrames, ShortDataIsNeverReadPastItsEnd)
{
    GifFrameInfo info;
    const Bytes tiny { 'G', 'I', 'F', '8', '9', 'a', 7 };
    EXPECT_EQ(FilterGifFrames(tiny, 2, info), tiny);
    EXPECT_EQ(info.animationWidth, 7);
    EXPECT_EQ(info.animationHeight, 0);
    // The descriptor of the chosen frame is cut short: the missing bytes count as 0.
    const Bytes cut { 'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0x21, 0xF9, 0x04, 0, 0, 0, 0, 0, 0x2C, 9 };
    FilterGifFrames(cut, 1, info);
    EXPECT_EQ(info.x, 9);
    EXPECT_EQ(info.height, 0);
}

} // namespace
} // namespace folvane
