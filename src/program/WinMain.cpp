// Program entry of Folvane.exe: the platform's seams, the one locator, the
// interface sounds, and the start-up sequence over the real windows: the
// splash of the start-up check, then the main window and the about dialog.
#include "app/SimulatorLocator.h"
#include "app/StartupCheck.h"
#include "forms/MainWindow.h"
#include "forms/SplashWindow.h"
#include "platform/Win32Registry.h"
#include "platform/Win32System.h"
#include "platform/Win32WindowDriver.h"
#include "program/Win32Dialogs.h"
#include "toolkit/Application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    using namespace folvane;
    // Made first so that even a failure to initialise is reported.
    Win32Dialogs dialogs;
    return RunWithLastResort(dialogs, [&dialogs] {
        Application().Initialize();

        Win32Registry registry;
        Win32FileSystem files;
        Win32Shell shell;
        Win32Sound sound;
        Win32Clock clock;
        Win32WindowDriver windows;
        Win32SystemInfo system;
        Platform platform { registry, files, shell, sound, clock, dialogs, windows, system };
        SimulatorLocator locator(registry, files, system);

        InterfaceSounds sounds(locator, files, sound);

        SplashWindow splash;
        ProgramWindows programWindows {
            [&splash]() -> SplashScreen& { return splash; },
            [&] { RunInteractive(platform, locator, sounds); },
        };
        return RunProgram(platform, locator, programWindows);
    });
}
