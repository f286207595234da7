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
//   driver focus CAPTION       prints "left top width height" of the focused
//                              window relative to the window CAPTION; fails
//                              when the focus is elsewhere
//   driver painted CAPTION X Y RRGGBB PROGRAM [ARGS]
//                              starts PROGRAM, prints the milliseconds until
//                              the window CAPTION shows RRGGBB at its point
//                              X, Y (at most 30 s), and ends the program
//   driver class CLASS [MS]    prints "left top width height" of the first
//                              visible window of CLASS (#32768: a popup menu)
//   driver watch STOPFILE CAPTION...
//                              prints "watching", then each CAPTION once, the
//                              first time it is visible, until STOPFILE exists
//                              (at most 60 s), then "done"; a window seen only
//                              between two polls 50 ms apart may be missed
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

int Focus(const char* caption)
{
    HWND window = FindVisible(caption);
    GUITHREADINFO info {};
    info.cbSize = sizeof info;
    if (!window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus)
        return 1;
    if (GetAncestor(info.hwndFocus, GA_ROOT) != window)
        return 1;
    RECT outer {}, focused {};
    GetWindowRect(window, &outer);
    GetWindowRect(info.hwndFocus, &focused);
    std::printf("%ld %ld %ld %ld\n", focused.left - outer.left, focused.top - outer.top, focused.right - focused.left,
        focused.bottom - focused.top);
    return 0;
}

int Painted(const char* caption, int x, int y, COLORREF rgb, char** command, int count)
{
    std::string line;
    for (int i = 0; i < count; ++i)
        line += std::string(i ? " \"" : "\"") + command[i] + "\"";
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    const COLORREF want = RGB(GetBValue(rgb), GetGValue(rgb), GetRValue(rgb));
    const DWORD started = GetTickCount();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    HDC screen = GetDC(nullptr);
    int result = 1;
    COLORREF seen = CLR_INVALID;
    while (GetTickCount() - started < 30000) {
        RECT r {};
        HWND window = FindVisible(caption);
        if (window && GetWindowRect(window, &r))
            seen = GetPixel(screen, r.left + x, r.top + y);
        if (seen == want) {
            std::printf("%lu\n", GetTickCount() - started);
            result = 0;
            break;
        }
        Sleep(5);
    }
    if (result)
        std::fprintf(stderr, "the point shows %06lX\n", static_cast<unsigned long>(seen));
    ReleaseDC(nullptr, screen);
    // Measured: the program has done its part. A window with a message loop
    // closes; the splash, which has none, is ended.
    if (HWND window = FindVisible(caption))
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 3000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

int Watch(const char* stopFile, char** captions, int count)
{
    std::vector<bool> seen(static_cast<size_t>(count), false);
    std::printf("watching\n");
    std::fflush(stdout);
    for (int waited = 0; waited < 60000; waited += 50) {
        // One more look after the stop file appears: a window may show at the very end.
        const bool last = GetFileAttributesA(stopFile) != INVALID_FILE_ATTRIBUTES;
        for (int i = 0; i < count; ++i) {
            if (!seen[static_cast<size_t>(i)] && FindVisible(captions[i])) {
                seen[static_cast<size_t>(i)] = true;
                std::printf("%s\n", captions[i]);
                std::fflush(stdout);
            }
        }
        if (last) {
            std::printf("done\n");
            return 0;
        }
        Sleep(50);
    }
    return 1;
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
    if (verb == "class") {
        for (int waited = 0;; waited += 50) {
            HWND window = FindWindowA(caption, nullptr);
            RECT r {};
            if (window && IsWindowVisible(window) && GetWindowRect(window, &r)) {
                std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
                return 0;
            }
            if (waited >= ms)
                return 1;
            Sleep(50);
        }
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
    if (verb == "focus")
        return Focus(caption);
    if (verb == "painted" && argc > 6)
        return Painted(caption, std::atoi(argv[3]), std::atoi(argv[4]),
            static_cast<COLORREF>(std::strtoul(argv[5], nullptr, 16)), argv + 6, argc - 6);
    if (verb == "watch")
        return Watch(argv[2], argv + 3, argc - 3);
    if (verb == "absent")
        return WaitFor(caption, ms) ? 1 : 0;
    HWND window = WaitFor(caption, verb == "text" ? 1000 : 10000);
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
