// Skin archive member extraction. See SkinArchive.h.
#include "skin/SkinArchive.h"

#include "skin/Inflate.h"
#include "toolkit/ByteReader.h"

#include <array>
#include <cstring>

namespace folvane {

namespace {

constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kDirectoryEntrySize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kEncryptionHeaderSize = 12;
constexpr std::size_t kMaxNameLength = 259;
constexpr std::uint32_t kEndRecordSignature = 0x06054B50;
constexpr std::size_t kReadPiece = 16 * 1024;

constexpr std::array<std::uint32_t, 256> MakeCrcTable()
{
    std::array<std::uint32_t, 256> table {};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr auto kCrcTable = MakeCrcTable();
static_assert(kCrcTable[1] == 0x77073096u);

std::string UpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

struct DirectoryEntry {
    std::uint16_t flags = 0;
    std::uint16_t time = 0;
    std::uint32_t crc = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint32_t localHeaderOffset = 0;
};

// Finds the member in the central directory; false when the archive is not a
// skin archive or has no such member.
bool FindMember(SkinFile& archive, const std::string& memberName, DirectoryEntry& found)
{
    std::uint8_t signature[4];
    if (!ReadExactly(archive, 0, signature, 4) || signature[0] != 'S' || signature[1] != 'K')
        return false;
    const std::uint64_t size = archive.Size();
    if (size < kEndRecordSize)
        return false;
    const std::uint64_t endRecord = size - kEndRecordSize;
    std::uint8_t endBytes[kEndRecordSize];
    if (!ReadExactly(archive, endRecord, endBytes, sizeof endBytes))
        return false;
    ByteReader end(endBytes);
    if (end.U32At(0) != kEndRecordSignature || end.U16At(20) != 0)
        return false;

    const std::string wanted = UpperAscii(memberName);
    std::uint64_t pos = end.U32At(16);
    while (pos < endRecord) {
        std::uint8_t entryBytes[kDirectoryEntrySize];
        if (!ReadExactly(archive, pos, entryBytes, sizeof entryBytes))
            return false;
        ByteReader entry(entryBytes);
        const std::size_t nameLength = entry.U16At(28);
        // zip and 7-Zip write extra fields; the next entry follows them and
        // the comment, as their lengths say.
        const std::size_t extraLength = entry.U16At(30);
        const std::size_t commentLength = entry.U16At(32);
        if (nameLength > kMaxNameLength)
            return false;
        std::string name(nameLength, '\0');
        if (!ReadExactly(archive, pos + kDirectoryEntrySize, name.data(), nameLength))
            return false;
        if (UpperAscii(name) == wanted) {
            found.flags = entry.U16At(8);
            found.time = entry.U16At(12);
            found.crc = entry.U32At(16);
            found.uncompressedSize = entry.U32At(24);
            found.localHeaderOffset = entry.U32At(42);
            return true;
        }
        pos += kDirectoryEntrySize + nameLength + extraLength + commentLength;
    }
    return false;
}

// The archive from the member data to its end, deciphered on the way when
// the member is enciphered.
class ArchiveSource final : public InflateSource {
public:
    ArchiveSource(SkinFile& archive, std::uint64_t offset, ZipCipher* cipher)
        : archive_(archive)
        , offset_(offset)
        , cipher_(cipher)
    {
    }
    std::size_t Read(std::uint8_t* buffer, std::size_t size, bool&) override
    {
        const std::size_t n = archive_.ReadAt(offset_, buffer, std::min(size, kReadPiece));
        offset_ += n;
        if (cipher_) {
            for (std::size_t i = 0; i < n; ++i)
                buffer[i] = cipher_->Decipher(buffer[i]);
        }
        return n;
    }

private:
    SkinFile& archive_;
    std::uint64_t offset_;
    ZipCipher* cipher_;
};

// Refuses output past the directory's uncompressed size, so that a small
// crafted member cannot fill the temporary folder before the size check.
class FileSink final : public InflateSink {
public:
    FileSink(SkinFile& file, std::uint64_t limit)
        : file_(file)
        , limit_(limit)
    {
    }
    bool Write(const std::uint8_t* data, std::size_t size) override
    {
        if (size > limit_ - written || !file_.Append(data, size))
            return false;
        written += size;
        return true;
    }
    std::uint64_t written = 0;

private:
    SkinFile& file_;
    std::uint64_t limit_;
};

SkinExtractResult Extract(SkinFile& archive, const DirectoryEntry& member, FileSink& sink, const std::string& password)
{
    std::uint8_t localBytes[kLocalHeaderSize];
    if (!ReadExactly(archive, member.localHeaderOffset, localBytes, sizeof localBytes))
        return skinExtractFailed;
    ByteReader local(localBytes);
    std::uint64_t pos = std::uint64_t(member.localHeaderOffset) + kLocalHeaderSize + local.U16At(26) + local.U16At(28);

    ZipCipher cipher(password);
    const bool enciphered = (member.flags & 1) != 0;
    if (enciphered) {
        if (password.empty())
            return skinExtractBadData;
        std::uint8_t header[kEncryptionHeaderSize];
        if (!ReadExactly(archive, pos, header, sizeof header))
            return skinExtractFailed;
        for (auto& b : header)
            b = cipher.Decipher(b);
        // Flag bit 3: sizes and CRC came after the data, so the check byte is
        // the high byte of the modification time.
        const std::uint8_t check = (member.flags & 8) ? static_cast<std::uint8_t>(member.time >> 8)
                                                      : static_cast<std::uint8_t>(member.crc >> 24);
        if (header[kEncryptionHeaderSize - 1] != check)
            return skinExtractBadData;
        pos += kEncryptionHeaderSize;
    }
    ArchiveSource source(archive, pos, enciphered ? &cipher : nullptr);
    return Inflate(source, sink) == InflateStatus::ok ? skinExtracted : skinExtractBadData;
}

} // namespace

std::uint32_t Crc32Update(std::uint32_t crc, std::uint8_t byte)
{
    return kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

ZipCipher::ZipCipher(const std::string& password)
    : keys_ { 0x12345678u, 0x23456789u, 0x34567890u }
{
    for (char c : password)
        Update(static_cast<std::uint8_t>(c));
}

void ZipCipher::Update(std::uint8_t plain)
{
    keys_[0] = Crc32Update(keys_[0], plain);
    keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
    keys_[2] = Crc32Update(keys_[2], static_cast<std::uint8_t>(keys_[1] >> 24));
}

std::uint8_t ZipCipher::KeyStream() const
{
    const std::uint32_t t = (keys_[2] | 2) & 0xFFFF;
    return static_cast<std::uint8_t>((t * (t ^ 1)) >> 8);
}

std::uint8_t ZipCipher::Decipher(std::uint8_t c)
{
    const std::uint8_t plain = c ^ KeyStream();
    Update(plain);
    return plain;
}

std::uint8_t ZipCipher::Encipher(std::uint8_t p)
{
    const std::uint8_t c = p ^ KeyStream();
    Update(p);
    return c;
}

SkinExtractResult ExtractSkinMember(SkinFileSystem& files, const std::string& archivePath,
    const std::string& memberName, const std::string& destinationPath, const std::string& password, std::string* error)
{
    if (!files.FileExists(archivePath))
        return skinExtractFailed;
    std::unique_ptr<SkinFile> archive = files.OpenRead(archivePath);
    DirectoryEntry member;
    if (!archive || !FindMember(*archive, memberName, member))
        return skinExtractFailed;
    if (member.uncompressedSize > kMaxSkinMemberBytes) {
        if (error)
            *error = memberName + " would be " + std::to_string(member.uncompressedSize) + " bytes, above the limit of "
                + std::to_string(kMaxSkinMemberBytes) + " bytes";
        return skinExtractFailed;
    }

    std::unique_ptr<SkinFile> destination = files.Create(destinationPath);
    if (!destination)
        return skinExtractFailed;
    FileSink sink(*destination, member.uncompressedSize);
    SkinExtractResult result = skinExtractFailed;
    try {
        result = Extract(*archive, member, sink, password);
    } catch (const std::exception&) {
        result = skinExtractFailed;
    }
    // The size is the only check of the result.
    if (sink.written != member.uncompressedSize)
        result = (sink.written == 0 && result == skinExtracted) ? skinExtractFailed : skinExtractBadData;
    destination.reset();
    archive.reset();
    if (result != skinExtracted)
        files.Delete(destinationPath);
    return result;
}

} // namespace folvane
