// The start-up sequence over fakes: every row of the outcomes, the splash's
// steps and timing, the repair question, and the registry error path.
#include "app/StartupCheck.h"
#include "app/SimulatorKey.h"
#include "platform/FakePlatform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <stdexcept>

namespace folvane {
namespace {

using ::testing::ElementsAre;

constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;

class FakeSplash : public SplashScreen {
public:
    explicit FakeSplash(testing::EventLog& log)
        : log_(log)
    {
    }
    void Show() override
    {
        Use("splash show");
        if (onShow)
            onShow();
    }
    void Repaint() override { Use("splash repaint"); }
    void SetMarkup(const std::string& markup) override { Use("splash markup " + markup); }
    void Hide() override { Use("splash hide"); }
    void Release() override
    {
        Use("splash release");
        released = true;
    }
    bool released = false;
    std::function<void()> onShow;

private:
    void Use(const std::string& event)
    {
        if (released)
            throw std::logic_error("splash used after release: " + event);
        log_.push_back(event);
    }
    testing::EventLog& log_;
};

class StartupCheck : public ::testing::Test {
protected:
    StartupCheck()
    {
        fake.files.programFolder = "C:\\Tools\\Folvane\\";
        windows.makeSplash = [this]() -> SplashScreen& {
            ++splashesMade;
            return splash;
        };
        windows.runInteractive = [this] { fake.log.push_back("main window"); };
    }

    static std::string Slashed(const std::string& folder) { return folder.back() == '\\' ? folder : folder + '\\'; }
    void WithSettingsFile() { fake.files.files.insert("C:\\Tools\\Folvane\\Folvane.ini"); }
    void MachineFolder(const std::string& folder, bool proven)
    {
        fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", folder);
        if (proven)
            fake.files.files.insert(Slashed(folder) + "fsx.exe");
    }
    void UserFolder(const std::string& folder, bool proven)
    {
        fake.registry.SetString(kUser, kSimulatorKey, "AppPath", folder);
        if (proven)
            fake.files.files.insert(Slashed(folder) + "fsx.exe");
    }
    int Run() { return RunProgram(fake.platform, locator, windows); }

    testing::FakePlatform fake;
    SimulatorLocator locator { fake.registry, fake.files, fake.system };
    FakeSplash splash { fake.log };
    ProgramWindows windows;
    int splashesMade = 0;
};

TEST_F(StartupCheck, WithoutSettingsFileGoesStraightToTheMainWindow)
{
    MachineFolder("C:\\FSX\\", true);
    EXPECT_EQ(0, Run());
    EXPECT_EQ(0, splashesMade);
    EXPECT_TRUE(fake.registry.calls.empty());
    EXPECT_THAT(fake.log, ElementsAre("main window"));
    EXPECT_EQ("C:\\Tools\\Folvane\\Folvane.ini", fake.files.asked.front());
}

TEST_F(StartupCheck, CommandLineSkipsTheCheck)
{
    WithSettingsFile();
    EXPECT_EQ(0, RunProgram(fake.platform, locator, windows, true));
    EXPECT_EQ(0, splashesMade);
    EXPECT_TRUE(fake.registry.calls.empty());
    EXPECT_THAT(fake.log, ElementsAre("main window"));
}

TEST_F(StartupCheck, ProvenMachineFolderShowsItsLineAndEnds)
{
    WithSettingsFile();
    MachineFolder("C:\\FSX", true);
    UserFolder("D:\\Wrong", false);
    EXPECT_EQ(0, Run());
    EXPECT_THAT(fake.log,
        ElementsAre("splash show", "splash repaint", "sleep 3000", "open HKLM ok", "close",
            "splash markup <img src=\"idx:1\" align=\"middle\"> FSX installation folder located "
            "under <b>LOCAL_MACHINE!</b>",
            "splash repaint", "sleep 3000", "splash release"));
    EXPECT_EQ(6000u, fake.clock.total);
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(StartupCheck, ProvenUserFolderShowsItsLineAndEnds)
{
    WithSettingsFile();
    fake.registry.AddKey(kMachine, kSimulatorKey); // SetupPath missing reads as "\"
    UserFolder("D:\\FSX\\", true);
    EXPECT_EQ(0, Run());
    EXPECT_THAT(fake.log,
        ElementsAre("splash show", "splash repaint", "sleep 3000", "open HKLM ok", "close", "open HKCU ok", "close",
            "splash markup <img src=\"idx:1\" align=\"middle\"> FSX installation folder located "
            "under <b>CURRENT_USER!</b>",
            "splash repaint", "sleep 3000", "splash release"));
    EXPECT_EQ("D:\\FSX\\", locator.CurrentFolder());
}

TEST_F(StartupCheck, NotFoundAsksAndNoEndsTheProgram)
{
    WithSettingsFile();
    MachineFolder("C:\\NoSim", false);
    fake.dialogs.answers = { dlg::kAnswerNo };
    EXPECT_EQ(0, Run());
    EXPECT_THAT(fake.log,
        ElementsAre("splash show", "splash repaint", "sleep 3000", "open HKLM ok", "close", "open HKCU failed",
            "splash markup <img src=\"idx:2\" align=\"middle\"> FSX installation folder "
            "<b>NOT FOUND!</b>",
            "splash repaint", "sleep 3000", "splash hide", "box", "splash release"));
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    const auto& box = fake.dialogs.shown[0];
    EXPECT_TRUE(box.plainBox);
    EXPECT_EQ("Folvane", box.caption);
    EXPECT_EQ(0x40034u, box.flags);
    EXPECT_EQ("A check of the Windows Registry has detected that the FSX installation\r\n"
              "folder is not in the path indicated by the registry. It could be that the\r\n"
              "registry entry has been deleted or invalidated by moving the FSX folder\r\n"
              "manually. This issue needs to be corrected before using this software. \r\n\r\n"
              "Would you like to run the Folvane to fix the registry entry?",
        box.text);
}

TEST_F(StartupCheck, NotFoundAndYesOpensTheMainWindowAfterReleasingTheSplash)
{
    WithSettingsFile();
    fake.dialogs.answers = { dlg::kAnswerYes };
    EXPECT_EQ(0, Run());
    ASSERT_GE(fake.log.size(), 3u);
    EXPECT_EQ("box", fake.log[fake.log.size() - 3]);
    EXPECT_EQ("splash release", fake.log[fake.log.size() - 2]);
    EXPECT_EQ("main window", fake.log.back());
}

TEST_F(StartupCheck, EachRootIsProvenSeparately)
{
    // The machine folder is unproven although the user folder is good: the
    // machine root alone must not pass, and the user root's line is shown.
    WithSettingsFile();
    MachineFolder("C:\\NoSim\\", false);
    UserFolder("D:\\FSX\\", true);
    const StartupResult result = RunStartupCheck(fake.platform, locator, windows.makeSplash);
    EXPECT_EQ(StartupOutcome::EndProgram, result.outcome);
    EXPECT_TRUE(result.checkPassed);
    EXPECT_NE(std::find(fake.log.begin(), fake.log.end(),
                  "splash markup <img src=\"idx:1\" align=\"middle\"> FSX installation folder located under "
                  "<b>CURRENT_USER!</b>"),
        fake.log.end());
}

TEST_F(StartupCheck, SettingsFileIsOnlyTestedForExistence)
{
    // A zero-byte file switches the check on; the check never writes.
    WithSettingsFile();
    fake.dialogs.answers = { dlg::kAnswerNo };
    Run();
    EXPECT_EQ(1, splashesMade);
    EXPECT_TRUE(fake.registry.CallsOf("set").empty());
    EXPECT_TRUE(fake.registry.CallsOf("create").empty());
}

TEST_F(StartupCheck, RegistryErrorReleasesTheSplashReportsAndExitsWithOne)
{
    WithSettingsFile();
    fake.registry.SetRaw(kMachine, kSimulatorKey, "SetupPath", reg::kTypeDword, { 1, 0, 0, 0 });
    EXPECT_EQ(1, Run());
    EXPECT_TRUE(splash.released);
    ASSERT_GE(fake.log.size(), 2u);
    EXPECT_EQ("splash release", fake.log[fake.log.size() - 2]);
    EXPECT_EQ("box", fake.log.back());
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    EXPECT_EQ("Invalid data type for 'SetupPath'.", fake.dialogs.shown[0].text);
    EXPECT_EQ("Folvane", fake.dialogs.shown[0].caption);
    EXPECT_EQ(0x40010u, fake.dialogs.shown[0].flags);
    EXPECT_EQ(0, fake.registry.OpenHandles());
}

TEST_F(StartupCheck, RegistryErrorAtTheUserRootTakesTheSamePath)
{
    WithSettingsFile();
    MachineFolder("C:\\NoSim\\", false);
    fake.registry.SetRaw(kUser, kSimulatorKey, "AppPath", reg::kTypeBinary, { 1, 2 });
    EXPECT_EQ(1, Run());
    EXPECT_TRUE(splash.released);
    EXPECT_EQ("Invalid data type for 'AppPath'.", fake.dialogs.shown.at(0).text);
}

TEST_F(StartupCheck, FailuresOutsideTheCheckReachTheLastResortHandler)
{
    // Building the splash fails: nothing to release, the box still comes.
    WithSettingsFile();
    windows.makeSplash = []() -> SplashScreen& { throw std::runtime_error("No splash layout"); };
    EXPECT_EQ(1, Run());
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    EXPECT_EQ("No splash layout.", fake.dialogs.shown[0].text);
    EXPECT_EQ(0x40010u, fake.dialogs.shown[0].flags);

    // The splash fails while it is shown: released once, before the box.
    windows.makeSplash = [this]() -> SplashScreen& { return splash; };
    splash.onShow = [] { throw 42; };
    fake.log.clear();
    EXPECT_EQ(1, Run());
    EXPECT_THAT(fake.log, ElementsAre("splash show", "splash release", "box"));
    EXPECT_EQ(startup::kUnknownFailure, fake.dialogs.shown.at(1).text);
}

TEST_F(StartupCheck, FailureBeforeTheMessageLoopEndsWithOne)
{
    windows.runInteractive = [] { throw std::runtime_error("Cannot create the main window"); };
    EXPECT_EQ(1, Run());
    EXPECT_EQ("Cannot create the main window.", fake.dialogs.shown.at(0).text);
    EXPECT_EQ(7, RunWithLastResort(fake.dialogs, [] { return 7; }));
    EXPECT_EQ(1u, fake.dialogs.shown.size());
}

} // namespace
} // namespace folvane
