#include "building/GltfTextureTransform.h"

#include <cmath>

namespace {

double number(const tinygltf::Value& object, const char* key, int index, double otherwise)
{
    if (!object.IsObject() || !object.Has(key))
        return otherwise;
    const tinygltf::Value& value = object.Get(key);
    const bool inArray = value.IsArray() && int(value.ArrayLen()) > index;
    const tinygltf::Value& item = index < 0 ? value : (inArray ? value.Get(index) : tinygltf::Value());
    return item.IsNumber() ? item.GetNumberAsDouble() : otherwise;
}

}  // namespace

UvTransform uvTransform(const tinygltf::TextureInfo& info)
{
    UvTransform transform;
    const auto extension = info.extensions.find("KHR_texture_transform");
    if (extension == info.extensions.end())
        return transform;
    const tinygltf::Value& t = extension->second;
    const double rotation = number(t, "rotation", -1, 0.0);
    const double sx = number(t, "scale", 0, 1.0), sy = number(t, "scale", 1, 1.0);
    const double c = std::cos(rotation), s = std::sin(rotation);
    transform.m[0] = sx * c;
    transform.m[1] = sy * s;
    transform.m[2] = number(t, "offset", 0, 0.0);
    transform.m[3] = -sx * s;
    transform.m[4] = sy * c;
    transform.m[5] = number(t, "offset", 1, 0.0);
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
