// The executable's path on Windows, from the module that started the process.
#include "platform/ExecutablePath.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

std::string executablePath()
{
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    // A full buffer means the path was cut: better no path than a wrong one.
    if (length == 0 || length >= sizeof path)
        return "";
    return std::string(path, length);
}
