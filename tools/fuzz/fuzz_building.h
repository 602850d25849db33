// What both building fuzz targets do: the bytes written to a file of the format's extension and
// read as the program reads a building (the readers take files, as users give them); a building
// that is read must hold whole triangles of finite numbers.
#pragma once

#include "building/BuildingLoader.h"
#include "platform/OpenFile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline void fuzzBuilding(const std::uint8_t* data, std::size_t size, const char* extension)
{
    static const std::string path = "/tmp/halvane-fuzz-" + std::to_string(::getpid()) + extension;
    std::FILE* file = openFile(path, "wb");
    if (!file)
        std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    BuildingOptions options;
    options.announce = false;
    const BuildingLoad load = loadBuilding(path, options);
    if (!load.ok())
        return;
    for (const BuildingSurface& surface : load.building.surfaces) {
        const std::size_t corners = surface.positions.size() / 3;
        if (surface.positions.size() % 9 != 0 || surface.normals.size() != surface.positions.size() ||
            surface.texCoords.size() != corners * 2 || surface.material < 0 ||
            std::size_t(surface.material) >= load.building.materials.size())
            std::abort();
        for (float v : surface.positions)
            if (!std::isfinite(v))
                std::abort();
    }
}
