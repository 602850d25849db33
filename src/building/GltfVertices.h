// One glTF primitive's vertices read from its checked accessors: positions, normals, the
// texture coordinate sets its material's pictures take, vertex colours, and indices, whatever
// component types the file (quantized by KHR_mesh_quantization, say) stores them in.
#pragma once

#include <tiny_gltf.h>

#include <cstdint>
#include <string>
#include <vector>

struct PrimitiveData {
    int mode = TINYGLTF_MODE_TRIANGLES;
    std::vector<double> positions;       // x y z per vertex, in the file's units and axes
    std::vector<double> normals;         // x y z per vertex; empty when the file gives none for each vertex
    std::vector<double> uvs[2];          // u v per vertex of TEXCOORD_0 and _1; empty likewise or when not wanted
    std::vector<double> colours;         // r g b a per vertex of COLOR_0; empty likewise
    std::vector<std::uint32_t> indices;  // the corners, in the order `mode` takes them
};

int primitiveAttribute(const tinygltf::Primitive& primitive, const char* name);

// The kinds of the attributes we read, before any of them is read; empty when they are fine.
std::string checkVertexAttributes(const tinygltf::Model& model, const tinygltf::Primitive& primitive);
// Reads them (the texture coordinate sets in `sets`), the indices checked against the vertices.
std::string readPrimitiveData(const tinygltf::Model& model, const tinygltf::Primitive& primitive, const bool sets[2],
                              PrimitiveData& data);
