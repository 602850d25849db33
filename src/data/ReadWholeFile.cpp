#include "data/ReadWholeFile.h"

#include "platform/OpenFile.h"

bool readWholeFile(std::FILE* file, std::string& contents)
{
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
