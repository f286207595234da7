// Keys held down for the thread while in scope: the key-message handlers
// read modifiers from the keyboard state, which SendMessage does not set.
#pragma once

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace folvane::testing {

class HeldKeys {
public:
    HeldKeys(std::initializer_list<int> keys)
    {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), state);
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256];
};

// Alt+Down as the system sends it.
inline void SendAltDown(HWND window)
{
    HeldKeys alt { VK_MENU };
    SendMessageA(window, WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
}

} // namespace folvane::testing
