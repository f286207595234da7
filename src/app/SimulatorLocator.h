// The Current simulator folder and the three reads that replace it: a raw
// read of either registry root, and the resolver that keeps only a folder
// holding fsx.exe. The locator never writes to the registry.
#pragma once

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

#include <string>

namespace folvane {

class SimulatorLocator {
public:
    SimulatorLocator(Registry& registry, FileSystem& files, SystemInfo& system);

    const std::string& CurrentFolder() const { return currentFolder_; }
    void SetCurrentFolder(const std::string& folder) { currentFolder_ = folder; }

    // Each starts by clearing the Current simulator folder; a registry error
    // passes out and leaves it empty.
    void GetFSXPath_LocMach();
    void GetFSXPath_CurrentUsr();
    void GetFSXPath_Valid();

    // folder + "fsx.exe" names an existing file (a plain concatenation); the
    // empty folder and "\" alone never pass.
    bool IsProven(const std::string& folder) const;
    bool CurrentFolderProven() const { return IsProven(currentFolder_); }

    std::string WithTrailingBackslash(const std::string& text) const;

private:
    void ReadRoot(RegistryRoot root, const char* valueName);

    Registry& registry_;
    FileSystem& files_;
    SystemInfo& system_;
    std::string currentFolder_;
};

} // namespace folvane
