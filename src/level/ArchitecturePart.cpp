// Loading an architecture part file: announce, read, parse, report the count.
#include "level/ArchitecturePart.h"

#include "level/ArchitectureParser.h"
#include "data/LoadFailure.h"
#include "data/ReadWholeFile.h"

#include <cstdio>
#include <string>

void ArchitecturePart::load(const char* path)
{
    std::printf("loading level architectur part: %s\n", path);
    vertexCount = 0;
    vertices.clear();
    texCoords.clear();

    std::FILE* file = std::fopen(path, "r");
    if (!file)
        endWithLoadFailure("cannot open " + std::string(path));
    std::string text;
    const bool read = readWholeFile(file, text);
    std::fclose(file);
    if (!read)
        endWithLoadFailure("cannot read architecture file " + std::string(path));
    ArchitectureRecords records = parseArchitecture(text);
    if (!records.ok())
        endWithLoadFailure("architecture file " + std::string(path) + ", " + records.reason);

    std::printf("\n%d vertices and texture coordinates found\n", records.vertexCount);
    std::printf("\nloading vertices:\n");
    vertexCount = records.vertexCount;
    vertices = std::move(records.vertices);
    texCoords = std::move(records.texCoords);
    std::printf("..vertices and texture coordinates loaded.\n");
}
