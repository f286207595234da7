// The link between a component reference and its target.
#include "toolkit/ComponentReference.h"

#include "toolkit/Component.h"

#include <algorithm>
#include <utility>

namespace folvane {

TComponentReferenceBase::~TComponentReferenceBase()
{
    Unlink();
}

void TComponentReferenceBase::Unlink()
{
    if (!linked_)
        return;
    if (auto unregister = std::exchange(unregisterChanges_, nullptr))
        unregister();
    auto& list = linked_->references_;
    list.erase(std::find(list.begin(), list.end(), this));
    linked_ = nullptr;
}

void TComponentReferenceBase::Link(TComponent* target)
{
    if (linked_) {
        Unlink();
        Cleared();
    }
    if (target) {
        target->references_.push_back(this);
        linked_ = target;
    }
}

void TComponentReferenceBase::TargetDestroyed()
{
    // The target's own parts are gone already: its change list cannot be touched.
    unregisterChanges_ = nullptr;
    linked_ = nullptr;
    Cleared();
    if (OnDrop && !(holder_ && holder_->IsDestroying()))
        OnDrop();
}

} // namespace folvane
