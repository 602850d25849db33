#include "data/ReadWholeFile.h"

bool readWholeFile(std::FILE* file, std::string& contents)
{
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        contents.append(chunk, got);
    return std::ferror(file) == 0;
}
