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

// Runs work once.
Cost MeasureCost(const std::function<void()>& work);

// Measures small() and large(), whose input is four times as big, and returns an empty string
// when the larger costs at most 8x the smaller in time and in memory, otherwise what went
// wrong. A suspect time is measured again, up to five runs of each, and the shortest counts.
// Costs below a floor (20 milliseconds, 64 KiB) count as the floor, so that noise on tiny costs
// cannot fail a linear parser while a quadratic one still does.
std::string CheckLinearCost(const std::function<void()>& small, const std::function<void()>& large);

} // namespace folvane::test
