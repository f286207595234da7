// Ownership, names and free notification of TComponent.
#include "toolkit/Component.h"

#include "toolkit/ComponentReference.h"
#include "toolkit/LoadingScope.h"

#include <algorithm>

namespace folvane {

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item)
{
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

bool Contains(const std::vector<TComponent*>& list, const TComponent* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

bool IsIdentifier(const std::string& name)
{
    if (name.empty())
        return true;
    auto letter = [](unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin() + 1, name.end(), [&](char ch) {
        auto c = static_cast<unsigned char>(ch);
        return letter(c) || (c >= '0' && c <= '9');
    });
}

bool SameName(const std::string& a, const std::string& b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

TComponent::TComponent(TComponent* owner)
{
    if (TLoadingScope* scope = TLoadingScope::Current())
        scope->Join(this);
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    if (loadingScope_)
        loadingScope_->Leave(this);

    // Each holder may drop further links while it handles the notice, so take them one by one.
    while (!references_.empty()) {
        TComponentReferenceBase* reference = references_.back();
        references_.pop_back();
        reference->TargetDestroyed();
    }
    while (!freeNotifies_.empty()) {
        TComponent* holder = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(holder->observed_, this);
        holder->Notification(this, TOperation::opRemove);
    }
    while (!observed_.empty()) {
        TComponent* target = observed_.back();
        observed_.pop_back();
        Erase(target->freeNotifies_, this);
    }

    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_)
        return;
    if (!IsIdentifier(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_ && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this)
            throw EComponentError("A component named " + name + " already exists");
    }
    name_ = name;
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        return nullptr;
    return components_[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* component : components_)
        if (SameName(component->name_, name))
            return component;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* holder)
{
    if (!holder || holder == this || Contains(freeNotifies_, holder))
        return;
    freeNotifies_.push_back(holder);
    holder->observed_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* holder)
{
    if (!holder)
        return;
    Erase(freeNotifies_, holder);
    Erase(holder->observed_, this);
}

void TComponent::Loaded()
{
    state_ &= ~static_cast<unsigned>(csLoading);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    // Owned components hear of their siblings, so that references inside one owner need no
    // registration of their own. On insertion the newcomer is still being constructed: only its
    // address may be kept.
    for (std::size_t i = components_.size(); i-- > 0;) {
        if (i < components_.size() && components_[i] != component)
            components_[i]->Notification(component, operation);
    }
}

void TComponent::Destroying()
{
    if (IsDestroying())
        return;
    state_ |= csDestroying;
    for (TComponent* component : components_)
        component->Destroying();
}

void TComponent::DestroyComponents()
{
    Destroying();
    while (!components_.empty())
        delete components_.back();
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component->name_.empty() && FindComponent(component->name_))
        throw EComponentError("A component named " + component->name_ + " already exists");
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Erase(components_, component);
    component->owner_ = nullptr;
    Notification(component, TOperation::opRemove);
}

} // namespace folvane
