// Compressed glTF geometry unpacked into plain buffers before the model is checked and read:
// EXT_meshopt_compression's buffer views (GltfMeshopt.cpp) and KHR_draco_mesh_compression's
// primitives (GltfDraco.cpp). Each decoded stream becomes a buffer of its own that the views and
// accessors then name, so that everything after reads a plain model. Every size and index a
// decoder reports is checked before it is used.
#pragma once

#include <tiny_gltf.h>

#include <cstdint>
#include <string>

// What has been unpacked so far, held to one limit for the whole file.
struct Unpacked {
    std::uint64_t bytes = 0;
};

// Empty when done, else the problem ("buffer view 3: its meshopt data is broken").
std::string unpackMeshopt(tinygltf::Model& model, Unpacked& unpacked);
// Needs the buffer views checked (checkGltfViews).
std::string unpackDraco(tinygltf::Model& model, Unpacked& unpacked);

// A new buffer holding `bytes`; returns its index, or -1 when the file's unpacked bytes would
// pass the limit (unpackedTooLarge says so).
int addUnpackedBuffer(tinygltf::Model& model, Unpacked& unpacked, std::vector<unsigned char>&& bytes);
std::string unpackedTooLarge();
