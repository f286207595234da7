// The program's way in: the start-up check with its splash, or straight to the main window.
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

int ReportFailure(Dialogs& dialogs, const std::string& message)
{
    try {
        dialogs.ShowMessageBox(message, kApplicationTitle, dlg::kBoxOk | dlg::kBoxIconError | dlg::kBoxTopmost);
    } catch (...) {
        // Nothing is left to report with; the exit code still tells.
    }
    return 1;
}

} // namespace

StartupResult RunStartupCheck(Platform& platform, SimulatorLocator& locator, const SplashFactory& makeSplash)
{
    if (!platform.files.FileExists(platform.files.ProgramFolder() + startup::kSettingsFile))
        return { StartupOutcome::OpenMainWindow, 0, false };

    try {
        // The release runs as the error leaves this scope, so the splash never
        // covers the box that reports it.
        SplashScreen& splash = makeSplash();
        SplashRelease release(splash);
        return CheckWithSplash(platform, locator, splash, release);
    } catch (const std::exception& error) {
        return { StartupOutcome::EndProgram, ReportFailure(platform.dialogs, std::string(error.what()) + "."), false };
    }
}

int RunWithLastResort(Dialogs& dialogs, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const std::exception& error) {
        return ReportFailure(dialogs, std::string(error.what()) + ".");
    } catch (...) {
        return ReportFailure(dialogs, startup::kUnknownFailure);
    }
}

int RunProgram(Platform& platform, SimulatorLocator& locator, const ProgramWindows& windows, bool commandLineGiven)
{
    return RunWithLastResort(platform.dialogs, [&] {
        const StartupResult result
            = commandLineGiven ? StartupResult {} : RunStartupCheck(platform, locator, windows.makeSplash);
        if (result.outcome == StartupOutcome::EndProgram)
            return result.exitCode;
        windows.runInteractive();
        return 0;
    });
}

} // namespace folvane
