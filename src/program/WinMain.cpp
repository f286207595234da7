// Program entry of Folvane.exe: the platform's seams, the one locator, the
// interface sounds, and the start-up sequence over the real windows: the
// splash of the start-up check, then the main window and the about dialog.
#include "app/CommandLine.h"
#include "app/SimulatorLocator.h"
#include "app/StartupCheck.h"
#include "forms/MainWindow.h"
#include "forms/SplashWindow.h"
#include "program/Win32Dialogs.h"
#include "program/Win32Seams.h"
#include "toolkit/Application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    using namespace folvane;
    // wchar_t is UTF-16 on Windows.
    const wchar_t* line = GetCommandLineW();
    const CommandLineRequest commandLine
        = ParseCommandLine(SplitCommandLine(reinterpret_cast<const char16_t*>(line ? line : L"")));
    // Made first so that even a failure to initialise is reported.
    Win32Dialogs dialogs;
    return RunWithLastResort(dialogs, [&dialogs, &commandLine] {
        Application().Initialize();

        Win32Seams seams(dialogs);
        SimulatorLocator locator(seams.registry, seams.files, seams.system);
        InterfaceSounds sounds(locator, seams.files, seams.sound);

        SplashWindow splash;
        ProgramWindows programWindows {
            [&splash]() -> SplashScreen& { return splash; },
            [&] { RunInteractive(seams.platform, locator, sounds, commandLine); },
        };
        return RunProgram(seams.platform, locator, programWindows, commandLine.given);
    });
}
