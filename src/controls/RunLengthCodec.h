// Run-length packet coder of the image-list "Bitmap" stream.
//
// Packets work on units of 1 to 4 bytes. A control byte c < 0x80 is followed
// by c + 1 literal units; c >= 0x80 by one unit repeated (c & 0x7F) + 1 times.
// The coder knows nothing about the bitmaps inside; the stream reader and
// writer (ImageListStream.h) frame the packets and interpret the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace folvane {

// Bytes per unit for a stored unit code in bits (8, 15, 16, 24, 32), or 0 when
// the code is not one of them.
int RleUnitBytes(std::int32_t unitBits);

enum class RleStatus { ok, truncated, badUnit };

// Decodes packets until at least `size` bytes exist and keeps exactly `size`:
// the last unit may carry padding beyond the end. Packets after that point are
// ignored. A packet cut short by the end of `packed`, or data that runs out
// before `size`, is `truncated`; output never grows beyond what the packets
// actually produce, so `size` from untrusted input is safe to pass.
RleStatus RleDecode(
    std::span<const std::uint8_t> packed, int unitBytes, std::size_t size, std::vector<std::uint8_t>& out);

// Encodes `data`, padding its last unit with zero bytes. Literal and run
// packets are chosen deterministically (see the .cpp), so equal input gives
// byte-identical output.
std::vector<std::uint8_t> RleEncode(std::span<const std::uint8_t> data, int unitBytes);

} // namespace folvane
