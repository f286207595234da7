// One gzip member: header, deflate data ending exactly at the trailer, size and CRC checked.
#include "skin/GzipMember.h"

#include "skin/Inflate.h"
#include "skin/SkinArchive.h"
#include "toolkit/ByteReader.h"

#include <algorithm>

namespace folvane {

namespace {

constexpr std::size_t kHeaderSize = 10;
constexpr std::size_t kTrailerSize = 8;

enum Flag : std::uint8_t { headerCrc = 0x02, extra = 0x04, name = 0x08, comment = 0x10, reserved = 0xE0 };

std::uint32_t Crc32(std::span<const std::uint8_t> bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes)
        crc = Crc32Update(crc, b);
    return ~crc;
}

bool Fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return false;
}

// Past a zero-terminated field; false when the bytes end first.
bool SkipText(ByteReader& in)
{
    while (in.Remaining() > 0)
        if (in.U8() == 0)
            return true;
    return false;
}

} // namespace

bool InflateGzipMember(
    std::span<const std::uint8_t> member, std::vector<std::uint8_t>& output, std::size_t maxOutput, std::string* error)
{
    output.clear();
    if (member.size() < kHeaderSize + kTrailerSize)
        return Fail(error, "truncated gzip member");
    // The header's optional fields may not reach into the trailer.
    ByteReader header(member.first(member.size() - kTrailerSize));
    if (header.U8() != 0x1F || header.U8() != 0x8B)
        return Fail(error, "not a gzip member");
    if (header.U8() != 8)
        return Fail(error, "gzip method is not deflate");
    const std::uint8_t flags = header.U8();
    if (flags & Flag::reserved)
        return Fail(error, "reserved gzip flags set");
    header.Skip(6); // time, extra flags, system
    if (flags & Flag::extra)
        header.Skip(header.U16());
    for (Flag text : { Flag::name, Flag::comment })
        if ((flags & text) && !SkipText(header))
            return Fail(error, "truncated gzip header");
    if (flags & Flag::headerCrc) {
        const std::size_t covered = header.Position();
        const std::uint16_t expected = header.U16();
        if (header.Ok() && (Crc32(member.first(covered)) & 0xFFFFu) != expected)
            return Fail(error, "gzip header checksum mismatch");
    }
    if (!header.Ok())
        return Fail(error, "truncated gzip header");

    ByteReader trailer(member.last(kTrailerSize));
    const std::uint32_t crc = trailer.U32();
    // The stored size bounds the output, so that a damaged stream cannot run on.
    const std::uint32_t size = trailer.U32();
    if (size > maxOutput)
        return Fail(error, "gzip member larger than allowed");
    // Deflate turns a byte into at most 1032; a stated size beyond that is not reserved for.
    output.reserve(std::min<std::uint64_t>(size, std::uint64_t(header.Remaining()) * 1032));
    std::size_t unused = 0;
    const InflateStatus status = InflateBytes(header.Rest(), output, size, &unused);
    if (status == InflateStatus::writeFailed || (status == InflateStatus::ok && output.size() != size))
        return Fail(error, "gzip size mismatch");
    if (status != InflateStatus::ok)
        return Fail(error, InflateStatusText(status));
    if (unused != 0)
        return Fail(error, "bytes between the deflate data and the gzip trailer");
    if (Crc32(output) != crc)
        return Fail(error, "gzip checksum mismatch");
    return true;
}

} // namespace folvane
