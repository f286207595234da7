// The file-system seam: existence of a file by name, the folders the
// application needs, and writing a new file without ever replacing one.
// Names are ANSI texts passed on unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace folvane {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when a search for exactly this name finds an entry that is not a
    // directory; no normalisation, relative names against the working folder.
    virtual bool FileExists(const std::string& name) = 0;
    // The running program's folder, with a trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // The running program's full file name, in UTF-16.
    virtual std::u16string ProgramPath() = 0;
    // The temporary folder, with a trailing backslash.
    virtual std::string TempFolder() = 0;
    // The user's local application-data folder, with a trailing backslash;
    // empty when the system does not say.
    virtual std::string LocalAppDataFolder() = 0;
    // Creates the folder and any missing folder above it; true when it
    // exists afterwards.
    virtual bool CreateFolders(const std::string& folder) = 0;

    enum class NewFile { Written, AlreadyExists, Failed };
    // Creates the file only when no file of that name exists, and writes all
    // of bytes to it. A file that could not be written whole is removed.
    virtual NewFile WriteNewFile(const std::string& name, const std::vector<std::uint8_t>& bytes) = 0;
};

} // namespace folvane
