// Packet coder: hand-built packets, the encoder's packet choice, and round
// trips at every unit size.
#include "controls/RunLengthCodec.h"
#include "support/CostMeter.h"

#include <gtest/gtest.h>

#include <random>

namespace folvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Decode(const Bytes& packed, int unit, std::size_t size, RleStatus expected = RleStatus::ok)
{
    Bytes out;
    EXPECT_EQ(RleDecode(packed, unit, size, out), expected);
    return out;
}

TEST(ControlsRle, UnitCodes)
{
    EXPECT_EQ(RleUnitBytes(8), 1);
    EXPECT_EQ(RleUnitBytes(15), 2);
    EXPECT_EQ(RleUnitBytes(16), 2);
    EXPECT_EQ(RleUnitBytes(24), 3);
    EXPECT_EQ(RleUnitBytes(32), 4);
    for (int bad : { 0, 1, 4, 7, 9, 12, 31, 33, 64, -8 })
        EXPECT_EQ(RleUnitBytes(bad), 0) << bad;
}

TEST(ControlsRle, DecodesLiteralAndRunPackets)
{
    const Bytes packed = {
        0x01, 0xA1, 0xA2, 0xB1, 0xB2, // literal of 2 two-byte units
        0x82, 0xC1, 0xC2, // run: one unit repeated 3 times
        0x00, 0xD1, 0xD2, // literal of 1
    };
    EXPECT_EQ(
        Decode(packed, 2, 12), (Bytes { 0xA1, 0xA2, 0xB1, 0xB2, 0xC1, 0xC2, 0xC1, 0xC2, 0xC1, 0xC2, 0xD1, 0xD2 }));
}

TEST(ControlsRle, LongestPacketsAre128Units)
{
    Bytes packed = { 0xFF, 0x5A, 0x7F };
    for (int i = 0; i < 128; ++i)
        packed.push_back(static_cast<std::uint8_t>(i));
    const Bytes out = Decode(packed, 1, 256);
    ASSERT_EQ(out.size(), 256u);
    EXPECT_EQ(std::count(out.begin(), out.begin() + 128, 0x5A), 128);
    EXPECT_EQ(out[128], 0);
    EXPECT_EQ(out[255], 127);
}

TEST(ControlsRle, DropsPaddingOfTheLastUnitAndIgnoresLaterPackets)
{
    // 8118 bytes of a 32-bit strip arrive as 2030 units (8120 bytes).
    Bytes packed;
    for (int left = 2030; left > 0; left -= 128) {
        const int n = std::min(left, 128);
        packed.push_back(static_cast<std::uint8_t>(0x80 + n - 1));
        packed.insert(packed.end(), { 1, 2, 3, 4 });
    }
    packed.insert(packed.end(), { 0x80, 9, 9, 9, 9 }); // beyond the size: never read
    const Bytes out = Decode(packed, 4, 8118);
    ASSERT_EQ(out.size(), 8118u);
    EXPECT_EQ(out[8116], 1);
    EXPECT_EQ(out[8117], 2);
}

TEST(ControlsRle, RejectsPacketsCutShort)
{
    Decode({}, 1, 1, RleStatus::truncated);
    Decode({ 0x03, 1, 2, 3 }, 1, 4, RleStatus::truncated); // literal of 4, only 3 follow
    Decode({ 0x80, 1, 2, 3 }, 4, 8, RleStatus::truncated); // run unit cut short
    Decode({ 0x81, 1, 2, 3, 4 }, 4, 9, RleStatus::truncated); // data ends before the size
    Decode({ 0x00, 1 }, 0, 1, RleStatus::badUnit);
    Decode({ 0x00, 1 }, 5, 1, RleStatus::badUnit);
    // A huge size from a small input fails without allocating for it.
    Decode({ 0xFF, 1 }, 1, SIZE_MAX / 2, RleStatus::truncated);

    // Nothing beyond what the packets produce is reserved, whatever size the stream states.
    const Bytes literals(3000, 0x00); // 1500 packets of one literal byte each
    Bytes out;
    EXPECT_EQ(RleDecode(literals, 1, 1 << 20, out), RleStatus::truncated);
    EXPECT_LE(out.capacity(), 1500u);
    Bytes fresh;
    EXPECT_EQ(RleDecode(Bytes { 0x81, 7, 0x00, 8 }, 1, 1 << 20, fresh), RleStatus::truncated);
    EXPECT_LE(fresh.capacity(), 3u);
}

TEST(ControlsRle, EncoderChoosesPacketsByNeighbourComparison)
{
    // A B C D all distinct: literal of 3, then the last unit on its own.
    EXPECT_EQ(RleEncode(Bytes { 1, 2, 3, 4 }, 1), (Bytes { 0x02, 1, 2, 3, 0x00, 4 }));
    // A B C C: literal of 2, run of 2.
    EXPECT_EQ(RleEncode(Bytes { 1, 2, 3, 3 }, 1), (Bytes { 0x01, 1, 2, 0x81, 3 }));
    // A A A B: run of 3, then B alone.
    EXPECT_EQ(RleEncode(Bytes { 7, 7, 7, 8 }, 1), (Bytes { 0x82, 7, 0x00, 8 }));
    // A single unit.
    EXPECT_EQ(RleEncode(Bytes { 5 }, 1), (Bytes { 0x00, 5 }));
    // Units compare as whole groups: 01 02 | 01 03 differ although bytes repeat.
    EXPECT_EQ(RleEncode(Bytes { 1, 2, 1, 3 }, 2), (Bytes { 0x00, 1, 2, 0x00, 1, 3 }));
    // The last unit is padded with zeros: 6 bytes in 4-byte units.
    EXPECT_EQ(RleEncode(Bytes { 1, 1, 1, 1, 1, 1 }, 4), (Bytes { 0x00, 1, 1, 1, 1, 0x00, 1, 1, 0, 0 }));
    EXPECT_TRUE(RleEncode(Bytes {}, 4).empty());
}

TEST(ControlsRle, EncoderCapsPacketsAt128Units)
{
    Bytes run(300, 0xEE);
    EXPECT_EQ(RleEncode(run, 1), (Bytes { 0xFF, 0xEE, 0xFF, 0xEE, 0xAB, 0xEE }));

    Bytes distinct(130);
    for (std::size_t i = 0; i < distinct.size(); ++i)
        distinct[i] = static_cast<std::uint8_t>(i);
    const Bytes packed = RleEncode(distinct, 1);
    ASSERT_EQ(packed.size(), 1 + 128 + 1 + 1 + 1 + 1u);
    EXPECT_EQ(packed[0], 0x7F);
    EXPECT_EQ(packed[129], 0x00); // 129 distinct remain split as 1 + last
    EXPECT_EQ(packed[131], 0x00);
}

TEST(ControlsRle, RoundTripsAtEveryUnitSize)
{
    std::mt19937 random(1234);
    for (int unit : { 1, 2, 3, 4 }) {
        for (std::size_t size : { 1u, 2u, 3u, 5u, 127u, 128u, 129u, 1000u, 8118u }) {
            // Runs and noise mixed, so both packet kinds and the caps occur.
            Bytes data(size);
            for (std::size_t i = 0; i < size;) {
                const std::size_t len = std::min<std::size_t>(size - i, random() % 300 + 1);
                const bool run = random() % 2;
                const std::uint8_t value = static_cast<std::uint8_t>(random());
                for (std::size_t k = 0; k < len; ++k)
                    data[i + k] = run ? value : static_cast<std::uint8_t>(random() % 3);
                i += len;
            }
            const Bytes packed = RleEncode(data, unit);
            EXPECT_EQ(Decode(packed, unit, size), data) << "unit " << unit << " size " << size;
        }
    }
}

TEST(ControlsRle, DecodingCostsLinearTimeAndMemory)
{
    // Longest runs of the widest unit: the most output per packed byte.
    auto runs = [](std::size_t packets) {
        Bytes packed;
        for (std::size_t i = 0; i < packets; ++i)
            packed.insert(packed.end(), { 0xFF, 1, 2, 3, 4 });
        return packed;
    };
    const Bytes small = runs(2000);
    const Bytes large = runs(8000);
    auto decode = [](const Bytes& packed) {
        Bytes out;
        ASSERT_EQ(RleDecode(packed, 4, packed.size() / 5 * 512, out), RleStatus::ok);
    };
    EXPECT_EQ(test::CheckLinearCost([&] { decode(small); }, [&] { decode(large); }), "");
}

TEST(ControlsRle, EncodingCostsLinearTime)
{
    // No two neighbours alike: nothing but literal packets, each of which could look for the
    // next pair of equal units through the rest of the data.
    auto noise = [](std::size_t size) {
        Bytes data(size);
        for (std::size_t i = 0; i < size; ++i)
            data[i] = static_cast<std::uint8_t>(i % 251);
        return data;
    };
    const Bytes small = noise(64 * 1024);
    const Bytes large = noise(256 * 1024);
    EXPECT_EQ(test::CheckLinearCost([&] { RleEncode(small, 1); }, [&] { RleEncode(large, 1); }), "");
}

} // namespace
} // namespace folvane
