// Program entry of Folvane.exe. The windows and the start-up check are not
// wired in yet; the program starts and ends cleanly.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
