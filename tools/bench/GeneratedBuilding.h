// A large building for the loader benchmark: a floor of quads in bands of materials, written as
// a glTF binary file (one primitive per material, each with its own vertices, as modellers
// export) and as an OBJ file of four-cornered faces with its .mtl.
#pragma once

#include <string>

struct GeneratedBuilding {
    std::string glb, obj;
    long triangles = 0;
    int materials = 0;
};

// quadsPerMaterial quads of two triangles in each of `materials` bands, into `folder` (with a
// trailing separator).
GeneratedBuilding writeBenchBuilding(const std::string& folder, int materials, long quadsPerMaterial);
