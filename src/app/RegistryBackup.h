// Saves, before a write, the values it is about to replace: a registry file in
// the user's local application data ("Folvane\Backups\") that the registry
// editor imports on a double-click to give back exactly the state before the
// write, previous types and data included, and values that did not exist
// deleted again. It never overwrites an earlier backup and writes nothing to
// the registry.
#pragma once

#include "platform/Platform.h"

#include <string>
#include <utility>
#include <vector>

namespace folvane {

// The text values that one write will set under the simulator key of a root.
struct KeyWrite {
    RegistryRoot root = RegistryRoot::LocalMachine;
    std::vector<std::pair<std::string, std::string>> values; // name, text
};

struct BackupOutcome {
    bool saved = false;
    std::string fileName; // the file written, when saved
    std::string problem; // why not, in words for the user, when not saved
};

inline constexpr char kBackupFolderTail[] = "Folvane\\Backups\\";

class RegistryBackup {
public:
    explicit RegistryBackup(Platform& platform);

    BackupOutcome SaveBefore(const std::vector<KeyWrite>& writes);

    // "Folvane-YYYYMMDD-HHMMSS-mmm-NN.reg": names sort by time, and NN
    // (from 01) tells apart backups made within the same millisecond.
    static std::string FileName(const UtcTime& time, int sequence);

private:
    Platform& platform_;
};

} // namespace folvane
