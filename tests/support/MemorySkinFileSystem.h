// MemorySkinFileSystem: the skin file seam over files kept in memory, for tests and fuzzers.
// Besides the files it can make creation fail (a full disk), cap how far a file may grow, and
// count the bytes offered to appends; its GUIDs count up from one, its folders are fixed names.
#pragma once

#include "skin/SkinFiles.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace folvane {

class MemorySkinFileSystem final : public SkinFileSystem {
public:
    using Bytes = std::vector<std::uint8_t>;

    bool FileExists(const std::string& path) override { return files_.count(path) != 0; }
    std::unique_ptr<SkinFile> OpenRead(const std::string& path) override
    {
        auto it = files_.find(path);
        if (it == files_.end())
            return nullptr;
        return std::make_unique<File>(it->second, 0, nullptr);
    }
    std::unique_ptr<SkinFile> Create(const std::string& path) override
    {
        if (createFails_)
            return nullptr;
        auto bytes = std::make_shared<Bytes>();
        files_[path] = bytes;
        return std::make_unique<File>(bytes, writeLimit_, offered_);
    }
    bool Delete(const std::string& path) override { return files_.erase(path) != 0; }
    std::string TempFolder() override { return "temp/"; }
    std::string NewGuidText() override
    {
        std::uint8_t b[16] = {};
        const unsigned n = ++guidCounter_;
        b[12] = static_cast<std::uint8_t>(n >> 24);
        b[13] = static_cast<std::uint8_t>(n >> 16);
        b[14] = static_cast<std::uint8_t>(n >> 8);
        b[15] = static_cast<std::uint8_t>(n);
        return GuidText(b);
    }
    std::string ProgramFolder() override { return "program/"; }
    std::string WindowsFolder() override { return "windows/"; }
    std::string SystemFolder() override { return "windows/system/"; }

    void Put(const std::string& path, Bytes bytes) { files_[path] = std::make_shared<Bytes>(std::move(bytes)); }
    const Bytes* Get(const std::string& path) const
    {
        auto it = files_.find(path);
        return it == files_.end() ? nullptr : it->second.get();
    }
    std::size_t FileCount() const { return files_.size(); }
    // Creating files fails from then on (a full disk).
    void SetCreateFails(bool fails) { createFails_ = fails; }
    // Appends fail once a file would grow past this size.
    void SetWriteLimit(std::uint64_t limit) { writeLimit_ = limit; }
    // Bytes offered to Append on any file, accepted or not.
    std::uint64_t OfferedBytes() const { return *offered_; }

private:
    // An open file: shares its bytes with the file system, so that what is appended shows there.
    class File final : public SkinFile {
    public:
        File(std::shared_ptr<Bytes> bytes, std::uint64_t limit, std::shared_ptr<std::uint64_t> offered)
            : bytes_(std::move(bytes))
            , limit_(limit)
            , offered_(std::move(offered))
        {
        }
        std::uint64_t Size() override { return bytes_->size(); }
        std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override
        {
            if (offset >= bytes_->size())
                return 0;
            const std::size_t n = std::min<std::uint64_t>(size, bytes_->size() - offset);
            if (n > 0)
                std::memcpy(buffer, bytes_->data() + offset, n);
            return n;
        }
        bool Append(const void* data, std::size_t size) override
        {
            if (offered_)
                *offered_ += size;
            if (size > limit_ - std::min<std::uint64_t>(limit_, bytes_->size()))
                return false;
            const auto* p = static_cast<const std::uint8_t*>(data);
            bytes_->insert(bytes_->end(), p, p + size);
            return true;
        }

    private:
        std::shared_ptr<Bytes> bytes_;
        std::uint64_t limit_;
        std::shared_ptr<std::uint64_t> offered_;
    };

    std::map<std::string, std::shared_ptr<Bytes>> files_;
    bool createFails_ = false;
    std::uint64_t writeLimit_ = UINT64_MAX;
    std::shared_ptr<std::uint64_t> offered_ = std::make_shared<std::uint64_t>(0);
    unsigned guidCounter_ = 0;
};

} // namespace folvane
