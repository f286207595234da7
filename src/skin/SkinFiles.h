// The file access that skin archives need, behind a small seam: random-access
// files, existence, deletion, the temporary folder and GUID-based names.
// StdSkinFileSystem uses the C library (the native tool and tests),
// MemorySkinFileSystem keeps files in memory (fuzzers and tests); the Win32
// one lives with the themes. Paths are passed through unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
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

class StdSkinFileSystem final : public SkinFileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::unique_ptr<SkinFile> OpenRead(const std::string& path) override;
    std::unique_ptr<SkinFile> Create(const std::string& path) override;
    bool Delete(const std::string& path) override;
    std::string TempFolder() override;
    std::string NewGuidText() override;
};

class MemorySkinFileSystem final : public SkinFileSystem {
public:
    using Bytes = std::vector<std::uint8_t>;

    bool FileExists(const std::string& path) override { return files_.count(path) != 0; }
    std::unique_ptr<SkinFile> OpenRead(const std::string& path) override;
    std::unique_ptr<SkinFile> Create(const std::string& path) override;
    bool Delete(const std::string& path) override { return files_.erase(path) != 0; }
    std::string TempFolder() override { return "temp/"; }
    std::string NewGuidText() override;
    std::string ProgramFolder() override { return "program/"; }
    std::string WindowsFolder() override { return "windows/"; }
    std::string SystemFolder() override { return "windows/system/"; }

    void Put(const std::string& path, Bytes bytes) { files_[path] = std::make_shared<Bytes>(std::move(bytes)); }
    const Bytes* Get(const std::string& path) const;
    std::size_t FileCount() const { return files_.size(); }
    // Creating files fails from then on (a full disk).
    void SetCreateFails(bool fails) { createFails_ = fails; }
    // Appends fail once a file would grow past this size.
    void SetWriteLimit(std::uint64_t limit) { writeLimit_ = limit; }
    // Bytes offered to Append on any file, accepted or not.
    std::uint64_t OfferedBytes() const { return *offered_; }

private:
    std::map<std::string, std::shared_ptr<Bytes>> files_;
    bool createFails_ = false;
    std::uint64_t writeLimit_ = UINT64_MAX;
    std::shared_ptr<std::uint64_t> offered_ = std::make_shared<std::uint64_t>(0);
    unsigned guidCounter_ = 0;
};

} // namespace folvane
