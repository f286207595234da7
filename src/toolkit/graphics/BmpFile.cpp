// BMP file parsing and encoding; see BmpFile.h for what is accepted.
#include "toolkit/graphics/BmpFile.h"

#include "toolkit/ByteReader.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace folvane {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// ---------------------------------------------------------------------------
// Colour masks of BI_BITFIELDS (and the implied 5-5-5 of 16-bit BI_RGB).

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    // Scales the channel's value to 8 bits by bit replication, so that a full
    // 5-bit value becomes 255 rather than 248.
    std::uint32_t Extract(std::uint32_t value) const
    {
        if (bits == 0)
            return 0;
        std::uint32_t v = (value & mask) >> shift;
        if (bits >= 8)
            return v >> (bits - 8);
        std::uint32_t result = 0;
        int filled = 0;
        while (filled < 8) {
            result = (result << bits) | v;
            filled += bits;
        }
        return result >> (filled - 8);
    }
};

bool MakeChannel(std::uint32_t mask, Channel& ch)
{
    ch = Channel {};
    if (mask == 0)
        return true;
    ch.mask = mask;
    ch.shift = std::countr_zero(mask);
    std::uint32_t shifted = mask >> ch.shift;
    // Contiguous masks only: shifted must be of the form 0...01...1.
    if ((shifted & (shifted + 1)) != 0)
        return false;
    ch.bits = std::popcount(shifted);
    return true;
}

bool Fail(std::string* error, const char* text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

// ===========================================================================
// Parsing, in stages: file and information header, colour masks, colour
// table, where the rows lie, then the rows themselves.

namespace {

struct BmpHeader {
    std::uint32_t offBits = 0;
    std::uint32_t headerSize = 0;
    bool core = false;
    std::int64_t width = 0;
    std::int64_t height = 0; // positive; topDown says which way the rows run
    bool topDown = false;
    unsigned bpp = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t clrUsed = 0;
};

struct PixelFormat {
    Channel red, green, blue, alpha;
    bool alphaFromTopByte = false;
};

bool ReadHeader(std::span<const std::uint8_t> bytes, const BmpKeepRule& keep, BmpHeader& hdr, std::string* error)
{
    if (bytes.size() < kFileHeaderSize + 4)
        return Fail(error, "BMP data truncated in the file header");
    ByteReader in(bytes);
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return Fail(error, "not a BMP file image (no \"BM\" signature)");
    hdr.offBits = in.U32At(10);
    hdr.headerSize = in.U32At(14);

    const std::uint32_t size = hdr.headerSize;
    hdr.core = size == kCoreHeaderSize;
    if (!hdr.core && size != 40 && size != 52 && size != 56 && size != 108 && size != 124)
        return Fail(error, "unsupported BMP information header size");
    if (bytes.size() < kFileHeaderSize + size)
        return Fail(error, "BMP data truncated in the information header");

    const std::size_t h = kFileHeaderSize;
    if (hdr.core) {
        hdr.width = in.U16At(h + 4);
        hdr.height = in.U16At(h + 6);
        hdr.bpp = in.U16At(h + 10);
    } else {
        hdr.width = static_cast<std::int32_t>(in.U32At(h + 4));
        hdr.height = static_cast<std::int32_t>(in.U32At(h + 8));
        hdr.bpp = in.U16At(h + 14);
        hdr.compression = in.U32At(h + 16);
        hdr.clrUsed = in.U32At(h + 32);
    }
    hdr.topDown = hdr.height < 0;
    if (hdr.topDown)
        hdr.height = -hdr.height;
    if (hdr.width <= 0 || hdr.height <= 0)
        return Fail(error, "BMP image has no pixels");
    const std::uint64_t storedPixels = static_cast<std::uint64_t>(hdr.width) * static_cast<std::uint64_t>(hdr.height);
    if (hdr.height > std::numeric_limits<int>::max() || (!keep && storedPixels > kMaxBmpPixels))
        return Fail(error, "BMP image too large");
    const unsigned bpp = hdr.bpp;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return Fail(error, "unsupported BMP bit depth");
    if (hdr.compression != kBiRgb && !(hdr.compression == kBiBitfields && (bpp == 16 || bpp == 32)))
        return Fail(error, "unsupported BMP compression");
    return true;
}

// Colour masks: inside the header from 52 bytes on, else three DWORDs after a
// 40-byte header (which `cursor` then steps over).
bool ReadMasks(std::span<const std::uint8_t> bytes, const BmpHeader& hdr, std::size_t& cursor, PixelFormat& fmt,
    std::string* error)
{
    if (hdr.compression == kBiBitfields) {
        ByteReader in(bytes);
        const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
        if (hdr.headerSize == kInfoHeaderSize) {
            if (bytes.size() < cursor + 12)
                return Fail(error, "BMP data truncated in the colour masks");
            cursor += 12;
        }
        std::uint32_t masks[4] = {};
        masks[0] = in.U32At(at);
        masks[1] = in.U32At(at + 4);
        masks[2] = in.U32At(at + 8);
        if (hdr.headerSize >= 56)
            masks[3] = in.U32At(at + 12);
        if (hdr.bpp == 16 && ((masks[0] | masks[1] | masks[2] | masks[3]) >> 16) != 0)
            return Fail(error, "BMP colour mask wider than the pixel");
        if (!MakeChannel(masks[0], fmt.red) || !MakeChannel(masks[1], fmt.green) || !MakeChannel(masks[2], fmt.blue)
            || !MakeChannel(masks[3], fmt.alpha))
            return Fail(error, "BMP colour mask not contiguous");
        fmt.alphaFromTopByte = hdr.bpp == 32 && masks[3] == 0 && ((masks[0] | masks[1] | masks[2]) & 0xFF000000u) == 0;
    } else if (hdr.bpp == 16) {
        MakeChannel(0x7C00, fmt.red);
        MakeChannel(0x03E0, fmt.green);
        MakeChannel(0x001F, fmt.blue);
    }
    return true;
}

// Colour table: required for depths up to 8 (0 entries means all of them);
// true-colour images may carry a palette hint, skipped but still occupying
// space before the rows. Moves `cursor` past the table.
bool ReadPalette(std::span<const std::uint8_t> bytes, const BmpHeader& hdr, std::size_t& cursor,
    std::vector<std::uint32_t>& palette, std::string* error)
{
    std::size_t entries = 0;
    if (hdr.bpp <= 8) {
        const std::uint32_t full = 1u << hdr.bpp;
        if (hdr.clrUsed > full)
            return Fail(error, "BMP colour table larger than the bit depth allows");
        entries = hdr.clrUsed == 0 ? full : hdr.clrUsed;
    } else if (hdr.clrUsed != 0) {
        if (hdr.clrUsed > 256)
            return Fail(error, "BMP colour table larger than the bit depth allows");
        entries = hdr.clrUsed;
    }
    const std::size_t entrySize = hdr.core ? 3 : 4;
    ByteReader in(bytes);
    in.Skip(cursor);
    const auto table = in.Take(entries * entrySize);
    if (!in.Ok())
        return Fail(error, "BMP data truncated in the colour table");
    cursor += table.size();
    if (hdr.bpp > 8)
        return true;
    ByteReader entry(table);
    palette.resize(entries);
    for (std::uint32_t& colour : palette) {
        const std::uint32_t blue = entry.U8();
        const std::uint32_t green = entry.U8();
        const std::uint32_t red = entry.U8();
        entry.Skip(entrySize - 3);
        colour = (red << 16) | (green << 8) | blue;
    }
    return true;
}

// The rows start at bfOffBits; writers that leave it 0 put them straight after
// the table. An offset pointing into the headers is forged.
bool LocateRows(std::span<const std::uint8_t> bytes, const BmpHeader& hdr, std::size_t tableEnd,
    std::size_t& pixelStart, std::uint64_t& rowBytes, std::string* error)
{
    pixelStart = tableEnd;
    if (hdr.offBits != 0) {
        if (hdr.offBits < tableEnd)
            return Fail(error, "BMP pixel offset points into the headers");
        pixelStart = hdr.offBits;
    }
    rowBytes = BmpRowBytes(static_cast<std::uint64_t>(hdr.width), hdr.bpp);
    const std::uint64_t dataBytes = rowBytes * static_cast<std::uint64_t>(hdr.height);
    if (pixelStart > bytes.size() || dataBytes > bytes.size() - pixelStart)
        return Fail(error, "BMP data truncated in the pixel rows");
    return true;
}

void DecodeIndexedRow(const std::uint8_t* row, int w, unsigned bpp, const std::vector<std::uint32_t>& palette,
    std::uint8_t* idx, std::uint32_t* dst)
{
    const unsigned perByte = 8 / bpp;
    const unsigned valueMask = (1u << bpp) - 1;
    for (int x = 0; x < w; ++x) {
        const unsigned byte = row[static_cast<unsigned>(x) / perByte];
        const unsigned shift = 8 - bpp * (static_cast<unsigned>(x) % perByte + 1);
        const std::uint8_t index = static_cast<std::uint8_t>((byte >> shift) & valueMask);
        idx[x] = index;
        // An index past a short table has no colour; black, like the platform's loader.
        dst[x] = index < palette.size() ? palette[index] : 0;
    }
}

void DecodeTrueColourRow(
    const std::uint8_t* row, int w, const BmpHeader& hdr, const PixelFormat& fmt, std::uint32_t* dst)
{
    switch (hdr.bpp) {
    case 16:
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
            dst[x] = (fmt.alpha.Extract(v) << 24) | (fmt.red.Extract(v) << 16) | (fmt.green.Extract(v) << 8)
                | fmt.blue.Extract(v);
        }
        break;
    case 24:
        for (int x = 0; x < w; ++x)
            dst[x] = (static_cast<std::uint32_t>(row[3 * x + 2]) << 16)
                | (static_cast<std::uint32_t>(row[3 * x + 1]) << 8) | row[3 * x];
        break;
    case 32:
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = static_cast<std::uint32_t>(row[4 * x])
                | (static_cast<std::uint32_t>(row[4 * x + 1]) << 8) | (static_cast<std::uint32_t>(row[4 * x + 2]) << 16)
                | (static_cast<std::uint32_t>(row[4 * x + 3]) << 24);
            if (hdr.compression == kBiRgb) {
                dst[x] = v;
            } else {
                const std::uint32_t a = fmt.alphaFromTopByte ? (v >> 24) : fmt.alpha.Extract(v);
                dst[x] = (a << 24) | (fmt.red.Extract(v) << 16) | (fmt.green.Extract(v) << 8) | fmt.blue.Extract(v);
            }
        }
        break;
    }
}

} // namespace

bool ParseBmpFile(std::span<const std::uint8_t> bytes, BmpImage& out, std::size_t* consumed, std::string* error,
    const BmpKeepRule& keep)
{
    out = BmpImage {};
    if (consumed)
        *consumed = 0;

    BmpHeader hdr;
    if (!ReadHeader(bytes, keep, hdr, error))
        return false;
    std::size_t cursor = kFileHeaderSize + hdr.headerSize;
    PixelFormat fmt;
    if (!ReadMasks(bytes, hdr, cursor, fmt, error) || !ReadPalette(bytes, hdr, cursor, out.palette, error))
        return false;
    std::size_t pixelStart = 0;
    std::uint64_t rowBytes = 0;
    if (!LocateRows(bytes, hdr, cursor, pixelStart, rowBytes, error))
        return false;

    // With a keep rule the pixel limit is on what is kept: the stored rows are
    // already in memory, so only the decoded copy can grow out of proportion.
    const int storedHeight = static_cast<int>(hdr.height);
    BmpSize kept { static_cast<int>(hdr.width), storedHeight };
    if (keep) {
        const BmpSize wanted = keep(kept);
        kept.width = std::clamp(wanted.width, 1, kept.width);
        kept.height = std::clamp(wanted.height, 1, kept.height);
    }
    if (static_cast<std::uint64_t>(kept.width) * static_cast<std::uint64_t>(kept.height) > kMaxBmpPixels)
        return Fail(error, "BMP image too large");
    const int w = kept.width;
    const int ht = kept.height;
    out.width = w;
    out.height = ht;
    out.bitsPerPixel = static_cast<int>(hdr.bpp);
    const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(ht);
    out.pixels.resize(count);
    if (hdr.bpp <= 8)
        out.indices.resize(count);

    for (int y = 0; y < ht; ++y) {
        const int storedRow = hdr.topDown ? y : storedHeight - 1 - y;
        const std::uint8_t* row = bytes.data() + pixelStart + static_cast<std::size_t>(storedRow) * rowBytes;
        std::uint32_t* dst = out.pixels.data() + static_cast<std::size_t>(y) * w;
        if (hdr.bpp <= 8)
            DecodeIndexedRow(row, w, hdr.bpp, out.palette, out.indices.data() + static_cast<std::size_t>(y) * w, dst);
        else
            DecodeTrueColourRow(row, w, hdr, fmt, dst);
    }

    if (consumed)
        *consumed = pixelStart + static_cast<std::size_t>(rowBytes * static_cast<std::uint64_t>(hdr.height));
    return true;
}

// ===========================================================================
// Encoding

std::uint8_t NearestPaletteIndex(const std::vector<std::uint32_t>& palette, std::uint32_t pixel)
{
    const std::uint32_t rgb = pixel & 0xFFFFFF;
    // Palettes hold at most 256 entries; larger ones are cut to what an index reaches.
    const std::size_t n = std::min<std::size_t>(palette.size(), 256);
    std::size_t best = 0;
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t p = palette[i] & 0xFFFFFF;
        if (p == rgb)
            return static_cast<std::uint8_t>(i);
        const std::int64_t dr = static_cast<std::int64_t>((p >> 16) & 0xFF) - ((rgb >> 16) & 0xFF);
        const std::int64_t dg = static_cast<std::int64_t>((p >> 8) & 0xFF) - ((rgb >> 8) & 0xFF);
        const std::int64_t db = static_cast<std::int64_t>(p & 0xFF) - (rgb & 0xFF);
        const std::int64_t d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::vector<std::uint8_t> EncodeBmpFile(const BmpImage& image)
{
    const int bpp = image.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return {};
    if (image.width <= 0 || image.height <= 0)
        return {};
    const std::uint64_t count = static_cast<std::uint64_t>(image.width) * static_cast<std::uint64_t>(image.height);
    if (count > kMaxBmpPixels || image.pixels.size() != count)
        return {};

    const std::size_t fullTable = bpp <= 8 ? (std::size_t { 1 } << bpp) : 0;
    std::vector<std::uint32_t> palette = image.palette;
    if (bpp <= 8) {
        if (palette.empty() || palette.size() > fullTable)
            palette.resize(fullTable, 0);
    } else {
        palette.clear();
    }

    const std::uint64_t rowBytes = BmpRowBytes(static_cast<std::uint64_t>(image.width), static_cast<unsigned>(bpp));
    const std::uint64_t dataBytes = rowBytes * static_cast<std::uint64_t>(image.height);
    const std::uint32_t offBits = static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + palette.size() * 4);
    const std::uint64_t total = offBits + dataBytes;

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(total));
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(total));
    Put32(out, 0); // reserved
    Put32(out, offBits);

    Put32(out, static_cast<std::uint32_t>(kInfoHeaderSize));
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height)); // positive: bottom-up
    Put16(out, 1); // planes
    Put16(out, static_cast<std::uint16_t>(bpp));
    Put32(out, kBiRgb);
    Put32(out, static_cast<std::uint32_t>(dataBytes));
    Put32(out, 0); // horizontal resolution: unspecified
    Put32(out, 0); // vertical resolution: unspecified
    Put32(out, palette.size() == fullTable ? 0 : static_cast<std::uint32_t>(palette.size()));
    Put32(out, 0); // all colours important

    for (std::uint32_t c : palette)
        Put32(out, c & 0xFFFFFF); // RGBQUAD: blue, green, red, 0

    const bool haveIndices = bpp <= 8 && image.indices.size() == count;
    const std::size_t w = static_cast<std::size_t>(image.width);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes));
    for (int y = image.height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const std::uint32_t* src = image.pixels.data() + static_cast<std::size_t>(y) * w;
        switch (bpp) {
        case 1:
        case 4:
        case 8: {
            const unsigned perByte = 8 / static_cast<unsigned>(bpp);
            const unsigned valueMask = (1u << bpp) - 1;
            for (std::size_t x = 0; x < w; ++x) {
                unsigned index = haveIndices ? image.indices[static_cast<std::size_t>(y) * w + x]
                                             : NearestPaletteIndex(palette, src[x]);
                index &= valueMask;
                const unsigned shift = 8 - static_cast<unsigned>(bpp) * (static_cast<unsigned>(x % perByte) + 1);
                row[x / perByte] = static_cast<std::uint8_t>(row[x / perByte] | (index << shift));
            }
            break;
        }
        case 16:
            for (std::size_t x = 0; x < w; ++x) {
                const std::uint32_t p = src[x];
                const std::uint32_t v = (((p >> 19) & 0x1F) << 10) | (((p >> 11) & 0x1F) << 5) | ((p >> 3) & 0x1F);
                row[2 * x] = static_cast<std::uint8_t>(v);
                row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
            }
            break;
        case 24:
            for (std::size_t x = 0; x < w; ++x) {
                row[3 * x] = static_cast<std::uint8_t>(src[x]);
                row[3 * x + 1] = static_cast<std::uint8_t>(src[x] >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(src[x] >> 16);
            }
            break;
        case 32:
            for (std::size_t x = 0; x < w; ++x)
                for (int b = 0; b < 4; ++b)
                    row[4 * x + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(src[x] >> (8 * b));
            break;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace folvane
