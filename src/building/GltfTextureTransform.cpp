#include "building/GltfTextureTransform.h"

#include "building/GltfValue.h"

#include <cmath>

UvTransform uvTransform(const tinygltf::TextureInfo& info)
{
    UvTransform transform;
    const tinygltf::Value* extension = gltfExtension(info.extensions, "KHR_texture_transform");
    if (!extension)
        return transform;
    const tinygltf::Value& t = *extension;
    const double rotation = gltfNumber(t, "rotation", -1, 0.0);
    const double sx = gltfNumber(t, "scale", 0, 1.0), sy = gltfNumber(t, "scale", 1, 1.0);
    const double c = std::cos(rotation), s = std::sin(rotation);
    transform.m[0] = sx * c;
    transform.m[1] = sy * s;
    transform.m[2] = gltfNumber(t, "offset", 0, 0.0);
    transform.m[3] = -sx * s;
    transform.m[4] = sy * c;
    transform.m[5] = gltfNumber(t, "offset", 1, 0.0);
    for (double& m : transform.m)
        if (!std::isfinite(m))
            m = 0.0;
    return transform;
}

TexturePoint transformUv(const UvTransform& transform, double u, double v)
{
    const double* m = transform.m;
    const double s = m[0] * u + m[1] * v + m[2], t = m[3] * u + m[4] * v + m[5];
    return {float(s), float(1.0 - t)};  // glTF's v runs down the picture
}
