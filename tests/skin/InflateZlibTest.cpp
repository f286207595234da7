// The inflater against zlib's raw deflate output at every level and
// strategy, in one piece and trickled.
#include "skin/Inflate.h"

#include "skin/DeflateBits.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace folvane {
namespace {

using test::CollectSink;
using test::Decode;
using test::MakeSample;
using test::SampleKind;
using test::TrickleSource;

std::vector<std::uint8_t> ZlibRawDeflate(const std::vector<std::uint8_t>& data, int level, int strategy)
{
    z_stream z {};
    EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, -15, 9, strategy), Z_OK);
    std::vector<std::uint8_t> out(deflateBound(&z, data.size()) + 64);
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

TEST(SkinInflate, MatchesZlibAtEveryLevelAndStrategy)
{
    const int strategies[] = { Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED };
    const SampleKind kinds[] = { SampleKind::random, SampleKind::text, SampleKind::runs, SampleKind::mixed };
    unsigned seed = 1;
    for (SampleKind kind : kinds) {
        // Long enough for several 64 KiB flushes.
        const auto data = MakeSample(kind, 200'000 + seed * 777, seed);
        for (int strategy : strategies) {
            for (int level = 0; level <= 9; ++level) {
                const auto stream = ZlibRawDeflate(data, level, strategy);
                std::vector<std::uint8_t> out;
                ASSERT_EQ(Decode(stream, out), InflateStatus::ok)
                    << "kind " << int(kind) << " strategy " << strategy << " level " << level;
                ASSERT_TRUE(out == data) << "kind " << int(kind) << " strategy " << strategy << " level " << level;
            }
            ++seed;
        }
    }
}

TEST(SkinInflate, SmallInputsAndTrickledInputDecodeAlike)
{
    for (std::size_t size : { 0u, 1u, 2u, 7u, 8u, 9u, 258u, 1000u, 40'000u }) {
        const auto data = MakeSample(SampleKind::mixed, size, static_cast<unsigned>(size));
        const auto stream = ZlibRawDeflate(data, 6, Z_DEFAULT_STRATEGY);
        std::vector<std::uint8_t> out;
        ASSERT_EQ(Decode(stream, out), InflateStatus::ok) << size;
        EXPECT_TRUE(out == data) << size;
        for (std::size_t step : { 1u, 3u, 13u }) {
            TrickleSource source(stream, step);
            CollectSink sink;
            ASSERT_EQ(Inflate(source, sink), InflateStatus::ok) << size << " step " << step;
            EXPECT_TRUE(sink.bytes == data) << size << " step " << step;
        }
    }
}

TEST(SkinInflate, WritesWholeFlushesOf32KiBThenTheRest)
{
    const auto data = MakeSample(SampleKind::text, 200'000, 9);
    const auto stream = ZlibRawDeflate(data, 9, Z_DEFAULT_STRATEGY);
    TrickleSource source(stream, 1 << 20);
    CollectSink sink;
    ASSERT_EQ(Inflate(source, sink), InflateStatus::ok);
    ASSERT_FALSE(sink.pieces.empty());
    for (std::size_t i = 0; i + 1 < sink.pieces.size(); ++i)
        EXPECT_EQ(sink.pieces[i], 32u * 1024);
    // 200,000 = 5 × 32 KiB + 36,160 left in the window at the end.
    EXPECT_EQ(sink.pieces.size(), 6u);
    EXPECT_EQ(sink.pieces.back(), 36'160u);
    EXPECT_TRUE(sink.bytes == data);
}

TEST(SkinInflate, RefusedWriteStopsDecoding)
{
    const auto data = MakeSample(SampleKind::random, 150'000, 3);
    const auto stream = ZlibRawDeflate(data, 1, Z_DEFAULT_STRATEGY);
    TrickleSource source(stream, 1 << 20);
    CollectSink sink;
    sink.refuseAfter = 1;
    EXPECT_EQ(Inflate(source, sink), InflateStatus::writeFailed);
    EXPECT_EQ(sink.pieces.size(), 2u);

    std::vector<std::uint8_t> out;
    EXPECT_EQ(InflateBytes(stream, out, 100'000), InflateStatus::writeFailed);
}

TEST(SkinInflate, EmptyAndTruncatedInputFail)
{
    std::vector<std::uint8_t> out;
    EXPECT_EQ(Decode({}, out), InflateStatus::truncated);
    for (SampleKind kind : { SampleKind::text, SampleKind::random }) {
        const auto data = MakeSample(kind, 3000, 11);
        for (int level : { 0, 1, 9 }) {
            const auto stream = ZlibRawDeflate(data, level, Z_DEFAULT_STRATEGY);
            for (std::size_t cut = 0; cut < stream.size(); ++cut) {
                std::vector<std::uint8_t> prefix(stream.begin(), stream.begin() + cut);
                EXPECT_NE(Decode(prefix, out), InflateStatus::ok) << "level " << level << " cut " << cut;
            }
        }
    }
}

TEST(SkinInflate, StoredBlocksOfZlibLevelZero)
{
    const auto data = MakeSample(SampleKind::random, 300'000, 5);
    std::vector<std::uint8_t> out;
    ASSERT_EQ(Decode(ZlibRawDeflate(data, 0, Z_DEFAULT_STRATEGY), out), InflateStatus::ok);
    EXPECT_TRUE(out == data);
}

TEST(SkinInflate, CommittedStreamIsWhatZlibMakes)
{
    EXPECT_TRUE(
        test::CommittedStream() == ZlibRawDeflate(MakeSample(SampleKind::mixed, 300'000, 77), 9, Z_DEFAULT_STRATEGY));
}

} // namespace
} // namespace folvane
