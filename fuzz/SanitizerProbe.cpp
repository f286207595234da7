// Not a fuzzer of the program: an int overflow on any input of four bytes or more, for the test
// that the fuzz build stops on undefined behaviour.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    int value = 0;
    std::memcpy(&value, data, sizeof value);
    volatile int sum = (value | 1) + INT_MAX; // overflows for every positive value
    return sum == 42 ? 1 : 0;
}
