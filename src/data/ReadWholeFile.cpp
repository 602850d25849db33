#include "data/ReadWholeFile.h"

#include "platform/OpenFile.h"

#include <cstdint>

bool readWholeFile(std::FILE* file, std::string& contents)
{
    // A file that says its size is read into room made once; the reading itself still goes to
    // the end, whatever the size said.
    const long start = std::ftell(file);
    if (start >= 0 && std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        if (end > start && std::uint64_t(end - start) < (std::uint64_t(1) << 31))
            contents.reserve(contents.size() + std::size_t(end - start));
        std::fseek(file, start, SEEK_SET);
    }
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        contents.append(chunk, got);
    return std::ferror(file) == 0;
}

WholeFile readWholeFile(const std::string& path, const char* mode)
{
    WholeFile result;
    std::FILE* file = openFile(path, mode);
    if (!file)
        return result;
    result.opened = true;
    result.complete = readWholeFile(file, result.contents);
    std::fclose(file);
    return result;
}
