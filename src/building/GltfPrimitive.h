// One mesh primitive's triangles added to the building: its vertices read (GltfVertices.h), its
// corners placed by its node's world matrix (turned round where the matrix mirrors), its normals
// (flat where the file has none), vertex colours and the texture coordinates its material's
// pictures take carried over. Points and lines are no surfaces and add nothing.
#pragma once

#include "building/Building.h"
#include "building/GltfMaterials.h"
#include "building/GltfTransform.h"

#include <tiny_gltf.h>

#include <cstdint>
#include <string>
#include <vector>

// The triangles the primitive makes, counted from its accessors' sizes before anything is read.
std::uint64_t primitiveTriangles(const tinygltf::Model& model, const tinygltf::Primitive& primitive);

// Where primitives' triangles go: the building, with the texture coordinates of each of its
// materials (the last one for primitives that name none), and a count of the primitives of
// points and lines left out.
struct PrimitiveTarget {
    const tinygltf::Model& model;
    Building& building;
    const std::vector<MaterialUv>& uv;
    int& pointsAndLines;
};

// Adds the triangles of a primitive of mesh `mesh` placed by `world` to the surface of its
// material, setting `gave` when there were any. Returns the problem that stops the building
// ("mesh 2: accessor 5 of normals is not three numbers per vertex"), or empty.
std::string addPrimitive(const PrimitiveTarget& target, int mesh, const tinygltf::Primitive& primitive,
                         const GltfMatrix& world, bool& gave);
