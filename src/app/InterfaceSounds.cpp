// The interface sounds: which wave file of the simulator folder each one plays.
#include "app/InterfaceSounds.h"

namespace folvane {

namespace {
// The folder already ends in a backslash; the doubled one that results is
// accepted by the file system and kept as it is.
constexpr char kClickTail[] = "\\Uires\\btnstdc.wav";
constexpr char kTickTail[] = "\\Uires\\checkc.wav";
constexpr char kRadioTail[] = "\\Uires\\radioc.wav";
} // namespace

InterfaceSounds::InterfaceSounds(SimulatorLocator& locator, FileSystem& files, Sound& sound)
    : locator_(locator)
    , files_(files)
    , sound_(sound)
{
}

void InterfaceSounds::PlayTail(const char* tail)
{
    const std::string file = locator_.CurrentFolder() + tail;
    if (files_.FileExists(file))
        sound_.PlayFileAsync(file);
}

void InterfaceSounds::PlayClickSound()
{
    PlayTail(kClickTail);
}

void InterfaceSounds::PlayTickSound()
{
    locator_.GetFSXPath_Valid();
    PlayTail(kTickTail);
}

void InterfaceSounds::PlayRadioSound()
{
    locator_.GetFSXPath_Valid();
    PlayTail(kRadioTail);
}

} // namespace folvane
