#include "building/BuildingLoader.h"

#include "building/BuildingDoors.h"
#include "building/BuildingFaces.h"
#include "building/BuildingPictures.h"
#include "building/BuildingStart.h"
#include "building/BuildingUnits.h"
#include "data/FileSearch.h"

#include <cstdio>

namespace {

// The plain material a file without materials (or primitives naming none) is shown in is
// left out when nothing uses it, so that the count of materials is the file's own.
void dropUnusedLastMaterial(Building& building)
{
    const int last = int(building.materials.size()) - 1;
    for (const BuildingSurface& surface : building.surfaces)
        if (surface.material == last)
            return;
    if (last >= 0)
        building.materials.pop_back();
}

}  // namespace

std::string buildingFormat(const std::string& path)
{
    const std::string extension = extensionOf(path);
    if (extension == ".glb")
        return "glTF binary";
    if (extension == ".gltf")
        return "glTF";
    return extension == ".obj" ? "Wavefront OBJ" : "";
}

BuildingLoad loadBuilding(const std::string& path, const BuildingOptions& options)
{
    BuildingLoad load;
    const std::string format = buildingFormat(path);
    if (format.empty()) {
        load.failure = path + ": not a building file halvane reads (.glb, .gltf or .obj)";
        return load;
    }
    if (options.announce)
        std::printf("loading %s file: %s\n", format.c_str(), path.c_str());
    BuildingRead read = format == "Wavefront OBJ" ? readObjBuilding(path, options.announce)
                                                  : readGltfBuilding(path, format == "glTF binary", options.announce);
    if (read.ok() && read.building.surfaces.empty())
        read.failure = "holds no triangles to show";
    if (read.ok())
        read.failure = toOurUnits(read, options);
    if (!read.ok()) {
        load.failure = path + ": " + read.failure;
        return load;
    }
    dropUnusedLastMaterial(read.building);
    loadBuildingPictures(read.building, folderOf(path), format != "Wavefront OBJ", options.announce);
    indexFaces(read.building);
    recognizeDoors(read.building);
    chooseStart(read.building, read.mark);
    load.building = std::move(read.building);
    if (options.announce)
        for (const std::string& warning : load.building.warnings)
            std::printf("warning: %s\n", warning.c_str());
    return load;
}
