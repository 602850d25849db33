#include "level/ArchitectureFile.h"

#include "data/ReadWholeFile.h"

#include <cstdio>

ArchitectureRecords readArchitectureFile(const std::string& path)
{
    ArchitectureRecords records;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) {
        records.reason = "cannot open " + path;
        return records;
    }
    std::string text;
    const bool read = readWholeFile(file, text);
    std::fclose(file);
    if (!read) {
        records.reason = "cannot read architecture file " + path;
        return records;
    }
    records = parseArchitecture(text);
    if (!records.ok())
        records.reason = "architecture file " + path + ", " + records.reason;
    return records;
}
