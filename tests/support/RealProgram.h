// The program's real seams, locator and sounds, as the entry makes them, for
// Windows tests that build the real windows.
#pragma once

#include "app/InterfaceSounds.h"
#include "app/SimulatorLocator.h"
#include "program/Win32Dialogs.h"
#include "program/Win32Seams.h"

namespace folvane::testing {

struct RealProgram {
    Win32Dialogs dialogs;
    Win32Seams seams { dialogs };
    Platform& platform = seams.platform;
    SimulatorLocator locator { seams.registry, seams.files, seams.system };
    InterfaceSounds sounds { locator, seams.files, seams.sound };
};

} // namespace folvane::testing
