// Stands in for the simulator's fsx.exe or a web browser: records that it was
// started by writing its command line into "started.txt" beside itself, and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string marker(path);
    marker = marker.substr(0, marker.find_last_of('\\') + 1) + "started.txt";
    if (FILE* file = std::fopen(marker.c_str(), "w")) {
        std::fputs(GetCommandLineA(), file);
        std::fclose(file);
    }
    return 0;
}
