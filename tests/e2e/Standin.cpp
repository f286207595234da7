// Stands in for the simulator's fsx.exe: records that it was started by
// writing "started" into a file beside itself, and ends.
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
        std::fputs("started", file);
        std::fclose(file);
    }
    return 0;
}
