// Named and addressed pictures for the markup: TPictureStore, a component holding a collection
// of named pictures (TPictureItem) that markup names without a colon, and TMarkupPictureCache,
// the private list in which a markup label keeps the pictures its markup gives by address.
// Both own their pictures.
#pragma once

#include "richlabel/MarkupPicture.h"
#include "toolkit/Component.h"

#include <memory>
#include <string>
#include <vector>

namespace folvane {

class TPictureCollection;

class TPictureItem {
public:
    explicit TPictureItem(TPictureCollection* collection = nullptr);

    TMarkupPicture& Picture() { return *picture_; }
    const TMarkupPicture& Picture() const { return *picture_; }
    // Copies the picture's bytes.
    void SetPicture(const TMarkupPicture& picture) { picture_->Assign(&picture); }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    TPictureCollection* Collection() const { return collection_; }
    void Assign(const TPictureItem& source);

private:
    TPictureCollection* collection_;
    std::unique_ptr<TMarkupPicture> picture_;
    std::string name_;
    int tag_ = 0;
};

class TPictureCollection {
public:
    explicit TPictureCollection(TComponent* owner = nullptr)
        : owner_(owner)
    {
    }
    TComponent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // nullptr for an index out of range.
    TPictureItem* Items(int index) const;
    TPictureItem& Add();
    void Delete(int index);
    void Clear() { items_.clear(); }
    void Assign(const TPictureCollection& source);

private:
    TComponent* owner_;
    std::vector<std::unique_ptr<TPictureItem>> items_;
};

class TPictureStore : public TComponent, public MarkupPictureStore {
public:
    explicit TPictureStore(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TPictureStore"; }

    TPictureCollection& Items() { return items_; }
    void SetItems(const TPictureCollection& items) { items_.Assign(items); }
    std::string Version() const { return "1.0.0.0"; }
    void SetVersion(const std::string&) { }

    // Case-insensitive, first match in collection order; nullptr when no item has the name.
    MarkupPicture* PictureByName(const std::string& name) override;

private:
    TPictureCollection items_;
};

class TMarkupPictureCache : public MarkupPictureCache {
public:
    TMarkupPicture& NewPicture();
    // Exact, case-sensitive match on the picture's identity.
    TMarkupPicture* PictureByAddress(const std::string& address) override;
    TMarkupPicture* PictureAt(int index) const;
    int Count() const { return static_cast<int>(pictures_.size()); }
    void Clear() { pictures_.clear(); }
    // A new picture loaded synchronously from the address. A picture that does not decode
    // stays empty: nothing in the markup raises an error.
    MarkupPicture* AddPictureFromAddress(const std::string& address) override;

private:
    std::vector<std::unique_ptr<TMarkupPicture>> pictures_;
};

} // namespace folvane
