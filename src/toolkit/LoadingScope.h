// TLoadingScope: building a window in code the way a stored layout is read. While a scope is
// alive every component created gets csLoading, so its setters only store; references to other
// components (themes, image lists, popup menus, active pages) are queued with Attach() and set
// when the scope finishes, and then Loaded() runs for each component in creation order.
//
// Scopes nest: a component joins the innermost one. A scope left by an exception clears the
// loading flag but neither attaches the queued references nor calls Loaded(), so half-built
// components are not brought to life.
#pragma once

#include <functional>
#include <vector>

namespace folvane {

class TComponent;

class TLoadingScope {
public:
    TLoadingScope();
    ~TLoadingScope() noexcept(false);

    TLoadingScope(const TLoadingScope&) = delete;
    TLoadingScope& operator=(const TLoadingScope&) = delete;

    // Queues a reference assignment to run at Finish(), in the order queued.
    void Attach(std::function<void()> assign);
    // Attaches the references, then runs Loaded() for every component still alive, in creation
    // order. Runs once; the destructor calls it when it has not run. A throwing Loaded() ends it:
    // the rest stay unloaded and the exception goes to the caller (from the destructor, once
    // the rest no longer point at the scope).
    void Finish();

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    static TLoadingScope* Current() { return current_; }

private:
    friend class TComponent;

    void Join(TComponent* component);
    void Leave(TComponent* component);
    void Close();
    void Release();

    static thread_local TLoadingScope* current_;
    TLoadingScope* outer_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<std::function<void()>> attachments_;
    bool finished_ = false;
    int uncaughtAtStart_ = 0;
};

} // namespace folvane
