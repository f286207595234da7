// The shell seam: open a file or web address with the "open" verb, or start a
// program and wait a bounded time until it accepts input.
#pragma once

#include <cstdint>
#include <string>

namespace folvane {

class Shell {
public:
    virtual ~Shell() = default;

    // No owner, no parameters, no working folder, shown normally. The result
    // is the shell's success, which callers are free to ignore.
    virtual bool Open(const std::string& target) = 0;
    // Opens target with its default verb, no parameters, no working folder, shown normally,
    // with ownerWindow (a window handle, 0 for none) as the owner of anything the shell shows.
    // True when the shell reports success.
    virtual bool OpenOwned(std::uintptr_t ownerWindow, const std::string& target)
    {
        (void)ownerWindow;
        return Open(target);
    }
    // Starts target and waits up to timeoutMs for it to be idle for input.
    virtual bool StartAndWaitForInputIdle(const std::string& target, unsigned timeoutMs) = 0;

    enum class ElevatedStart { Started, Declined, Failed };
    // Starts program with the "runas" verb and these parameters: the system
    // asks the user to allow it to run as administrator. Declined when the
    // user said no to that prompt.
    virtual ElevatedStart StartElevated(const std::u16string& program, const std::u16string& parameters) = 0;
};

} // namespace folvane
