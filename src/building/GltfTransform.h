// A glTF node's transform as a 4 x 4 matrix, and what the building's corners need of it:
// points, directions, normals, and whether it mirrors (which turns the triangles' winding).
#pragma once

#include "math/Vec3.h"

#include <tiny_gltf.h>

#include <array>

using GltfMatrix = std::array<double, 16>;  // column major, as glTF stores it

constexpr GltfMatrix GLTF_IDENTITY = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

GltfMatrix multiply(const GltfMatrix& a, const GltfMatrix& b);
// The node's own matrix, else its translation, rotation and scale (each as glTF's default where
// it is missing) made into one.
GltfMatrix localMatrix(const tinygltf::Node& node);
bool allFinite(const GltfMatrix& m);

Vec3 transformPoint(const GltfMatrix& m, Vec3 p);
Vec3 transformDirection(const GltfMatrix& m, Vec3 d);
// The matrix normals go through; they come out of it at any length.
GltfMatrix normalMatrix(const GltfMatrix& m);
// Whether the matrix turns the world inside out (a negative scale), so that counter-clockwise
// triangles come out clockwise.
bool mirrors(const GltfMatrix& m);
