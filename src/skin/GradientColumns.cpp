// Gradient columns in exact integer arithmetic.
#include "skin/GradientColumns.h"

#include <cstdint>

namespace folvane {

namespace {

// numerator / denominator rounded to nearest, halves to even; denominator > 0.
std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    // Truncation went toward zero; bring it to floor so the rest is >= 0.
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && (quotient & 1) != 0))
        ++quotient;
    return quotient;
}

std::uint8_t Channel(std::uint8_t from, std::uint8_t to, int width, int offset)
{
    const std::int64_t step = RoundHalfEven(static_cast<std::int64_t>(to - from) * offset, width);
    return static_cast<std::uint8_t>(from + step);
}

} // namespace

TColor GradientColumnColor(TColor from, TColor to, int width, int offset)
{
    if (width <= 0 || offset <= 0)
        return from;
    if (offset >= width - 1)
        return to;
    return MakeColor(Channel(ColorRed(from), ColorRed(to), width, offset),
        Channel(ColorGreen(from), ColorGreen(to), width, offset),
        Channel(ColorBlue(from), ColorBlue(to), width, offset));
}

} // namespace folvane
