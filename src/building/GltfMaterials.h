// A glTF model's materials as the building shows them: base colour factor and picture (or the
// diffuse ones of KHR_materials_pbrSpecularGlossiness), alpha mode, two sides, unlit, the
// emissive glow with its picture, and the texture coordinates each picture takes.
#pragma once

#include "building/Building.h"
#include "building/GltfTextureTransform.h"

#include <tiny_gltf.h>

#include <vector>

// Which texture coordinates a picture takes: the set (TEXCOORD_0 or TEXCOORD_1) and its transform.
struct PictureUv {
    int set = 0;
    UvTransform transform;
};

struct MaterialUv {
    PictureUv base, emissive;
    bool emissivePicture = false;  // whether the emissive picture's coordinates are wanted
};

// The material's base colour factor (RGBA, as the file gives it) and texture: the diffuse ones
// where the material has the specular-glossiness extension, else its metallic-roughness ones.
std::vector<double> baseColourFactor(const tinygltf::Material& material);
tinygltf::TextureInfo baseColourTexture(const tinygltf::Material& material);

// The picture a texture shows: its WebP source (EXT_texture_webp) where it has one, else its own
// source; -1 when it has neither (a KTX2 picture alone, which cannot be decoded).
int textureSource(const tinygltf::Model& model, int texture);

// One building material per glTF material, then one plain white material for primitives that
// name none. Pictures inside the file (buffer views, data: URIs) are decoded here; a picture
// file is only named, for the common picture step. Warnings go to `warnings`.
std::vector<BuildingMaterial> gltfMaterials(const tinygltf::Model& model,
                                            const std::vector<std::vector<unsigned char>>& dataPictures,
                                            std::vector<MaterialUv>& coordinates, std::vector<std::string>& warnings);
