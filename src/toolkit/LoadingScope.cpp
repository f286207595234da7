// The loading scope: components created inside it load together.
#include "toolkit/LoadingScope.h"

#include "toolkit/Component.h"

#include <exception>
#include <utility>

namespace folvane {

thread_local TLoadingScope* TLoadingScope::current_ = nullptr;

TLoadingScope::TLoadingScope()
    : outer_(current_)
    , uncaughtAtStart_(std::uncaught_exceptions())
{
    current_ = this;
}

TLoadingScope::~TLoadingScope() noexcept(false)
{
    std::exception_ptr failure;
    if (!finished_) {
        if (std::uncaught_exceptions() > uncaughtAtStart_) {
            Close();
        } else {
            try {
                Finish();
            } catch (...) {
                // Released first: the components must not outlive the scope pointing at it.
                failure = std::current_exception();
            }
        }
    }
    Release();
    if (failure)
        std::rethrow_exception(failure);
}

void TLoadingScope::Release()
{
    // Whatever was not loaded (unwinding, or a Loaded() that threw) must not point back here.
    for (TComponent* component : components_) {
        if (!component)
            continue;
        component->state_ &= ~static_cast<unsigned>(csLoading);
        component->loadingScope_ = nullptr;
    }
    components_.clear();
}

void TLoadingScope::Attach(std::function<void()> assign)
{
    if (assign)
        attachments_.push_back(std::move(assign));
}

void TLoadingScope::Finish()
{
    if (finished_)
        return;
    Close();
    // An assignment may create or destroy components; run each in order and index afresh.
    for (std::size_t i = 0; i < attachments_.size(); ++i) {
        auto assign = std::move(attachments_[i]);
        assign();
    }
    attachments_.clear();
    for (std::size_t i = 0; i < components_.size(); ++i) {
        TComponent* component = components_[i];
        if (!component)
            continue;
        component->loadingScope_ = nullptr;
        components_[i] = nullptr;
        component->Loaded();
    }
    components_.clear();
}

void TLoadingScope::Join(TComponent* component)
{
    component->state_ |= csLoading;
    component->loadingScope_ = this;
    components_.push_back(component);
}

void TLoadingScope::Leave(TComponent* component)
{
    for (TComponent*& entry : components_)
        if (entry == component)
            entry = nullptr;
    component->loadingScope_ = nullptr;
}

void TLoadingScope::Close()
{
    finished_ = true;
    // Scopes end in reverse order of their start; unlink this one wherever it sits.
    if (current_ == this) {
        current_ = outer_;
        return;
    }
    for (TLoadingScope* scope = current_; scope; scope = scope->outer_)
        if (scope->outer_ == this) {
            scope->outer_ = outer_;
            break;
        }
}

} // namespace folvane
