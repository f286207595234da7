// Picture items, the picture store and the label's picture cache; see PictureStore.h.
#include "richlabel/PictureStore.h"

#include "richlabel/MarkupText.h"

namespace folvane {

TPictureItem::TPictureItem(TPictureCollection* collection)
    : collection_(collection)
    , picture_(std::make_unique<TMarkupPicture>())
{
}

void TPictureItem::Assign(const TPictureItem& source)
{
    name_ = source.name_;
    tag_ = source.tag_;
    picture_->Assign(source.picture_.get());
}

TPictureItem* TPictureCollection::Items(int index) const
{
    return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)].get() : nullptr;
}

TPictureItem& TPictureCollection::Add()
{
    items_.push_back(std::make_unique<TPictureItem>(this));
    return *items_.back();
}

void TPictureCollection::Delete(int index)
{
    if (index >= 0 && index < Count()) {
        items_.erase(items_.begin() + index);
    }
}

void TPictureCollection::Assign(const TPictureCollection& source)
{
    if (&source == this) {
        return;
    }
    items_.clear();
    for (const auto& item : source.items_) {
        Add().Assign(*item);
    }
}

TPictureStore::TPictureStore(TComponent* owner)
    : TComponent(owner)
    , items_(this)
{
}

MarkupPicture* TPictureStore::PictureByName(const std::string& name)
{
    const std::string wanted = UpperAscii(name);
    for (int i = 0; i < items_.Count(); ++i) {
        TPictureItem* item = items_.Items(i);
        if (UpperAscii(item->Name()) == wanted) {
            return &item->Picture();
        }
    }
    return nullptr;
}

TMarkupPicture& TMarkupPictureCache::NewPicture()
{
    pictures_.push_back(std::make_unique<TMarkupPicture>());
    return *pictures_.back();
}

TMarkupPicture* TMarkupPictureCache::PictureByAddress(const std::string& address)
{
    for (const auto& picture : pictures_) {
        if (picture->Identity() == address) {
            return picture.get();
        }
    }
    return nullptr;
}

TMarkupPicture* TMarkupPictureCache::PictureAt(int index) const
{
    return index >= 0 && index < Count() ? pictures_[static_cast<std::size_t>(index)].get() : nullptr;
}

MarkupPicture* TMarkupPictureCache::AddPictureFromAddress(const std::string& address)
{
    TMarkupPicture& picture = NewPicture();
    picture.SetAsynchronous(false);
    try {
        picture.LoadFromAddress(address);
    } catch (const std::exception&) {
        picture.Assign(nullptr);
    }
    return &picture;
}

} // namespace folvane
