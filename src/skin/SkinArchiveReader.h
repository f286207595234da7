// TSkinArchiveReader: a skin archive loaded into memory. Construction
// extracts the element file to a GUID-named temporary file, parses it and
// deletes the file; the bitmaps become TBitmaps owned by the reader.
#pragma once

#include "skin/SkinElementFile.h"
#include "skin/Win32SkinFileSystem.h"
#include "toolkit/graphics/Bitmap.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace folvane {

class TSkinArchiveReader {
public:
    // Raises SkinReadError ("Failed to read skin file!") when the archive
    // cannot be read; a missing or wrong password or data of the wrong size
    // leaves Loaded() false and every list empty.
    TSkinArchiveReader(
        const std::string& archivePath, const std::string& password, SkinFileSystem& files = DefaultSkinFileSystem());

    TSkinArchiveReader(const TSkinArchiveReader&) = delete;
    TSkinArchiveReader& operator=(const TSkinArchiveReader&) = delete;

    bool Loaded() const { return loaded_; }
    // Case-insensitive; the first element of the name wins. Still owned here.
    TBitmap* Bitmap(const std::string& name) const;
    // -1 when absent or not a number.
    int Integer(const std::string& name) const { return table_.Integer(name); }
    // False when absent or not a number.
    bool Flag(const std::string& name) const { return table_.Flag(name); }
    const std::vector<std::string>& Strings() const { return table_.Strings(); }
    int BitmapCount() const { return static_cast<int>(bitmaps_.size()); }

private:
    SkinElementTable table_;
    std::vector<std::pair<std::string, std::unique_ptr<TBitmap>>> bitmaps_;
    bool loaded_ = false;
};

} // namespace folvane
