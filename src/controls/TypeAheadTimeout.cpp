// The type-ahead pause, on its own short-lived thread, sharing one flag under a lock.
#include "controls/TypeAheadTimeout.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace folvane {

// The state one thread shares with its owner; the thread keeps it alive
// after a detach.
struct TypeAheadTimeout::Run {
    std::mutex mutex;
    std::condition_variable wake;
    bool searchedAgain = true; // the search that starts the run counts
    bool finished = false; // the thread found the flag clear and ended
    bool detached = false; // the owner let go: end without a notice
};

TypeAheadTimeout::TypeAheadTimeout(std::chrono::milliseconds step)
    : step_(step)
{
}

TypeAheadTimeout::~TypeAheadTimeout()
{
    Stop();
}

bool TypeAheadTimeout::Arm(EndNotice notice)
{
    bool stale = false;
    if (current_) {
        std::lock_guard<std::mutex> lock(current_->mutex);
        if (!current_->finished) {
            current_->searchedAgain = true;
            return false;
        }
        // Timed out between the thread's last step and this search; its
        // notice is still queued.
        stale = true;
    }
    auto run = std::make_shared<Run>();
    std::thread(Wait, run, std::move(notice), step_, runs_ + 1).detach();
    current_ = std::move(run);
    ++runs_;
    return stale;
}

bool TypeAheadTimeout::Ended(unsigned run)
{
    if (!current_ || run != runs_)
        return false;
    current_.reset();
    return true;
}

void TypeAheadTimeout::Stop()
{
    if (!current_)
        return;
    {
        std::lock_guard<std::mutex> lock(current_->mutex);
        current_->detached = true;
    }
    current_->wake.notify_all();
    current_.reset();
}

void TypeAheadTimeout::Wait(std::shared_ptr<Run> run, EndNotice notice, std::chrono::milliseconds step, unsigned number)
{
    std::unique_lock<std::mutex> lock(run->mutex);
    for (;;) {
        if (run->wake.wait_for(lock, step, [&] { return run->detached; }))
            return;
        if (run->searchedAgain) {
            run->searchedAgain = false;
            continue;
        }
        run->finished = true;
        // Under the lock, so that Stop() cannot return while it runs.
        if (notice)
            notice(number);
        return;
    }
}

} // namespace folvane
