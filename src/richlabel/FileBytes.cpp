// ReadFileBytes; see FileBytes.h.
#include "richlabel/FileBytes.h"

#include <cstdio>
#include <memory>

namespace folvane {

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[16384];
    std::size_t read = 0;
    while ((read = std::fread(block, 1, sizeof block, file.get())) > 0) {
        bytes.insert(bytes.end(), block, block + read);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace folvane
