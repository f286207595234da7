// Test helpers for building DEFLATE streams bit by bit and for making
// reproducible sample data.
#pragma once

#include "skin/Inflate.h"
#include "support/FileBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#ifdef _WIN32
#include <windows.h>
#endif
#include <vector>

namespace folvane::test {

// Writes fields first-bit-lowest; Huffman codes are given most significant
// bit first, as RFC 1951 prints them, and reversed here.
class BitWriter {
public:
    void Bits(std::uint32_t value, unsigned count)
    {
        for (unsigned i = 0; i < count; ++i)
            Bit((value >> i) & 1);
    }
    void Code(std::uint32_t code, unsigned length)
    {
        for (unsigned i = length; i-- > 0;)
            Bit((code >> i) & 1);
    }
    void Bit(unsigned bit)
    {
        if (used_ == 0)
            bytes_.push_back(0);
        bytes_.back() |= static_cast<std::uint8_t>(bit << used_);
        used_ = (used_ + 1) & 7;
    }
    void AlignToByte() { used_ = 0; }
    void Byte(std::uint8_t b)
    {
        AlignToByte();
        bytes_.push_back(b);
    }

    // Fixed-code symbols.
    void FixedLiteral(unsigned symbol)
    {
        if (symbol < 144)
            Code(0x30 + symbol, 8);
        else if (symbol < 256)
            Code(0x190 + symbol - 144, 9);
        else if (symbol < 280)
            Code(symbol - 256, 7);
        else
            Code(0xC0 + symbol - 280, 8);
    }
    void FixedDistance(unsigned symbol) { Code(symbol, 5); }
    void BlockHeader(bool final, unsigned type)
    {
        Bits(final ? 1 : 0, 1);
        Bits(type, 2);
    }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    unsigned used_ = 0;
};

enum class SampleKind { random, text, runs, mixed };

inline std::vector<std::uint8_t> MakeSample(SampleKind kind, std::size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<std::uint8_t> out;
    out.reserve(size);
    static const char* const words[] = { "skin", "button", "theme", "window", "the ", "of ", "and ", "bitmap", "SKIN2_",
        "colour", "\r\n", "registry", "folder", "simulator", " ", ", " };
    while (out.size() < size) {
        SampleKind k = kind;
        if (kind == SampleKind::mixed)
            k = static_cast<SampleKind>(rng() % 3);
        switch (k) {
        case SampleKind::random:
            for (int i = 0; i < 64; ++i)
                out.push_back(static_cast<std::uint8_t>(rng()));
            break;
        case SampleKind::text:
            for (int i = 0; i < 16; ++i) {
                const std::string w = words[rng() % std::size(words)];
                out.insert(out.end(), w.begin(), w.end());
            }
            break;
        case SampleKind::runs:
            out.insert(out.end(), 1 + rng() % 700, static_cast<std::uint8_t>(rng() % 4 == 0 ? 0xFF : rng()));
            break;
        case SampleKind::mixed:
            break;
        }
    }
    out.resize(size);
    return out;
}

// Hands out the input a few bytes at a time, to cross every refill path.
class TrickleSource final : public InflateSource {
public:
    TrickleSource(const std::vector<std::uint8_t>& bytes, std::size_t step)
        : bytes_(bytes)
        , step_(step)
    {
    }
    std::size_t Read(std::uint8_t* buffer, std::size_t size, bool&) override
    {
        const std::size_t n = std::min({ size, step_, bytes_.size() - offset_ });
        std::memcpy(buffer, bytes_.data() + offset_, n);
        offset_ += n;
        return n;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t step_;
    std::size_t offset_ = 0;
};

class CollectSink final : public InflateSink {
public:
    bool Write(const std::uint8_t* data, std::size_t size) override
    {
        pieces.push_back(size);
        bytes.insert(bytes.end(), data, data + size);
        return refuseAfter-- > 0;
    }
    std::vector<std::uint8_t> bytes;
    std::vector<std::size_t> pieces;
    int refuseAfter = 1 << 30;
};

// Inflates a whole stream into `out`, which starts empty.
inline InflateStatus Decode(const std::vector<std::uint8_t>& stream, std::vector<std::uint8_t>& out)
{
    out.clear();
    return InflateBytes(stream, out);
}

// The committed zlib stream: a resource under Wine, the source file natively.
inline std::vector<std::uint8_t> CommittedStream()
{
#ifdef _WIN32
    HRSRC found = FindResourceA(nullptr, "MIXED_DEFLATE", MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    return bytes ? std::vector<std::uint8_t>(bytes, bytes + SizeofResource(nullptr, found))
                 : std::vector<std::uint8_t>();
#else
    return ReadFile(FOLVANE_SKIN_TEST_DATA "/mixed_l9.deflate");
#endif
}

} // namespace folvane::test
