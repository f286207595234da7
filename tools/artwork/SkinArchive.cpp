// Element file and skin archive writing.
#include "SkinArchive.h"

#include "ByteWriter.h"

#include <zlib.h>

#include <stdexcept>

namespace folvane {

namespace {

constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kRecordSize = 77;
constexpr std::size_t kNameSize = 64;
// 2007-01-01 12:00:00 in DOS form; any fixed stamp keeps output reproducible.
constexpr std::uint16_t kDosTime = 12 << 11;
constexpr std::uint16_t kDosDate = ((2007 - 1980) << 9) | (1 << 5) | 1;

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data)
{
    z_stream z {};
    // Raw DEFLATE (negative window bits): the archive carries no zlib wrapper.
    if (deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    std::vector<std::uint8_t> out(deflateBound(&z, static_cast<uLong>(data.size())));
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (status != Z_STREAM_END)
        throw std::runtime_error("deflate did not finish");
    return out;
}

const std::string& CheckedName(const std::string& name)
{
    if (name.empty() || name.size() > kNameSize)
        throw std::runtime_error("element name must be 1 to 64 bytes: " + name);
    return name;
}

} // namespace

void SkinElementFile::AddBitmap(const std::string& name, std::vector<std::uint8_t> bmpFile)
{
    elements_.push_back({ CheckedName(name), SkinElementKind::bitmap, std::move(bmpFile) });
}

void SkinElementFile::AddInteger(const std::string& name, std::int32_t value)
{
    std::vector<std::uint8_t> data;
    Put32(data, static_cast<std::uint32_t>(value));
    elements_.push_back({ CheckedName(name), SkinElementKind::integer, std::move(data) });
}

void SkinElementFile::AddFlag(const std::string& name, bool value)
{
    elements_.push_back({ CheckedName(name), SkinElementKind::flag, { static_cast<std::uint8_t>(value ? 1 : 0) } });
}

void SkinElementFile::AddString(const std::string& name, const std::string& text)
{
    elements_.push_back(
        { CheckedName(name), SkinElementKind::string, std::vector<std::uint8_t>(text.begin(), text.end()) });
}

std::vector<std::uint8_t> SkinElementFile::Bytes() const
{
    std::vector<std::uint8_t> out;
    const char tag[12] = { 'F', 'O', 'L', 'V', 'A', 'N', 'E', ' ', 'S', 'K', '2', 0 };
    out.insert(out.end(), tag, tag + 12);
    Put32(out, kHeaderSize);
    Put32(out, static_cast<std::uint32_t>(elements_.size()));
    Put32(out, kHeaderSize); // first record right after the header

    auto record = [&out](const std::string& name, SkinElementKind kind, std::uint32_t dataOffset,
                      std::uint32_t dataSize, std::uint32_t next) {
        std::vector<std::uint8_t> field(kNameSize, 0);
        std::copy(name.begin(), name.end(), field.begin());
        out.insert(out.end(), field.begin(), field.end());
        out.push_back(static_cast<std::uint8_t>(kind));
        Put32(out, dataOffset);
        Put32(out, dataSize);
        Put32(out, next);
    };
    for (const Element& e : elements_) {
        const std::uint32_t dataOffset = static_cast<std::uint32_t>(out.size() + kRecordSize);
        const std::uint32_t next = dataOffset + static_cast<std::uint32_t>(e.data.size());
        record(e.name, e.kind, dataOffset, static_cast<std::uint32_t>(e.data.size()), next);
        out.insert(out.end(), e.data.begin(), e.data.end());
    }
    record("", SkinElementKind::string, 0, 0, 0);
    return out;
}

std::vector<std::uint8_t> WriteSkinArchive(const std::string& memberName, const std::vector<std::uint8_t>& member)
{
    const std::vector<std::uint8_t> packed = Deflate(member);
    const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, member.data(), static_cast<uInt>(member.size())));

    // Fields shared by the local header and the directory entry, from "version needed" on.
    auto common = [&](std::vector<std::uint8_t>& out) {
        Put16(out, 20); // version needed: deflate
        Put16(out, 0); // flags: not enciphered
        Put16(out, 8); // method: deflate
        Put16(out, kDosTime);
        Put16(out, kDosDate);
        Put32(out, crc);
        Put32(out, static_cast<std::uint32_t>(packed.size()));
        Put32(out, static_cast<std::uint32_t>(member.size()));
        Put16(out, static_cast<std::uint32_t>(memberName.size()));
        Put16(out, 0); // extra field length
    };

    std::vector<std::uint8_t> out = { 'S', 'K', 3, 4 };
    common(out);
    out.insert(out.end(), memberName.begin(), memberName.end());
    out.insert(out.end(), packed.begin(), packed.end());

    const std::uint32_t directory = static_cast<std::uint32_t>(out.size());
    out.insert(out.end(), { 'P', 'K', 1, 2 });
    Put16(out, 20); // version made by
    common(out);
    Put16(out, 0); // comment length
    Put16(out, 0); // disk number
    Put16(out, 0); // internal attributes
    Put32(out, 0); // external attributes
    Put32(out, 0); // local header offset
    out.insert(out.end(), memberName.begin(), memberName.end());
    const std::uint32_t directorySize = static_cast<std::uint32_t>(out.size()) - directory;

    out.insert(out.end(), { 'P', 'K', 5, 6 });
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, directorySize);
    Put32(out, directory);
    Put16(out, 0); // no comment: the reader refuses one
    return out;
}

} // namespace folvane
