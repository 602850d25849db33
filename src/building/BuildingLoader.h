// Reading a user's building (--level): a glTF 2.0 (.glb, .gltf) or Wavefront OBJ (.obj) file
// with what it names beside it, turned into our units and axes, with its pictures and the
// place the visitor starts. No window is needed: the checker reads buildings with this too.
#pragma once

#include "building/Building.h"

#include <string>

struct BuildingOptions {
    float scale = 1.0f;     // --level-scale: file units to metres
    bool zUp = false;       // --up z: the file's +Z is up
    bool announce = true;   // print "loading ..." and each warning as the program does
};

// Either the building or the one line the program ends with, "FILE: problem".
struct BuildingLoad {
    Building building;
    std::string failure;

    bool ok() const { return failure.empty(); }
};

// The format by the file's extension (any letter case): "glTF binary" (.glb), "glTF" (.gltf),
// "Wavefront OBJ" (.obj), or empty for a file that is none of these.
std::string buildingFormat(const std::string& path);

BuildingLoad loadBuilding(const std::string& path, const BuildingOptions& options);
