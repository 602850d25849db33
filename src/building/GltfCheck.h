// What tinygltf accepts but we do not believe: every index, offset and count of a parsed glTF
// model checked against what the file really holds, in 64-bit arithmetic, before anything is
// read through it or allocated for it.
#pragma once

#include <tiny_gltf.h>

#include <string>

// Empty when every buffer view lies inside its buffer; else the problem ("buffer view 3 reaches
// past the end of buffer 0 (48 bytes)"). Compressed views are unpacked (GltfUnpack.h) first.
std::string checkGltfViews(const tinygltf::Model& model);
// Empty when the rest of the model, with its views checked and unpacked, can be read safely;
// else the problem, naming the field ("accessor 3 reaches past the end of buffer view 1").
std::string checkGltfModel(const tinygltf::Model& model);

// The scene whose meshes are the building: the default scene, else the first; -1 when there is none.
int buildingScene(const tinygltf::Model& model);

// Bytes one element of the accessor takes (component size times components); 0 for a type we do
// not know.
std::uint64_t elementSize(const tinygltf::Accessor& accessor);
// The distance between elements: the view's byteStride, else the element's size.
std::uint64_t elementStride(const tinygltf::Model& model, const tinygltf::Accessor& accessor);
