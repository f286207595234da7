// Any bytes as a gzip member: no crash, no sanitizer report, output only when
// the trailer vouches for it.
#include "skin/GzipMember.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> out;
    constexpr std::size_t kMax = 1u << 20;
    if (folvane::InflateGzipMember(std::span(data, size), out, kMax)) {
        const std::uint32_t stored = data[size - 4] | (std::uint32_t(data[size - 3]) << 8)
            | (std::uint32_t(data[size - 2]) << 16) | (std::uint32_t(data[size - 1]) << 24);
        if (out.size() != stored || out.size() > kMax)
            std::abort();
    }
    return 0;
}
