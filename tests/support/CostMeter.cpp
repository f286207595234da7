// The cost meter of CostMeter.h and the operator new it counts through.
#include "support/CostMeter.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> g_current { 0 };
std::atomic<std::size_t> g_peak { 0 };

void* Allocate(std::size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t now = g_current += malloc_usable_size(p);
    std::size_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) { }
    return p;
}

void Release(void* p)
{
    if (p != nullptr) {
        g_current -= malloc_usable_size(p);
        std::free(p);
    }
}

constexpr double kTimeFloor = 0.02;
constexpr int kRuns = 5;
constexpr double kEnough = 1.0; // far past linear already: one run tells
constexpr std::size_t kMemoryFloor = 64 * 1024;
constexpr double kMaxRatio = 8.0;

} // namespace

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* p) noexcept
{
    Release(p);
}
void operator delete[](void* p) noexcept
{
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    Release(p);
}

namespace folvane::test {

Cost MeasureCost(const std::function<void()>& work)
{
    const std::size_t base = g_current.load();
    g_peak = base;
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return { took.count(), g_peak.load() - base };
}

std::string CheckLinearCost(const std::function<void()>& small, const std::function<void()>& large)
{
    Cost a = MeasureCost(small);
    Cost b = MeasureCost(large);
    auto slow = [&] { return b.seconds > kMaxRatio * std::max(a.seconds, kTimeFloor); };
    // A busy machine slows some runs, rarely all: a suspect result is measured again,
    // interleaved, and the shortest times count.
    for (int run = 1; run < kRuns && slow() && b.seconds < kEnough; ++run) {
        a.seconds = std::min(a.seconds, MeasureCost(small).seconds);
        b.seconds = std::min(b.seconds, MeasureCost(large).seconds);
    }
    const bool big
        = static_cast<double>(b.peakBytes) > kMaxRatio * static_cast<double>(std::max(a.peakBytes, kMemoryFloor));
    if (!slow() && !big)
        return {};
    char text[200];
    std::snprintf(text, sizeof text, "more than linear: time %.4f s -> %.4f s, peak heap %zu -> %zu bytes", a.seconds,
        b.seconds, a.peakBytes, b.peakBytes);
    return text;
}

} // namespace folvane::test
