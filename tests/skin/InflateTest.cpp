// The inflater on hand-built streams that are valid in unusual ways or
// malformed, and on a committed zlib stream; built in both trees, so the
// 32-bit bit buffer is exercised under Wine.
#include "skin/Inflate.h"

#include "skin/DeflateBits.h"

#include <gtest/gtest.h>

#include <cstring>

namespace folvane {
namespace {

using test::BitWriter;
using test::CollectSink;
using test::Decode;
using test::MakeSample;
using test::SampleKind;
using test::TrickleSource;

TEST(SkinInflate, DistanceOneRunsOf258AcrossTheFlushBoundary)
{
    // One fixed block: 'x', then 600 matches (258, distance 1) = 154,801 bytes,
    // which crosses 64 KiB (and the window shift) mid-match.
    BitWriter w;
    w.BlockHeader(true, 1);
    w.FixedLiteral('x');
    for (int i = 0; i < 600; ++i) {
        w.FixedLiteral(285);
        w.FixedDistance(0);
    }
    w.FixedLiteral('y');
    w.FixedLiteral(256);
    std::vector<std::uint8_t> expected(1 + 600 * 258, 'x');
    expected.push_back('y');
    std::vector<std::uint8_t> out;
    ASSERT_EQ(Decode(w.Bytes(), out), InflateStatus::ok);
    EXPECT_TRUE(out == expected);
}

TEST(SkinInflate, OverlappingCopiesRepeatTheirPattern)
{
    // "abcdefghij" then matches whose distance is shorter than the length.
    BitWriter w;
    w.BlockHeader(true, 1);
    const std::string seedText = "abcdefghij";
    for (char c : seedText)
        w.FixedLiteral(static_cast<unsigned char>(c));
    // Length 20 (symbol 269: base 19, 2 extra bits = 1), distance 3 (symbol 2).
    w.FixedLiteral(269);
    w.Bits(1, 2);
    w.FixedDistance(2);
    // Length 10 (symbol 264), distance 9 (symbol 6: base 9, 2 extra bits = 0).
    w.FixedLiteral(264);
    w.FixedDistance(6);
    w.Bits(0, 2);
    w.FixedLiteral(256);
    std::string expected = seedText;
    for (int i = 0; i < 20; ++i)
        expected.push_back(expected[expected.size() - 3]);
    for (int i = 0; i < 10; ++i)
        expected.push_back(expected[expected.size() - 9]);
    std::vector<std::uint8_t> out;
    ASSERT_EQ(Decode(w.Bytes(), out), InflateStatus::ok);
    EXPECT_EQ(std::string(out.begin(), out.end()), expected);
}

TEST(SkinInflate, StoredBlocksLongerThanAnInputPiece)
{
    // A stored block that starts mid-byte after a fixed block, with an
    // unchecked NLEN.
    std::vector<std::uint8_t> out;
    BitWriter w;
    w.BlockHeader(false, 1);
    w.FixedLiteral('A');
    w.FixedLiteral(256);
    w.BlockHeader(true, 0);
    w.AlignToByte();
    const std::size_t length = 40'000;
    w.Byte(length & 0xFF);
    w.Byte(length >> 8);
    w.Byte(0x12); // NLEN is not compared
    w.Byte(0x34);
    std::vector<std::uint8_t> expected { 'A' };
    for (std::size_t i = 0; i < length; ++i) {
        w.Byte(static_cast<std::uint8_t>(i * 7));
        expected.push_back(static_cast<std::uint8_t>(i * 7));
    }
    ASSERT_EQ(Decode(w.Bytes(), out), InflateStatus::ok);
    EXPECT_TRUE(out == expected);
}

TEST(SkinInflate, BlockTypeThreeIsSkipped)
{
    BitWriter w;
    w.BlockHeader(false, 3);
    w.BlockHeader(false, 1);
    w.FixedLiteral('q');
    w.FixedLiteral(256);
    w.BlockHeader(true, 3);
    std::vector<std::uint8_t> out;
    ASSERT_EQ(Decode(w.Bytes(), out), InflateStatus::ok);
    EXPECT_EQ(out, std::vector<std::uint8_t>({ 'q' }));
}

// A dynamic block header: counts, then the code-length code lengths in the
// transmission order.
void DynamicHeader(BitWriter& w, unsigned hlit, unsigned hdist, const std::vector<unsigned>& codeLengthLengths)
{
    w.BlockHeader(true, 2);
    w.Bits(hlit - 257, 5);
    w.Bits(hdist - 1, 5);
    w.Bits(static_cast<unsigned>(codeLengthLengths.size()) - 4, 4);
    for (unsigned length : codeLengthLengths)
        w.Bits(length, 3);
}

TEST(SkinInflate, MalformedDynamicHeadersFail)
{
    std::vector<std::uint8_t> out;
    {
        // HLIT 287 (> 286).
        BitWriter w;
        DynamicHeader(w, 287, 1, { 2, 2, 2, 2 });
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
    {
        // HDIST 31 (> 30).
        BitWriter w;
        DynamicHeader(w, 257, 31, { 2, 2, 2, 2 });
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
    {
        // Over-subscribed code-length code: five codes of length 2.
        BitWriter w;
        DynamicHeader(w, 257, 1, { 2, 2, 2, 2, 2 });
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
    // Code-length code: 16, 17, 18 and 0 of length 2; canonical by symbol,
    // so 0 -> 00, 16 -> 01, 17 -> 10, 18 -> 11.
    auto sym0 = [](BitWriter& w) { w.Code(0, 2); };
    auto sym16 = [](BitWriter& w, unsigned extra) {
        w.Code(1, 2);
        w.Bits(extra, 2);
    };
    auto sym18 = [](BitWriter& w, unsigned extra) {
        w.Code(3, 2);
        w.Bits(extra, 7);
    };
    {
        // Repeat 16 before any length.
        BitWriter w;
        DynamicHeader(w, 257, 1, { 2, 2, 2, 2 });
        sym16(w, 0);
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
    {
        // Zeros past HLIT + HDIST: 258 lengths wanted, 138 + 138 given.
        BitWriter w;
        DynamicHeader(w, 257, 1, { 2, 2, 2, 2 });
        sym18(w, 127);
        sym18(w, 127);
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
    {
        // Repeat of the previous (zero) length past the end.
        BitWriter w;
        DynamicHeader(w, 257, 1, { 2, 2, 2, 2 });
        sym18(w, 127); // 138
        sym18(w, 108); // 119 -> 257
        sym0(w); // 258
        sym16(w, 0); // 3 more: past the end
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
}

// A dynamic block whose code lengths are sent plainly: every code-length
// symbol has length 5, so symbol s is sent as the 5-bit code s.
struct DynamicBlock {
    std::vector<std::uint8_t> literalLengths;
    std::vector<std::uint8_t> distanceLengths;
    std::vector<std::uint32_t> literalCodes;
    std::vector<std::uint32_t> distanceCodes;

    static std::vector<std::uint32_t> Canonical(const std::vector<std::uint8_t>& lengths)
    {
        unsigned counts[16] = {};
        for (auto l : lengths)
            ++counts[l];
        counts[0] = 0;
        std::uint32_t next[16] = {};
        std::uint32_t code = 0;
        for (int bits = 1; bits < 16; ++bits) {
            code = (code + counts[bits - 1]) << 1;
            next[bits] = code;
        }
        std::vector<std::uint32_t> codes(lengths.size());
        for (std::size_t s = 0; s < lengths.size(); ++s)
            if (lengths[s])
                codes[s] = next[lengths[s]]++;
        return codes;
    }
    void WriteHeader(BitWriter& w)
    {
        DynamicHeader(w, static_cast<unsigned>(literalLengths.size()), static_cast<unsigned>(distanceLengths.size()),
            std::vector<unsigned>(19, 5));
        for (auto l : literalLengths)
            w.Code(l, 5);
        for (auto l : distanceLengths)
            w.Code(l, 5);
        literalCodes = Canonical(literalLengths);
        distanceCodes = Canonical(distanceLengths);
    }
    void Literal(BitWriter& w, unsigned s) { w.Code(literalCodes[s], literalLengths[s]); }
    void Distance(BitWriter& w, unsigned s) { w.Code(distanceCodes[s], distanceLengths[s]); }
};

TEST(SkinInflate, CodesThatReachEmptyEntriesFail)
{
    std::vector<std::uint8_t> out;
    {
        // Complete code: 'a' 1 bit, end and length 3 two bits; one distance code.
        DynamicBlock block;
        block.literalLengths.assign(258, 0);
        block.literalLengths['a'] = 1;
        block.literalLengths[256] = 2;
        block.literalLengths[257] = 2;
        block.distanceLengths = { 1 };
        BitWriter w;
        block.WriteHeader(w);
        block.Literal(w, 'a');
        block.Literal(w, 257);
        block.Distance(w, 0);
        block.Literal(w, 256);
        ASSERT_EQ(Decode(w.Bytes(), out), InflateStatus::ok);
        EXPECT_EQ(out, std::vector<std::uint8_t>({ 'a', 'a', 'a', 'a' }));
    }
    {
        // The same, but the block has no distance codes at all.
        DynamicBlock block;
        block.literalLengths.assign(258, 0);
        block.literalLengths['a'] = 1;
        block.literalLengths[256] = 2;
        block.literalLengths[257] = 2;
        block.distanceLengths = { 0 };
        BitWriter w;
        block.WriteHeader(w);
        block.Literal(w, 'a');
        block.Literal(w, 257);
        w.Bits(0, 8);
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
    {
        // An incomplete literal code: 'a' 1 bit, end 2 bits; code 11 reaches nothing.
        DynamicBlock block;
        block.literalLengths.assign(257, 0);
        block.literalLengths['a'] = 1;
        block.literalLengths[256] = 2;
        block.distanceLengths = { 0 };
        BitWriter w;
        block.WriteHeader(w);
        block.Literal(w, 'a');
        w.Code(3, 2);
        w.Bits(0, 16);
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
    {
        // An over-subscribed literal code.
        DynamicBlock block;
        block.literalLengths.assign(257, 0);
        block.literalLengths['a'] = 1;
        block.literalLengths['b'] = 1;
        block.literalLengths[256] = 1;
        block.distanceLengths = { 0 };
        BitWriter w;
        DynamicHeader(w, 257, 1, std::vector<unsigned>(19, 5));
        for (auto l : block.literalLengths)
            w.Code(l, 5);
        w.Code(0, 5);
        w.Bits(0, 16);
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);
    }
    // Fixed codes 286 and 287 are not lengths; distance codes 30 and 31 are not distances.
    for (unsigned symbol : { 286u, 287u }) {
        BitWriter w;
        w.BlockHeader(true, 1);
        w.FixedLiteral('a');
        w.FixedLiteral(symbol);
        w.FixedDistance(0);
        w.FixedLiteral(256);
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData) << symbol;
    }
    for (unsigned symbol : { 30u, 31u }) {
        BitWriter w;
        w.BlockHeader(true, 1);
        w.FixedLiteral('a');
        w.FixedLiteral(257);
        w.FixedDistance(symbol);
        w.FixedLiteral(256);
        EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData) << symbol;
    }
}

TEST(SkinInflate, DistancesBeforeTheStartFail)
{
    std::vector<std::uint8_t> out;
    // Three literals, then distance 4.
    BitWriter w;
    w.BlockHeader(true, 1);
    for (char c : std::string("abc"))
        w.FixedLiteral(static_cast<unsigned char>(c));
    w.FixedLiteral(257);
    w.FixedDistance(3);
    w.FixedLiteral(256);
    EXPECT_EQ(Decode(w.Bytes(), out), InflateStatus::badData);

    // Distance 3 is fine.
    BitWriter ok;
    ok.BlockHeader(true, 1);
    for (char c : std::string("abc"))
        ok.FixedLiteral(static_cast<unsigned char>(c));
    ok.FixedLiteral(257);
    ok.FixedDistance(2);
    ok.FixedLiteral(256);
    ASSERT_EQ(Decode(ok.Bytes(), out), InflateStatus::ok);
    EXPECT_EQ(std::string(out.begin(), out.end()), "abcabc");
}

TEST(SkinInflate, EmptyInputIsTruncated)
{
    std::vector<std::uint8_t> out;
    EXPECT_EQ(Decode({}, out), InflateStatus::truncated);
    EXPECT_EQ(Decode({ 0x04 }, out), InflateStatus::truncated); // dynamic block header cut short
}

TEST(SkinInflate, CommittedZlibStreamDecodes)
{
    // zlib level 9 of MakeSample(mixed, 300,000, 77); dynamic blocks that span
    // several window flushes.
    const std::vector<std::uint8_t> stream = test::CommittedStream();
    ASSERT_FALSE(stream.empty());
    const auto expected = MakeSample(SampleKind::mixed, 300'000, 77);
    std::vector<std::uint8_t> out;
    ASSERT_EQ(Decode(stream, out), InflateStatus::ok);
    EXPECT_TRUE(out == expected);
    for (std::size_t step : { 1u, 5u, 4099u }) {
        TrickleSource source(stream, step);
        CollectSink sink;
        ASSERT_EQ(Inflate(source, sink), InflateStatus::ok) << step;
        EXPECT_TRUE(sink.bytes == expected) << step;
    }
    // Every tenth prefix fails.
    for (std::size_t cut = 0; cut < stream.size(); cut += stream.size() / 10 + 1) {
        std::vector<std::uint8_t> prefix(stream.begin(), stream.begin() + cut);
        EXPECT_NE(Decode(prefix, out), InflateStatus::ok) << cut;
    }
}

TEST(SkinInflate, HuffmanTreeTables)
{
    THuffmanTree tree(7, THuffmanTree::Alphabet::codeLength);
    // Lengths 2, 1, 3, 3: canonical codes B=0, A=10, C=110, D=111 (MSB first).
    const std::uint8_t lengths[] = { 2, 1, 3, 3 };
    ASSERT_TRUE(tree.Build(lengths));
    EXPECT_EQ(tree.LongestLength(), 3);
    // Index = next 3 input bits, first bit lowest: code 10 reversed is 01.
    EXPECT_EQ(THuffmanTree::Symbol(tree.Lookup(0b001)), 0u);
    EXPECT_EQ(THuffmanTree::Symbol(tree.Lookup(0b101)), 0u);
    EXPECT_EQ(THuffmanTree::CodeLength(tree.Lookup(0b101)), 2u);
    EXPECT_EQ(THuffmanTree::Symbol(tree.Lookup(0b000)), 1u);
    EXPECT_EQ(THuffmanTree::Symbol(tree.Lookup(0b110)), 1u);
    EXPECT_EQ(THuffmanTree::Symbol(tree.Lookup(0b011)), 2u);
    EXPECT_EQ(THuffmanTree::Symbol(tree.Lookup(0b111)), 3u);

    // Incomplete: one code of length 2 leaves three empty entries.
    const std::uint8_t sparse[] = { 0, 2 };
    ASSERT_TRUE(tree.Build(sparse));
    int empty = 0;
    for (std::uint32_t i = 0; i < 4; ++i)
        empty += tree.Lookup(i) == THuffmanTree::kEmptyEntry;
    EXPECT_EQ(empty, 3);

    const std::uint8_t tooLong[] = { 8 };
    EXPECT_FALSE(tree.Build(tooLong));
    const std::uint8_t overfull[] = { 1, 1, 1 };
    EXPECT_FALSE(tree.Build(overfull));

    THuffmanTree distances(15, THuffmanTree::Alphabet::distance);
    std::vector<std::uint8_t> five(30, 5);
    ASSERT_TRUE(distances.Build(five));
    // Distance symbol 29 (code 11101, reversed 10111) carries 13 extra bits.
    EXPECT_EQ(THuffmanTree::Symbol(distances.Lookup(0b10111)), 29u);
    EXPECT_EQ(THuffmanTree::ExtraBits(distances.Lookup(0b10111)), 13u);
}

} // namespace
} // namespace folvane
