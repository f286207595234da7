// A gzip file (RFC 1952) of one member, as the build stores the large
// pictures: the deflate method only, any of the optional header fields, and a
// trailer whose CRC-32 and size must match what the body inflates to. Trailing
// bytes after the member and further members are not supported.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace folvane {

// The member's content into output. False on anything malformed, truncated,
// damaged or announcing more than maxOutput bytes; error then says why and
// output holds nothing useful.
bool InflateGzipMember(std::span<const std::uint8_t> member, std::vector<std::uint8_t>& output, std::size_t maxOutput,
    std::string* error = nullptr);

} // namespace folvane
