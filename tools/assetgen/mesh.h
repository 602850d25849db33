// The character's mesh in its rest pose: vertices bound to skeleton bones,
// skin coordinates in pixels, and triangles grouped into named parts.
#pragma once

#include "vec3.h"

#include <string>
#include <vector>

constexpr int kMaxInfluences = 3;

// Up to three bones move a vertex; the weights add up to one.
struct Influences {
    int bone[kMaxInfluences] = {0, 0, 0};
    float weight[kMaxInfluences] = {1, 0, 0};
};

struct MeshVertex {
    Vec3 pos;
    Influences influences;
};

struct SkinCoord {
    int s = 0, t = 0;  // skin pixels, t from the top row
};

// Corners run clockwise seen from outside, as the program's loader expects.
struct MeshTriangle {
    int vertex[3] = {0, 0, 0};
    int st[3] = {0, 0, 0};
};

struct MeshPart {
    std::string name;
    int firstVertex = 0, vertexCount = 0;
    int firstTriangle = 0, triangleCount = 0;
};

struct Mesh {
    std::vector<MeshVertex> vertices;
    std::vector<SkinCoord> skinCoords;
    std::vector<MeshTriangle> triangles;
    std::vector<MeshPart> parts;
};
