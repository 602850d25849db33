// A glTF file parsed by tinygltf: the bytes read through our own file seam, a .glb's header and
// chunks checked against the real size first, buffers found beside the file as pictures are,
// pictures left to us. The model is not yet checked (see GltfCheck.h).
#pragma once

#include <tiny_gltf.h>

#include <string>
#include <vector>

struct GltfParse {
    tinygltf::Model model;
    // The bytes of each picture given as a data: URI, by picture index (empty for the others).
    std::vector<std::vector<unsigned char>> dataPictures;
    std::string failure;  // the problem, without the file's name
};

GltfParse parseGltfFile(const std::string& path, bool binary);

// Whether a .glb file's 12-byte header and chunk headers fit the file's real size; empty when
// they do, or the problem ("the file ends at byte 100, but its header says 2048").
std::string checkGlbLayout(const unsigned char* bytes, std::uint64_t size);
