// C library and in-memory implementations of the skin file seam.
#include "skin/SkinFiles.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace folvane {

bool ReadExactly(SkinFile& file, std::uint64_t offset, void* buffer, std::size_t size)
{
    if (size == 0)
        return offset <= file.Size();
    return file.ReadAt(offset, buffer, size) == size;
}

namespace {

class StdFile final : public SkinFile {
public:
    explicit StdFile(std::FILE* file)
        : file_(file)
    {
    }
    ~StdFile() override { std::fclose(file_); }

    std::uint64_t Size() override
    {
        if (std::fseek(file_, 0, SEEK_END) != 0)
            return 0;
        const long size = std::ftell(file_);
        return size < 0 ? 0 : static_cast<std::uint64_t>(size);
    }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override
    {
        if (offset > static_cast<std::uint64_t>(LONG_MAX)
            || std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
            return 0;
        return std::fread(buffer, 1, size, file_);
    }
    bool Append(const void* data, std::size_t size) override
    {
        return std::fseek(file_, 0, SEEK_END) == 0 && std::fwrite(data, 1, size, file_) == size;
    }

private:
    std::FILE* file_;
};

class MemoryFile final : public SkinFile {
public:
    MemoryFile(std::shared_ptr<std::vector<std::uint8_t>> bytes, std::uint64_t limit,
        std::shared_ptr<std::uint64_t> offered = nullptr)
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
    std::shared_ptr<std::vector<std::uint8_t>> bytes_;
    std::uint64_t limit_;
    std::shared_ptr<std::uint64_t> offered_;
};

std::string GuidText(const std::uint8_t (&b)[16])
{
    char text[40];
    std::snprintf(text, sizeof text, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[0],
        b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
    return text;
}

} // namespace

bool StdSkinFileSystem::FileExists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

std::unique_ptr<SkinFile> StdSkinFileSystem::OpenRead(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    return file ? std::make_unique<StdFile>(file) : nullptr;
}

std::unique_ptr<SkinFile> StdSkinFileSystem::Create(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "w+b");
    return file ? std::make_unique<StdFile>(file) : nullptr;
}

bool StdSkinFileSystem::Delete(const std::string& path)
{
    return std::remove(path.c_str()) == 0;
}

std::string StdSkinFileSystem::TempFolder()
{
    const char* dir = std::getenv("TMPDIR");
    std::string folder = dir && *dir ? dir : "/tmp";
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

std::string StdSkinFileSystem::NewGuidText()
{
    std::random_device device;
    std::uint8_t b[16];
    for (auto& x : b)
        x = static_cast<std::uint8_t>(device());
    b[6] = static_cast<std::uint8_t>((b[6] & 0x0F) | 0x40); // version 4, random
    b[8] = static_cast<std::uint8_t>((b[8] & 0x3F) | 0x80);
    return GuidText(b);
}

std::unique_ptr<SkinFile> MemorySkinFileSystem::OpenRead(const std::string& path)
{
    auto it = files_.find(path);
    if (it == files_.end())
        return nullptr;
    return std::make_unique<MemoryFile>(it->second, 0);
}

std::unique_ptr<SkinFile> MemorySkinFileSystem::Create(const std::string& path)
{
    if (createFails_)
        return nullptr;
    auto bytes = std::make_shared<Bytes>();
    files_[path] = bytes;
    return std::make_unique<MemoryFile>(bytes, writeLimit_, offered_);
}

std::string MemorySkinFileSystem::NewGuidText()
{
    std::uint8_t b[16] = {};
    const unsigned n = ++guidCounter_;
    b[12] = static_cast<std::uint8_t>(n >> 24);
    b[13] = static_cast<std::uint8_t>(n >> 16);
    b[14] = static_cast<std::uint8_t>(n >> 8);
    b[15] = static_cast<std::uint8_t>(n);
    return GuidText(b);
}

const MemorySkinFileSystem::Bytes* MemorySkinFileSystem::Get(const std::string& path) const
{
    auto it = files_.find(path);
    return it == files_.end() ? nullptr : it->second.get();
}

} // namespace folvane
