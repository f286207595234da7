// The main window's cost, from one run: the time from process start to its
// first complete paint against that of an empty window of the same size, the
// ratio (goal: at most 2), one full repaint (goal: at most 5 ms), and the
// size of the program file named on the command line (goal: 1.5 MB stripped).
#include "app/InterfaceSounds.h"
#include "app/SimulatorLocator.h"
#include "forms/MainWindow.h"
#include "program/Win32Dialogs.h"
#include "program/Win32Seams.h"
#include "toolkit/Application.h"

#include <windows.h>

#include <cstdio>

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

} // namespace

int main(int argc, char** argv)
{
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
    std::printf("one full repaint of the main window: %.2f ms (goal <= 5)\n", repaint);
    if (argc > 1) {
        WIN32_FILE_ATTRIBUTE_DATA data {};
        if (GetFileAttributesExA(argv[1], GetFileExInfoStandard, &data))
            std::printf("%s: %lu bytes (goal <= 1572864 stripped)\n", argv[1], data.nFileSizeLow);
    }
    delete main;
    return 0;
}
