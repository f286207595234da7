// Member extraction on archives made by Info-ZIP zip and patched to "SK".
#include "skin/SkinArchive.h"
#include "skin/SkinElementFile.h"

#include "skin/SkinTestData.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace folvane {
namespace {

using test::Bytes;
using test::ElementFileBuilder;
using test::MakeBmp;

using test::ReadFile;

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

    // Packs the listed files with a packer's own default options (extra
    // fields included) and patches the result to "SK".
    std::string Pack(const std::string& name, const std::string& packer, const std::string& members)
    {
        const std::string archive = dir_ + "/" + name;
        const std::string command = "cd '" + dir_ + "' && " + packer + " '" + archive + "' " + members + " >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        Bytes bytes = ReadFile(archive);
        EXPECT_GT(bytes.size(), 30u);
        bytes[0] = 'S';
        bytes[1] = 'K';
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

TEST_F(SkinArchiveZip, ArchivesOfTheUsualPackersAreRead)
{
    // Other members before and after, so that entries with extra fields must
    // be stepped over to reach the wanted one and to find none.
    Bytes text;
    for (int i = 0; i < 3000; ++i)
        text.push_back(static_cast<std::uint8_t>("skin notes "[i % 11]));
    WriteFile(dir_ + "/A_NOTES.TXT", text);
    WriteFile(dir_ + "/Z_NOTES.TXT", text);
    for (const std::string packer : { "zip -q", "7z a -tzip -bd" }) {
        SCOPED_TRACE(packer);
        const std::string tag = packer.substr(0, 2);
        const std::string single = Pack(tag + "_one.skn", packer, "SKINDATA.SK2");
        ASSERT_EQ(Extract(single, ""), 0);
        EXPECT_EQ(ReadFile(Out()), element_);
        std::remove(Out().c_str());

        const std::string several = Pack(tag + "_several.skn", packer, "A_NOTES.TXT SKINDATA.SK2 Z_NOTES.TXT");
        ASSERT_EQ(Extract(several, ""), 0);
        EXPECT_EQ(ReadFile(Out()), element_);
        std::remove(Out().c_str());
        ASSERT_EQ(Extract(several, "", "z_notes.txt"), 0);
        EXPECT_EQ(ReadFile(Out()), text);
        std::remove(Out().c_str());
        EXPECT_EQ(Extract(several, "", "MISSING.TXT"), 1);
        EXPECT_FALSE(OutExists());
    }
}

} // namespace
} // namespace folvane
