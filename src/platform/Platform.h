// Every seam the application core uses, handed around as one bundle of
// references. It owns nothing.
#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/SystemInfo.h"
#include "platform/WindowDriver.h"

namespace folvane {

struct Platform {
    Registry& registry;
    FileSystem& files;
    Shell& shell;
    Sound& sound;
    Clock& clock;
    Dialogs& dialogs;
    WindowDriver& windows;
    SystemInfo& system;
};

} // namespace folvane
