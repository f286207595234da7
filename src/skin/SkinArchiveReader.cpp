// TSkinArchiveReader.
#include "skin/SkinArchiveReader.h"

namespace folvane {

TSkinArchiveReader::TSkinArchiveReader(
    const std::string& archivePath, const std::string& password, SkinFileSystem& files)
{
    if (!LoadSkinArchive(files, archivePath, password, table_))
        return;
    for (auto& [name, data] : table_.TakeBitmaps()) {
        auto bitmap = std::make_unique<TBitmap>();
        // A bitmap element the loader cannot read makes the archive unreadable.
        if (!bitmap->LoadFromBmpBytes(data)) {
            bitmaps_.clear();
            table_.Clear();
            throw SkinReadError();
        }
        bitmaps_.emplace_back(std::move(name), std::move(bitmap));
    }
    loaded_ = true;
}

TBitmap* TSkinArchiveReader::Bitmap(const std::string& name) const
{
    for (const auto& [elementName, bitmap] : bitmaps_) {
        if (EqualsIgnoringCase(elementName, name))
            return bitmap.get();
    }
    return nullptr;
}

} // namespace folvane
