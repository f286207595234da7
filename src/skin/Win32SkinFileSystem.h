// The skin file seam on Win32: ANSI file names, files opened with sharing so
// that other readers and writers are not locked out, the system's temporary,
// program, Windows and system folders, and GUIDs from COM.
#pragma once

#include "skin/SkinFiles.h"

namespace folvane {

class Win32SkinFileSystem final : public SkinFileSystem {
public:
    // An entry found by exactly this name that is not a directory.
    bool FileExists(const std::string& path) override;
    std::unique_ptr<SkinFile> OpenRead(const std::string& path) override;
    std::unique_ptr<SkinFile> Create(const std::string& path) override;
    bool Delete(const std::string& path) override;
    std::string TempFolder() override;
    std::string NewGuidText() override;
    std::string ProgramFolder() override;
    std::string WindowsFolder() override;
    std::string SystemFolder() override;
};

// The one the themes use unless told otherwise.
SkinFileSystem& DefaultSkinFileSystem();

} // namespace folvane
