// Little-endian reads over untrusted bytes, every one bounds-checked: the file
// formats (bitmaps, skin archives and element files, image-list streams, GIF)
// all read through this one reader.
//
// A read that does not fit inside the bytes yields 0 (or an empty view),
// leaves the cursor where it was and marks the reader failed, so a parser can
// read a whole record and ask Ok() once:
//   ByteReader in(bytes);
//   const std::uint32_t size = in.U32();
//   const auto name = in.Take(in.U16());
//   if (!in.Ok()) return false;
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace folvane {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {
    }

    // Sequential reads from the cursor.
    std::uint8_t U8() { return static_cast<std::uint8_t>(Next(1)); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Next(2)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Next(4)); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

    // A view of the next `size` bytes.
    std::span<const std::uint8_t> Take(std::size_t size)
    {
        if (size > Remaining()) {
            Fail();
            return {};
        }
        const auto view = bytes_.subspan(pos_, size);
        pos_ += size;
        return view;
    }
    void Skip(std::size_t size) { Take(size); }

    // Reads at a fixed offset from the start; the cursor stays.
    std::uint16_t U16At(std::size_t at) { return static_cast<std::uint16_t>(ValueAt(at, 2)); }
    std::uint32_t U32At(std::size_t at) { return static_cast<std::uint32_t>(ValueAt(at, 4)); }

    // As U16At, but bytes past the end read as 0 and the reader does not fail.
    std::uint16_t U16AtPadded(std::size_t at) const
    {
        const std::uint16_t low = at < bytes_.size() ? bytes_[at] : 0;
        const std::uint16_t high = at < bytes_.size() && at + 1 < bytes_.size() ? bytes_[at + 1] : 0;
        return static_cast<std::uint16_t>(low | (high << 8));
    }

    bool Ok() const { return ok_; }
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    std::span<const std::uint8_t> Rest() const { return bytes_.subspan(pos_); }

private:
    void Fail() { ok_ = false; }

    std::uint64_t ValueAt(std::size_t at, std::size_t size)
    {
        if (at > bytes_.size() || size > bytes_.size() - at) {
            Fail();
            return 0;
        }
        std::uint64_t value = 0;
        for (std::size_t i = size; i-- > 0;)
            value = (value << 8) | bytes_[at + i];
        return value;
    }

    std::uint64_t Next(std::size_t size)
    {
        if (size > Remaining()) {
            Fail();
            return 0;
        }
        const std::uint64_t value = ValueAt(pos_, size);
        pos_ += size;
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace folvane
