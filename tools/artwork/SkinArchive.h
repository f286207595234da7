// Writing skin archives: the element file (a chain of named bitmaps, integers,
// flags and strings) and the archive around it, a one-member ZIP-style file
// whose first signature reads "SK" instead of "PK".
//
// The writer produces exactly what the program's reader accepts: no archive
// comment, no extra fields, the member deflated raw, sizes and CRC-32 filled
// in, a fixed modification stamp so that equal input gives equal bytes.
// It does not encipher members.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace folvane {

enum class SkinElementKind : std::uint8_t { bitmap = 0, integer = 1, flag = 2, string = 3 };

class SkinElementFile {
public:
    void AddBitmap(const std::string& name, std::vector<std::uint8_t> bmpFile);
    void AddInteger(const std::string& name, std::int32_t value);
    void AddFlag(const std::string& name, bool value);
    void AddString(const std::string& name, const std::string& text);

    // Header (24 bytes; the length at 12, the first record's offset at 20),
    // then each record (64-byte name, kind, data offset, data size, next
    // offset: 77 bytes) followed by its data, then the closing record whose
    // next offset is 0.
    std::vector<std::uint8_t> Bytes() const;

private:
    struct Element {
        std::string name;
        SkinElementKind kind;
        std::vector<std::uint8_t> data;
    };
    std::vector<Element> elements_;
};

// The archive holding `member` deflated under `memberName`.
std::vector<std::uint8_t> WriteSkinArchive(const std::string& memberName, const std::vector<std::uint8_t>& member);

} // namespace folvane
