// The gzip reader on members built in memory; built in both trees.
#include "skin/GzipMember.h"

#include "skin/SkinTestData.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using test::Bytes;

std::uint32_t Crc(const Bytes& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes)
        crc = Crc32Update(crc, b);
    return ~crc;
}

// flags as in the header; the optional fields follow in their order.
Bytes Member(const Bytes& content, std::uint8_t flags = 0)
{
    Bytes m = { 0x1F, 0x8B, 8, flags, 1, 2, 3, 4, 2, 3 };
    if (flags & 0x04) {
        test::Add16(m, 3);
        m.insert(m.end(), { 'A', 'B', 0 });
    }
    if (flags & 0x08)
        m.insert(m.end(), { 'f', '.', 'b', 'm', 'p', 0 });
    if (flags & 0x10)
        m.insert(m.end(), { 'h', 'i', 0 });
    if (flags & 0x02)
        test::Add16(m, Crc(m) & 0xFFFF);
    const Bytes body = test::StoredDeflate(content);
    m.insert(m.end(), body.begin(), body.end());
    test::Add32(m, Crc(content));
    test::Add32(m, static_cast<std::uint32_t>(content.size()));
    return m;
}

std::string Refusal(const Bytes& member, std::size_t maxOutput = 1 << 20)
{
    Bytes out;
    std::string error;
    return InflateGzipMember(member, out, maxOutput, &error) ? "accepted" : error;
}

TEST(GzipMember, ReadsTheContentPastEveryOptionalField)
{
    const Bytes content = test::MakeBmp(70, 300, 0x123456); // more than one stored block
    for (std::uint8_t flags : { 0x00, 0x02, 0x04, 0x08, 0x10, 0x1E }) {
        Bytes out;
        std::string error;
        EXPECT_TRUE(InflateGzipMember(Member(content, flags), out, content.size(), &error)) << int(flags) << error;
        EXPECT_EQ(out, content) << int(flags);
    }
    Bytes out = { 1 };
    EXPECT_TRUE(InflateGzipMember(Member({}), out, 0));
    EXPECT_TRUE(out.empty());
}

TEST(GzipMember, RefusesDamagedMembers)
{
    const Bytes content = test::MakeBmp(20, 10, 0xFF07FF);
    const Bytes good = Member(content, 0x1E);
    auto changed = [&](std::size_t at, std::uint8_t value) {
        Bytes m = good;
        m[at] = value;
        return m;
    };
    const std::size_t trailer = good.size() - 8;
    EXPECT_EQ(Refusal(changed(1, 0x8C)), "not a gzip member");
    EXPECT_EQ(Refusal(changed(2, 7)), "gzip method is not deflate");
    EXPECT_EQ(Refusal(changed(3, 0x3E)), "reserved gzip flags set");
    EXPECT_EQ(Refusal(changed(14, 'X')), "gzip header checksum mismatch"); // inside the extra field
    EXPECT_EQ(Refusal(changed(trailer - 1, 0)), "gzip checksum mismatch");
    EXPECT_EQ(Refusal(changed(trailer + 4, static_cast<std::uint8_t>(content.size() - 1))), "gzip size mismatch");
    EXPECT_EQ(Refusal(changed(trailer + 4, static_cast<std::uint8_t>(content.size() + 1))), "gzip size mismatch");
    EXPECT_EQ(Refusal(good, content.size() - 1), "gzip member larger than allowed");
    Bytes longer = good;
    longer.push_back(0);
    EXPECT_NE(Refusal(longer), "accepted") << "the trailer is the last eight bytes";
    // The deflate stream must end where the trailer begins: nothing may sit between them.
    for (std::size_t gap : { 1u, 7u, 300u }) {
        Bytes padded = good;
        padded.insert(padded.begin() + static_cast<std::ptrdiff_t>(trailer), gap, 0xA5);
        EXPECT_EQ(Refusal(padded), "bytes between the deflate data and the gzip trailer") << gap;
    }
    // A name that never ends runs into the trailer.
    Bytes unnamed = Member(content, 0x08);
    std::fill(unnamed.begin() + 10, unnamed.end(), 'n');
    EXPECT_EQ(Refusal(unnamed), "truncated gzip header");
}

TEST(GzipMember, RefusesEveryTruncation)
{
    const Bytes good = Member(test::MakeBmp(4, 4, 0xFFFFFF), 0x1E);
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_NE(Refusal(Bytes(good.begin(), good.begin() + size)), "accepted") << size;
}

} // namespace
} // namespace folvane
