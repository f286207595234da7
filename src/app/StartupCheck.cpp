#include "app/StartupCheck.h"

#include "app/SimulatorKey.h"

#include <exception>

namespace folvane {

namespace {

// Releases the splash exactly once, whichever way the check ends.
class SplashRelease {
public:
    explicit SplashRelease(SplashScreen& splash)
        : splash_(splash)
    {
    }
    ~SplashRelease() { Now(); }
    SplashRelease(const SplashRelease&) = delete;
    SplashRelease& operator=(const SplashRelease&) = delete;

    void Now()
    {
        if (!released_)
            splash_.Release();
        released_ = true;
    }

private:
    SplashScreen& splash_;
    bool released_ = false;
};

void ShowStep(SplashScreen& splash, Clock& clock, const char* markup)
{
    splash.SetMarkup(markup);
    splash.Repaint();
    clock.Sleep(startup::kStepMilliseconds);
}

StartupResult CheckWithSplash(
    Platform& platform, SimulatorLocator& locator, SplashScreen& splash, SplashRelease& release)
{
    splash.Show();
    splash.Repaint();
    platform.clock.Sleep(startup::kStepMilliseconds);

    locator.GetFSXPath_LocMach();
    if (locator.CurrentFolderProven()) {
        ShowStep(splash, platform.clock, startup::kMachineLine);
        release.Now();
        return { StartupOutcome::EndProgram, 0, true };
    }
    locator.GetFSXPath_CurrentUsr();
    if (locator.CurrentFolderProven()) {
        ShowStep(splash, platform.clock, startup::kUserLine);
        release.Now();
        return { StartupOutcome::EndProgram, 0, true };
    }

    ShowStep(splash, platform.clock, startup::kNotFoundLine);
    splash.Hide();
    const int answer = platform.dialogs.ShowMessageBox(
        startup::kRepairQuestion, kApplicationTitle, dlg::kBoxYesNo | dlg::kBoxIconWarning | dlg::kBoxTopmost);
    release.Now();
    if (answer == dlg::kAnswerNo)
        return { StartupOutcome::EndProgram, 0, false };
    return { StartupOutcome::OpenMainWindow, 0, false };
}

} // namespace

StartupResult RunStartupCheck(Platform& platform, SimulatorLocator& locator, const SplashFactory& makeSplash)
{
    if (!platform.files.FileExists(platform.files.ProgramFolder() + startup::kSettingsFile))
        return { StartupOutcome::OpenMainWindow, 0, false };

    SplashScreen& splash = makeSplash();
    SplashRelease release(splash);
    try {
        return CheckWithSplash(platform, locator, splash, release);
    } catch (const std::exception& error) {
        // Nothing before any window handles it: release the splash so that it
        // does not cover the box, report, and end with a failure code.
        release.Now();
        platform.dialogs.ShowMessageBox(
            std::string(error.what()) + ".", kApplicationTitle, dlg::kBoxOk | dlg::kBoxIconError | dlg::kBoxTopmost);
        return { StartupOutcome::EndProgram, 1, false };
    }
}

int RunProgram(Platform& platform, SimulatorLocator& locator, const ProgramWindows& windows)
{
    const StartupResult result = RunStartupCheck(platform, locator, windows.makeSplash);
    if (result.outcome == StartupOutcome::EndProgram)
        return result.exitCode;
    windows.runInteractive();
    return 0;
}

} // namespace folvane
