// Raw DEFLATE decoder. See Inflate.h for what it guarantees.
#include "skin/Inflate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>

namespace folvane {

namespace {

// ---------------------------------------------------------------------------
// Format tables
// ---------------------------------------------------------------------------

constexpr std::array<std::uint16_t, 29> kLengthBase = { 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43,
    51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258 };
constexpr std::array<std::uint8_t, 29> kLengthExtra
    = { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0 };
constexpr std::array<std::uint16_t, 30> kDistanceBase = { 1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193,
    257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577 };
constexpr std::array<std::uint8_t, 30> kDistanceExtra
    = { 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13 };
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder
    = { 16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15 };

static_assert(kLengthBase[27] + (1u << kLengthExtra[27]) - 1 == 258, "symbol 284 reaches 258 as well");
static_assert(kDistanceBase[29] + (1u << kDistanceExtra[29]) - 1 == 32768, "distances reach 32 KiB");

constexpr unsigned kMaxCodeBits = 15;
constexpr unsigned kMaxLengthExtra = 5;
constexpr unsigned kMaxDistanceExtra = 13;
constexpr unsigned kMaxMatch = 258;
constexpr unsigned kLitLenSymbols = 286;
constexpr unsigned kDistanceSymbols = 30;

constexpr std::size_t kInputPiece = 16 * 1024;
constexpr std::size_t kFlushAt = 64 * 1024;
constexpr std::size_t kFlushSize = 32 * 1024;
constexpr std::size_t kWindowSize = kFlushAt + kMaxMatch;
// Matches with distance >= 8 are copied in 8- or 16-byte chunks and may write
// up to 15 bytes past their end; those bytes are overwritten before anything
// reads them.
constexpr std::size_t kWindowSlack = 16;
static_assert(kFlushAt - 1 + kMaxMatch < kWindowSize, "one match always fits before a flush");
static_assert(kFlushAt - kFlushSize >= 32768, "a flush keeps the longest distance reachable");

// ---------------------------------------------------------------------------
// Input bitstream
// ---------------------------------------------------------------------------

// The bit buffer is a machine word: 64 bits natively, 32 bits on the i686
// build. A refill tops it up to at least kRefillMin valid bits; bits above the
// count are the next input bytes (or zero), never stale data.
using BitBuffer = std::uintptr_t;
constexpr unsigned kBufferBits = sizeof(BitBuffer) * 8;
constexpr unsigned kRefillMin = kBufferBits - 8;
static_assert(std::endian::native == std::endian::little, "word refills assume little-endian loads");

// What one refill must cover: a literal/length code with its extra bits, and
// separately a distance code and its extra bits. A 64-bit buffer covers a
// whole match at once.
static_assert(kRefillMin >= kMaxCodeBits + kMaxLengthExtra);
static_assert(kRefillMin >= kMaxCodeBits && kRefillMin >= kMaxDistanceExtra);
static_assert(kRefillMin >= 5 + 5 + 4, "HLIT, HDIST and HCLEN in one step");
static_assert(kRefillMin >= 7 + 7, "a code-length code and its repeat bits in one step");
static_assert(kRefillMin >= 16, "LEN of a stored block in one step");
constexpr bool kWholeMatchPerRefill = kRefillMin >= 2 * kMaxCodeBits + kMaxLengthExtra + kMaxDistanceExtra;

inline BitBuffer LowBits(BitBuffer value, unsigned count)
{
    return value & ((BitBuffer(1) << count) - 1);
}

struct FixedTables {
    THuffmanTree literalLength { 15, THuffmanTree::Alphabet::literalLength };
    THuffmanTree distance { 15, THuffmanTree::Alphabet::distance };
    FixedTables()
    {
        std::array<std::uint8_t, 288> lengths {};
        std::fill(lengths.begin(), lengths.begin() + 144, 8);
        std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
        std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
        std::fill(lengths.begin() + 280, lengths.end(), 8);
        literalLength.Build(lengths);
        std::array<std::uint8_t, 32> distances {};
        distances.fill(5);
        distance.Build(distances);
    }
};

// Built once and shared by every decoder; only read afterwards.
const FixedTables& Fixed()
{
    static const FixedTables tables;
    return tables;
}
[[maybe_unused]] const FixedTables& kFixedAtStartup = Fixed();

class Inflater {
public:
    Inflater(InflateSource& source, InflateSink& sink)
        : source_(source)
        , sink_(sink)
        , input_(new std::uint8_t[kInputPiece + sizeof(BitBuffer)])
        , window_(new std::uint8_t[kWindowSize + kWindowSlack])
    {
        next_ = end_ = input_.get();
    }

    InflateStatus Run();
    // After Run: bytes fetched from the source but not part of the stream (the
    // rest of the last byte is padding and counts as used).
    std::size_t UnusedFetchedBytes() const { return static_cast<std::size_t>(end_ - next_) + count_ / 8 - overread_; }

private:
    InflateStatus Refill(BitBuffer& bits, unsigned& count, const std::uint8_t*& next);
    InflateStatus SlowRefill(BitBuffer& bits, unsigned& count, const std::uint8_t*& next);
    bool FetchInput(const std::uint8_t*& next);
    bool FlushWindow(std::size_t& pos);
    bool FlushWindowAt(std::size_t& pos)
    {
        pos_ = pos;
        const bool ok = FlushWindow(pos_);
        pos = pos_;
        return ok;
    }
    InflateStatus StoredBlock();
    InflateStatus ReadDynamicTables();
    InflateStatus HuffmanBlock(const THuffmanTree& literalLength, const THuffmanTree& distance);
    bool ConsumedPadding(unsigned count) const { return count < 8 * overread_; }

    InflateSource& source_;
    InflateSink& sink_;
    std::unique_ptr<std::uint8_t[]> input_;
    std::unique_ptr<std::uint8_t[]> window_;
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    bool sourceDone_ = false;
    bool readFailed_ = false;
    // Zero bytes fed past the end of input; consuming any of them is truncation.
    unsigned overread_ = 0;
    BitBuffer bits_ = 0;
    unsigned count_ = 0;
    std::size_t pos_ = 0;
    THuffmanTree literalLength_ { 15, THuffmanTree::Alphabet::literalLength };
    THuffmanTree distance_ { 15, THuffmanTree::Alphabet::distance };
    THuffmanTree codeLength_ { 7, THuffmanTree::Alphabet::codeLength };
};

// Moves the unread tail to the front and reads the next 16 KiB piece.
bool Inflater::FetchInput(const std::uint8_t*& next)
{
    if (sourceDone_)
        return false;
    const std::size_t rest = static_cast<std::size_t>(end_ - next);
    std::memmove(input_.get(), next, rest);
    next = input_.get();
    bool failed = false;
    const std::size_t got = source_.Read(input_.get() + rest, kInputPiece, failed);
    end_ = input_.get() + rest + std::min(got, kInputPiece);
    if (failed) {
        readFailed_ = true;
        sourceDone_ = true;
        return false;
    }
    if (got == 0)
        sourceDone_ = true;
    return got != 0;
}

inline InflateStatus Inflater::Refill(BitBuffer& bits, unsigned& count, const std::uint8_t*& next)
{
    if (end_ - next >= static_cast<std::ptrdiff_t>(sizeof(BitBuffer))) {
        BitBuffer word;
        std::memcpy(&word, next, sizeof word);
        bits |= word << count;
        next += (kBufferBits - 1 - count) >> 3;
        count |= kRefillMin;
        return InflateStatus::ok;
    }
    return SlowRefill(bits, count, next);
}

InflateStatus Inflater::SlowRefill(BitBuffer& bits, unsigned& count, const std::uint8_t*& next)
{
    while (!sourceDone_ && end_ - next < static_cast<std::ptrdiff_t>(sizeof(BitBuffer)))
        FetchInput(next);
    if (readFailed_)
        return InflateStatus::readFailed;
    if (end_ - next >= static_cast<std::ptrdiff_t>(sizeof(BitBuffer)))
        return Refill(bits, count, next);
    // Near the end: byte by byte, zeros past the end. Padding bits that were
    // already consumed mean the stream wanted more than the input holds.
    if (ConsumedPadding(count))
        return InflateStatus::truncated;
    while (count <= kBufferBits - 8) {
        BitBuffer byte = 0;
        if (next < end_)
            byte = *next++;
        else
            ++overread_;
        bits |= byte << count;
        count += 8;
    }
    return InflateStatus::ok;
}

bool Inflater::FlushWindow(std::size_t& pos)
{
    std::uint8_t* window = window_.get();
    if (!sink_.Write(window, kFlushSize))
        return false;
    std::memmove(window, window + kFlushSize, pos - kFlushSize);
    pos -= kFlushSize;
    return true;
}

InflateStatus Inflater::StoredBlock()
{
    // Cold path: works on the members directly.

    // Drop the rest of the current byte; LEN follows, NLEN is not compared.
    bits_ >>= count_ & 7;
    count_ &= ~7u;
    std::size_t length = 0;
    for (int half = 0; half < 2; ++half) {
        if (InflateStatus s = Refill(bits_, count_, next_); s != InflateStatus::ok)
            return s;
        if (half == 0)
            length = static_cast<std::size_t>(LowBits(bits_, 16));
        bits_ >>= 16;
        count_ -= 16;
    }
    if (ConsumedPadding(count_))
        return InflateStatus::truncated;

    // Whole bytes still in the bit buffer come first.
    while (length > 0 && count_ >= 8) {
        if (ConsumedPadding(count_ - 8))
            return InflateStatus::truncated;
        if (pos_ >= kFlushAt && !FlushWindow(pos_))
            return InflateStatus::writeFailed;
        window_[pos_++] = static_cast<std::uint8_t>(bits_);
        bits_ >>= 8;
        count_ -= 8;
        --length;
    }
    if (length > 0) {
        // The buffer is empty now; the bytes above its count_ are those at next_.
        bits_ = 0;
        count_ = 0;
    }
    while (length > 0) {
        if (next_ == end_ && !FetchInput(next_))
            return readFailed_ ? InflateStatus::readFailed : InflateStatus::truncated;
        std::size_t piece = std::min({ length, static_cast<std::size_t>(end_ - next_), kInputPiece, kFlushAt - pos_ });
        std::memcpy(window_.get() + pos_, next_, piece);
        next_ += piece;
        pos_ += piece;
        length -= piece;
        if (pos_ >= kFlushAt && !FlushWindow(pos_))
            return InflateStatus::writeFailed;
    }
    return InflateStatus::ok;
}

InflateStatus Inflater::ReadDynamicTables()
{
    // Cold path: works on the members directly.
    auto take = [&](unsigned n) {
        const unsigned value = static_cast<unsigned>(LowBits(bits_, n));
        bits_ >>= n;
        count_ -= n;
        return value;
    };

    if (InflateStatus s = Refill(bits_, count_, next_); s != InflateStatus::ok)
        return s;
    const unsigned literalCount = take(5) + 257;
    const unsigned distanceCount = take(5) + 1;
    const unsigned codeLengthCount = take(4) + 4;
    if (literalCount > kLitLenSymbols || distanceCount > kDistanceSymbols)
        return InflateStatus::badData;

    std::array<std::uint8_t, 19> codeLengths {};
    for (unsigned i = 0; i < codeLengthCount; ++i) {
        if (count_ < 3) {
            if (InflateStatus s = Refill(bits_, count_, next_); s != InflateStatus::ok)
                return s;
        }
        codeLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(take(3));
    }
    if (!codeLength_.Build(codeLengths))
        return InflateStatus::badData;

    std::array<std::uint8_t, kLitLenSymbols + kDistanceSymbols> lengths {};
    const unsigned total = literalCount + distanceCount;
    const std::uint32_t* table = codeLength_.Table();
    const std::uint32_t mask = codeLength_.Mask();
    for (unsigned i = 0; i < total;) {
        if (InflateStatus s = Refill(bits_, count_, next_); s != InflateStatus::ok)
            return s;
        const std::uint32_t entry = table[bits_ & mask];
        const unsigned symbol = THuffmanTree::Symbol(entry);
        if (symbol > 18)
            return InflateStatus::badData;
        take(THuffmanTree::CodeLength(entry));
        if (symbol < 16) {
            lengths[i++] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        std::uint8_t value = 0;
        unsigned repeat;
        if (symbol == 16) {
            if (i == 0)
                return InflateStatus::badData;
            value = lengths[i - 1];
            repeat = 3 + take(2);
        } else if (symbol == 17) {
            repeat = 3 + take(3);
        } else {
            repeat = 11 + take(7);
        }
        if (repeat > total - i)
            return InflateStatus::badData;
        std::fill_n(lengths.begin() + i, repeat, value);
        i += repeat;
    }
    if (ConsumedPadding(count_))
        return InflateStatus::truncated;
    if (!literalLength_.Build(std::span(lengths.data(), literalCount))
        || !distance_.Build(std::span(lengths.data() + literalCount, distanceCount)))
        return InflateStatus::badData;
    return InflateStatus::ok;
}

// ---------------------------------------------------------------------------
// Main decompression loop
// ---------------------------------------------------------------------------

InflateStatus Inflater::HuffmanBlock(const THuffmanTree& literalLength, const THuffmanTree& distance)
{
    BitBuffer bits = bits_;
    unsigned count = count_;
    const std::uint8_t* next = next_;
    std::size_t pos = pos_;
    std::uint8_t* const window = window_.get();
    const std::uint32_t* const litTable = literalLength.Table();
    const BitBuffer litMask = literalLength.Mask();
    const std::uint32_t* const distTable = distance.Table();
    const BitBuffer distMask = distance.Mask();
    const std::uint8_t* end = end_;
    // The slow path goes through the members, so that no local's address
    // escapes: byte stores into the window could otherwise alias them.
    auto refill = [&]() -> InflateStatus {
        if (end - next >= static_cast<std::ptrdiff_t>(sizeof(BitBuffer))) {
            BitBuffer word;
            std::memcpy(&word, next, sizeof word);
            bits |= word << count;
            next += (kBufferBits - 1 - count) >> 3;
            count |= kRefillMin;
            return InflateStatus::ok;
        }
        bits_ = bits;
        count_ = count;
        next_ = next;
        const InflateStatus s = SlowRefill(bits_, count_, next_);
        bits = bits_;
        count = count_;
        next = next_;
        end = end_;
        return s;
    };
    auto consume = [&](unsigned n) {
        bits >>= n;
        count -= n;
    };

    // The next literal/length entry is looked up as soon as its bits are in
    // the buffer, so that the table load overlaps the work on the current
    // symbol. A refill never changes bits below the count, so an entry looked
    // up before a refill stays valid after it.
    InflateStatus status = refill();
    std::uint32_t entry = litTable[bits & litMask];
    while (status == InflateStatus::ok) {
        if (pos >= kFlushAt && !FlushWindowAt(pos)) {
            status = InflateStatus::writeFailed;
            break;
        }
        unsigned symbol = THuffmanTree::Symbol(entry);
        if (symbol < 256) {
            consume(THuffmanTree::CodeLength(entry));
            window[pos++] = static_cast<std::uint8_t>(symbol);
            if constexpr (kWholeMatchPerRefill) {
                // At least 41 bits remain: a second literal needs no refill.
                entry = litTable[bits & litMask];
                symbol = THuffmanTree::Symbol(entry);
                if (symbol < 256) {
                    consume(THuffmanTree::CodeLength(entry));
                    window[pos++] = static_cast<std::uint8_t>(symbol);
                    entry = litTable[bits & litMask];
                }
                status = refill();
            } else {
                status = refill();
                entry = litTable[bits & litMask];
            }
            continue;
        }
        // Empty entries land here too: their symbol field is 0xFFFF.
        if (symbol > 285) {
            status = InflateStatus::badData;
            break;
        }
        consume(THuffmanTree::CodeLength(entry));
        if (symbol == 256)
            break;
        unsigned extra = THuffmanTree::ExtraBits(entry);
        const unsigned length = kLengthBase[symbol - 257] + static_cast<unsigned>(LowBits(bits, extra));
        consume(extra);

        if constexpr (!kWholeMatchPerRefill) {
            if (status = refill(); status != InflateStatus::ok)
                break;
        }
        entry = distTable[bits & distMask];
        symbol = THuffmanTree::Symbol(entry);
        if (symbol >= kDistanceSymbols) {
            status = InflateStatus::badData;
            break;
        }
        consume(THuffmanTree::CodeLength(entry));
        extra = THuffmanTree::ExtraBits(entry);
        if constexpr (!kWholeMatchPerRefill) {
            if (count < extra) {
                if (status = refill(); status != InflateStatus::ok)
                    break;
            }
        }
        const std::size_t dist = kDistanceBase[symbol] + static_cast<unsigned>(LowBits(bits, extra));
        consume(extra);
        // The window holds every byte since the start, or at least the last
        // 32 KiB, so pos bounds the reachable distance.
        if (dist > pos) {
            status = InflateStatus::badData;
            break;
        }
        status = refill();
        entry = litTable[bits & litMask];

        std::uint8_t* out = window + pos;
        const std::uint8_t* from = out - dist;
        std::uint8_t* const stop = out + length;
        pos += length;
        if (dist >= 16) {
            // Chunk copies read only bytes at least one chunk behind, all
            // written already.
            do {
                std::uint8_t chunk[16];
                std::memcpy(chunk, from, 16);
                std::memcpy(out, chunk, 16);
                out += 16;
                from += 16;
            } while (out < stop);
        } else if (dist >= 8) {
            do {
                std::uint64_t word;
                std::memcpy(&word, from, 8);
                std::memcpy(out, &word, 8);
                out += 8;
                from += 8;
            } while (out < stop);
        } else if (dist == 1) {
            std::memset(out, *from, length);
        } else {
            while (out < stop)
                *out++ = *from++;
        }
    }
    bits_ = bits;
    count_ = count;
    next_ = next;
    pos_ = pos;
    return status;
}

InflateStatus Inflater::Run()
{
    for (bool final = false; !final;) {
        if (InflateStatus s = Refill(bits_, count_, next_); s != InflateStatus::ok)
            return s;
        final = (bits_ & 1) != 0;
        const unsigned type = static_cast<unsigned>((bits_ >> 1) & 3);
        bits_ >>= 3;
        count_ -= 3;
        InflateStatus status = InflateStatus::ok;
        switch (type) {
        case 0:
            status = StoredBlock();
            break;
        case 1:
            status = HuffmanBlock(Fixed().literalLength, Fixed().distance);
            break;
        case 2:
            status = ReadDynamicTables();
            if (status == InflateStatus::ok)
                status = HuffmanBlock(literalLength_, distance_);
            break;
        default:
            // Type 3 carries nothing; decoding goes on with the next block.
            break;
        }
        if (status != InflateStatus::ok)
            return status;
        if (ConsumedPadding(count_))
            return InflateStatus::truncated;
    }
    if (pos_ > 0 && !sink_.Write(window_.get(), pos_))
        return InflateStatus::writeFailed;
    return InflateStatus::ok;
}

class MemorySource final : public InflateSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {
    }
    std::size_t Read(std::uint8_t* buffer, std::size_t size, bool&) override
    {
        const std::size_t n = std::min(size, bytes_.size() - offset_);
        if (n > 0)
            std::memcpy(buffer, bytes_.data() + offset_, n);
        offset_ += n;
        return n;
    }
    std::size_t Unread() const { return bytes_.size() - offset_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
};

class VectorSink final : public InflateSink {
public:
    VectorSink(std::vector<std::uint8_t>& out, std::size_t limit)
        : out_(out)
        , limit_(limit)
    {
    }
    bool Write(const std::uint8_t* data, std::size_t size) override
    {
        if (size > limit_ - out_.size())
            return false;
        out_.insert(out_.end(), data, data + size);
        return true;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::size_t limit_;
};

std::uint32_t ReverseBits(std::uint32_t code, unsigned length)
{
    std::uint32_t reversed = 0;
    for (unsigned i = 0; i < length; ++i) {
        reversed = (reversed << 1) | (code & 1);
        code >>= 1;
    }
    return reversed;
}

} // namespace

const char* InflateStatusText(InflateStatus status)
{
    switch (status) {
    case InflateStatus::ok:
        return "ok";
    case InflateStatus::badData:
        return "invalid deflate data";
    case InflateStatus::truncated:
        return "deflate data ends early";
    case InflateStatus::readFailed:
        return "read error";
    case InflateStatus::writeFailed:
        return "write error";
    }
    return "?";
}

THuffmanTree::THuffmanTree(int capacity, Alphabet alphabet)
    : capacity_(std::clamp(capacity, 1, static_cast<int>(kMaxCodeBits)))
    , alphabet_(alphabet)
    , table_(1, kEmptyEntry)
{
    table_.reserve(std::size_t(1) << capacity_);
}

bool THuffmanTree::Build(std::span<const std::uint8_t> lengths)
{
    std::array<unsigned, kMaxCodeBits + 1> counts {};
    int longest = 0;
    for (std::uint8_t length : lengths) {
        if (length > capacity_)
            return false;
        ++counts[length];
        longest = std::max<int>(longest, length);
    }
    counts[0] = 0;
    // Kraft sum: more codes of a length than remain is not a prefix code.
    long left = 1;
    for (int length = 1; length <= capacity_; ++length) {
        left = 2 * left - static_cast<long>(counts[length]);
        if (left < 0)
            return false;
    }
    longest_ = longest;
    table_.resize(std::size_t(1) << longest);

    // Symbols by length, then by symbol: the canonical code order.
    std::array<std::uint16_t, kMaxCodeBits + 2> offsets {};
    for (int length = 1; length <= capacity_; ++length)
        offsets[length + 1] = static_cast<std::uint16_t>(offsets[length] + counts[length]);
    std::array<std::uint16_t, 320> sorted;
    if (lengths.size() > sorted.size())
        return false;
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
        if (lengths[symbol] != 0)
            sorted[offsets[lengths[symbol]]++] = static_cast<std::uint16_t>(symbol);
    }

    // Grow the table one length at a time: doubling replicates every entry
    // of a shorter code to all indices that share its low bits, and the codes
    // of the new length then take their own indices. Gaps stay empty.
    std::uint32_t* table = table_.data();
    table[0] = kEmptyEntry;
    std::size_t size = 1;
    std::uint32_t code = 0;
    std::size_t order = 0;
    for (int length = 1; length <= longest; ++length) {
        std::memcpy(table + size, table, size * sizeof *table);
        size *= 2;
        code <<= 1;
        for (unsigned n = 0; n < counts[length]; ++n, ++code) {
            const unsigned symbol = sorted[order++];
            unsigned extra = 0;
            if (alphabet_ == Alphabet::literalLength && symbol >= 257 && symbol - 257 < kLengthExtra.size())
                extra = kLengthExtra[symbol - 257];
            else if (alphabet_ == Alphabet::distance && symbol < kDistanceExtra.size())
                extra = kDistanceExtra[symbol];
            table[ReverseBits(code, static_cast<unsigned>(length))]
                = symbol | (static_cast<std::uint32_t>(length) << 16) | (extra << 24);
        }
    }
    return true;
}

InflateStatus Inflate(InflateSource& source, InflateSink& sink)
{
    Inflater inflater(source, sink);
    return inflater.Run();
}

InflateStatus InflateBytes(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output,
    std::size_t maxOutput, std::size_t* unusedInput)
{
    MemorySource source(input);
    VectorSink sink(output, maxOutput);
    Inflater inflater(source, sink);
    const InflateStatus status = inflater.Run();
    if (status == InflateStatus::ok && unusedInput)
        *unusedInput = source.Unread() + inflater.UnusedFetchedBytes();
    return status;
}

} // namespace folvane
