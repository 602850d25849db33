// A glTF model's materials as the building shows them: base colour factor and picture,
// alpha mode, two sides, and the texture transform its coordinates take.
#pragma once

#include "building/Building.h"
#include "building/GltfTextureTransform.h"

#include <tiny_gltf.h>

#include <vector>

// One building material per glTF material, then one plain white material for primitives that
// name none. Pictures inside the file (buffer views, data: URIs) are decoded here; a picture
// file is only named, for the common picture step. Warnings go to `warnings`.
std::vector<BuildingMaterial> gltfMaterials(const tinygltf::Model& model,
                                            const std::vector<std::vector<unsigned char>>& dataPictures,
                                            std::vector<UvTransform>& transforms, std::vector<std::string>& warnings);
