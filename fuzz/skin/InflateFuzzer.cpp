// Any bytes as a raw DEFLATE stream: no crash, no sanitizer report, bounded output.
#include "skin/Inflate.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> out;
    folvane::InflateBytes(std::span(data, size), out, 16u << 20);
    return 0;
}
