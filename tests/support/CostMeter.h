// Cost tests: a parser's time and peak heap at input sizes n and 4n. Linear work costs about
// 4x as much on the larger input; the check fails above 8x, which leaves room for noise but not
// for a quadratic term (16x). Native tree only: the meter replaces the global operator new.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace folvane::test {

struct Cost {
    double seconds = 0;
    std::size_t peakBytes = 0; // largest heap growth through operator new during the call
};

// Runs work a few times: the shortest time, and the peak heap growth of the first run.
Cost MeasureCost(const std::function<void()>& work);

// Measures small() and large(), whose input is four times as big, and returns an empty string
// when the larger costs at most 8x the smaller in time and in memory, otherwise what went
// wrong. Costs below a floor (a few milliseconds, a few kilobytes) count as the floor, so that
// timer and allocator noise on tiny costs cannot fail a linear parser.
std::string CheckLinearCost(const std::function<void()>& small, const std::function<void()>& large);

} // namespace folvane::test
