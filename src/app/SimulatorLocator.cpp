// The locator: the raw reads of the simulator key, the "fsx.exe" proof and the Current simulator
// folder.
#include "app/SimulatorLocator.h"

#include "app/FolderText.h"
#include "app/SimulatorKey.h"

namespace folvane {

SimulatorLocator::SimulatorLocator(Registry& registry, FileSystem& files, SystemInfo& system)
    : registry_(registry)
    , files_(files)
    , system_(system)
{
}

std::string SimulatorLocator::WithTrailingBackslash(const std::string& text) const
{
    return folvane::WithTrailingBackslash(text, [this](unsigned char byte) { return system_.IsLeadByte(byte); });
}

bool SimulatorLocator::IsProven(const std::string& folder) const
{
    // An empty folder (no key) or "\" alone (no value) would name fsx.exe in
    // the working folder or at the drive root: a missing entry must not pass.
    if (folder.empty() || folder == "\\")
        return false;
    return files_.FileExists(folder + kSimulatorProgram);
}

void SimulatorLocator::ReadRoot(RegistryRoot root, const char* valueName)
{
    ScopedRegistryKey key(registry_);
    if (!key.Open(root, kSimulatorKey, kSimulatorKeyRead))
        return;
    currentFolder_ = WithTrailingBackslash(ReadRegistryString(registry_, key.Get(), valueName));
}

void SimulatorLocator::GetFSXPath_LocMach()
{
    currentFolder_.clear();
    ReadRoot(RegistryRoot::LocalMachine, kSetupPathValue);
}

void SimulatorLocator::GetFSXPath_CurrentUsr()
{
    currentFolder_.clear();
    ReadRoot(RegistryRoot::CurrentUser, kAppPathValue);
}

void SimulatorLocator::GetFSXPath_Valid()
{
    currentFolder_.clear();
    ReadRoot(RegistryRoot::CurrentUser, kAppPathValue);
    if (!CurrentFolderProven())
        currentFolder_.clear();
    if (currentFolder_.empty())
        ReadRoot(RegistryRoot::LocalMachine, kSetupPathValue);
    if (!CurrentFolderProven())
        currentFolder_.clear();
}

} // namespace folvane
