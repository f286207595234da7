// The clock seam: a blocking sleep of the calling thread.
#pragma once

namespace folvane {

class Clock {
public:
    virtual ~Clock() = default;

    virtual void Sleep(unsigned milliseconds) = 0;
};

} // namespace folvane
