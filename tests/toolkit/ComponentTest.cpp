// Ownership, destruction order and free notification of TComponent. Run under ASan natively, so
// a dangling reference left behind by any destruction order shows up as a use-after-free.
#include "toolkit/Component.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace folvane {
namespace {

// Records its destruction in a shared log and holds one non-owned reference.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string label, std::vector<std::string>* log)
        : TComponent(owner)
        , label_(std::move(label))
        , log_(log)
    {
    }
    ~Probe() override
    {
        if (log_)
            log_->push_back(label_);
        if (ref_)
            ref_->RemoveFreeNotification(this);
    }
    const char* ClassName() const override { return "Probe"; }

    void SetRef(TComponent* ref)
    {
        if (ref_)
            ref_->RemoveFreeNotification(this);
        ref_ = ref;
        if (ref_)
            ref_->FreeNotification(this);
    }
    TComponent* Ref() const { return ref_; }
    int removals = 0;
    std::vector<TComponent*> inserted;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opInsert)
            inserted.push_back(component);
        if (operation == TOperation::opRemove && component == ref_) {
            ref_ = nullptr;
            ++removals;
        }
    }

private:
    std::string label_;
    std::vector<std::string>* log_;
    TComponent* ref_ = nullptr;
};

TEST(ComponentOwnership, OwnedComponentsAreListedAndDestroyedNewestFirst)
{
    std::vector<std::string> log;
    auto* owner = new Probe(nullptr, "owner", &log);
    auto* a = new Probe(owner, "a", &log);
    auto* b = new Probe(owner, "b", &log);
    auto* c = new Probe(owner, "c", &log);
    new Probe(b, "b1", &log);

    EXPECT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->Components(0), a);
    EXPECT_EQ(owner->Components(2), c);
    EXPECT_EQ(owner->Components(3), nullptr);
    EXPECT_EQ(owner->Components(-1), nullptr);
    EXPECT_EQ(b->Owner(), owner);
    EXPECT_EQ(owner->inserted, (std::vector<TComponent*> { a, b, c }));

    delete owner;
    EXPECT_EQ(log, (std::vector<std::string> { "owner", "c", "b", "b1", "a" }));
}

TEST(ComponentOwnership, DeletingAnOwnedComponentTakesItOffItsOwner)
{
    TComponent owner;
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
    EXPECT_EQ(std::string(owner.ClassName()), "TComponent");
}

TEST(ComponentOwnership, OwnerAndAllItOwnsAreMarkedDestroyingBeforeAnyGoes)
{
    // A page going before its page control must see that the control goes too, or it would
    // make another page active and raise events into a window that is half gone.
    static bool ownerWasDestroying = false;
    static bool olderSiblingWasDestroying = false;
    static bool grandchildWasDestroying = false;
    struct Watcher : TComponent {
        using TComponent::TComponent;
        ~Watcher() override
        {
            ownerWasDestroying = Owner()->IsDestroying();
            olderSiblingWasDestroying = Owner()->Components(0)->IsDestroying();
            grandchildWasDestroying = Owner()->Components(0)->Components(0)->IsDestroying();
        }
    };
    auto* owner = new TComponent;
    auto* older = new TComponent(owner);
    new TComponent(older);
    new Watcher(owner);
    EXPECT_FALSE(owner->IsDestroying());
    delete owner;
    EXPECT_TRUE(ownerWasDestroying);
    EXPECT_TRUE(olderSiblingWasDestroying);
    EXPECT_TRUE(grandchildWasDestroying);
}

TEST(ComponentNames, NamesAreIdentifiersUniqueWithinTheOwnerIgnoringCase)
{
    TComponent owner;
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName("btnExit");
    EXPECT_EQ(owner.FindComponent("BTNEXIT"), a);
    EXPECT_THROW(b->SetName("BtnExit"), EComponentError);
    EXPECT_EQ(b->Name(), "");
    EXPECT_THROW(b->SetName("1st"), EComponentError);
    EXPECT_THROW(b->SetName("has space"), EComponentError);
    b->SetName("_lb2");
    a->SetName("btnExit"); // renaming to itself is no clash
    a->SetName("");
    EXPECT_EQ(owner.FindComponent("btnExit"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);

    TComponent other;
    auto* c = new TComponent(&other);
    c->SetName("_lb2"); // another owner's names do not matter
    EXPECT_EQ(other.FindComponent("_lb2"), c);
}

// Free notification in every order in which the two ends can go.
TEST(ComponentFreeNotification, ReferencedComponentDestroyedFirstClearsTheHolder)
{
    Probe holder(nullptr, "holder", nullptr);
    auto* target = new TComponent;
    holder.SetRef(target);
    delete target;
    EXPECT_EQ(holder.Ref(), nullptr);
    EXPECT_EQ(holder.removals, 1);
}

TEST(ComponentFreeNotification, HolderDestroyedFirstLeavesNoDanglingLink)
{
    TComponent target;
    auto* holder = new TComponent;
    target.FreeNotification(holder);
    target.FreeNotification(holder); // registering twice is one link
    delete holder;
    // Destroying the target must not reach the freed holder (ASan would report it).
}

TEST(ComponentFreeNotification, ManyHoldersAllHearOfOneTarget)
{
    auto* target = new TComponent;
    std::vector<std::unique_ptr<Probe>> holders;
    for (int i = 0; i < 5; ++i) {
        holders.push_back(std::make_unique<Probe>(nullptr, "h", nullptr));
        holders.back()->SetRef(target);
    }
    holders[2].reset(); // one holder goes early
    delete target;
    for (auto& holder : holders)
        if (holder) {
            EXPECT_EQ(holder->Ref(), nullptr);
            EXPECT_EQ(holder->removals, 1);
        }
}

TEST(ComponentFreeNotification, RemovedRegistrationIsNotNotified)
{
    Probe holder(nullptr, "holder", nullptr);
    auto* target = new TComponent;
    target->FreeNotification(&holder);
    target->RemoveFreeNotification(&holder);
    delete target;
    EXPECT_EQ(holder.removals, 0);
}

TEST(ComponentFreeNotification, SiblingsHearOfEachOtherWithoutRegistering)
{
    // A reference inside one owner is cleared through the owner even in reverse creation order,
    // where the referenced sibling goes first.
    auto* form = new TComponent;
    auto* user = new Probe(form, "user", nullptr);
    auto* list = new TComponent(form);
    user->SetRef(list);
    user->RemoveFreeNotification(list); // only the owner path remains
    list->RemoveFreeNotification(user);
    delete list;
    EXPECT_EQ(user->Ref(), nullptr);
    delete form;
}

TEST(ComponentFreeNotification, CrossOwnerReferencesSurviveEitherOwnerGoingFirst)
{
    for (bool themeOwnerFirst : { true, false }) {
        auto* mainForm = new TComponent;
        auto* theme = new TComponent(mainForm);
        auto* aboutForm = new TComponent;
        auto* button = new Probe(aboutForm, "button", nullptr);
        button->SetRef(theme);
        if (themeOwnerFirst) {
            delete mainForm;
            EXPECT_EQ(button->Ref(), nullptr);
            delete aboutForm;
        } else {
            delete aboutForm;
            delete mainForm;
        }
    }
}

TEST(ComponentFreeNotification, HolderThatDropsOtherLinksInsideTheNoticeIsSafe)
{
    // The notice handler removes a second registration while the target walks its list.
    struct Greedy : TComponent {
        TComponent* other = nullptr;
        int notices = 0;
        void Notification(TComponent* component, TOperation operation) override
        {
            TComponent::Notification(component, operation);
            if (operation == TOperation::opRemove) {
                ++notices;
                if (other && component != other)
                    other->RemoveFreeNotification(this);
            }
        }
    };
    Greedy holder;
    auto* target = new TComponent;
    TComponent other;
    holder.other = &other;
    target->FreeNotification(&holder);
    other.FreeNotification(&holder);
    delete target;
    EXPECT_EQ(holder.notices, 1);
}

} // namespace
} // namespace folvane
