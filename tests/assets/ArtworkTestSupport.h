// Helpers of the artwork tests: little-endian reads and a walk of the skin
// element file that follows the program's reading rules, written apart from
// the tool's writer so that the two can disagree.
#pragma once

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace folvane {

inline std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline std::uint16_t Get16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// Walks the element file as the program's reader does: header length at 12,
// first record at 20, 77-byte records chained until a next offset of 0.
inline std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Elements(
    const std::vector<std::uint8_t>& file, std::vector<int>* kinds = nullptr)
{
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> out;
    EXPECT_EQ(Get32(file, 12), 24u);
    std::size_t at = Get32(file, 20);
    for (int guard = 0; guard < 1000 && at + 77 <= file.size(); ++guard) {
        const std::uint32_t next = Get32(file, at + 73);
        if (next == 0)
            return out;
        std::string name(reinterpret_cast<const char*>(&file[at]), 64);
        name.resize(std::strlen(name.c_str()));
        const std::uint32_t offset = Get32(file, at + 65);
        const std::uint32_t size = Get32(file, at + 69);
        EXPECT_LE(offset + size, file.size());
        if (kinds)
            kinds->push_back(file[at + 64]);
        out.emplace_back(name, std::vector<std::uint8_t>(file.begin() + offset, file.begin() + offset + size));
        at = next;
    }
    ADD_FAILURE() << "record chain does not end";
    return out;
}

// Raw DEFLATE data inflated by zlib, the reference decoder.
inline std::vector<std::uint8_t> InflateRaw(const std::uint8_t* data, std::size_t size, std::size_t expected)
{
    std::vector<std::uint8_t> out(expected + 16);
    z_stream z {};
    EXPECT_EQ(inflateInit2(&z, -15), Z_OK);
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    inflateEnd(&z);
    return out;
}

} // namespace folvane
