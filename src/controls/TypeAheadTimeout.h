// The pause that makes a combo forget its typed search text, timed by a
// short-lived background thread. Each search arms it; the thread wakes in
// fixed steps and reads and clears a searched-again flag under a lock that
// the arming thread also takes. At the first step that finds the flag clear
// it ends and sends its end notice, which the owner handles on its own
// thread (clear the typed text, forget the run).
//
// Stop() (also run by the destructor) detaches a running thread and tells it
// to end at once; from then on its notice never runs, so the notice may refer
// to an owner that is about to go. The notice runs under the lock and must
// only hand the news over (post a message).
//
// All members are for the owning thread; only the shared run state crosses.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace folvane {

class TypeAheadTimeout {
public:
    using EndNotice = std::function<void(unsigned run)>;

    explicit TypeAheadTimeout(std::chrono::milliseconds step = std::chrono::milliseconds(500));
    ~TypeAheadTimeout();

    TypeAheadTimeout(const TypeAheadTimeout&) = delete;
    TypeAheadTimeout& operator=(const TypeAheadTimeout&) = delete;

    // Marks a search. Starts a run with `notice` when none is current. Returns
    // true when the current run had already timed out and its notice is still
    // on its way: the typed text is stale, and the caller clears it before
    // searching (the late notice is then ignored by Ended).
    bool Arm(EndNotice notice);
    // The end notice of `run` arrived. True when that run is the current one,
    // which is then forgotten: the caller clears its typed text.
    bool Ended(unsigned run);
    // A run has been started and its end not yet handled.
    bool Running() const { return current_ != nullptr; }
    // Detaches a running thread and tells it to end without a notice.
    void Stop();

private:
    struct Run;
    static void Wait(std::shared_ptr<Run> run, EndNotice notice, std::chrono::milliseconds step, unsigned number);

    std::chrono::milliseconds step_;
    std::shared_ptr<Run> current_;
    unsigned runs_ = 0;
};

} // namespace folvane
