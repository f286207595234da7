// TComponent: the root of every component. An owner destroys the components it owns, newest
// first; a component that refers to another one it does not own holds a TComponentReference,
// which is dropped when the other one goes (or registers for free notification and drops the
// reference itself when told). Names are unique among an owner's components. This file knows
// nothing of windows or painting.
//
// C++ destructors do not dispatch virtually to the parts already destroyed, so a derived class
// that must see its owned components go (a form clearing its active control, a control list)
// calls DestroyComponents() at the top of its own destructor.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace folvane {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned { csLoading = 1, csDestroying = 2 };

// Raised for an invalid or duplicate component name.
class EComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLoadingScope;
class TComponentReferenceBase;

class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    unsigned ComponentState() const { return state_; }
    bool IsLoading() const { return (state_ & csLoading) != 0; }
    bool IsDestroying() const { return (state_ & csDestroying) != 0; }
    virtual const char* ClassName() const { return "TComponent"; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // nullptr for an index out of range.
    TComponent* Components(int index) const;
    // Case-insensitive, among the directly owned components; nullptr when absent.
    TComponent* FindComponent(const std::string& name) const;

    // holder->Notification(this, opRemove) runs when this component is destroyed. The link is
    // dropped from both ends when either side goes, so the order of destruction is free.
    void FreeNotification(TComponent* holder);
    void RemoveFreeNotification(TComponent* holder);

    // Runs once after the component's stored properties and references are in place; clears
    // csLoading. Overrides call the base first.
    virtual void Loaded();

protected:
    // Runs for the owner (and, forwarded, its components) when a component is inserted or
    // removed, and for every free-notification holder. Overrides call the base.
    virtual void Notification(TComponent* component, TOperation operation);

    // Marks the component and everything it owns as going away, before any of them goes;
    // idempotent.
    void Destroying();
    // Destroys the owned components, newest first.
    void DestroyComponents();

private:
    friend class TLoadingScope;
    friend class TComponentReferenceBase;

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    int tag_ = 0;
    unsigned state_ = 0;
    std::vector<TComponent*> components_;
    // Holders to tell when this one goes, and the components this one holds references to.
    std::vector<TComponent*> freeNotifies_;
    std::vector<TComponent*> observed_;
    // References (TComponentReference) that other components hold to this one.
    std::vector<TComponentReferenceBase*> references_;
    TLoadingScope* loadingScope_ = nullptr;
};

} // namespace folvane
