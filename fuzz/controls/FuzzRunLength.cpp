// The packet coder on arbitrary bytes: decoding never over-reads, and any
// data encodes and decodes back unchanged. Byte 0 picks the unit, bytes 1-2
// the requested size.
#include "controls/RunLengthCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace folvane;
    if (size < 3)
        return 0;
    const int unit = data[0] % 4 + 1;
    const std::size_t want = static_cast<std::size_t>(data[1]) | static_cast<std::size_t>(data[2]) << 8;
    const std::span<const std::uint8_t> rest(data + 3, size - 3);

    std::vector<std::uint8_t> out;
    if (RleDecode(rest, unit, want, out) == RleStatus::ok && out.size() != want)
        std::abort();

    const std::vector<std::uint8_t> packed = RleEncode(rest, unit);
    if (RleDecode(packed, unit, rest.size(), out) != RleStatus::ok
        || !std::equal(out.begin(), out.end(), rest.begin(), rest.end()))
        std::abort();
    return 0;
}
