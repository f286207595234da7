// Member extraction and the archive reader core on archives built in memory
// for the odd cases; built in both trees.
#include "skin/SkinArchive.h"
#include "skin/SkinElementFile.h"

#include "skin/SkinTestData.h"
#include "support/MemorySkinFileSystem.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using test::Bytes;
using test::ElementFileBuilder;
using test::MakeBmp;

TEST(SkinArchiveMemory, ExtractionCleansUpOnEveryFailure)
{
    const Bytes member = ElementFileBuilder().Integer("A", 1).Build();
    MemorySkinFileSystem files;
    files.Put("a.skn", test::MakeSkinArchive(member));
    ASSERT_EQ(ExtractSkinMember(files, "a.skn", "SKINDATA.SK2", "out", ""), 0);
    EXPECT_EQ(*files.Get("out"), member);

    // Check byte from the CRC (bit 3 clear) and from the time (bit 3 set).
    for (bool fromTime : { false, true }) {
        test::ArchiveOptions o;
        o.password = "pw";
        o.checkByteFromTime = fromTime;
        files.Put("e.skn", test::MakeSkinArchive(member, o));
        EXPECT_EQ(ExtractSkinMember(files, "e.skn", "SKINDATA.SK2", "out2", "pw"), 0);
        EXPECT_EQ(*files.Get("out2"), member);
        EXPECT_EQ(ExtractSkinMember(files, "e.skn", "SKINDATA.SK2", "out3", ""), 2);
        EXPECT_EQ(files.Get("out3"), nullptr);
    }

    // Names longer than 259 bytes are not looked at.
    test::ArchiveOptions longName;
    longName.memberName = std::string(260, 'N');
    files.Put("long.skn", test::MakeSkinArchive(member, longName));
    EXPECT_EQ(ExtractSkinMember(files, "long.skn", longName.memberName, "out4", ""), 1);
    longName.memberName.pop_back();
    files.Put("long.skn", test::MakeSkinArchive(member, longName));
    EXPECT_EQ(ExtractSkinMember(files, "long.skn", longName.memberName, "out4", ""), 0);

    // A destination that cannot be written: 1 when nothing was created, 2
    // when the disk fills up during the write.
    files.SetCreateFails(true);
    EXPECT_EQ(ExtractSkinMember(files, "a.skn", "SKINDATA.SK2", "out5", ""), 1);
    files.SetCreateFails(false);
    files.SetWriteLimit(10);
    EXPECT_EQ(ExtractSkinMember(files, "a.skn", "SKINDATA.SK2", "out5", ""), 2);
    EXPECT_EQ(files.Get("out5"), nullptr);
}

TEST(SkinArchiveMemory, AnEmptyResultWhereDataWasPromisedIsAFailure)
{
    // A member whose deflate stream is an empty final block but whose
    // directory entry promises 50 bytes.
    MemorySkinFileSystem files;
    Bytes empty = test::MakeSkinArchive(Bytes {});
    const std::size_t end = empty.size() - 22;
    const std::size_t directory = empty[end + 16];
    test::Put32(empty, directory + 24, 50);
    files.Put("e.skn", empty);
    EXPECT_EQ(ExtractSkinMember(files, "e.skn", "SKINDATA.SK2", "out", ""), 1);
    EXPECT_EQ(files.Get("out"), nullptr);
}

TEST(SkinArchiveMemory, OutputStopsAtTheDirectorysSize)
{
    // The member inflates to 1 MiB while the directory promises 100 bytes:
    // nothing past those 100 bytes is ever written.
    MemorySkinFileSystem files;
    Bytes big = test::MakeSkinArchive(Bytes(1 << 20, 0x55));
    const std::size_t end = big.size() - 22;
    const std::size_t directory = big[end + 16] | (big[end + 17] << 8) | (big[end + 18] << 16);
    test::Put32(big, directory + 24, 100);
    files.Put("big.skn", big);
    EXPECT_EQ(ExtractSkinMember(files, "big.skn", "SKINDATA.SK2", "out", ""), 2);
    EXPECT_EQ(files.Get("out"), nullptr);
    EXPECT_LE(files.OfferedBytes(), 100u);
}

TEST(SkinArchiveReaderCore, LoadsElementsAndLeavesNoTemporaryFile)
{
    const Bytes red = MakeBmp(2, 2, 0xFF0000);
    const Bytes blue = MakeBmp(3, 1, 0x0000FF);
    const Bytes member = ElementFileBuilder()
                             .Bitmap("SKIN2_BUTTON", red)
                             .Bitmap("skin2_button", blue)
                             .Integer("SKIN2_FORMCOLOR", 0x00EDFCED)
                             .Integer("NEGATIVE", -5)
                             .Flag("SKIN2_BUTTONTRANS", 7)
                             .Flag("OFF", 0)
                             .String("NAME", "x=y")
                             .Add("ODD", 9, Bytes { 1, 2, 3 })
                             .Build();
    MemorySkinFileSystem files;
    files.Put("t.skn", test::MakeSkinArchive(member));
    SkinElementTable table;
    ASSERT_TRUE(LoadSkinArchive(files, "t.skn", "", table));
    EXPECT_EQ(files.FileCount(), 1u);

    ASSERT_EQ(table.Bitmaps().size(), 2u);
    EXPECT_EQ(*table.BitmapData("Skin2_Button"), red);
    EXPECT_EQ(table.BitmapData("SKIN2_TAB"), nullptr);
    EXPECT_EQ(table.Integer("skin2_formcolor"), 0x00EDFCED);
    EXPECT_EQ(table.Integer("NEGATIVE"), -5);
    EXPECT_EQ(table.Integer("MISSING"), -1);
    // Flags and strings are not integers.
    EXPECT_EQ(table.Integer("SKIN2_BUTTONTRANS"), -1);
    EXPECT_TRUE(table.Flag("SKIN2_BUTTONTRANS"));
    EXPECT_FALSE(table.Flag("OFF"));
    EXPECT_FALSE(table.Flag("MISSING"));
    EXPECT_EQ(table.Strings(), std::vector<std::string>({ "NAME=x=y" }));
    EXPECT_EQ(table.Integers(), std::vector<std::string>({ "SKIN2_FORMCOLOR=15596781", "NEGATIVE=-5" }));
    EXPECT_EQ(table.Records().size(), 8u); // the unknown kind is listed but not stored
}

TEST(SkinArchiveReaderCore, OneElementThenTheTerminatingRecord)
{
    MemorySkinFileSystem files;
    files.Put("t.skn", test::MakeSkinArchive(ElementFileBuilder().Integer("ONLY", 42).Build()));
    SkinElementTable table;
    ASSERT_TRUE(LoadSkinArchive(files, "t.skn", "", table));
    EXPECT_EQ(table.Records().size(), 1u);
    EXPECT_EQ(table.Integers(), std::vector<std::string>({ "ONLY=42" }));
}

TEST(SkinArchiveReaderCore, FailuresRaiseOrReportNotLoaded)
{
    const Bytes member = ElementFileBuilder().Integer("A", 1).Build();
    MemorySkinFileSystem files;
    SkinElementTable table;
    EXPECT_THROW(LoadSkinArchive(files, "missing.skn", "", table), SkinReadError);
    try {
        LoadSkinArchive(files, "missing.skn", "", table);
    } catch (const SkinReadError& e) {
        EXPECT_STREQ(e.what(), "Failed to read skin file!");
    }

    test::ArchiveOptions o;
    o.password = "pw";
    files.Put("e.skn", test::MakeSkinArchive(member, o));
    EXPECT_FALSE(LoadSkinArchive(files, "e.skn", "", table));
    EXPECT_FALSE(LoadSkinArchive(files, "e.skn", "px", table));
    EXPECT_TRUE(LoadSkinArchive(files, "e.skn", "pw", table));
    EXPECT_EQ(table.Integer("A"), 1);
    EXPECT_EQ(files.FileCount(), 1u);

    // An element file whose chain loops back on itself: the temporary file
    // goes all the same.
    Bytes looped = member;
    test::Put32(looped, looped.size() - 77 - 4, static_cast<std::uint32_t>(looped.size() - 2 * 77));
    files.Put("loop.skn", test::MakeSkinArchive(looped));
    EXPECT_THROW(LoadSkinArchive(files, "loop.skn", "", table), SkinReadError);
    EXPECT_TRUE(table.Integers().empty());
    EXPECT_EQ(files.FileCount(), 2u);
}

TEST(SkinElementFile, RejectsRecordsAndDataOutsideTheFile)
{
    MemorySkinFileSystem files;
    SkinElementTable table;
    auto parse = [&](const Bytes& bytes) {
        files.Put("f", bytes);
        return table.Parse(*files.OpenRead("f"));
    };
    const Bytes good = ElementFileBuilder().Bitmap("B", MakeBmp(1, 1, 0)).Integer("I", 3).Build();
    ASSERT_TRUE(parse(good));
    EXPECT_EQ(table.Records().size(), 2u);

    Bytes bad = good;
    test::Put32(bad, 20, static_cast<std::uint32_t>(bad.size() - 10)); // first record past the end
    EXPECT_FALSE(parse(bad));
    bad = good;
    test::Put32(bad, 12, 10); // header shorter than 24 bytes
    EXPECT_FALSE(parse(bad));
    bad = good;
    const std::size_t first = good[20] | (good[21] << 8);
    test::Put32(bad, first + 69, 0x7FFFFFFF); // bitmap data size beyond the file
    EXPECT_FALSE(parse(bad));
    EXPECT_TRUE(table.Bitmaps().empty());
    bad = good;
    test::Put32(bad, first + 65, static_cast<std::uint32_t>(bad.size() - 2)); // data offset near the end
    EXPECT_FALSE(parse(bad));
    EXPECT_FALSE(parse(Bytes(10, 0)));
    // Every record pointing at one big bitmap: the data budget stops it.
    ElementFileBuilder many;
    const Bytes big = MakeBmp(40, 40, 0x123456);
    many.Bitmap("BIG", big);
    for (int i = 0; i < 5; ++i)
        many.Integer("I", i);
    bad = many.Build();
    for (int i = 1; i <= 5; ++i) {
        const std::size_t at = (bad[20] | (bad[21] << 8)) + 77u * i;
        bad[at + 64] = 0;
        test::Put32(bad, at + 65, 24);
        test::Put32(bad, at + 69, static_cast<std::uint32_t>(big.size()));
    }
    EXPECT_FALSE(parse(bad));
}

TEST(SkinElementFile, EveryKindOfRecordMustHaveTheDataItStates)
{
    MemorySkinFileSystem files;
    SkinElementTable table;
    std::string error;
    auto parse = [&](const Bytes& bytes) {
        files.Put("f", bytes);
        error.clear();
        return table.Parse(*files.OpenRead("f"), &error);
    };
    // Integers, flags and kinds the reader does not know read nothing, but what they state
    // still has to lie inside the file, or a tool that shows them would allocate it.
    for (std::uint8_t kind : { 1, 2, 9, 255 }) {
        Bytes bytes = ElementFileBuilder().Add("X", kind, Bytes { 1, 2, 3, 4 }).Build();
        ASSERT_TRUE(parse(bytes)) << int(kind);
        const std::size_t first = bytes[20] | (bytes[21] << 8);
        test::Put32(bytes, first + 69, 0xFFFFFFF0u);
        EXPECT_FALSE(parse(bytes)) << int(kind);
        EXPECT_NE(error.find("past the end"), std::string::npos) << error;
        EXPECT_TRUE(table.Records().empty());
    }

    // One element holds at most kMaxSkinElementBytes, however big the file is.
    const Bytes over(kMaxSkinElementBytes + 1, 0x42);
    EXPECT_FALSE(parse(ElementFileBuilder().String("S", std::string(over.begin(), over.end())).Build()));
    EXPECT_NE(error.find(std::to_string(kMaxSkinElementBytes)), std::string::npos) << error;
    EXPECT_TRUE(parse(ElementFileBuilder().Bitmap("B", Bytes(kMaxSkinElementBytes, 0x42)).Build())) << error;
}

TEST(SkinArchiveMemory, AMemberAboveTheLimitIsNotExtracted)
{
    MemorySkinFileSystem files;
    Bytes archive = test::MakeSkinArchive(Bytes(100, 0x55));
    const std::size_t end = archive.size() - 22;
    const std::size_t directory = archive[end + 16] | (archive[end + 17] << 8);
    test::Put32(archive, directory + 24, kMaxSkinMemberBytes + 1);
    files.Put("big.skn", archive);
    std::string error;
    EXPECT_EQ(ExtractSkinMember(files, "big.skn", "SKINDATA.SK2", "out", "", &error), skinExtractFailed);
    EXPECT_NE(error.find(std::to_string(kMaxSkinMemberBytes)), std::string::npos) << error;
    EXPECT_EQ(files.Get("out"), nullptr);
    EXPECT_EQ(files.OfferedBytes(), 0u);
}

} // namespace
} // namespace folvane
