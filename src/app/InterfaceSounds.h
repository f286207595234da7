// The three interface sounds, played from the simulator's own "Uires" folder.
// The tick and radio sounds run the resolver first, so they also refresh the
// Current simulator folder. A missing file plays nothing and reports nothing.
#pragma once

#include "app/SimulatorLocator.h"
#include "platform/FileSystem.h"
#include "platform/Sound.h"

#include <string>

namespace folvane {

class InterfaceSounds {
public:
    InterfaceSounds(SimulatorLocator& locator, FileSystem& files, Sound& sound);

    void PlayClickSound();
    void PlayTickSound();
    void PlayRadioSound();

private:
    void PlayTail(const char* tail);

    SimulatorLocator& locator_;
    FileSystem& files_;
    Sound& sound_;
};

} // namespace folvane
