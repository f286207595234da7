// Raster to BMP, mask, PNG and icon conversions; the palette cut lives here too.
#include "Formats.h"

#include "ByteWriter.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <map>

namespace folvane {

namespace {

Argb Composite(Argb colour, Argb matte)
{
    const int a = AlphaOf(colour);
    auto mix = [a](int c, int m) { return static_cast<std::uint32_t>((c * a + m * (255 - a) + 127) / 255); };
    return 0xFF000000u | (mix(RedOf(colour), RedOf(matte)) << 16) | (mix(GreenOf(colour), GreenOf(matte)) << 8)
        | mix(BlueOf(colour), BlueOf(matte));
}

BmpImage Blank(const Raster& raster, int bits)
{
    BmpImage image;
    image.width = raster.Width();
    image.height = raster.Height();
    image.bitsPerPixel = bits;
    return image;
}

// ---------------------------------------------------------------- median cut

struct ColourCount {
    Argb colour;
    std::uint64_t count;
};

struct Box {
    std::size_t begin;
    std::size_t end;
};

int Channel(Argb c, int axis)
{
    return axis == 0 ? RedOf(c) : axis == 1 ? GreenOf(c) : BlueOf(c);
}

// Widest channel of a box and its extent.
std::pair<int, int> WidestAxis(const std::vector<ColourCount>& colours, const Box& box)
{
    int best = 0;
    int bestRange = -1;
    for (int axis = 0; axis < 3; ++axis) {
        int lo = 255;
        int hi = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            lo = std::min(lo, Channel(colours[i].colour, axis));
            hi = std::max(hi, Channel(colours[i].colour, axis));
        }
        if (hi - lo > bestRange) {
            bestRange = hi - lo;
            best = axis;
        }
    }
    return { best, bestRange };
}

std::vector<Argb> MedianCut(std::vector<ColourCount> colours, std::size_t entries)
{
    std::vector<Box> boxes { Box { 0, colours.size() } };
    while (boxes.size() < entries) {
        // Split the box whose spread weighs most: range times its pixel share.
        double bestScore = 0;
        std::size_t pick = boxes.size();
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2)
                continue;
            std::uint64_t weight = 0;
            for (std::size_t i = boxes[b].begin; i < boxes[b].end; ++i)
                weight += colours[i].count;
            const double score = static_cast<double>(WidestAxis(colours, boxes[b]).second + 1)
                * static_cast<double>(boxes[b].end - boxes[b].begin) * (1.0 + static_cast<double>(weight) * 1e-6);
            if (score > bestScore) {
                bestScore = score;
                pick = b;
            }
        }
        if (pick == boxes.size())
            break;
        Box box = boxes[pick];
        const int axis = WidestAxis(colours, box).first;
        std::stable_sort(colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
            colours.begin() + static_cast<std::ptrdiff_t>(box.end), [axis](const ColourCount& l, const ColourCount& r) {
                return Channel(l.colour, axis) < Channel(r.colour, axis);
            });
        // Split at the middle of the distinct colours, so that a heavy flat
        // colour keeps one entry and the ramps around it get the rest.
        const std::size_t mid = box.begin + (box.end - box.begin) / 2;
        boxes[pick] = Box { box.begin, mid };
        boxes.push_back(Box { mid, box.end });
    }
    std::vector<Argb> palette;
    for (const Box& box : boxes) {
        std::array<std::uint64_t, 3> sum {};
        std::uint64_t weight = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            for (int axis = 0; axis < 3; ++axis)
                sum[static_cast<std::size_t>(axis)]
                    += static_cast<std::uint64_t>(Channel(colours[i].colour, axis)) * colours[i].count;
            weight += colours[i].count;
        }
        auto mean = [&](int axis) {
            return static_cast<std::uint32_t>((sum[static_cast<std::size_t>(axis)] + weight / 2) / weight);
        };
        palette.push_back(0xFF000000u | (mean(0) << 16) | (mean(1) << 8) | mean(2));
    }
    return palette;
}

int Distance(Argb a, Argb b)
{
    const int dr = RedOf(a) - RedOf(b);
    const int dg = GreenOf(a) - GreenOf(b);
    const int db = BlueOf(a) - BlueOf(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

std::vector<Argb> FlattenPixels(const Raster& raster, const Flatten& rule)
{
    std::vector<Argb> out;
    out.reserve(static_cast<std::size_t>(raster.Width()) * static_cast<std::size_t>(raster.Height()));
    for (int y = 0; y < raster.Height(); ++y) {
        for (int x = 0; x < raster.Width(); ++x) {
            const Argb p = raster.Pixel(x, y);
            if (rule.key && AlphaOf(p) < rule.minAlpha) {
                out.push_back(*rule.key | 0xFF000000u);
                continue;
            }
            Argb c;
            if (rule.matte)
                c = Composite(p, *rule.matte);
            else if (rule.key)
                c = p | 0xFF000000u;
            else
                c = Composite(p, Rgb(0xFFFFFF));
            if (rule.key && (c & 0xFFFFFF) == (*rule.key & 0xFFFFFF))
                c ^= 0x100; // one step of green off the key
            out.push_back(c);
        }
    }
    return out;
}

BmpImage ToBmp24(const Raster& raster, const Flatten& rule)
{
    BmpImage image = Blank(raster, 24);
    image.pixels = FlattenPixels(raster, rule);
    for (auto& p : image.pixels)
        p &= 0xFFFFFF;
    return image;
}

BmpImage ToBmp32(const Raster& raster, const Flatten& rule)
{
    BmpImage image = ToBmp24(raster, rule);
    image.bitsPerPixel = 32;
    return image;
}

BmpImage ToMask(const Raster& raster, int minAlpha)
{
    BmpImage image = Blank(raster, 1);
    image.palette = { 0x000000, 0xFFFFFF };
    for (int y = 0; y < raster.Height(); ++y) {
        for (int x = 0; x < raster.Width(); ++x) {
            const bool clear = AlphaOf(raster.Pixel(x, y)) < minAlpha;
            image.indices.push_back(clear ? 1 : 0);
            image.pixels.push_back(clear ? 0xFFFFFF : 0);
        }
    }
    return image;
}

BmpImage QuantizePixels(
    const std::vector<Argb>& pixels, int width, int height, int bitsPerPixel, std::optional<Argb> key)
{
    const std::size_t entries = std::size_t { 1 } << bitsPerPixel;
    const Argb keyColour = key ? (*key | 0xFF000000u) : 0;
    std::map<Argb, std::uint64_t> histogram;
    for (Argb p : pixels)
        if (!key || p != keyColour)
            ++histogram[p | 0xFF000000u];

    std::vector<Argb> palette;
    if (key)
        palette.push_back(keyColour);
    const std::size_t free = entries - palette.size();
    if (histogram.size() <= free) {
        for (const auto& [colour, count] : histogram)
            palette.push_back(colour);
    } else {
        std::vector<ColourCount> colours;
        for (const auto& [colour, count] : histogram)
            colours.push_back({ colour, count });
        std::vector<Argb> cut = MedianCut(std::move(colours), free);
        std::sort(cut.begin(), cut.end());
        for (Argb c : cut) {
            if (key && c == keyColour)
                c ^= 0x100;
            palette.push_back(c);
        }
    }

    BmpImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    const std::size_t first = key ? 1 : 0;
    std::map<Argb, std::uint8_t> nearest;
    for (Argb p : pixels) {
        std::uint8_t index = 0;
        if (!key || p != keyColour) {
            auto found = nearest.find(p);
            if (found == nearest.end()) {
                std::size_t best = first;
                for (std::size_t i = first; i < palette.size(); ++i)
                    if (Distance(p, palette[i]) < Distance(p, palette[best]))
                        best = i;
                found = nearest.emplace(p, static_cast<std::uint8_t>(best)).first;
            }
            index = found->second;
        }
        image.indices.push_back(index);
        image.pixels.push_back(palette[index] & 0xFFFFFF);
    }
    for (Argb c : palette)
        image.palette.push_back(c & 0xFFFFFF);
    image.palette.resize(entries, 0);
    return image;
}

BmpImage ToBmpIndexed(const Raster& raster, int bitsPerPixel, const Flatten& rule)
{
    return QuantizePixels(FlattenPixels(raster, rule), raster.Width(), raster.Height(), bitsPerPixel, rule.key);
}

// ---------------------------------------------------------------- PNG

std::vector<std::uint8_t> EncodePng(const Raster& raster)
{
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < raster.Height(); ++y) {
        raw.push_back(0); // filter: none
        for (int x = 0; x < raster.Width(); ++x) {
            const Argb p = raster.Pixel(x, y);
            const bool clear = AlphaOf(p) == 0;
            raw.push_back(clear ? 0 : static_cast<std::uint8_t>(RedOf(p)));
            raw.push_back(clear ? 0 : static_cast<std::uint8_t>(GreenOf(p)));
            raw.push_back(clear ? 0 : static_cast<std::uint8_t>(BlueOf(p)));
            raw.push_back(static_cast<std::uint8_t>(AlphaOf(p)));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9);
    packed.resize(packedSize);

    std::vector<std::uint8_t> out = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    auto chunk = [&out](const char* type, const std::vector<std::uint8_t>& data) {
        Put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
        const std::size_t start = out.size();
        out.insert(out.end(), type, type + 4);
        out.insert(out.end(), data.begin(), data.end());
        const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
        Put32BigEndian(out, static_cast<std::uint32_t>(crc));
    };
    std::vector<std::uint8_t> header;
    Put32BigEndian(header, static_cast<std::uint32_t>(raster.Width()));
    Put32BigEndian(header, static_cast<std::uint32_t>(raster.Height()));
    header.insert(header.end(), { 8, 6, 0, 0, 0 }); // 8 bits, RGBA, deflate, no filter variants, no interlace
    chunk("IHDR", header);
    chunk("IDAT", packed);
    chunk("IEND", {});
    return out;
}

// ---------------------------------------------------------------- icons

std::vector<std::uint8_t> EncodeIco(const std::vector<const Raster*>& images)
{
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const Raster* raster : images) {
        const int w = raster->Width();
        const int h = raster->Height();
        std::vector<std::uint8_t> body;
        Put32(body, 40);
        Put32(body, static_cast<std::uint32_t>(w));
        Put32(body, static_cast<std::uint32_t>(h * 2)); // colour rows and mask rows
        Put16(body, 1);
        Put16(body, 32);
        Put32(body, 0);
        const std::uint32_t maskRow = static_cast<std::uint32_t>(BmpRowBytes(static_cast<std::uint64_t>(w), 1));
        Put32(body, static_cast<std::uint32_t>(w * h * 4) + maskRow * static_cast<std::uint32_t>(h));
        for (int i = 0; i < 4; ++i)
            Put32(body, 0);
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x) {
                const Argb p = raster->Pixel(x, y);
                Put32(body, AlphaOf(p) == 0 ? 0 : p);
            }
        }
        for (int y = h - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskRow, 0);
            for (int x = 0; x < w; ++x)
                if (AlphaOf(raster->Pixel(x, y)) == 0)
                    row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(body));
    }

    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1); // icon
    Put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(images[i]->Width() & 0xFF));
        out.push_back(static_cast<std::uint8_t>(images[i]->Height() & 0xFF));
        out.push_back(0); // no palette
        out.push_back(0);
        Put16(out, 1); // planes
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

} // namespace folvane
