// The element file inside a skin archive, and the portable core of the
// archive reader: extraction to a GUID-named temporary file, parsing of the
// record chain into four lists, and the lookups by name. Bitmaps stay as
// their file bytes here; turning them into bitmaps is the themes' business.
//
// Layout (little-endian): a header whose 32-bit length at offset 12 is 24 and
// whose 32-bit value at offset 20 is the offset of the first record; records
// of 77 bytes: name (64 bytes, zero-terminated unless full), kind (1 byte),
// data offset (4), data size (4), next record offset (4). A record whose next
// offset is 0 ends the chain and is not an element.
#pragma once

#include "skin/SkinFiles.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace folvane {

enum class TSkinElementKind : std::uint8_t { bitmap = 0, integer = 1, flag = 2, string = 3 };

class SkinReadError : public std::runtime_error {
public:
    SkinReadError()
        : std::runtime_error("Failed to read skin file!")
    {
    }
};

struct SkinElementRecord {
    std::string name;
    std::uint8_t kind = 0;
    std::uint32_t dataOffset = 0;
    std::uint32_t dataSize = 0;
    std::uint32_t next = 0;
};

// The most data one element may state: many times the largest skin picture.
inline constexpr std::uint32_t kMaxSkinElementBytes = 16u << 20;

class SkinElementTable {
public:
    using Bytes = std::vector<std::uint8_t>;

    // Parses an element file; false (and an empty table) when a record or the
    // data it states lies outside the file, the data is above
    // kMaxSkinElementBytes, or the chain does not end. error then says why.
    bool Parse(SkinFile& file, std::string* error = nullptr);
    void Clear();

    // Names compare case-insensitively; the first element of a name wins.
    const Bytes* BitmapData(const std::string& name) const;
    // -1 when absent or not a decimal number.
    int Integer(const std::string& name) const;
    // False when absent or not a number.
    bool Flag(const std::string& name) const;

    const std::vector<std::pair<std::string, Bytes>>& Bitmaps() const { return bitmaps_; }
    // Hands the bitmap list over, leaving it empty.
    std::vector<std::pair<std::string, Bytes>> TakeBitmaps()
    {
        auto taken = std::move(bitmaps_);
        bitmaps_.clear();
        return taken;
    }
    // Texts "name=value", in file order.
    const std::vector<std::string>& Integers() const { return integers_; }
    const std::vector<std::string>& Flags() const { return flags_; }
    const std::vector<std::string>& Strings() const { return strings_; }
    // Every record of the chain in order, for tools.
    const std::vector<SkinElementRecord>& Records() const { return records_; }

private:
    std::vector<std::pair<std::string, Bytes>> bitmaps_;
    std::vector<std::string> integers_;
    std::vector<std::string> flags_;
    std::vector<std::string> strings_;
    std::vector<SkinElementRecord> records_;
};

// The value part of the first "name=value" text whose name matches.
std::optional<std::string> FindNamedValue(const std::vector<std::string>& list, const std::string& name);

bool EqualsIgnoringCase(const std::string& a, const std::string& b);

inline constexpr const char* kSkinDataMember = "SKINDATA.SK2";

// Extracts the element file of the archive to a temporary file named by a new
// GUID, parses it and deletes the file. Returns false (table empty) when the
// password is missing or wrong or the data is not what the directory
// promises; throws SkinReadError when the archive cannot be read.
bool LoadSkinArchive(
    SkinFileSystem& files, const std::string& archivePath, const std::string& password, SkinElementTable& table);

} // namespace folvane
