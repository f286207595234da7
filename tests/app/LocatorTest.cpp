// The locator's three reads against a fake registry and file system: which
// root wins, the trailing-backslash rule, the proof by fsx.exe, the exact
// registry calls, and the state left behind by a registry error.
#include "app/FolderText.h"
#include "app/SimulatorKey.h"
#include "app/SimulatorLocator.h"
#include "platform/FakePlatform.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;

class Locator : public ::testing::Test {
protected:
    void SetSetupPath(const std::string& text) { fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", text); }
    void SetAppPath(const std::string& text) { fake.registry.SetString(kUser, kSimulatorKey, "AppPath", text); }
    void AddProgram(const std::string& folder) { fake.files.files.insert(folder + "fsx.exe"); }

    std::string RaisedBy(void (SimulatorLocator::*read)())
    {
        try {
            (locator.*read)();
        } catch (const RegistryError& error) {
            return error.what();
        }
        return "<no error>";
    }

    testing::FakePlatform fake;
    SimulatorLocator locator { fake.registry, fake.files, fake.system };
};

TEST(FolderTextRule, AppendsExactlyOneBackslash)
{
    const LeadBytePredicate singleByte = [](unsigned char) { return false; };
    EXPECT_EQ("C:\\FSX\\", WithTrailingBackslash("C:\\FSX", singleByte));
    EXPECT_EQ("C:\\FSX\\", WithTrailingBackslash("C:\\FSX\\", singleByte));
    EXPECT_EQ("\\", WithTrailingBackslash("", singleByte));
    EXPECT_EQ("\\", WithTrailingBackslash("\\", singleByte));
}

TEST(FolderTextRule, TrailByteOfDoubleByteCharacterIsNotABackslash)
{
    // Shift-JIS: 0x95 0x5C is one character whose second byte is 0x5C.
    const LeadBytePredicate shiftJis = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || b >= 0xE0; };
    const std::string folder = "C:\\\x95\x5C";
    EXPECT_FALSE(EndsWithBackslash(folder, shiftJis));
    EXPECT_EQ(folder + "\\", WithTrailingBackslash(folder, shiftJis));
    // A real backslash after the double-byte character counts.
    EXPECT_EQ(folder + "\\", WithTrailingBackslash(folder + "\\", shiftJis));
    // Only a walk from the start knows which bytes lead: two lead-range bytes
    // form one character, so the backslash after them is a real one.
    EXPECT_TRUE(EndsWithBackslash("\x95\x95\\", shiftJis));
    EXPECT_FALSE(EndsWithBackslash("a\x95\\", shiftJis));
}

TEST_F(Locator, MachineReadStoresTheRawValueWithOneBackslash)
{
    SetSetupPath("D:\\Games\\FSX");
    locator.GetFSXPath_LocMach();
    EXPECT_EQ("D:\\Games\\FSX\\", locator.CurrentFolder()); // not proven, still stored

    SetSetupPath("C:\\FSX\\");
    locator.GetFSXPath_LocMach();
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());
}

TEST_F(Locator, RawReadsDistinguishMissingKeyFromMissingValue)
{
    locator.SetCurrentFolder("stale");
    locator.GetFSXPath_LocMach();
    EXPECT_EQ("", locator.CurrentFolder());

    fake.registry.AddKey(kMachine, kSimulatorKey);
    locator.GetFSXPath_LocMach();
    EXPECT_EQ("\\", locator.CurrentFolder());

    fake.registry.SetString(kUser, kSimulatorKey, "AppPath", "");
    locator.GetFSXPath_CurrentUsr();
    EXPECT_EQ("\\", locator.CurrentFolder());
}

TEST_F(Locator, ReadsOpenTheKeyForReadingOnlyAndCloseIt)
{
    SetSetupPath("C:\\FSX");
    SetAppPath("C:\\FSX");
    locator.GetFSXPath_LocMach();
    locator.GetFSXPath_CurrentUsr();
    const auto opens = fake.registry.CallsOf("open");
    ASSERT_EQ(2u, opens.size());
    EXPECT_EQ(kMachine, opens[0].root);
    EXPECT_EQ("SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\", opens[0].path);
    // KEY_READ in the 32-bit view, whatever the build.
    EXPECT_EQ(0x20219u, opens[0].access);
    EXPECT_EQ(kUser, opens[1].root);
    EXPECT_EQ(0x20219u, opens[1].access);
    EXPECT_TRUE(fake.registry.CallsOf("create").empty());
    EXPECT_TRUE(fake.registry.CallsOf("set").empty());
    const auto queries = fake.registry.CallsOf("query");
    ASSERT_EQ(4u, queries.size()); // size first, then data
    EXPECT_EQ("SetupPath", queries[0].name);
    EXPECT_EQ("AppPath", queries[2].name);
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

TEST_F(Locator, ResolverPrefersAProvenUserFolder)
{
    SetAppPath("D:\\FSX");
    SetSetupPath("C:\\FSX");
    AddProgram("D:\\FSX\\");
    AddProgram("C:\\FSX\\");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("D:\\FSX\\", locator.CurrentFolder());
    EXPECT_EQ(1u, fake.registry.CallsOf("open").size()); // the machine root is not asked
}

TEST_F(Locator, ResolverFallsBackToAProvenMachineFolder)
{
    SetSetupPath("C:\\FSX");
    AddProgram("C:\\FSX\\");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());

    // An unproven user folder gives way as well.
    SetAppPath("D:\\Elsewhere");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());
}

TEST_F(Locator, ResolverYieldsOnlyProvenFolders)
{
    SetAppPath("D:\\NoSim");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("", locator.CurrentFolder());

    SetSetupPath("C:\\NoSim");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("", locator.CurrentFolder());

    // A directory named fsx.exe is no proof.
    SetSetupPath("C:\\Odd");
    fake.files.files.insert("C:\\Odd\\fsx.exe");
    fake.files.directories.insert("C:\\Odd\\fsx.exe");
    locator.GetFSXPath_Valid();
    EXPECT_EQ("", locator.CurrentFolder());
}

TEST_F(Locator, MissingKeyOrValueNeverPassesTheProof)
{
    // fsx.exe in the working folder and at the drive root must not stand in
    // for a deleted key or an empty value.
    AddProgram("");
    AddProgram("\\");
    EXPECT_FALSE(locator.IsProven(""));
    EXPECT_FALSE(locator.IsProven("\\"));
    fake.registry.AddKey(kUser, kSimulatorKey);
    fake.registry.AddKey(kMachine, kSimulatorKey);
    locator.GetFSXPath_Valid();
    EXPECT_EQ("", locator.CurrentFolder());
}

TEST_F(Locator, ProofIsAPlainConcatenation)
{
    EXPECT_FALSE(locator.IsProven("C:\\FSX\\"));
    EXPECT_EQ("C:\\FSX\\fsx.exe", fake.files.asked.back());
    AddProgram("C:\\FSX\\..\\");
    EXPECT_TRUE(locator.IsProven("C:\\FSX\\..\\"));
}

TEST_F(Locator, RegistryErrorLeavesTheFolderEmpty)
{
    fake.registry.SetRaw(kMachine, kSimulatorKey, "SetupPath", reg::kTypeDword, { 7, 0, 0, 0 });
    locator.SetCurrentFolder("C:\\Before\\");
    EXPECT_EQ("Invalid data type for 'SetupPath'", RaisedBy(&SimulatorLocator::GetFSXPath_LocMach));
    EXPECT_EQ("", locator.CurrentFolder());
    EXPECT_EQ(0, fake.registry.OpenHandles());

    // The resolver reaches the bad machine value only after the user root.
    SetAppPath("D:\\NoSim");
    EXPECT_EQ("Invalid data type for 'SetupPath'", RaisedBy(&SimulatorLocator::GetFSXPath_Valid));
    EXPECT_EQ("", locator.CurrentFolder());
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

TEST_F(Locator, UnopenableKeyIsNoError)
{
    SetSetupPath("C:\\FSX");
    AddProgram("C:\\FSX\\");
    fake.registry.denied.insert(kUser);
    EXPECT_EQ("<no error>", RaisedBy(&SimulatorLocator::GetFSXPath_Valid));
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());
    fake.registry.denied.insert(kMachine);
    EXPECT_EQ("<no error>", RaisedBy(&SimulatorLocator::GetFSXPath_LocMach));
    EXPECT_EQ("", locator.CurrentFolder());
}

} // namespace
} // namespace folvane
