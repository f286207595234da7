// Run-length packet coder of the image-list "Bitmap" stream.
#include "controls/RunLengthCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace folvane {

namespace {

constexpr std::size_t kMaxPacketUnits = 128;
constexpr std::uint8_t kRunFlag = 0x80;

} // namespace

int RleUnitBytes(std::int32_t unitBits)
{
    switch (unitBits) {
    case 8:
        return 1;
    case 15:
    case 16:
        return 2;
    case 24:
        return 3;
    case 32:
        return 4;
    default:
        return 0;
    }
}

RleStatus RleDecode(
    std::span<const std::uint8_t> packed, int unitBytes, std::size_t size, std::vector<std::uint8_t>& out)
{
    out.clear();
    if (unitBytes < 1 || unitBytes > 4)
        return RleStatus::badUnit;
    const std::size_t unit = static_cast<std::size_t>(unitBytes);

    // The packets are walked once without output, so that a size they do not
    // produce fails before anything is reserved for it.
    std::size_t produced = 0;
    for (std::size_t pos = 0; produced < size;) {
        if (pos >= packed.size())
            return RleStatus::truncated;
        const std::uint8_t control = packed[pos++];
        const std::size_t units = static_cast<std::size_t>(control & 0x7F) + 1;
        const std::size_t carried = (control & kRunFlag) ? unit : units * unit;
        if (packed.size() - pos < carried)
            return RleStatus::truncated;
        pos += carried;
        produced += units * unit;
    }
    out.reserve(produced); // the last packet may reach past size

    for (std::size_t pos = 0; out.size() < size;) {
        const std::uint8_t control = packed[pos++];
        const std::size_t units = static_cast<std::size_t>(control & 0x7F) + 1;
        if (control & kRunFlag) {
            const std::uint8_t* value = packed.data() + pos;
            pos += unit;
            for (std::size_t i = 0; i < units; ++i)
                out.insert(out.end(), value, value + unit);
        } else {
            const std::size_t bytes = units * unit;
            out.insert(out.end(), packed.begin() + pos, packed.begin() + pos + bytes);
            pos += bytes;
        }
    }
    out.resize(size);
    return RleStatus::ok;
}

std::vector<std::uint8_t> RleEncode(std::span<const std::uint8_t> data, int unitBytes)
{
    std::vector<std::uint8_t> out;
    if (unitBytes < 1 || unitBytes > 4 || data.empty())
        return out;
    const std::size_t unit = static_cast<std::size_t>(unitBytes);
    std::vector<std::uint8_t> padded(data.begin(), data.end());
    padded.resize((data.size() + unit - 1) / unit * unit, 0);
    const std::size_t count = padded.size() / unit;
    auto at = [&](std::size_t i) { return padded.data() + i * unit; };
    auto same = [&](std::size_t a, std::size_t b) { return std::memcmp(at(a), at(b), unit) == 0; };

    std::size_t cur = 0;
    while (cur < count) {
        const std::size_t remaining = count - cur;
        // Literal length: units up to the first that equals its successor; the
        // last unit never joins a literal that ends by running out of pairs. The
        // search stops where a packet ends, so that data without equal
        // neighbours costs linear time.
        std::size_t literal = 1;
        if (remaining > 1) {
            std::size_t stop = cur;
            while (stop + 1 < count && stop - cur < kMaxPacketUnits && !same(stop, stop + 1))
                ++stop;
            literal = stop - cur;
        }
        literal = std::min(literal, kMaxPacketUnits);

        std::size_t run = 1;
        while (cur + run < count && run < kMaxPacketUnits && same(cur, cur + run))
            ++run;

        if (literal > 0) {
            out.push_back(static_cast<std::uint8_t>(literal - 1));
            out.insert(out.end(), at(cur), at(cur) + literal * unit);
            cur += literal;
        }
        // A run follows only when no literal was written: after a literal the
        // current unit differed from its successor, so the run length is 1.
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>((run - 1) + kRunFlag));
            out.insert(out.end(), at(cur), at(cur) + unit);
            cur += run;
        }
    }
    return out;
}

} // namespace folvane
