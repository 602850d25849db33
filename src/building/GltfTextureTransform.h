// KHR_texture_transform of a material's base colour picture: read from the material, applied to
// each corner's texture coordinates as they are stored.
#pragma once

#include <tiny_gltf.h>

// s' = m0 u + m1 v + m2, t' = m3 u + m4 v + m5, in glTF's picture coordinates (top row at v = 0).
struct UvTransform {
    double m[6] = {1.0, 0.0, 0.0, 0.0, 1.0, 0.0};
};

// The texture's transform (offset, rotation, scale); none when it has no such extension.
UvTransform uvTransform(const tinygltf::TextureInfo& info);

struct TexturePoint {
    float s;
    float t;
};

// The corner's coordinates transformed, with t counted from the bottom row as OpenGL counts it.
TexturePoint transformUv(const UvTransform& transform, double u, double v);
