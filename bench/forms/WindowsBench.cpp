// The main window's cost, from one run: the time from process start to its
// first complete paint against that of an empty window of the same size, the
// ratio (goal: at most 2), one full repaint (goal: at most 5 ms, and at most 1.5 times a plain
// window with as many plain children), and the
// size of the program file named on the command line (goal: 1.5 MB stripped).
// Usage: forms_window_bench.exe [--breakdown] [Folvane.exe]
#include "app/InterfaceSounds.h"
#include "app/SimulatorLocator.h"
#include "forms/MainWindow.h"
#include "program/Win32Dialogs.h"
#include "program/Win32Seams.h"
#include "toolkit/Application.h"
#include "toolkit/graphics/Bitmap.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

using namespace folvane;

double Now()
{
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from the process's creation to this moment.
double SinceProcessStart()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

double EmptyWindowMs()
{
    WNDCLASSA windowClass {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "FolvaneBenchEmpty";
    RegisterClassA(&windowClass);
    const double start = Now();
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 100, 100, 620, 470, nullptr, nullptr,
        windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double elapsed = Now() - start;
    DestroyWindow(window);
    return elapsed;
}

// --breakdown: one window's own paint (its children left out), averaged.
double OwnPaintMs(HWND window)
{
    constexpr int kRounds = 40;
    const double start = Now();
    for (int i = 0; i < kRounds; ++i)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    return (Now() - start) / kRounds;
}

BOOL CALLBACK PrintOwnPaint(HWND child, LPARAM)
{
    char className[64] = "", caption[64] = "";
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, caption, sizeof caption);
    std::printf("  %6.2f ms  %s \"%s\"\n", OwnPaintMs(child), className, caption);
    return TRUE;
}

// --breakdown: each window-less control drawn on its own into a picture of its size, averaged.
void PrintGraphicPaints(const TWinControl& container)
{
    for (int i = 0; i < container.ControlCount(); ++i) {
        TControl* control = container.Controls(i);
        if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
            PrintGraphicPaints(*windowed);
            continue;
        }
        TBitmap picture(control->Width(), control->Height(), TPixelFormat::pf24bit);
        constexpr int kRounds = 40;
        const double start = Now();
        for (int round = 0; round < kRounds; ++round)
            control->PaintTo(picture.Canvas());
        std::printf("  %6.2f ms  %s %s\n", (Now() - start) / kRounds, control->ClassName(), control->Name().c_str());
    }
}

void PrintBreakdown(TWinControl& main)
{
    std::printf("own paint of each window:\n  %6.2f ms  the main window\n", OwnPaintMs(main.Handle()));
    EnumChildWindows(main.Handle(), PrintOwnPaint, 0);
    std::printf("paint of each window-less control:\n");
    PrintGraphicPaints(main);
}

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The floor under a full repaint: a plain window of the same size with as
// many plain child windows, each painted by the system.
double PlainRepaintMs(int children, int rounds, bool breakdown)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND window = CreateWindowExA(0, "FolvaneBenchEmpty", "", WS_POPUP | WS_CLIPCHILDREN, 100, 100, 620, 470, nullptr,
        nullptr, instance, nullptr);
    for (int i = 0; i < children; ++i)
        CreateWindowExA(0, "FolvaneBenchEmpty", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10 + 40 * (i % 14),
            10 + 30 * (i / 14), 36, 26, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    const double start = Now();
    for (int i = 0; i < rounds; ++i)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double elapsed = (Now() - start) / rounds;
    if (HWND child = GetWindow(window, GW_CHILD); child && breakdown)
        std::printf("own paint of one plain child window: %.2f ms\n", OwnPaintMs(child));
    DestroyWindow(window);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    const bool breakdown = argc > 1 && std::strcmp(argv[1], "--breakdown") == 0;
    const double entered = SinceProcessStart();
    const double empty = EmptyWindowMs();

    const double start = Now();
    Application().Initialize();
    Win32Dialogs dialogs;
    Win32Seams seams(dialogs);
    SimulatorLocator locator(seams.registry, seams.files, seams.system);
    InterfaceSounds sounds(locator, seams.files, seams.sound);
    auto* main = Application().CreateForm<TfrmMain>(seams.platform, locator, sounds);
    main->Show();
    main->Repaint();
    const double first = Now() - start;

    constexpr int kRepaints = 50;
    const double repaintStart = Now();
    for (int i = 0; i < kRepaints; ++i)
        main->Repaint();
    const double repaint = (Now() - repaintStart) / kRepaints;

    std::printf("start to first paint: main window %.1f ms, empty window %.1f ms, ratio %.2f (goal <= 2)\n",
        entered + first, entered + empty, (entered + first) / (entered + empty));
    int children = 0;
    EnumChildWindows(main->Handle(), CountChild, reinterpret_cast<LPARAM>(&children));
    const double plain = PlainRepaintMs(children, kRepaints, breakdown);
    std::printf("one full repaint of the main window: %.2f ms (goal <= 5); a plain window with %d plain children: "
                "%.2f ms; ratio %.2f (goal <= 1.5)\n",
        repaint, children, plain, repaint / plain);
    if (breakdown)
        PrintBreakdown(*main);
    if (argc > 1 + breakdown) {
        WIN32_FILE_ATTRIBUTE_DATA data {};
        if (GetFileAttributesExA(argv[argc - 1], GetFileExInfoStandard, &data))
            std::printf("%s: %lu bytes (goal <= 1572864 stripped)\n", argv[argc - 1], data.nFileSizeLow);
    }
    delete main;
    return 0;
}
