// Message pumping for Windows tests: handle whatever arrives, for a while or until a condition
// holds.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

namespace folvane::testing {

// Handles messages until pred() holds or the time runs out; returns pred().
inline bool PumpUntil(const std::function<bool()>& pred, int timeoutMs = 2000)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    }
    return true;
}

inline void Pump(int ms)
{
    PumpUntil([] { return false; }, ms);
}

} // namespace folvane::testing
