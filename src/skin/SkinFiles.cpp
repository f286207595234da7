// The C library implementation of the skin file seam.
#include "skin/SkinFiles.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace folvane {

std::string GuidText(const std::uint8_t (&b)[16])
{
    char text[40];
    std::snprintf(text, sizeof text, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[0],
        b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
    return text;
}

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

} // namespace folvane
