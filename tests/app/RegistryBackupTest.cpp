// The backup before a write over fakes: what it reads, the file it writes and
// where, names that sort by time and never replace a file, and every way it
// can fail without writing a file.
#include "app/RegistryBackup.h"

#include "app/RegFileText.h"
#include "app/SimulatorKey.h"
#include "platform/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace folvane {
namespace {

constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;
const std::string kFolder = "C:\\Users\\Pilot\\AppData\\Local\\Folvane\\Backups\\";

class RegistryBackupTest : public ::testing::Test {
protected:
    BackupOutcome Save()
    {
        return backup.SaveBefore({ { kMachine, { { "SetupPath", "D:\\FSX\\" }, { "CDPath", "E:\\" } } },
            { kUser, { { "AppPath", "D:\\FSX\\" } } } });
    }
    std::u16string WrittenText(const std::string& name) const
    {
        const std::vector<std::uint8_t>& bytes = fake.files.written.at(name);
        EXPECT_GE(bytes.size(), 2u);
        EXPECT_EQ(0xFF, bytes[0]);
        EXPECT_EQ(0xFE, bytes[1]);
        std::u16string text;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        return text;
    }

    testing::FakePlatform fake;
    RegistryBackup backup { fake.platform };
};

TEST_F(RegistryBackupTest, SavesThePreviousValuesAndTheAbsentOnes)
{
    fake.system.windows64 = true;
    fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", "C:\\Old \"FSX\"\\");
    fake.registry.SetString(kMachine, kSimulatorKey, "Other", "untouched");
    const BackupOutcome outcome = Save();
    ASSERT_TRUE(outcome.saved) << outcome.problem;
    EXPECT_EQ(kFolder + "Folvane-20260307-090502-040-01.reg", outcome.fileName);
    EXPECT_EQ(1u, fake.files.folders.count(kFolder));
    EXPECT_EQ(u"Windows Registry Editor Version 5.00\r\n\r\n"
              u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0]\r\n"
              u"\"SetupPath\"=\"C:\\\\Old \\\"FSX\\\"\\\\\"\r\n"
              u"\"CDPath\"=-\r\n"
              u"\r\n"
              u"[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0]\r\n"
              u"\"AppPath\"=-\r\n"
              u"\r\n",
        WrittenText(outcome.fileName));
    // Read in the 32-bit view, and nothing written to the registry.
    for (const auto& open : fake.registry.CallsOf("open"))
        EXPECT_EQ(kSimulatorKeyRead, open.access);
    EXPECT_TRUE(fake.registry.CallsOf("create").empty());
    EXPECT_TRUE(fake.registry.CallsOf("set").empty());
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

TEST_F(RegistryBackupTest, KeysAreNamedAsTheEditorOf32BitWindowsShowsThem)
{
    fake.registry.SetRaw(kMachine, kSimulatorKey, "CDPath", reg::kTypeDword, { 7, 0, 0, 0 });
    const BackupOutcome outcome = Save();
    ASSERT_TRUE(outcome.saved);
    const std::u16string text = WrittenText(outcome.fileName);
    EXPECT_NE(std::u16string::npos,
        text.find(u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0]\r\n"
                  u"\"SetupPath\"=-\r\n\"CDPath\"=dword:00000007\r\n"))
        << std::string(text.begin(), text.end());
}

TEST_F(RegistryBackupTest, NeverReplacesAnEarlierBackup)
{
    fake.files.files.insert(kFolder + "Folvane-20260307-090502-040-01.reg");
    const BackupOutcome second = Save();
    EXPECT_EQ(kFolder + "Folvane-20260307-090502-040-02.reg", second.fileName);
    const BackupOutcome third = Save();
    EXPECT_EQ(kFolder + "Folvane-20260307-090502-040-03.reg", third.fileName);
    EXPECT_EQ(2u, fake.files.written.size());
}

TEST_F(RegistryBackupTest, NamesSortByTime)
{
    const std::vector<std::string> names {
        RegistryBackup::FileName({ 2026, 3, 7, 9, 59, 59, 999 }, 99),
        RegistryBackup::FileName({ 2026, 3, 7, 10, 0, 0, 0 }, 1),
        RegistryBackup::FileName({ 2026, 3, 7, 10, 0, 0, 0 }, 2),
        RegistryBackup::FileName({ 2026, 3, 7, 10, 0, 0, 1 }, 1),
        RegistryBackup::FileName({ 2026, 11, 1, 0, 0, 0, 0 }, 1),
    };
    EXPECT_EQ("Folvane-20260307-095959-999-99.reg", names[0]);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

TEST_F(RegistryBackupTest, WritesNoFileWhenItCannotBeComplete)
{
    // A value that exists but cannot be read.
    fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", "C:\\Old\\");
    fake.registry.failDataQuery = true;
    BackupOutcome outcome = Save();
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ("The values about to be replaced could not be read.", outcome.problem);
    fake.registry.failDataQuery = false;

    // A key that cannot be opened for another reason than its absence.
    fake.registry.denied.insert(kUser);
    outcome = Save();
    EXPECT_FALSE(outcome.saved);
    fake.registry.denied.clear();

    fake.files.localAppData.clear();
    EXPECT_FALSE(Save().saved);
    fake.files.localAppData = "C:\\Users\\Pilot\\AppData\\Local\\";

    fake.files.folderCreationFails = true;
    outcome = Save();
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ("The folder " + kFolder + " could not be created.", outcome.problem);
    fake.files.folderCreationFails = false;

    fake.files.fileWriteFails = true;
    outcome = Save();
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ("The file " + kFolder + "Folvane-20260307-090502-040-01.reg could not be written.", outcome.problem);

    EXPECT_TRUE(fake.files.written.empty());
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

} // namespace
} // namespace folvane
