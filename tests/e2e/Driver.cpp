// A user's hands for the end-to-end journeys: finds the program's top-level
// windows by caption (and optionally class) from another process, reads the
// texts of their STATIC children (message boxes and dialogs) and presses
// their buttons. Clicks on the skinned windows go through xdotool instead.
//
//   driver wait CAPTION [MS]   prints "left top width height" once visible
//   driver gone CAPTION [MS]   returns once no such window is visible
//   driver text CAPTION        prints the STATIC children's texts, one a line
//   driver press CAPTION TEXT  clicks the child button captioned TEXT
//   driver absent CAPTION MS   fails if such a window shows up within MS
//   driver restore CAPTION     restores the window; fails unless it was minimised
//   driver status CLASS [MS]   prints the status bar text of the first window of CLASS
//   driver close CLASS         asks the first window of CLASS to close
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    char text[512];
    if (!IsWindowVisible(window) || GetWindowTextA(window, text, sizeof text) <= 0)
        return TRUE;
    if (std::string(text) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindVisible(const char* caption)
{
    Search search { caption, nullptr };
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitFor(const char* caption, int ms)
{
    for (int waited = 0;; waited += 50) {
        if (HWND window = FindVisible(caption))
            return window;
        if (waited >= ms)
            return nullptr;
        Sleep(50);
    }
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[2048] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

struct Children {
    const char* button; // the caption to press, or nullptr to list texts
    bool pressed;
};

BOOL CALLBACK VisitChild(HWND child, LPARAM data)
{
    auto* visit = reinterpret_cast<Children*>(data);
    const std::string kind = ClassOf(child);
    if (!visit->button) {
        if (_stricmp(kind.c_str(), "Static") == 0)
            std::printf("%s\n", TextOf(child).c_str());
        return TRUE;
    }
    if (_stricmp(kind.c_str(), "Button") == 0 && TextOf(child) == visit->button) {
        PostMessageA(child, BM_CLICK, 0, 0);
        visit->pressed = true;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const std::string verb = argv[1];
    const char* caption = argv[2];
    const int ms = argc > 3 ? std::atoi(argv[3]) : 10000;
    if (verb == "wait") {
        HWND window = WaitFor(caption, ms);
        RECT r {};
        if (!window || !GetWindowRect(window, &r))
            return 1;
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (verb == "gone") {
        for (int waited = 0; FindVisible(caption); waited += 50) {
            if (waited >= ms)
                return 1;
            Sleep(50);
        }
        return 0;
    }
    if (verb == "status" || verb == "close") {
        HWND owner = nullptr;
        for (int waited = 0; !(owner = FindWindowA(caption, nullptr)) && waited < ms; waited += 50)
            Sleep(50);
        if (!owner)
            return 1;
        if (verb == "close") {
            PostMessageA(owner, WM_CLOSE, 0, 0);
            return 0;
        }
        HWND bar = FindWindowExA(owner, nullptr, "msctls_statusbar32", nullptr);
        if (!bar)
            return 1;
        std::printf("%s\n", TextOf(bar).c_str());
        return 0;
    }
    if (verb == "absent")
        return WaitFor(caption, ms) ? 1 : 0;
    HWND window = WaitFor(caption, 10000);
    if (!window)
        return 1;
    if (verb == "restore") {
        if (!IsIconic(window))
            return 1;
        ShowWindow(window, SW_RESTORE);
        return 0;
    }
    if (verb == "text") {
        Children visit { nullptr, false };
        EnumChildWindows(window, VisitChild, reinterpret_cast<LPARAM>(&visit));
        return 0;
    }
    if (verb == "press" && argc > 3) {
        Children visit { argv[3], false };
        EnumChildWindows(window, VisitChild, reinterpret_cast<LPARAM>(&visit));
        return visit.pressed ? 0 : 1;
    }
    return 2;
}
