// Encodes a morphing mesh as a Quake II MD2 file: one skin, texture coordinates,
// triangles, per-frame quantised vertex positions and GL command strips.
#pragma once

#include "mesh.h"

#include <cstdint>
#include <string>
#include <vector>

struct Md2Frame {
    std::string name;             // at most 15 characters, e.g. "stand01"
    std::vector<Vec3> positions;  // one per vertex, in file units
};

struct Md2Model {
    int skinWidth = 0, skinHeight = 0;
    std::string skinName;
    std::vector<SkinCoord> skinCoords;
    std::vector<MeshTriangle> triangles;
    std::vector<Md2Frame> frames;
};

std::vector<std::uint8_t> encodeMd2(const Md2Model& model);
bool writeMd2(const std::string& path, const Md2Model& model);
