// The sound seam: play a wave file by name without waiting for it.
#pragma once

#include <string>

namespace folvane {

class Sound {
public:
    virtual ~Sound() = default;

    // A new sound cuts off the one playing.
    virtual void PlayFileAsync(const std::string& fileName) = 0;
};

} // namespace folvane
