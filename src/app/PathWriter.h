// Records a folder the user picked: SetupPath (and CDPath when asked) under
// the machine root, AppPath under the user root when asked, after the checks
// and confirmations of the "Set FSX Path" button. It never reads back what it
// wrote, never deletes a value and never touches the Current simulator folder.
#pragma once

#include "app/InterfaceSounds.h"
#include "app/SimulatorLocator.h"
#include "platform/Platform.h"

#include <string>

namespace folvane {

// What the writer reads from the window, and the one action it triggers there.
class PathWriterInputs {
public:
    virtual ~PathWriterInputs() = default;

    virtual std::u16string FolderText() const = 0;
    virtual bool DriveListEnabled() const = 0;
    virtual std::u16string DriveListText() const = 0;
    // The selected drive, an upper-case letter.
    virtual char DriveLetter() const = 0;
    virtual bool AddToCurrentUserChecked() const = 0;
    // Goes on as a click of "Get FSX &Path" would.
    virtual void ClickGetFSXPath() = 0;
};

class PathWriter {
public:
    PathWriter(Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds);

    void btnSetRegPathClick(PathWriterInputs& inputs);
    // Tells the user that a folder's name holds characters the simulator cannot use;
    // shownFolder has them as '?'.
    void WarnUnusableFolderName(const std::string& shownFolder);
    // Writes and reports; true when everything asked for was written.
    bool WriteFSXPath(const PathWriterInputs& inputs, const std::string& chosenFolder);

private:
    // False when a key cannot be opened or created; a value that cannot be
    // written raises the registry error.
    bool WriteValues(const PathWriterInputs& inputs, const std::string& chosenFolder);

    Platform& platform_;
    SimulatorLocator& locator_;
    InterfaceSounds& sounds_;
};

} // namespace folvane
