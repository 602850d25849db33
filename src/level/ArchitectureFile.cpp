#include "level/ArchitectureFile.h"

#include "data/ReadWholeFile.h"

ArchitectureRecords readArchitectureFile(const std::string& path)
{
    ArchitectureRecords records;
    const WholeFile file = readWholeFile(path, "r");
    if (!file.opened)
        records.reason = "cannot open " + path;
    else if (!file.complete)
        records.reason = "cannot read architecture file " + path;
    if (!records.ok())
        return records;
    records = parseArchitecture(file.contents);
    if (!records.ok())
        records.reason = "architecture file " + path + ", " + records.reason;
    return records;
}
