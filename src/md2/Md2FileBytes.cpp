#include "md2/Md2FileBytes.h"

#include "data/ReadWholeFile.h"

Md2FileBytes readMd2FileBytes(const std::string& path)
{
    Md2FileBytes result;
    // Read in chunks to its end rather than sized by seeking: a folder in the file's place
    // opens, but seeking to its end gives a nonsense size that no allocation can meet.
    const WholeFile file = readWholeFile(path, "rb");
    result.opened = file.opened;
    if (!file.opened)
        result.failure = "cannot open " + path;
    else if (!file.complete)
        result.failure = "cannot read " + path;
    else
        result.bytes.assign(file.contents.begin(), file.contents.end());
    return result;
}
