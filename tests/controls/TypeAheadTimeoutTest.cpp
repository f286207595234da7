// The search timeout thread and its flag protocol, built with
// ThreadSanitizer. Steps are short; only lower bounds of time are checked.
#include "controls/TypeAheadTimeout.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace folvane {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kStep = 100ms;

// Stands for the owner's message queue: notices arrive here from the thread.
class Inbox {
public:
    TypeAheadTimeout::EndNotice Notice()
    {
        return [this](unsigned run) {
            std::lock_guard<std::mutex> lock(mutex_);
            runs_.push_back(run);
            arrived_.notify_all();
        };
    }
    // The next notice, or 0 when none comes within `wait`.
    unsigned Next(std::chrono::milliseconds wait)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!arrived_.wait_for(lock, wait, [&] { return !runs_.empty(); }))
            return 0;
        const unsigned run = runs_.front();
        runs_.pop_front();
        return run;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<unsigned> runs_;
};

TEST(ControlsTypeAheadTimeout, EndsAtTheFirstStepWithoutASearch)
{
    Inbox inbox;
    TypeAheadTimeout timeout(kStep);
    EXPECT_FALSE(timeout.Arm(inbox.Notice()));
    EXPECT_TRUE(timeout.Running());
    // Searches closer together than a step keep it running.
    auto last = Clock::now();
    for (int i = 0; i < 8; ++i) {
        std::this_thread::sleep_for(kStep / 5);
        EXPECT_FALSE(timeout.Arm(inbox.Notice()));
        last = Clock::now();
    }
    const unsigned run = inbox.Next(5000ms);
    EXPECT_EQ(run, 1u);
    EXPECT_GE(Clock::now() - last, kStep);
    EXPECT_TRUE(timeout.Ended(run));
    EXPECT_FALSE(timeout.Running());
    EXPECT_FALSE(timeout.Ended(run));
}

TEST(ControlsTypeAheadTimeout, SearchAfterTheEndButBeforeItsNoticeIsStale)
{
    Inbox inbox;
    TypeAheadTimeout timeout(kStep);
    timeout.Arm(inbox.Notice());
    const unsigned old = inbox.Next(5000ms);
    ASSERT_EQ(old, 1u);
    // The notice is "still queued": a search now must drop the old text.
    EXPECT_TRUE(timeout.Arm(inbox.Notice()));
    EXPECT_FALSE(timeout.Ended(old));
    EXPECT_TRUE(timeout.Running());
    EXPECT_EQ(inbox.Next(5000ms), 2u);
    EXPECT_TRUE(timeout.Ended(2));
}

TEST(ControlsTypeAheadTimeout, StoppedThreadNeverNotifies)
{
    Inbox inbox;
    {
        TypeAheadTimeout timeout(kStep);
        timeout.Arm(inbox.Notice());
        std::this_thread::sleep_for(kStep / 2);
    } // destroyed while the thread sleeps
    EXPECT_EQ(inbox.Next(4 * kStep), 0u);

    // Stopping races with the thread's last step: either the notice came
    // before Stop() returned, or it never comes.
    for (int i = 0; i < 20; ++i) {
        auto owner = std::make_unique<Inbox>();
        TypeAheadTimeout timeout(1ms);
        timeout.Arm(owner->Notice());
        std::this_thread::sleep_for(std::chrono::microseconds(500 * (i % 6)));
        timeout.Stop();
        EXPECT_FALSE(timeout.Running());
        owner.reset(); // a late notice would touch freed memory
    }
    std::this_thread::sleep_for(20ms);
}

} // namespace
} // namespace folvane
