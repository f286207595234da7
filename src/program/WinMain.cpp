// Program entry of Folvane.exe: the platform's seams, the one locator, the
// interface sounds, and the start-up sequence over the real windows: the
// splash of the start-up check, then the main window and the about dialog.
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
    // Made first so that even a failure to initialise is reported.
    Win32Dialogs dialogs;
    return RunWithLastResort(dialogs, [&dialogs] {
        Application().Initialize();

        Win32Seams seams(dialogs);
        SimulatorLocator locator(seams.registry, seams.files, seams.system);
        InterfaceSounds sounds(locator, seams.files, seams.sound);

        SplashWindow splash;
        ProgramWindows programWindows {
            [&splash]() -> SplashScreen& { return splash; },
            [&] { RunInteractive(seams.platform, locator, sounds); },
        };
        return RunProgram(seams.platform, locator, programWindows);
    });
}
