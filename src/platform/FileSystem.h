// The file-system seam: existence of a file by name, and the two folders the
// application needs. Names are ANSI texts passed on unchanged.
#pragma once

#include <string>

namespace folvane {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when a search for exactly this name finds an entry that is not a
    // directory; no normalisation, relative names against the working folder.
    virtual bool FileExists(const std::string& name) = 0;
    // The running program's folder, with a trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // The temporary folder, with a trailing backslash.
    virtual std::string TempFolder() = 0;
};

} // namespace folvane
