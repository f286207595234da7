// Raw DEFLATE (RFC 1951) decoding for skin archives: single-level Huffman
// tables, a 16 KiB input buffer and a 64 KiB output window written out 32 KiB
// at a time. No zlib or gzip wrapper and no checksum: callers compare sizes.
// Every malformed stream ends in a failure status; nothing is read or written
// outside the buffers and every loop consumes input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace folvane {

enum class InflateStatus {
    ok,
    badData, // a code, length or distance the format does not allow
    truncated, // the input ended inside the stream
    readFailed, // the source reported an error
    writeFailed, // the sink refused data (or the output limit was reached)
};

const char* InflateStatusText(InflateStatus status);

// Canonical Huffman decoding table over one alphabet. The table has 2^L
// entries, L being the longest code length present, indexed by the next L
// input bits (first bit lowest). Entry layout:
//   bits  0-15  symbol
//   bits 16-23  code length
//   bits 24-31  extra bits that follow the code
// Entries that no code reaches are all ones.
class THuffmanTree {
public:
    static constexpr std::uint32_t kEmptyEntry = 0xFFFFFFFFu;

    enum class Alphabet { literalLength, distance, codeLength };

    // capacity: the longest code length the alphabet allows (15 or 7).
    THuffmanTree(int capacity, Alphabet alphabet);

    // Fails on a length above the capacity and on an over-subscribed code
    // set; an incomplete set is accepted, its gaps stay empty entries.
    bool Build(std::span<const std::uint8_t> lengths);

    int LongestLength() const { return longest_; }
    int Capacity() const { return capacity_; }
    std::uint32_t Mask() const { return (std::uint32_t(1) << longest_) - 1; }
    std::uint32_t Lookup(std::uint32_t bits) const { return table_[bits & Mask()]; }
    const std::uint32_t* Table() const { return table_.data(); }

    static std::uint32_t Symbol(std::uint32_t entry) { return entry & 0xFFFFu; }
    static unsigned CodeLength(std::uint32_t entry) { return (entry >> 16) & 0xFFu; }
    static unsigned ExtraBits(std::uint32_t entry) { return entry >> 24; }

private:
    int capacity_;
    Alphabet alphabet_;
    int longest_ = 0;
    std::vector<std::uint32_t> table_;
};

class InflateSource {
public:
    virtual ~InflateSource() = default;
    // Up to size bytes into buffer; 0 at the end. Sets failed on an error.
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t size, bool& failed) = 0;
};

class InflateSink {
public:
    virtual ~InflateSink() = default;
    virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
};

// Decodes one raw DEFLATE stream up to its final block. The sink sees the
// output in pieces of 32 KiB and a last, shorter piece.
InflateStatus Inflate(InflateSource& source, InflateSink& sink);

// Memory to memory; output beyond maxOutput bytes fails with writeFailed. On
// success unusedInput, when given, receives the number of input bytes after
// the end of the stream.
InflateStatus InflateBytes(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output,
    std::size_t maxOutput = SIZE_MAX, std::size_t* unusedInput = nullptr);

} // namespace folvane
