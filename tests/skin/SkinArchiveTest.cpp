// Member extraction and the archive reader core, on archives made by Info-ZIP
// zip (patched to "SK") and on archives built by hand for the odd cases.
#include "skin/SkinArchive.h"
#include "skin/SkinElementFile.h"

#include "skin/SkinTestData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace folvane {
namespace {

using test::Bytes;
using test::ElementFileBuilder;
using test::MakeBmp;

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class SkinArchiveZip : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/skin-archive-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        element_
            = ElementFileBuilder()
                  .Bitmap("SKIN2_BUTTON", test::MakeBmpWith(30, 21, [](int x, int y) { return 0x00102030u * (x + y); }))
                  .Integer("SKIN2_BUTTONFONTCOLOR", 0x00123456)
                  .Flag("SKIN2_BUTTONTRANS", 1)
                  .String("SKIN2_AUTHOR", "someone")
                  .Build();
        // Enough repetition to make zip deflate it rather than store it.
        for (int i = 0; i < 50; ++i)
            element_.insert(element_.end(), element_.begin(), element_.begin() + 2000);
        WriteFile(dir_ + "/SKINDATA.SK2", element_);
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    // Runs zip in the folder; the archive's first two bytes become "SK".
    std::string Zip(const std::string& name, const std::string& options, bool streamed = false, bool patch = true)
    {
        const std::string archive = dir_ + "/" + name;
        const std::string command = streamed
            ? "cd '" + dir_ + "' && zip -q -X " + options + " - SKINDATA.SK2 | cat > '" + archive + "'"
            : "cd '" + dir_ + "' && zip -q -X " + options + " '" + archive + "' SKINDATA.SK2";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        Bytes bytes = ReadFile(archive);
        EXPECT_GT(bytes.size(), 30u);
        if (patch) {
            bytes[0] = 'S';
            bytes[1] = 'K';
        }
        WriteFile(archive, bytes);
        return archive;
    }

    int Extract(const std::string& archive, const std::string& password, const std::string& member = "SKINDATA.SK2")
    {
        return ExtractSkinMember(files_, archive, member, Out(), password);
    }
    std::string Out() const { return dir_ + "/out.bin"; }
    bool OutExists() { return files_.FileExists(Out()); }

    std::string dir_;
    Bytes element_;
    StdSkinFileSystem files_;
};

TEST_F(SkinArchiveZip, ExtractsDeflatedMembersAndFindsNamesInAnyCase)
{
    const std::string archive = Zip("plain.skn", "-9");
    ASSERT_EQ(Extract(archive, ""), 0);
    EXPECT_EQ(ReadFile(Out()), element_);
    std::remove(Out().c_str());
    ASSERT_EQ(Extract(archive, "", "skindata.sk2"), 0);
    EXPECT_EQ(ReadFile(Out()), element_);
    // A password given for a plain member is not needed and does no harm.
    ASSERT_EQ(Extract(archive, "unused"), 0);
}

TEST_F(SkinArchiveZip, RefusesWhatIsNotASkinArchive)
{
    EXPECT_EQ(Extract(dir_ + "/missing.skn", ""), 1);
    EXPECT_FALSE(OutExists());
    // A valid ZIP file that still starts "PK".
    EXPECT_EQ(Extract(Zip("pk.zip", "", false, false), ""), 1);
    EXPECT_FALSE(OutExists());
    // An archive comment.
    const std::string commented = Zip("comment.skn", "", false, false);
    ASSERT_EQ(std::system(("cd '" + dir_ + "' && echo hello | zip -q -z comment.skn").c_str()), 0);
    Bytes bytes = ReadFile(commented);
    bytes[0] = 'S';
    bytes[1] = 'K';
    WriteFile(commented, bytes);
    EXPECT_EQ(Extract(commented, ""), 1);
    EXPECT_FALSE(OutExists());
    // No such member.
    EXPECT_EQ(Extract(Zip("other.skn", ""), "", "SKINDATA.SK3"), 1);
    EXPECT_FALSE(OutExists());
    // Shorter than an end record.
    WriteFile(dir_ + "/short.skn", Bytes { 'S', 'K', 3, 4, 0, 0 });
    EXPECT_EQ(Extract(dir_ + "/short.skn", ""), 1);
    EXPECT_FALSE(OutExists());
}

TEST_F(SkinArchiveZip, EncipheredMembersNeedTheRightPassword)
{
    const std::string archive = Zip("secret.skn", "-P secret");
    EXPECT_EQ(Extract(archive, ""), 2);
    EXPECT_FALSE(OutExists());
    EXPECT_EQ(Extract(archive, "wrong"), 2);
    EXPECT_FALSE(OutExists());
    ASSERT_EQ(Extract(archive, "secret"), 0);
    EXPECT_EQ(ReadFile(Out()), element_);
}

TEST_F(SkinArchiveZip, StreamedArchivesTakeTheCheckByteFromTheTime)
{
    const std::string archive = Zip("streamed.skn", "-P secret", true);
    const Bytes bytes = ReadFile(archive);
    // Flag bit 3 is set in the central directory entry.
    const std::size_t end = bytes.size() - 22;
    const std::size_t directory = bytes[end + 16] | (bytes[end + 17] << 8) | (bytes[end + 18] << 16);
    ASSERT_LT(directory, end);
    ASSERT_TRUE(bytes[directory + 8] & 8);
    ASSERT_EQ(Extract(archive, "secret"), 0);
    EXPECT_EQ(ReadFile(Out()), element_);
    EXPECT_EQ(Extract(archive, "secreT"), 2);
    EXPECT_FALSE(OutExists());
}

TEST_F(SkinArchiveZip, DataThatIsNotWhatTheDirectoryPromisesGivesTwo)
{
    const std::string archive = Zip("sized.skn", "");
    Bytes bytes = ReadFile(archive);
    const std::size_t end = bytes.size() - 22;
    const std::size_t directory = bytes[end + 16] | (bytes[end + 17] << 8);
    // One byte more promised than the member holds.
    Bytes wrongSize = bytes;
    test::Put32(wrongSize, directory + 24, static_cast<std::uint32_t>(element_.size() + 1));
    WriteFile(archive, wrongSize);
    EXPECT_EQ(Extract(archive, ""), 2);
    EXPECT_FALSE(OutExists());
    // Deflate data cut off in the middle: directory and end record moved up.
    Bytes cut(bytes.begin(), bytes.begin() + 200);
    cut.insert(cut.end(), bytes.begin() + directory, bytes.end());
    test::Put32(cut, cut.size() - 22 + 16, 200);
    WriteFile(archive, cut);
    EXPECT_EQ(Extract(archive, ""), 2);
    EXPECT_FALSE(OutExists());
}

// ---------------------------------------------------------------------------
// Hand-built archives in memory
// ---------------------------------------------------------------------------

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

} // namespace
} // namespace folvane
