// Records a folder the user picked: SetupPath (and CDPath when asked) under
// the machine root, AppPath under the user root when asked, after the checks
// and confirmations of the "Set FSX Path" button. Before the first value it
// saves a backup of the values it replaces, and writes nothing when it cannot.
// It never reads back what it wrote, never deletes a value and never touches
// the Current simulator folder.
#pragma once

#include "app/ElevationOffer.h"
#include "app/InterfaceSounds.h"
#include "app/RegistryBackup.h"
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
    // Ends this instance: an elevated one has taken over.
    virtual void EndForElevatedInstance() = 0;
};

class PathWriter {
public:
    PathWriter(Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds);

    void btnSetRegPathClick(PathWriterInputs& inputs);
    // Tells the user that a folder's name holds characters the simulator cannot use;
    // shownFolder has them as '?'.
    void WarnUnusableFolderName(const std::string& shownFolder);
    // Backs up, writes and reports; true when everything asked for was written.
    bool WriteFSXPath(PathWriterInputs& inputs, const std::string& chosenFolder);

private:
    enum class WriteResult { Written, Failed, MachineRootRefused };

    // The keys and values a write of these inputs sets, in the order it sets them.
    static std::vector<KeyWrite> PlannedWrites(const PathWriterInputs& inputs, const std::string& chosenFolder);
    // A value that cannot be written raises the registry error.
    WriteResult WriteValues(const std::vector<KeyWrite>& writes);

    Platform& platform_;
    SimulatorLocator& locator_;
    InterfaceSounds& sounds_;
    RegistryBackup backup_;
    ElevationOffer elevation_;
};

} // namespace folvane
