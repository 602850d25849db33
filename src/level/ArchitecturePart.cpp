// Loading an architecture part file: announce, read, parse, report the count.
#include "level/ArchitecturePart.h"

#include "level/ArchitectureFile.h"

#include <cstdio>
#include <utility>

std::string ArchitecturePart::load(const char* path)
{
    std::printf("loading level architectur part: %s\n", path);
    vertexCount = 0;
    vertices.clear();
    texCoords.clear();

    ArchitectureRecords records = readArchitectureFile(path);
    if (!records.ok())
        return records.reason;

    std::printf("\n%d vertices and texture coordinates found\n", records.vertexCount);
    std::printf("\nloading vertices:\n");
    vertexCount = records.vertexCount;
    vertices = std::move(records.vertices);
    texCoords = std::move(records.texCoords);
    std::printf("..vertices and texture coordinates loaded.\n");
    return "";
}
