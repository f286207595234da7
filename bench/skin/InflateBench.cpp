// Inflate speed: this decoder against zlib (raw, windowBits -15) and
// libdeflate on the same streams, in one run. Prints MB/s and time ratios.
#include "skin/Inflate.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

Bytes Deflate(const Bytes& data, int level)
{
    z_stream z {};
    deflateInit2(&z, level, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&z, data.size()));
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// Bitmaps like a skin's: smooth gradients, flat key-colour areas, some
// anti-aliased detail whose amount sets the compressed size.
Bytes ElementFileLike(std::size_t size, int detailPercent)
{
    std::mt19937 rng(42);
    Bytes out;
    while (out.size() < size) {
        const int width = 60 + static_cast<int>(rng() % 200);
        const int height = 15 + static_cast<int>(rng() % 20);
        const char header[] = "BM6\0\0\0\0\0\0\0006\0\0\0(\0\0\0";
        out.insert(out.end(), header, header + sizeof header);
        const int r0 = static_cast<int>(rng() % 256), g0 = static_cast<int>(rng() % 256),
                  b0 = static_cast<int>(rng() % 256);
        for (int y = 0; y < height && out.size() < size; ++y) {
            for (int x = 0; x < width; ++x) {
                std::uint8_t px[3];
                if (x < 3 || x >= width - 3) {
                    px[0] = 0xFF, px[1] = 0, px[2] = 0xFF;
                } else {
                    px[0] = static_cast<std::uint8_t>(b0 + y * 3);
                    px[1] = static_cast<std::uint8_t>(g0 + y * 2);
                    px[2] = static_cast<std::uint8_t>(r0 + y);
                    if (static_cast<int>(rng() % 100) < detailPercent)
                        for (auto& c : px)
                            c = static_cast<std::uint8_t>(c + rng() % 24);
                }
                out.insert(out.end(), px, px + 3);
            }
            out.resize(out.size() + ((4 - (width * 3) % 4) % 4));
        }
    }
    out.resize(size);
    return out;
}

Bytes MixedCorpus(std::size_t size)
{
    std::mt19937 rng(7);
    static const char* const words[] = { "the ", "simulator ", "registry ", "folder ", "of ", "and ", "window ",
        "button ", "SetupPath ", "\r\n", "theme ", "a ", "is ", "to ", "in ", "Flight Simulator X " };
    Bytes out;
    while (out.size() < size) {
        switch (rng() % 5) {
        case 0:
        case 1: // text
            for (int i = 0; i < 400; ++i) {
                const char* w = words[rng() % std::size(words)];
                out.insert(out.end(), w, w + std::strlen(w));
            }
            break;
        case 2: // structured binary: records with counters
            for (std::uint32_t i = 0; i < 300; ++i) {
                std::uint32_t rec[4] = { i, i * 3, 0x00FF00FFu, static_cast<std::uint32_t>(rng() % 16) };
                auto* p = reinterpret_cast<std::uint8_t*>(rec);
                out.insert(out.end(), p, p + sizeof rec);
            }
            break;
        case 3: // bitmap-like
        {
            Bytes b = ElementFileLike(4000, 10);
            out.insert(out.end(), b.begin(), b.end());
            break;
        }
        default: // incompressible
            for (int i = 0; i < 2000; ++i)
                out.push_back(static_cast<std::uint8_t>(rng()));
        }
    }
    out.resize(size);
    return out;
}

class FixedSink final : public folvane::InflateSink {
public:
    explicit FixedSink(Bytes& out)
        : out_(out)
    {
    }
    bool Write(const std::uint8_t* data, std::size_t size) override
    {
        if (size > out_.size() - used)
            return false;
        std::memcpy(out_.data() + used, data, size);
        used += size;
        return true;
    }
    std::size_t used = 0;

private:
    Bytes& out_;
};

class SpanSource final : public folvane::InflateSource {
public:
    explicit SpanSource(const Bytes& in)
        : in_(in)
    {
    }
    std::size_t Read(std::uint8_t* buffer, std::size_t size, bool&) override
    {
        const std::size_t n = std::min(size, in_.size() - offset_);
        std::memcpy(buffer, in_.data() + offset_, n);
        offset_ += n;
        return n;
    }

private:
    const Bytes& in_;
    std::size_t offset_ = 0;
};

// Rounds alternate between the decoders so that load from other processes
// falls on all of them alike; the best time of each counts.
struct Times {
    double ours = 1e9, zlib = 1e9, libdeflate = 1e9;
};

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "%s failed\n", what);
        std::exit(1);
    }
}

template <class F> void Time(double& best, F&& run, const char* what)
{
    const auto t0 = Clock::now();
    Check(run(), what);
    best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
}

void Measure(const char* label, const Bytes& data, int level, const char* only)
{
    const Bytes stream = Deflate(data, level);
    Bytes out(data.size());
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    auto ours = [&] {
        SpanSource source(stream);
        FixedSink sink(out);
        return folvane::Inflate(source, sink) == folvane::InflateStatus::ok && sink.used == data.size();
    };
    auto zlib = [&] {
        z_stream z {};
        inflateInit2(&z, -15);
        z.next_in = const_cast<Bytef*>(stream.data());
        z.avail_in = static_cast<uInt>(stream.size());
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        const bool ok = inflate(&z, Z_FINISH) == Z_STREAM_END;
        inflateEnd(&z);
        return ok;
    };
    auto ld = [&] {
        return libdeflate_deflate_decompress(d, stream.data(), stream.size(), out.data(), out.size(), nullptr)
            == LIBDEFLATE_SUCCESS;
    };
    Check(ours() && out == data, "our decode");
    Times t;
    const int rounds = std::max(7, static_cast<int>(300'000'000 / data.size()));
    for (int r = 0; r < rounds; ++r) {
        if (!only || std::strcmp(only, "ours") == 0)
            Time(t.ours, ours, "ours");
        if (!only || std::strcmp(only, "zlib") == 0)
            Time(t.zlib, zlib, "zlib");
        if (!only || std::strcmp(only, "libdeflate") == 0)
            Time(t.libdeflate, ld, "libdeflate");
    }
    libdeflate_free_decompressor(d);

    const double mb = static_cast<double>(data.size()) / 1e6;
    std::printf("%-24s level %d %9zu -> %8zu (%4.1f %%)  MB/s: ours %6.0f  zlib %6.0f  libdeflate %6.0f  "
                "time ours/zlib %.2f  ours/libdeflate %.2f\n",
        label, level, data.size(), stream.size(), 100.0 * stream.size() / data.size(), mb / t.ours, mb / t.zlib,
        mb / t.libdeflate, t.ours / t.zlib, t.ours / t.libdeflate);
}

} // namespace

// Usage: skin_inflate_bench [element|mixed] [ours|zlib|libdeflate]
int main(int argc, char** argv)
{
    const char* input = argc > 1 ? argv[1] : nullptr;
    const char* only = argc > 2 ? argv[2] : nullptr;
    if (!input || std::strcmp(input, "element") == 0) {
        // The detail that brings the element-file-like input near 18 %.
        int detail = 1;
        for (; detail < 60; ++detail) {
            const Bytes probe = ElementFileLike(120'000, detail);
            if (Deflate(probe, 9).size() * 100 >= 18 * probe.size())
                break;
        }
        const Bytes element = ElementFileLike(120'000, detail);
        Measure("element file (120 KB)", element, 9, only);
        Measure("element file (120 KB)", element, 1, only);
    }
    if (!input || std::strcmp(input, "mixed") == 0) {
        const Bytes mixed = MixedCorpus(10'000'000);
        Measure("mixed corpus (10 MB)", mixed, 9, only);
        Measure("mixed corpus (10 MB)", mixed, 1, only);
    }
    return 0;
}
