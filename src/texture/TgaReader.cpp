// Reading a TGA file from disk: open, announce, read it whole, decode in memory.
#include "texture/TgaReader.h"

#include "math/ReadWholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

TgaDecode readTga(const char* path)
{
    TgaDecode result;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        result.reason = "cannot open TGA file " + std::string(path) + " (" + std::strerror(errno) + ")";
        return result;
    }
    std::printf("loading tga file: %s\n", path);
    std::string bytes;
    const bool read = readWholeFile(file, bytes);
    std::fclose(file);
    if (!read) {
        result.reason = "cannot read TGA file " + std::string(path);
        return result;
    }
    result = decodeTga(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    if (!result.ok())
        result.reason = "TGA file " + std::string(path) + ": " + result.reason;
    return result;
}
