// Element file parsing and the portable archive reader core.
#include "skin/SkinElementFile.h"

#include "skin/SkinArchive.h"
#include "toolkit/ByteReader.h"

#include <charconv>
#include <cstring>

namespace folvane {

namespace {

constexpr std::size_t kHeaderProbe = 16;
constexpr std::size_t kHeaderMinimum = 24;
constexpr std::size_t kRecordSize = 77;
constexpr std::size_t kNameSize = 64;

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ParseDecimal(const std::string& text, int& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last;
}

// Deletes the file when it goes out of scope, whatever happened.
class TemporaryFile {
public:
    TemporaryFile(SkinFileSystem& files, std::string path)
        : files_(files)
        , path_(std::move(path))
    {
    }
    ~TemporaryFile()
    {
        if (files_.FileExists(path_))
            files_.Delete(path_);
    }
    const std::string& Path() const { return path_; }

private:
    SkinFileSystem& files_;
    std::string path_;
};

} // namespace

bool EqualsIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

std::optional<std::string> FindNamedValue(const std::vector<std::string>& list, const std::string& name)
{
    for (const std::string& text : list) {
        const std::size_t eq = text.find('=');
        if (eq != std::string::npos && EqualsIgnoringCase(text.substr(0, eq), name))
            return text.substr(eq + 1);
    }
    return std::nullopt;
}

void SkinElementTable::Clear()
{
    bitmaps_.clear();
    integers_.clear();
    flags_.clear();
    strings_.clear();
    records_.clear();
}

bool SkinElementTable::Parse(SkinFile& file, std::string* error)
{
    Clear();
    auto refuse = [&](std::string why) {
        Clear();
        if (error)
            *error = std::move(why);
        return false;
    };
    const std::uint64_t size = file.Size();
    std::uint8_t probe[kHeaderProbe];
    if (!ReadExactly(file, 0, probe, sizeof probe))
        return refuse("the element file is shorter than its header");
    const std::uint32_t headerLength = ByteReader(probe).U32At(12);
    if (headerLength < kHeaderMinimum || headerLength > size)
        return refuse("the element file's header length is " + std::to_string(headerLength));
    std::vector<std::uint8_t> header(headerLength);
    if (!ReadExactly(file, 0, header.data(), header.size()))
        return refuse("the element file's header cannot be read");

    // A chain can hold no more records than fit in the file, and the data of
    // its elements no more bytes than the file has: this bounds both the loop
    // and the memory however the offsets are crafted.
    const std::uint64_t maxRecords = size / kRecordSize + 1;
    std::uint64_t dataBudget = size;
    std::uint64_t offset = ByteReader(header).U32At(20);
    for (std::uint64_t n = 0;; ++n) {
        if (n > maxRecords)
            return refuse("the element chain does not end");
        std::uint8_t raw[kRecordSize];
        if (!ReadExactly(file, offset, raw, sizeof raw))
            return refuse("an element record at " + std::to_string(offset) + " lies past the end of the file");
        SkinElementRecord record;
        record.name.assign(reinterpret_cast<const char*>(raw), strnlen(reinterpret_cast<const char*>(raw), kNameSize));
        record.kind = raw[kNameSize];
        ByteReader fields(raw);
        record.dataOffset = fields.U32At(kNameSize + 1);
        record.dataSize = fields.U32At(kNameSize + 5);
        record.next = fields.U32At(kNameSize + 9);
        if (record.next == 0)
            return true;

        // Whatever its kind, a record's data must be there as it says, so that
        // nobody who trusts the record reads or allocates past the file.
        if (std::uint64_t(record.dataOffset) + record.dataSize > size)
            return refuse("element \"" + record.name + "\" states " + std::to_string(record.dataSize) + " bytes at "
                + std::to_string(record.dataOffset) + ", past the end of the file (" + std::to_string(size)
                + " bytes)");
        if (record.dataSize > kMaxSkinElementBytes)
            return refuse("element \"" + record.name + "\" states " + std::to_string(record.dataSize)
                + " bytes, above the limit of " + std::to_string(kMaxSkinElementBytes) + " bytes per element");
        std::size_t wanted = 0;
        switch (static_cast<TSkinElementKind>(record.kind)) {
        case TSkinElementKind::bitmap:
        case TSkinElementKind::string:
            wanted = record.dataSize;
            break;
        case TSkinElementKind::integer:
            wanted = 4;
            break;
        case TSkinElementKind::flag:
            wanted = 1;
            break;
        default:
            break;
        }
        if (wanted > dataBudget || std::uint64_t(record.dataOffset) + wanted > size)
            return refuse("element \"" + record.name + "\" has less data than its kind needs, or shares it");
        dataBudget -= wanted;
        Bytes data(wanted);
        if (!ReadExactly(file, record.dataOffset, data.data(), wanted))
            return refuse("the data of element \"" + record.name + "\" cannot be read");
        switch (static_cast<TSkinElementKind>(record.kind)) {
        case TSkinElementKind::bitmap:
            bitmaps_.emplace_back(record.name, std::move(data));
            break;
        case TSkinElementKind::integer:
            integers_.push_back(record.name + "=" + std::to_string(ByteReader(data).I32()));
            break;
        case TSkinElementKind::flag:
            flags_.push_back(record.name + "=" + std::to_string(data[0]));
            break;
        case TSkinElementKind::string:
            strings_.push_back(record.name + "=" + std::string(data.begin(), data.end()));
            break;
        default:
            break; // unknown kinds are skipped
        }
        records_.push_back(std::move(record));
        offset = records_.back().next;
    }
}

const SkinElementTable::Bytes* SkinElementTable::BitmapData(const std::string& name) const
{
    for (const auto& [elementName, data] : bitmaps_) {
        if (EqualsIgnoringCase(elementName, name))
            return &data;
    }
    return nullptr;
}

int SkinElementTable::Integer(const std::string& name) const
{
    const std::optional<std::string> text = FindNamedValue(integers_, name);
    int value = -1;
    if (!text || !ParseDecimal(*text, value))
        return -1;
    return value;
}

bool SkinElementTable::Flag(const std::string& name) const
{
    const std::optional<std::string> text = FindNamedValue(flags_, name);
    int value = 0;
    return text && ParseDecimal(*text, value) && value != 0;
}

bool LoadSkinArchive(
    SkinFileSystem& files, const std::string& archivePath, const std::string& password, SkinElementTable& table)
{
    table.Clear();
    TemporaryFile temporary(files, files.TempFolder() + files.NewGuidText());
    switch (ExtractSkinMember(files, archivePath, kSkinDataMember, temporary.Path(), password)) {
    case skinExtracted:
        break;
    case skinExtractBadData:
        return false;
    case skinExtractFailed:
        throw SkinReadError();
    }
    std::unique_ptr<SkinFile> file = files.OpenRead(temporary.Path());
    if (!file || !table.Parse(*file))
        throw SkinReadError();
    return true;
}

} // namespace folvane
