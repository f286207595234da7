// The file access that skin archives need, behind a small seam: random-access
// files, existence, deletion, the temporary folder and GUID-based names.
// StdSkinFileSystem uses the C library (the native tool and tests); the Win32
// one lives with the themes, an in-memory one with the tests. Paths are passed
// through unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace folvane {

class SkinFile {
public:
    virtual ~SkinFile() = default;
    virtual std::uint64_t Size() = 0;
    // Reads up to size bytes at offset; returns how many were read.
    virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) = 0;
    // Appends at the end of the file.
    virtual bool Append(const void* data, std::size_t size) = 0;
};

class SkinFileSystem {
public:
    virtual ~SkinFileSystem() = default;
    virtual bool FileExists(const std::string& path) = 0;
    // Opens for reading; other readers and writers are not locked out.
    virtual std::unique_ptr<SkinFile> OpenRead(const std::string& path) = 0;
    // Creates or truncates, for appending.
    virtual std::unique_ptr<SkinFile> Create(const std::string& path) = 0;
    virtual bool Delete(const std::string& path) = 0;
    // The temporary folder, ending in its separator.
    virtual std::string TempFolder() = 0;
    // A new GUID in braced text form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
    virtual std::string NewGuidText() = 0;
    // Where themes look for a file that is not where its path says, in this
    // order; each ends in its separator, "" when unknown.
    virtual std::string ProgramFolder() { return {}; }
    virtual std::string WindowsFolder() { return {}; }
    virtual std::string SystemFolder() { return {}; }
};

// Reads exactly size bytes at offset.
bool ReadExactly(SkinFile& file, std::uint64_t offset, void* buffer, std::size_t size);

// The braced text form of a GUID's 16 bytes, taken in order.
std::string GuidText(const std::uint8_t (&bytes)[16]);

class StdSkinFileSystem final : public SkinFileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::unique_ptr<SkinFile> OpenRead(const std::string& path) override;
    std::unique_ptr<SkinFile> Create(const std::string& path) override;
    bool Delete(const std::string& path) override;
    std::string TempFolder() override;
    std::string NewGuidText() override;
};

} // namespace folvane
