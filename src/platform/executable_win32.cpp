// The executable's path on Windows, from the module that started the process, in UTF-8: the
// narrow GetModuleFileNameA would turn every letter outside the ANSI code page into '?'.
#include "platform/ExecutablePath.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

std::string executablePath()
{
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, sizeof path / sizeof path[0]);
    // A full buffer means the path was cut: better no path than a wrong one.
    if (length == 0 || length >= sizeof path / sizeof path[0])
        return "";
    const int size = WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return "";
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length), &result[0], size, nullptr, nullptr);
    return result;
}
