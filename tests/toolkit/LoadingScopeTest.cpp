// The loading scope: flags while loading, references attached at the end, Loaded() in creation
// order, and what is left when loading is cut short.
#include "toolkit/LoadingScope.h"
#include "toolkit/Component.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace folvane {
namespace {

std::vector<std::string> gLoaded;

class Part : public TComponent {
public:
    Part(TComponent* owner, std::string label)
        : TComponent(owner)
        , label_(std::move(label))
    {
    }
    void Loaded() override
    {
        TComponent::Loaded();
        gLoaded.push_back(label_ + (partner ? "+" : ""));
        if (throwOnLoad)
            throw std::runtime_error("bad layout");
    }
    Part* partner = nullptr;
    bool throwOnLoad = false;

private:
    std::string label_;
};

TEST(LoadingScope, ComponentsLoadTogetherInCreationOrderAfterReferences)
{
    gLoaded.clear();
    TComponent form;
    Part* a = nullptr;
    Part* b = nullptr;
    {
        TLoadingScope scope;
        a = new Part(&form, "a");
        auto* inner = new Part(a, "a.inner");
        b = new Part(&form, "b");
        EXPECT_TRUE(a->IsLoading());
        EXPECT_TRUE(inner->IsLoading());
        scope.Attach([&] { a->partner = b; });
        EXPECT_EQ(a->partner, nullptr); // not before the end
        EXPECT_EQ(scope.ComponentCount(), 3);
    }
    EXPECT_EQ(gLoaded, (std::vector<std::string> { "a+", "a.inner", "b" }));
    EXPECT_FALSE(a->IsLoading());
    EXPECT_FALSE(b->IsLoading());
    EXPECT_EQ(TLoadingScope::Current(), nullptr);

    auto* later = new Part(&form, "later");
    EXPECT_FALSE(later->IsLoading());
}

TEST(LoadingScope, ComponentDestroyedWhileLoadingIsSkipped)
{
    gLoaded.clear();
    TLoadingScope scope;
    auto* a = new Part(nullptr, "a");
    auto* b = new Part(nullptr, "b");
    delete a;
    scope.Finish();
    scope.Finish(); // once only
    EXPECT_EQ(gLoaded, (std::vector<std::string> { "b" }));
    delete b;
}

TEST(LoadingScope, NestedScopesLoadTheirOwnComponents)
{
    gLoaded.clear();
    TLoadingScope outer;
    auto* a = new Part(nullptr, "outer");
    {
        TLoadingScope inner;
        auto* b = new Part(nullptr, "inner");
        inner.Finish();
        EXPECT_FALSE(b->IsLoading());
        delete b;
    }
    EXPECT_TRUE(a->IsLoading());
    EXPECT_EQ(TLoadingScope::Current(), &outer);
    outer.Finish();
    EXPECT_EQ(gLoaded, (std::vector<std::string> { "inner", "outer" }));
    delete a;
}

TEST(LoadingScope, UnwindingLeavesComponentsUnloadedAndReferencesUnset)
{
    gLoaded.clear();
    Part* a = nullptr;
    try {
        TLoadingScope scope;
        a = new Part(nullptr, "a");
        scope.Attach([&] { a->partner = a; });
        throw std::runtime_error("stream ended");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(gLoaded.empty());
    EXPECT_EQ(a->partner, nullptr);
    EXPECT_FALSE(a->IsLoading());
    EXPECT_EQ(TLoadingScope::Current(), nullptr);
    delete a; // must not reach the dead scope
}

TEST(LoadingScope, ThrowingLoadedStopsAndReleasesTheRest)
{
    gLoaded.clear();
    Part* a = nullptr;
    Part* b = nullptr;
    {
        TLoadingScope scope;
        a = new Part(nullptr, "a");
        a->throwOnLoad = true;
        b = new Part(nullptr, "b");
        EXPECT_THROW(scope.Finish(), std::runtime_error);
    }
    EXPECT_EQ(gLoaded, (std::vector<std::string> { "a" }));
    EXPECT_FALSE(b->IsLoading());
    delete b; // its scope is gone; nothing may point back to it
    delete a;
}

TEST(LoadingScope, ThrowingLoadedAtTheScopesEndCleansUpBeforeItEscapes)
{
    gLoaded.clear();
    Part* a = nullptr;
    Part* b = nullptr;
    auto load = [&] {
        TLoadingScope scope; // no Finish(): the end of the scope loads
        a = new Part(nullptr, "a");
        a->throwOnLoad = true;
        b = new Part(nullptr, "b");
    };
    EXPECT_THROW(load(), std::runtime_error);
    EXPECT_EQ(gLoaded, (std::vector<std::string> { "a" }));
    EXPECT_FALSE(b->IsLoading());
    EXPECT_EQ(TLoadingScope::Current(), nullptr);
    delete b; // must not reach the dead scope
    delete a;
}

} // namespace
} // namespace folvane
