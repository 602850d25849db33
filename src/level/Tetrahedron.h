// A four-faced solid with a material and a place in the world: the shape of a scene object.
#pragma once

#include "level/Material.h"
#include "level/Triangle.h"

struct Tetrahedron {
    int faceCount = 4;
    Triangle faces[4];
    Vec3 faceNormals[4];
    Material material;
    Vec3 position;
};
