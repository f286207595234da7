// The clock seam: a blocking sleep of the calling thread, and the time of day.
#pragma once

namespace folvane {

// Coordinated universal time, down to the millisecond.
struct UtcTime {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;

    virtual void Sleep(unsigned milliseconds) = 0;
    virtual UtcTime Now() = 0;
};

} // namespace folvane
