// The program's way in: with "Folvane.ini" beside the program, a splash looks
// the simulator folder up under the machine root, then the user root, shows
// the outcome and normally ends the program; only a folder that is not found
// and a Yes to the repair question lead on to the main window. The check never
// writes to the registry and never opens the settings file.
#pragma once

#include "app/SimulatorLocator.h"
#include "platform/Platform.h"

#include <functional>
#include <string>

namespace folvane {

// Implemented by the splash window.
class SplashScreen {
public:
    virtual ~SplashScreen() = default;

    virtual void Show() = 0;
    virtual void Repaint() = 0;
    // Replaces the status line's whole markup.
    virtual void SetMarkup(const std::string& markup) = 0;
    virtual void Hide() = 0;
    // Destroys the splash; nothing of it is used afterwards.
    virtual void Release() = 0;
};

using SplashFactory = std::function<SplashScreen&()>;

namespace startup {
inline constexpr char kSettingsFile[] = "Folvane.ini";
inline constexpr char kCheckingLine[]
    = "<img src=\"idx:0\" align=\"middle\"> Checking Registry for correct folder path to FSX...";
inline constexpr char kMachineLine[]
    = "<img src=\"idx:1\" align=\"middle\"> FSX installation folder located under <b>LOCAL_MACHINE!</b>";
inline constexpr char kUserLine[]
    = "<img src=\"idx:1\" align=\"middle\"> FSX installation folder located under <b>CURRENT_USER!</b>";
inline constexpr char kNotFoundLine[]
    = "<img src=\"idx:2\" align=\"middle\"> FSX installation folder <b>NOT FOUND!</b>";
inline constexpr char kRepairQuestion[]
    = "A check of the Windows Registry has detected that the FSX installation\r\n"
      "folder is not in the path indicated by the registry. It could be that the\r\n"
      "registry entry has been deleted or invalidated by moving the FSX folder\r\n"
      "manually. This issue needs to be corrected before using this software. \r\n"
      "\r\n"
      "Would you like to run the Folvane to fix the registry entry?";
inline constexpr unsigned kStepMilliseconds = 3000;
inline constexpr char kUnknownFailure[] = "Folvane met an unknown error and has to end.";
} // namespace startup

enum class StartupOutcome { EndProgram, OpenMainWindow };

struct StartupResult {
    StartupOutcome outcome = StartupOutcome::OpenMainWindow;
    int exitCode = 0;
    bool checkPassed = false;
};

// makeSplash is called only when the settings file exists. An error (building
// the splash included) releases the splash, is shown in an error box and ends
// the program with exit code 1.
StartupResult RunStartupCheck(Platform& platform, SimulatorLocator& locator, const SplashFactory& makeSplash);

// The windows plug in here: runInteractive sets the title, creates the main
// window and the about dialog and runs the message loop.
struct ProgramWindows {
    SplashFactory makeSplash;
    std::function<void()> runInteractive;
};

// The last-resort handler: whatever escapes body is shown in an error box and
// the result is exit code 1.
int RunWithLastResort(Dialogs& dialogs, const std::function<int()>& body);

// The whole start-up sequence under the last-resort handler; returns the
// process's exit code. A start with command-line arguments asked for the main
// window and skips the check.
int RunProgram(
    Platform& platform, SimulatorLocator& locator, const ProgramWindows& windows, bool commandLineGiven = false);

} // namespace folvane
