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

constexpr double kTimeFloor = 0.005;
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
    Cost cost;
    cost.seconds = 1e9;
    for (int run = 0; run < 3; ++run) {
        const std::size_t base = g_current.load();
        g_peak = base;
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        cost.seconds = std::min(cost.seconds, took.count());
        if (run == 0) {
            cost.peakBytes = g_peak.load() - base;
        }
        if (took.count() > 1.0) {
            break; // far past linear already; one run tells
        }
    }
    return cost;
}

std::string CheckLinearCost(const std::function<void()>& small, const std::function<void()>& large)
{
    const Cost a = MeasureCost(small);
    const Cost b = MeasureCost(large);
    char text[200];
    std::snprintf(text, sizeof text, "time %.4f s -> %.4f s, peak heap %zu -> %zu bytes", a.seconds, b.seconds,
        a.peakBytes, b.peakBytes);
    const bool slow = b.seconds > kMaxRatio * std::max(a.seconds, kTimeFloor);
    const bool big
        = static_cast<double>(b.peakBytes) > kMaxRatio * static_cast<double>(std::max(a.peakBytes, kMemoryFloor));
    return slow || big ? std::string("more than linear: ") + text : std::string();
}

} // namespace folvane::test
