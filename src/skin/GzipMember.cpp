#include "skin/GzipMember.h"

#include "skin/Inflate.h"
#include "skin/SkinArchive.h"

namespace folvane {

namespace {

constexpr std::size_t kHeaderSize = 10;
constexpr std::size_t kTrailerSize = 8;

enum Flag : std::uint8_t { headerCrc = 0x02, extra = 0x04, name = 0x08, comment = 0x10, reserved = 0xE0 };

std::uint32_t Le32(const std::uint8_t* p)
{
    return p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

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

} // namespace

bool InflateGzipMember(
    std::span<const std::uint8_t> member, std::vector<std::uint8_t>& output, std::size_t maxOutput, std::string* error)
{
    output.clear();
    if (member.size() < kHeaderSize + kTrailerSize)
        return Fail(error, "truncated gzip member");
    if (member[0] != 0x1F || member[1] != 0x8B)
        return Fail(error, "not a gzip member");
    if (member[2] != 8)
        return Fail(error, "gzip method is not deflate");
    const std::uint8_t flags = member[3];
    if (flags & Flag::reserved)
        return Fail(error, "reserved gzip flags set");

    // The header's optional fields, none of which may reach into the trailer.
    const std::size_t end = member.size() - kTrailerSize;
    std::size_t at = kHeaderSize;
    if (flags & Flag::extra) {
        if (end - at < 2)
            return Fail(error, "truncated gzip header");
        const std::size_t length = member[at] | (std::size_t(member[at + 1]) << 8);
        at += 2;
        if (end - at < length)
            return Fail(error, "truncated gzip header");
        at += length;
    }
    for (Flag text : { Flag::name, Flag::comment }) {
        if (!(flags & text))
            continue;
        while (at < end && member[at] != 0)
            ++at;
        if (at == end)
            return Fail(error, "truncated gzip header");
        ++at;
    }
    if (flags & Flag::headerCrc) {
        if (end - at < 2)
            return Fail(error, "truncated gzip header");
        const std::uint32_t expected = member[at] | (std::uint32_t(member[at + 1]) << 8);
        if ((Crc32(member.first(at)) & 0xFFFFu) != expected)
            return Fail(error, "gzip header checksum mismatch");
        at += 2;
    }

    // The stored size bounds the output, so that a damaged stream cannot run on.
    const std::uint32_t size = Le32(&member[end + 4]);
    if (size > maxOutput)
        return Fail(error, "gzip member larger than allowed");
    output.reserve(size);
    const InflateStatus status = InflateBytes(member.subspan(at, end - at), output, size);
    if (status == InflateStatus::writeFailed || (status == InflateStatus::ok && output.size() != size))
        return Fail(error, "gzip size mismatch");
    if (status != InflateStatus::ok)
        return Fail(error, InflateStatusText(status));
    if (Crc32(output) != Le32(&member[end]))
        return Fail(error, "gzip checksum mismatch");
    return true;
}

} // namespace folvane
