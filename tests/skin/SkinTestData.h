// Test helpers: element files, tiny bitmap files and skin archives built in
// memory (the deflate stream is made of stored blocks, enciphered on request),
// so that tests on both trees can make the inputs they need.
#pragma once

#include "skin/SkinArchive.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace folvane::test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::size_t at, std::uint32_t v)
{
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void Add16(Bytes& b, std::uint32_t v)
{
    b.resize(b.size() + 2);
    Put16(b, b.size() - 2, v);
}
inline void Add32(Bytes& b, std::uint32_t v)
{
    b.resize(b.size() + 4);
    Put32(b, b.size() - 4, v);
}

// A 24-bit bottom-up bitmap file image; pixel (x, y) gets colour(x, y) as 0x00RRGGBB.
template <class F> Bytes MakeBmpWith(int width, int height, F colour)
{
    const int stride = (width * 3 + 3) & ~3;
    Bytes b(54 + static_cast<std::size_t>(stride) * height);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = b.data() + 54 + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            row[x * 3] = static_cast<std::uint8_t>(c);
            row[x * 3 + 1] = static_cast<std::uint8_t>(c >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(c >> 16);
        }
    }
    return b;
}

inline Bytes MakeBmp(int width, int height, std::uint32_t colour)
{
    return MakeBmpWith(width, height, [colour](int, int) { return colour; });
}

// Builds an element file: header, data blocks, then the record chain ending
// in a terminating record.
class ElementFileBuilder {
public:
    ElementFileBuilder& Bitmap(const std::string& name, const Bytes& bmp) { return Add(name, 0, bmp); }
    ElementFileBuilder& Integer(const std::string& name, std::int32_t value)
    {
        Bytes d(4);
        Put32(d, 0, static_cast<std::uint32_t>(value));
        return Add(name, 1, d);
    }
    ElementFileBuilder& Flag(const std::string& name, std::uint8_t value) { return Add(name, 2, Bytes { value }); }
    ElementFileBuilder& String(const std::string& name, const std::string& text)
    {
        return Add(name, 3, Bytes(text.begin(), text.end()));
    }
    ElementFileBuilder& Add(const std::string& name, std::uint8_t kind, const Bytes& data)
    {
        elements_.push_back({ name, kind, data });
        return *this;
    }

    Bytes Build() const
    {
        Bytes file(24);
        Put32(file, 12, 24);
        std::vector<std::uint32_t> dataOffsets;
        for (const auto& e : elements_) {
            dataOffsets.push_back(static_cast<std::uint32_t>(file.size()));
            file.insert(file.end(), e.data.begin(), e.data.end());
        }
        const std::uint32_t first = static_cast<std::uint32_t>(file.size());
        Put32(file, 20, first);
        for (std::size_t i = 0; i <= elements_.size(); ++i) {
            const std::size_t at = file.size();
            file.resize(at + 77);
            if (i == elements_.size())
                break; // terminating record: next offset 0
            const auto& e = elements_[i];
            std::memcpy(file.data() + at, e.name.data(), std::min<std::size_t>(e.name.size(), 64));
            file[at + 64] = e.kind;
            Put32(file, at + 65, dataOffsets[i]);
            Put32(file, at + 69, static_cast<std::uint32_t>(e.data.size()));
            Put32(file, at + 73, static_cast<std::uint32_t>(at + 77));
        }
        return file;
    }

private:
    struct Element {
        std::string name;
        std::uint8_t kind;
        Bytes data;
    };
    std::vector<Element> elements_;
};

// Raw deflate of stored blocks only.
inline Bytes StoredDeflate(const Bytes& data)
{
    Bytes out;
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, data.size() - at);
        out.push_back(at + n == data.size() ? 1 : 0); // BFINAL, BTYPE 00
        Add16(out, static_cast<std::uint32_t>(n));
        Add16(out, static_cast<std::uint32_t>(~n & 0xFFFF));
        out.insert(out.end(), data.begin() + at, data.begin() + at + n);
        at += n;
    } while (at < data.size());
    return out;
}

struct ArchiveOptions {
    std::string memberName = "SKINDATA.SK2";
    std::string password; // non-empty: enciphered
    bool checkByteFromTime = false; // flag bit 3
    std::uint16_t time = 0x7A31;
    std::uint32_t crc = 0xC3A1B2F4; // not verified by the reader; any value serves
    const char* signature = "SK";
};

inline Bytes MakeSkinArchive(const Bytes& member, const ArchiveOptions& o = {})
{
    Bytes data = StoredDeflate(member);
    const std::uint16_t flags
        = static_cast<std::uint16_t>((o.password.empty() ? 0 : 1) | (o.checkByteFromTime ? 8 : 0));
    if (!o.password.empty()) {
        ZipCipher cipher(o.password);
        Bytes header(12);
        for (int i = 0; i < 11; ++i)
            header[i] = static_cast<std::uint8_t>(i * 37 + 5);
        header[11] = static_cast<std::uint8_t>(o.checkByteFromTime ? o.time >> 8 : o.crc >> 24);
        Bytes enciphered;
        for (auto b : header)
            enciphered.push_back(cipher.Encipher(b));
        for (auto b : data)
            enciphered.push_back(cipher.Encipher(b));
        data = std::move(enciphered);
    }
    Bytes a;
    // Local header.
    a.insert(a.end(), { 'P', 'K', 3, 4 });
    Add16(a, 20);
    Add16(a, flags);
    Add16(a, 8);
    Add16(a, o.time);
    Add16(a, 0x5A21);
    Add32(a, o.crc);
    Add32(a, static_cast<std::uint32_t>(data.size()));
    Add32(a, static_cast<std::uint32_t>(member.size()));
    Add16(a, static_cast<std::uint32_t>(o.memberName.size()));
    Add16(a, 0);
    a.insert(a.end(), o.memberName.begin(), o.memberName.end());
    a.insert(a.end(), data.begin(), data.end());
    // Central directory.
    const std::uint32_t directory = static_cast<std::uint32_t>(a.size());
    a.insert(a.end(), { 'P', 'K', 1, 2 });
    Add16(a, 20);
    Add16(a, 20);
    Add16(a, flags);
    Add16(a, 8);
    Add16(a, o.time);
    Add16(a, 0x5A21);
    Add32(a, o.crc);
    Add32(a, static_cast<std::uint32_t>(data.size()));
    Add32(a, static_cast<std::uint32_t>(member.size()));
    Add16(a, static_cast<std::uint32_t>(o.memberName.size()));
    Add16(a, 0);
    Add16(a, 0);
    Add16(a, 0);
    Add16(a, 0);
    Add32(a, 0);
    Add32(a, 0);
    a.insert(a.end(), o.memberName.begin(), o.memberName.end());
    const std::uint32_t directorySize = static_cast<std::uint32_t>(a.size()) - directory;
    // End record.
    a.insert(a.end(), { 'P', 'K', 5, 6 });
    Add16(a, 0);
    Add16(a, 0);
    Add16(a, 1);
    Add16(a, 1);
    Add32(a, directorySize);
    Add32(a, directory);
    Add16(a, 0);
    a[0] = static_cast<std::uint8_t>(o.signature[0]);
    a[1] = static_cast<std::uint8_t>(o.signature[1]);
    return a;
}

} // namespace folvane::test
