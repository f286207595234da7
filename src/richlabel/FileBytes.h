// Whole-file reading for the pictures, through the C runtime rather than
// file streams: streams would link the whole locale machinery into the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace folvane {

// The file's bytes; nothing when it cannot be opened or a read fails.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

} // namespace folvane
