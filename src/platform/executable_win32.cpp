// The executable's path on Windows, from the module that started the process, in UTF-8: the
// narrow GetModuleFileNameA would turn every letter outside the ANSI code page into '?'.
#include "platform/ExecutablePath.h"

#include "platform/Win32.h"

std::string executablePath()
{
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, sizeof path / sizeof path[0]);
    // A full buffer means the path was cut: better no path than a wrong one.
    if (length == 0 || length >= sizeof path / sizeof path[0])
        return "";
    return utf8FromWide(path, static_cast<int>(length));
}
