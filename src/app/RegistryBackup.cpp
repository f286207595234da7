// The backup before a write: the values about to be replaced, saved as a new registry file.
#include "app/RegistryBackup.h"

#include "app/RegFileText.h"
#include "app/SimulatorKey.h"

#include <cstdio>

namespace folvane {

namespace {

constexpr int kMaxSequence = 99;

// The previous state of one key's values, or false when it cannot be known.
bool ReadSection(Platform& platform, const KeyWrite& write, RegFileSection& section)
{
    std::string path = RegEditPathFor(write.root, platform.system.WindowsIs64Bit());
    path.pop_back(); // the editor's own files name keys without the final backslash
    section.keyPath = path;

    ScopedRegistryKey key(platform.registry);
    const bool opened = key.Open(write.root, kSimulatorKey, kSimulatorKeyRead);
    if (!opened && key.Status() != reg::kFileNotFound)
        return false;
    for (const auto& [name, text] : write.values) {
        RegFileValue value;
        value.name = name;
        if (opened) {
            RegistryValue stored;
            const long status = platform.registry.QueryStoredValue(key.Get(), name, stored);
            if (status != reg::kSuccess && status != reg::kFileNotFound)
                return false;
            value.present = status == reg::kSuccess;
            value.type = stored.type;
            value.data = std::move(stored.data);
        }
        section.values.push_back(std::move(value));
    }
    return true;
}

} // namespace

RegistryBackup::RegistryBackup(Platform& platform)
    : platform_(platform)
{
}

std::string RegistryBackup::FileName(const UtcTime& time, int sequence)
{
    char name[64];
    std::snprintf(name, sizeof name, "Folvane-%04d%02d%02d-%02d%02d%02d-%03d-%02d.reg", time.year, time.month, time.day,
        time.hour, time.minute, time.second, time.millisecond, sequence);
    return name;
}

BackupOutcome RegistryBackup::SaveBefore(const std::vector<KeyWrite>& writes)
{
    std::vector<RegFileSection> sections;
    for (const KeyWrite& write : writes) {
        RegFileSection section;
        if (!ReadSection(platform_, write, section))
            return { false, {}, "The values about to be replaced could not be read." };
        sections.push_back(std::move(section));
    }
    const std::vector<std::uint8_t> bytes = Utf16LeFileBytes(RegFileText(sections));

    const std::string appData = platform_.files.LocalAppDataFolder();
    if (appData.empty())
        return { false, {}, "Windows did not name a folder for local application data." };
    const std::string folder = appData + kBackupFolderTail;
    if (!platform_.files.CreateFolders(folder))
        return { false, {}, "The folder " + folder + " could not be created." };

    const UtcTime now = platform_.clock.Now();
    for (int sequence = 1; sequence <= kMaxSequence; ++sequence) {
        const std::string name = folder + FileName(now, sequence);
        switch (platform_.files.WriteNewFile(name, bytes)) {
        case FileSystem::NewFile::Written:
            return { true, name, {} };
        case FileSystem::NewFile::AlreadyExists:
            continue;
        case FileSystem::NewFile::Failed:
            return { false, {}, "The file " + name + " could not be written." };
        }
    }
    return { false, {}, "Too many backups were made in " + folder + " at the same moment." };
}

} // namespace folvane
