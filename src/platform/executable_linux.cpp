// The executable's path on Linux: the kernel keeps it as the link /proc/self/exe.
#include "platform/ExecutablePath.h"

#include <unistd.h>

std::string executablePath()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path)
        return "";
    return std::string(path, static_cast<std::size_t>(length));
}
