// Extraction of one member from a skin archive: a ZIP-style file whose first
// two bytes read "SK" instead of "PK". Only the end record, the central
// directory entries and the local header sizes are read; the member is always
// inflated, optionally deciphered with the traditional PKWARE cipher, and
// checked by its size alone (no CRC). Nothing here writes archives.
#pragma once

#include "skin/SkinFiles.h"

#include <cstdint>
#include <string>

namespace folvane {

enum SkinExtractResult : int {
    skinExtracted = 0,
    skinExtractFailed = 1, // nothing was written
    skinExtractBadData = 2, // password missing or wrong, or the data is not what the directory promises
};

// The largest member the directory may promise: an element file of two
// full-size elements and then some. Bigger members are refused before anything
// is written.
inline constexpr std::uint32_t kMaxSkinMemberBytes = 32u << 20;

// On any result but skinExtracted the destination file does not exist
// afterwards; error, when given, says why for a refusal the caller cannot
// tell from the result alone.
SkinExtractResult ExtractSkinMember(SkinFileSystem& files, const std::string& archivePath,
    const std::string& memberName, const std::string& destinationPath, const std::string& password,
    std::string* error = nullptr);

// The traditional PKWARE stream cipher (three keys updated per plain byte).
class ZipCipher {
public:
    explicit ZipCipher(const std::string& password);
    std::uint8_t Decipher(std::uint8_t c);
    std::uint8_t Encipher(std::uint8_t p);

private:
    void Update(std::uint8_t plain);
    std::uint8_t KeyStream() const;
    std::uint32_t keys_[3];
};

std::uint32_t Crc32Update(std::uint32_t crc, std::uint8_t byte);

} // namespace folvane
