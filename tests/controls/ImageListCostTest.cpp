// The image-list reader's and the packet coder's cost grows linearly with their input: many
// plain images, many strip pairs, long runs of packets.
#include "controls/ImageListStream.h"
#include "controls/RunLengthCodec.h"
#include "support/CostMeter.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutInt32(Bytes& out, std::int32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
}

// `count` plain 1-bit images of 16 x 16, each followed by its mask (V = -1).
Bytes PlainPairs(int count)
{
    BmpImage image;
    image.width = 16;
    image.height = 16;
    image.bitsPerPixel = 1;
    image.palette = { 0x000000, 0xFFFFFF };
    image.indices.assign(256, 1);
    image.pixels.assign(256, 0xFFFFFF);
    const Bytes file = EncodeBmpFile(image);
    Bytes stream;
    PutInt32(stream, -1);
    PutInt32(stream, count);
    for (int i = 0; i < 2 * count; ++i)
        stream.insert(stream.end(), file.begin(), file.end());
    return stream;
}

// One strip of `count` images of 16 x 16 side by side, packed in runs (V = -4).
Bytes RunStrip(int count)
{
    ImageListContent list;
    list.width = 16;
    list.height = 16;
    list.images.resize(static_cast<std::size_t>(count), { std::vector<std::uint32_t>(256, 0x123456), Bytes(256, 0) });
    Bytes stream;
    EXPECT_TRUE(WriteImageListStream(list, stream).Ok());
    return stream;
}

void Read(const Bytes& stream)
{
    ImageListContent list;
    list.width = 16;
    list.height = 16;
    const ImageListResult r = ReadImageListStream(stream, list);
    ASSERT_TRUE(r.Ok()) << r.message;
}

TEST(ControlsCost, ImageListReadingIsLinear)
{
    for (auto shape : { PlainPairs, RunStrip }) {
        const Bytes small = shape(250);
        const Bytes large = shape(1000);
        EXPECT_EQ(test::CheckLinearCost([&] { Read(small); }, [&] { Read(large); }), "");
    }
}

TEST(ControlsCost, PacketDecodingIsLinear)
{
    // Longest runs of the widest unit: the most output per packed byte.
    auto runs = [](std::size_t packets) {
        Bytes packed;
        for (std::size_t i = 0; i < packets; ++i)
            packed.insert(packed.end(), { 0xFF, 1, 2, 3, 4 });
        return packed;
    };
    const Bytes small = runs(4000);
    const Bytes large = runs(16000);
    auto decode = [](const Bytes& packed) {
        Bytes out;
        ASSERT_EQ(RleDecode(packed, 4, packed.size() / 5 * 512, out), RleStatus::ok);
    };
    EXPECT_EQ(test::CheckLinearCost([&] { decode(small); }, [&] { decode(large); }), "");
}

} // namespace
} // namespace folvane
