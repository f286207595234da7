// The skin readers' cost grows linearly with their input: long record chains, big members,
// long directories, many deflate blocks.
#include "skin/GzipMember.h"
#include "skin/Inflate.h"
#include "skin/SkinArchive.h"
#include "skin/SkinElementFile.h"

#include "skin/SkinTestData.h"
#include "support/CostMeter.h"
#include "support/MemorySkinFileSystem.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using test::Bytes;

Bytes ManyElements(int count)
{
    test::ElementFileBuilder builder;
    for (int i = 0; i < count; ++i)
        builder.Integer("I" + std::to_string(i), i).String("S", "x").Add("U", 7, Bytes { 1 });
    return builder.Build();
}

TEST(SkinCost, ElementChainsAreLinear)
{
    const Bytes small = ManyElements(4000);
    const Bytes large = ManyElements(16000);
    auto parse = [](const Bytes& bytes) {
        MemorySkinFileSystem files;
        files.Put("f", bytes);
        SkinElementTable table;
        ASSERT_TRUE(table.Parse(*files.OpenRead("f")));
    };
    EXPECT_EQ(test::CheckLinearCost([&] { parse(small); }, [&] { parse(large); }), "");
}

TEST(SkinCost, ExtractionIsLinear)
{
    const Bytes small = test::MakeSkinArchive(Bytes(1 << 20, 0x5A));
    const Bytes large = test::MakeSkinArchive(Bytes(4 << 20, 0x5A));
    auto extract = [](const Bytes& archive) {
        MemorySkinFileSystem files;
        files.Put("a.skn", archive);
        ASSERT_EQ(ExtractSkinMember(files, "a.skn", "SKINDATA.SK2", "out", ""), skinExtracted);
    };
    EXPECT_EQ(test::CheckLinearCost([&] { extract(small); }, [&] { extract(large); }), "");
}

// Empty stored blocks, then a final one holding one byte: the most blocks per input byte.
Bytes EmptyBlocks(std::size_t count)
{
    Bytes out;
    for (std::size_t i = 0; i < count; ++i)
        out.insert(out.end(), { 0x00, 0x00, 0x00, 0xFF, 0xFF });
    out.insert(out.end(), { 0x01, 0x01, 0x00, 0xFE, 0xFF, 0x41 });
    return out;
}

TEST(SkinCost, InflateIsLinear)
{
    const Bytes small = EmptyBlocks(100000);
    const Bytes large = EmptyBlocks(400000);
    auto inflate = [](const Bytes& stream) {
        Bytes out;
        EXPECT_EQ(InflateBytes(stream, out), InflateStatus::ok);
    };
    EXPECT_EQ(test::CheckLinearCost([&] { inflate(small); }, [&] { inflate(large); }), "");
}

} // namespace
} // namespace folvane
