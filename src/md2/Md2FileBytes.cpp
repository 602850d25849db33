#include "md2/Md2FileBytes.h"

#include "data/ReadWholeFile.h"

#include <cstdio>

Md2FileBytes readMd2FileBytes(const std::string& path)
{
    Md2FileBytes result;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        result.failure = "cannot open " + path;
        return result;
    }
    result.opened = true;
    // Read in chunks to its end rather than sized by seeking: a folder in the file's place
    // opens, but seeking to its end gives a nonsense size that no allocation can meet.
    std::string contents;
    const bool complete = readWholeFile(file, contents);
    std::fclose(file);
    if (!complete)
        result.failure = "cannot read " + path;
    else
        result.bytes.assign(contents.begin(), contents.end());
    return result;
}
