// A glTF model's materials as the building shows them: base colour factor and picture,
// alpha mode, two sides, and the texture transform its coordinates take.
#pragma once

#include "building/Building.h"

#include <tiny_gltf.h>

#include <vector>

// KHR_texture_transform of a material's base colour picture, as s' = m0 u + m1 v + m2,
// t' = m3 u + m4 v + m5 (glTF's picture coordinates, top row at v = 0).
struct UvTransform {
    double m[6] = {1.0, 0.0, 0.0, 0.0, 1.0, 0.0};
};

// One building material per glTF material, then one plain white material for primitives that
// name none. Pictures inside the file (buffer views, data: URIs) are decoded here; a picture
// file is only named, for the common picture step. Warnings go to `warnings`.
std::vector<BuildingMaterial> gltfMaterials(const tinygltf::Model& model,
                                            const std::vector<std::vector<unsigned char>>& dataPictures,
                                            std::vector<UvTransform>& transforms, std::vector<std::string>& warnings);
