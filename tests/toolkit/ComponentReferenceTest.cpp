// Non-owning component references: dropped with their target in either destruction order, the
// holder told once, change registrations undone. Run under ASan, so a link left behind shows up
// as a use-after-free.
#include "toolkit/ComponentReference.h"

#include "toolkit/Component.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace folvane {
namespace {

// A target that reports changes the way image lists do.
class Observable : public TComponent {
public:
    using TComponent::TComponent;
    void RegisterChanges(const void* key, std::function<void()> onChange)
    {
        observers.emplace_back(key, std::move(onChange));
    }
    void UnRegisterChanges(const void* key)
    {
        std::erase_if(observers, [&](auto& o) { return o.first == key; });
    }
    void Change()
    {
        for (auto& observer : observers)
            observer.second();
    }
    std::vector<std::pair<const void*, std::function<void()>>> observers;
};

class Holder : public TComponent {
public:
    using TComponent::TComponent;
    TComponentReference<Observable> ref { this, [this] { ++drops; } };
    int drops = 0;
};

TEST(ComponentReference, DroppedWithTheTargetInEitherOrder)
{
    TComponent owner;
    auto* holder = new Holder(&owner);
    auto* target = new Observable(&owner);
    auto* other = new Observable(&owner);
    EXPECT_TRUE(holder->ref.Set(target));
    EXPECT_FALSE(holder->ref.Set(target));
    EXPECT_EQ(holder->ref.Get(), target);

    delete target;
    EXPECT_EQ(holder->ref.Get(), nullptr);
    EXPECT_EQ(holder->drops, 1);

    // Holder first: the target's later destruction must not reach the holder.
    holder->ref.Set(other);
    delete holder;
    delete other;

    // A holder that clears its owned components while being destroyed is not called back.
    struct Clearing : Holder {
        using Holder::Holder;
        ~Clearing() override
        {
            DestroyComponents();
            *seen = ref.Get() ? -1 : drops;
        }
        int* seen = nullptr;
    };
    int seen = -2;
    auto* clearing = new Clearing(&owner);
    clearing->seen = &seen;
    clearing->ref.Set(new Observable(clearing));
    delete clearing;
    EXPECT_EQ(seen, 0);
}

TEST(ComponentReference, ChangesReachTheHolderOfTheCurrentTargetOnly)
{
    Holder holder;
    int changes = 0;
    holder.ref.OnChange = [&] { ++changes; };
    Observable first, second;
    holder.ref.Set(&first);
    first.Change();
    EXPECT_EQ(changes, 1);

    holder.ref.Set(&second);
    EXPECT_TRUE(first.observers.empty());
    first.Change();
    second.Change();
    EXPECT_EQ(changes, 2);

    holder.ref.Set(nullptr);
    EXPECT_TRUE(second.observers.empty());
    EXPECT_EQ(holder.drops, 0);
}

} // namespace
} // namespace folvane
