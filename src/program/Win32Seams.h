// The platform's seams over Win32, built together as the program builds them:
// the entry, and the benchmarks and tests that run the real windows.
#pragma once

#include "platform/Platform.h"
#include "platform/Win32Registry.h"
#include "platform/Win32System.h"
#include "platform/Win32WindowDriver.h"

namespace folvane {

struct Win32Seams {
    // The dialogs come from outside: the entry makes them before anything else.
    explicit Win32Seams(Dialogs& dialogs)
        : platform { registry, files, shell, sound, clock, dialogs, windows, system }
    {
    }

    Win32Registry registry;
    Win32FileSystem files;
    Win32Shell shell;
    Win32Sound sound;
    Win32Clock clock;
    Win32WindowDriver windows;
    Win32SystemInfo system;
    Platform platform;
};

} // namespace folvane
