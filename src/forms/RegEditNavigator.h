// Walks the platform's registry editor to a key by driving its key tree with
// keystrokes, as a user would: collapse everything, expand the root, then type
// each level's name and expand it. It starts the editor when none is open and
// reports nothing, whatever happens.
#pragma once

#include "app/SimulatorKey.h"
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/WindowDriver.h"

#include <string>

namespace folvane {

namespace regedit {
inline constexpr char kMainWindowClass[] = "RegEdit_RegEdit";
inline constexpr char kTreeClass[] = "SysTreeView32";
inline constexpr char kProgram[] = "regedit.exe";
inline constexpr unsigned kStartTimeoutMs = 200;
// A started editor whose window is not there after the input-idle wait is
// looked for again in short steps, for this long at most.
inline constexpr unsigned kWindowWaitMs = 5000;
inline constexpr unsigned kWindowPollMs = 50;
inline constexpr unsigned kStepMs = 500;
inline constexpr int kCollapsePresses = 30;
inline constexpr unsigned kVirtualKeyLeft = 37;
inline constexpr unsigned kVirtualKeyRight = 39;
} // namespace regedit

class RegEditNavigator {
public:
    RegEditNavigator(WindowDriver& windows, Shell& shell, Clock& clock);

    // path: the root as the editor labels it, then the keys, separated by
    // backslashes. Its last character is never typed.
    void ShowRegEditKey(const std::string& path);

private:
    WindowHandle FindOrStartEditor();
    void KeyDown(WindowHandle tree, unsigned virtualKey);

    WindowDriver& windows_;
    Shell& shell_;
    Clock& clock_;
};

} // namespace folvane
