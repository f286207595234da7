// TComponentReference<T>: a non-owning reference from one component (the holder) to another
// (the target). It is dropped by itself when the target is destroyed, so a holder writes no
// Notification override and no destructor for it; the holder may be told through OnDrop (for
// example to fall back to a default). With an OnChange handler and a target that offers
// RegisterChanges/UnRegisterChanges (image lists), the holder also hears of the target's changes.
//
// The holder owns the reference as a member; destroying it (or the holder) unlinks both ends.
// Nothing here owns the target. This file knows nothing of windows.
#pragma once

#include <functional>

namespace folvane {

class TComponent;

// The untyped part: the link with the target's list of references.
class TComponentReferenceBase {
public:
    TComponentReferenceBase(const TComponentReferenceBase&) = delete;
    TComponentReferenceBase& operator=(const TComponentReferenceBase&) = delete;

    TComponent* Holder() const { return holder_; }
    TComponent* Target() const { return linked_; }

    // Runs after the target went away and the reference is empty; not while the holder itself
    // is being destroyed.
    std::function<void()> OnDrop;

protected:
    explicit TComponentReferenceBase(TComponent* holder)
        : holder_(holder)
    {
    }
    ~TComponentReferenceBase();

    // Unlinks the old target (undoing its change registration) and links the new one.
    void Link(TComponent* target);
    // Called once the link is made, and undone before it is broken while the target lives.
    std::function<void()> unregisterChanges_;

private:
    friend class TComponent;
    void Unlink();
    // The target is being destroyed: forget it without touching it further.
    void TargetDestroyed();
    virtual void Cleared() = 0;

    TComponent* holder_;
    TComponent* linked_ = nullptr;
};

template <typename T> class TComponentReference : public TComponentReferenceBase {
public:
    explicit TComponentReference(TComponent* holder, std::function<void()> onDrop = {})
        : TComponentReferenceBase(holder)
    {
        OnDrop = std::move(onDrop);
    }
    ~TComponentReference() = default;

    T* Get() const { return target_; }
    T* operator->() const { return target_; }
    explicit operator bool() const { return target_ != nullptr; }
    bool operator==(const T* other) const { return target_ == other; }

    // Refers to `target` (nullptr: to nothing); false when it already did.
    bool Set(T* target)
    {
        if (target == target_)
            return false;
        Link(target);
        target_ = target;
        if constexpr (requires(T & t, std::function<void()> f) {
                          t.RegisterChanges(static_cast<const void*>(nullptr), f);
                          t.UnRegisterChanges(static_cast<const void*>(nullptr));
                      }) {
            if (target && OnChange) {
                target->RegisterChanges(this, [this] { OnChange(); });
                unregisterChanges_ = [this, target] { target->UnRegisterChanges(this); };
            }
        }
        return true;
    }

    // Runs when the target reports a change (targets with RegisterChanges only). Set it before
    // the first Set().
    std::function<void()> OnChange;

private:
    void Cleared() override { target_ = nullptr; }

    T* target_ = nullptr;
};

} // namespace folvane
