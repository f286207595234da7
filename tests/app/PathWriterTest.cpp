// The "Set FSX Path" handler over fakes: its checks, the exact questions and
// their answers, the registry calls it makes, and partial failure.
#include "app/PathWriter.h"
#include "app/SimulatorKey.h"
#include "platform/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace folvane {
namespace {

constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;

const std::string kClickWave = "C:\\FSX\\\\Uires\\btnstdc.wav";
const std::string kFinalHead = "Are you sure you want to write this path to the registry?\r\n\r\n";
const std::string kNoProgram = "The fsx.exe is not in the path you have specified.\r\n"
                               "Do you still want to write this path to the registry?";
const std::string kSuccess
    = "The FSX Registry entry has been updated!\r\n\r\nUse the Get Path tab to verify the change.";
const std::string kUnusableName = "This folder's name holds characters that FSX cannot use:\r\n\r\n";
const std::string kUnusableNameTail = "\r\n\r\nRename the folder or choose another one.";
const std::string kFailure = "Sorry, for some reason we were unable to write to the registry.\r\n\r\n"
                             "Verify you have administrative privileges for this logon account.";

struct FakeInputs : PathWriterInputs {
    std::u16string folder;
    bool driveEnabled = false;
    std::u16string driveText;
    char driveLetter = 'E';
    bool currentUser = false;
    int getPathClicks = 0;

    std::u16string FolderText() const override { return folder; }
    bool DriveListEnabled() const override { return driveEnabled; }
    std::u16string DriveListText() const override { return driveText; }
    char DriveLetter() const override { return driveLetter; }
    bool AddToCurrentUserChecked() const override { return currentUser; }
    void ClickGetFSXPath() override { ++getPathClicks; }
    int ends = 0;
    void EndForElevatedInstance() override { ++ends; }
};

class PathWriterTest : public ::testing::Test {
protected:
    PathWriterTest()
    {
        // The click sound plays from the Current simulator folder.
        locator.SetCurrentFolder("C:\\FSX\\");
        fake.files.files.insert(kClickWave);
    }

    void Click() { writer.btnSetRegPathClick(inputs); }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : fake.dialogs.shown)
            texts.push_back(shown.text);
        return texts;
    }
    const testing::FakeDialogs::Shown& Dialog(std::size_t i) const { return fake.dialogs.shown.at(i); }

    testing::FakePlatform fake;
    SimulatorLocator locator { fake.registry, fake.files, fake.system };
    InterfaceSounds sounds { locator, fake.files, fake.sound };
    PathWriter writer { fake.platform, locator, sounds };
    FakeInputs inputs;
};

TEST_F(PathWriterTest, EmptyFolderIsReportedBeforeAnythingElse)
{
    inputs.driveEnabled = true; // and empty: not mentioned
    Click();
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    EXPECT_EQ("The \"Select FSX Root Folder Path\" box is blank!", Dialog(0).text);
    EXPECT_EQ(DialogType::Information, Dialog(0).type);
    EXPECT_EQ(dlg::kOK, Dialog(0).buttons);
    EXPECT_EQ(std::vector<std::string> { kClickWave }, fake.sound.played);
    EXPECT_TRUE(fake.registry.calls.empty());
}

TEST_F(PathWriterTest, EnabledDriveListWithoutDriveIsReported)
{
    inputs.folder = u"D:\\FSX";
    inputs.driveEnabled = true;
    Click();
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    EXPECT_EQ(
        "The CD-ROM Path is blank, please uncheck\r\nthis option if you do not intend to use it!", Dialog(0).text);
    EXPECT_EQ(DialogType::Information, Dialog(0).type);
    EXPECT_EQ(dlg::kOK, Dialog(0).buttons);
    EXPECT_TRUE(fake.registry.calls.empty());
}

TEST_F(PathWriterTest, AlreadyRecordedFolderAsksFirst)
{
    inputs.folder = u"C:\\FSX";
    fake.dialogs.answers = { dlg::kAnswerNo };
    Click();
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    EXPECT_EQ("The selected path is already recorded in the registry, continue?", Dialog(0).text);
    EXPECT_EQ(DialogType::Confirmation, Dialog(0).type);
    EXPECT_EQ(dlg::kYes | dlg::kNo, Dialog(0).buttons);
    EXPECT_TRUE(fake.registry.calls.empty());

    inputs.driveEnabled = true;
    inputs.driveText = u"E:";
    fake.dialogs.shown.clear();
    fake.dialogs.answers = { dlg::kAnswerYes, dlg::kAnswerCancel };
    Click();
    ASSERT_EQ(2u, fake.dialogs.shown.size());
    EXPECT_EQ("The selected path is already in the registry, continue?\r\n"
              "(For example, if you are just setting a new CD-ROM Path)",
        Dialog(0).text);
    EXPECT_EQ(kFinalHead + "C:\\FSX\\", Dialog(1).text);
}

TEST_F(PathWriterTest, ComparisonWithRecordedFolderIsCaseSensitive)
{
    inputs.folder = u"c:\\fsx\\";
    fake.dialogs.answers = { dlg::kAnswerCancel };
    Click();
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    EXPECT_EQ(kFinalHead + "c:\\fsx\\", Dialog(0).text);
    EXPECT_EQ(DialogType::Confirmation, Dialog(0).type);
    EXPECT_EQ(dlg::kYes | dlg::kCancel, Dialog(0).buttons);
    // Cancel ends it: nothing written, no second sound.
    EXPECT_TRUE(fake.registry.calls.empty());
    EXPECT_EQ(1u, fake.sound.played.size());
    EXPECT_EQ(0, inputs.getPathClicks);
}

TEST_F(PathWriterTest, ProvenFolderIsWrittenUnderTheMachineRootOnly)
{
    inputs.folder = u"D:\\Games\\FSX";
    fake.files.files.insert("D:\\Games\\FSX\\fsx.exe");
    fake.registry.SetString(kUser, kSimulatorKey, "AppPath", "X:\\Other\\");
    Click();
    EXPECT_EQ((std::vector<std::string> { kFinalHead + "D:\\Games\\FSX\\", kSuccess }), Texts());
    EXPECT_EQ(DialogType::Information, Dialog(1).type);
    EXPECT_EQ(dlg::kOK, Dialog(1).buttons);

    const auto creates = fake.registry.CallsOf("create");
    ASSERT_EQ(1u, creates.size());
    EXPECT_EQ(kMachine, creates[0].root);
    EXPECT_EQ("SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\", creates[0].path);
    // KEY_WRITE in the 32-bit view, whatever the build.
    EXPECT_EQ(0x20206u, creates[0].access);
    // Opened only to read for the backup.
    for (const auto& open : fake.registry.CallsOf("open"))
        EXPECT_EQ(0x20219u, open.access);
    const auto sets = fake.registry.CallsOf("set");
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ("SetupPath", sets[0].name);
    EXPECT_EQ(reg::kTypeSz, sets[0].type);
    const std::string written(sets[0].data.begin(), sets[0].data.end());
    EXPECT_EQ(std::string("D:\\Games\\FSX\\\0", 14), written);
    EXPECT_EQ(std::string("X:\\Other\\\0", 10), fake.registry.RawText(kUser, kSimulatorKey, "AppPath"));
    EXPECT_EQ(0, fake.registry.OpenHandles());
    // The writer leaves the Current simulator folder alone.
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());
}

TEST_F(PathWriterTest, CdromPathAndUserCopyAreWrittenWhenAsked)
{
    inputs.folder = u"D:\\FSX\\";
    inputs.driveEnabled = true;
    inputs.driveText = u"E: [FSX DISC 1]";
    inputs.driveLetter = 'E';
    inputs.currentUser = true;
    fake.files.files.insert("D:\\FSX\\fsx.exe");
    Click();
    EXPECT_EQ(kSuccess, Texts().back());
    EXPECT_EQ(std::string("E:\\\0", 4), fake.registry.RawText(kMachine, kSimulatorKey, "CDPath"));
    EXPECT_EQ(std::string("D:\\FSX\\\0", 8), fake.registry.RawText(kMachine, kSimulatorKey, "SetupPath"));
    EXPECT_EQ(std::string("D:\\FSX\\\0", 8), fake.registry.RawText(kUser, kSimulatorKey, "AppPath"));
    EXPECT_EQ((std::vector<std::string> { "create HKLM ok", "set SetupPath", "set CDPath", "close", "create HKCU ok",
                  "set AppPath", "close", "dialog" }),
        std::vector<std::string>(fake.log.end() - 8, fake.log.end()));
    const auto creates = fake.registry.CallsOf("create");
    ASSERT_EQ(2u, creates.size());
    EXPECT_EQ(kUser, creates[1].root);
    EXPECT_EQ(0x20206u, creates[1].access);
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

TEST_F(PathWriterTest, UnprovenFolderNeedsAYes)
{
    inputs.folder = u"D:\\Empty";
    fake.dialogs.answers = { dlg::kAnswerYes, dlg::kAnswerYes };
    Click();
    EXPECT_EQ((std::vector<std::string> { kFinalHead + "D:\\Empty\\", kNoProgram, kSuccess }), Texts());
    EXPECT_EQ(DialogType::Warning, Dialog(1).type);
    EXPECT_EQ(dlg::kYes | dlg::kCancel, Dialog(1).buttons);
    EXPECT_TRUE(fake.registry.HasValue(kMachine, kSimulatorKey, "SetupPath"));
}

TEST_F(PathWriterTest, CancelAtMissingProgramGoesOnAsGetPathClick)
{
    inputs.folder = u"D:\\Empty";
    fake.dialogs.answers = { dlg::kAnswerYes, dlg::kAnswerCancel };
    Click();
    EXPECT_EQ((std::vector<std::string> { kFinalHead + "D:\\Empty\\", kNoProgram }), Texts());
    EXPECT_EQ(1, inputs.getPathClicks);
    EXPECT_TRUE(fake.registry.calls.empty());
}

TEST_F(PathWriterTest, UserWriteFailureKeepsTheMachineValues)
{
    inputs.folder = u"D:\\FSX";
    inputs.driveEnabled = true;
    inputs.driveText = u"F:";
    inputs.driveLetter = 'F';
    inputs.currentUser = true;
    fake.files.files.insert("D:\\FSX\\fsx.exe");
    fake.registry.writeDenied.insert(kUser);
    Click();
    EXPECT_EQ(kFailure, Texts().back());
    EXPECT_EQ(DialogType::Error, Dialog(1).type);
    EXPECT_EQ(dlg::kOK, Dialog(1).buttons);
    EXPECT_EQ(std::string("D:\\FSX\\\0", 8), fake.registry.RawText(kMachine, kSimulatorKey, "SetupPath"));
    EXPECT_EQ(std::string("F:\\\0", 4), fake.registry.RawText(kMachine, kSimulatorKey, "CDPath"));
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

TEST_F(PathWriterTest, FailedValueWriteStopsTheRest)
{
    inputs.folder = u"D:\\FSX";
    inputs.driveEnabled = true;
    inputs.driveText = u"E:";
    inputs.currentUser = true;
    fake.files.files.insert("D:\\FSX\\fsx.exe");
    fake.registry.failingSets.insert("SetupPath");
    Click();
    EXPECT_EQ(kFailure, Texts().back());
    EXPECT_EQ(1u, fake.registry.CallsOf("set").size());
    EXPECT_EQ(1u, fake.registry.CallsOf("create").size());
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

TEST_F(PathWriterTest, MachineKeyWithoutRightsWritesNothing)
{
    inputs.folder = u"D:\\FSX";
    inputs.currentUser = true;
    fake.files.files.insert("D:\\FSX\\fsx.exe");
    fake.registry.writeDenied.insert(kMachine);
    fake.system.elevated = true; // nothing to offer
    Click();
    EXPECT_EQ(kFailure, Texts().back());
    EXPECT_TRUE(fake.registry.CallsOf("set").empty());
    EXPECT_EQ(1u, fake.registry.CallsOf("create").size());
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

TEST_F(PathWriterTest, BackupIsSavedBeforeTheFirstValue)
{
    inputs.folder = u"D:\\FSX";
    inputs.currentUser = true;
    fake.files.files.insert("D:\\FSX\\fsx.exe");
    fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", "C:\\Old\\");
    Click();
    EXPECT_EQ(kSuccess, Texts().back());
    ASSERT_EQ(1u, fake.files.written.size());
    const auto backup = std::find(fake.log.begin(), fake.log.end(), "write file " + fake.files.written.begin()->first);
    EXPECT_LT(backup, std::find(fake.log.begin(), fake.log.end(), "set SetupPath"));
    EXPECT_EQ(backup, std::find(fake.log.begin(), backup, "create HKLM ok"));
}

TEST_F(PathWriterTest, NothingIsWrittenWithoutABackup)
{
    inputs.folder = u"D:\\FSX";
    inputs.currentUser = true;
    fake.files.files.insert("D:\\FSX\\fsx.exe");
    fake.files.fileWriteFails = true;
    Click();
    ASSERT_EQ(2u, fake.dialogs.shown.size());
    EXPECT_EQ(DialogType::Warning, Dialog(1).type);
    EXPECT_EQ(dlg::kOK, Dialog(1).buttons);
    EXPECT_EQ(0u, Dialog(1).text.find("Nothing was written to the registry, because a backup")) << Dialog(1).text;
    EXPECT_NE(std::string::npos, Dialog(1).text.find("could not be written.")) << Dialog(1).text;
    EXPECT_TRUE(fake.registry.CallsOf("create").empty());
    EXPECT_TRUE(fake.registry.CallsOf("set").empty());
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

class ElevationTest : public PathWriterTest {
protected:
    ElevationTest()
    {
        inputs.folder = u"D:\\My FSX\\";
        inputs.driveEnabled = true;
        inputs.driveText = u"E:";
        inputs.currentUser = true;
        fake.files.files.insert("D:\\My FSX\\fsx.exe");
        fake.registry.writeDenied.insert(kMachine);
    }
    const std::string kQuestion = "Writing under HKEY_LOCAL_MACHINE needs administrator rights.\r\n\r\n"
                                  "Start Folvane as administrator, with the same choices filled in?";
};

TEST_F(ElevationTest, RefusedMachineWriteOffersToStartAsAdministrator)
{
    Click();
    ASSERT_EQ(3u, fake.dialogs.shown.size());
    EXPECT_EQ(kFailure, Dialog(1).text);
    EXPECT_EQ(kQuestion, Dialog(2).text);
    EXPECT_EQ(DialogType::Confirmation, Dialog(2).type);
    EXPECT_EQ(dlg::kYes | dlg::kNo, Dialog(2).buttons);
    ASSERT_EQ(1u, fake.shell.elevated.size());
    EXPECT_EQ(u"C:\\Tools\\Folvane.exe", fake.shell.elevated[0].program);
    EXPECT_EQ(u"/set \"D:\\My FSX\\\\\" /cdrom E /currentuser", fake.shell.elevated[0].parameters);
    EXPECT_EQ(1, inputs.ends);
    EXPECT_TRUE(fake.registry.CallsOf("set").empty());
}

TEST_F(ElevationTest, ThisInstanceStaysWhenTheStartDoesNotHappen)
{
    // The system's prompt declined: nothing more is said.
    fake.shell.elevatedAnswer = Shell::ElevatedStart::Declined;
    Click();
    EXPECT_EQ(3u, fake.dialogs.shown.size());
    EXPECT_EQ(1u, fake.shell.elevated.size());

    // The start failed for another reason: said so.
    fake.shell.elevatedAnswer = Shell::ElevatedStart::Failed;
    Click();
    EXPECT_EQ("Folvane could not be started as administrator.", Texts().back());
    EXPECT_EQ(DialogType::Error, fake.dialogs.shown.back().type);

    // No to the question.
    fake.dialogs.answers = { dlg::kAnswerYes, dlg::kAnswerOk, dlg::kAnswerNo };
    Click();
    EXPECT_EQ(kQuestion, Texts().back());
    EXPECT_EQ(2u, fake.shell.elevated.size());
    EXPECT_EQ(0, inputs.ends);
}

TEST_F(ElevationTest, OnlyANonElevatedRefusalOfTheMachineRootAsks)
{
    fake.system.elevated = true;
    Click();
    EXPECT_EQ(kFailure, Texts().back());

    fake.system.elevated = false;
    fake.registry.writeDenied = { kUser };
    Click();
    EXPECT_EQ(kFailure, Texts().back());

    fake.registry.writeDenied.clear();
    fake.registry.failingSets.insert("SetupPath");
    Click();
    EXPECT_EQ(kFailure, Texts().back());
    EXPECT_TRUE(fake.shell.elevated.empty());
    EXPECT_EQ(0, inputs.ends);
}

TEST_F(PathWriterTest, FolderTextIsConvertedToTheAnsiCodePageOrRefused)
{
    // A character the code page cannot hold would be written as "?": refused, whoever typed it.
    inputs.folder = u"D:\\Spiele\\Flugsimulator \u00e9\u4e2d";
    fake.dialogs.answers = { dlg::kAnswerYes, dlg::kAnswerYes };
    Click();
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    EXPECT_EQ(kUnusableName + "D:\\Spiele\\Flugsimulator \xe9?" + kUnusableNameTail, Dialog(0).text);
    EXPECT_EQ(DialogType::Warning, Dialog(0).type);
    EXPECT_EQ(dlg::kOK, Dialog(0).buttons);
    EXPECT_TRUE(fake.registry.calls.empty());

    fake.dialogs.shown.clear();
    inputs.folder = u"D:\\Spiele\\Flugsimulator \u00e9";
    Click();
    EXPECT_EQ(kFinalHead + "D:\\Spiele\\Flugsimulator \xe9\\", Dialog(0).text);
    EXPECT_EQ(std::string("D:\\Spiele\\Flugsimulator \xe9\\\0", 27),
        fake.registry.RawText(kMachine, kSimulatorKey, "SetupPath"));
}

} // namespace
} // namespace folvane
