// After the machine root refused a write to a process that runs without the
// rights an administrator could give it: ask whether to start Folvane again
// as administrator with the same "Set Path" choices, and start it so. The
// elevated instance only fills in the choices; the user writes there as usual.
#pragma once

#include "app/CommandLine.h"
#include "platform/Platform.h"

namespace folvane {

namespace elevation {
inline constexpr char kQuestion[] = "Writing under HKEY_LOCAL_MACHINE needs administrator rights.\r\n\r\n"
                                    "Start Folvane as administrator, with the same choices filled in?";
inline constexpr char kStartFailed[] = "Folvane could not be started as administrator.";
} // namespace elevation

class ElevationOffer {
public:
    explicit ElevationOffer(Platform& platform);

    // True when an elevated instance has started and this one should end;
    // false when the user said No, declined the system's prompt, or the
    // start failed (which is reported).
    bool Offer(const StartChoices& choices);

private:
    Platform& platform_;
};

} // namespace folvane
