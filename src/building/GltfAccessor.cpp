#include "building/GltfAccessor.h"

#include "building/GltfCheck.h"
#include "data/LittleEndian.h"

#include <cmath>

namespace {

double component(const std::uint8_t* p, int type, bool normalized)
{
    switch (type) {
    case TINYGLTF_COMPONENT_TYPE_FLOAT: return readFloat(p);
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return normalized ? p[0] / 255.0 : p[0];
    case TINYGLTF_COMPONENT_TYPE_BYTE: return normalized ? std::fmax(std::int8_t(p[0]) / 127.0, -1.0) : std::int8_t(p[0]);
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: return normalized ? readUint16(p) / 65535.0 : readUint16(p);
    case TINYGLTF_COMPONENT_TYPE_SHORT: return normalized ? std::fmax(readInt16(p) / 32767.0, -1.0) : readInt16(p);
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: return readUint32(p);
    default: return 0.0;
    }
}

}  // namespace

// The accessor was checked against its view (checkGltfModel), so every element read lies inside it.
std::vector<double> readAccessor(const tinygltf::Model& model, const tinygltf::Accessor& accessor, int width)
{
    std::vector<double> values(std::size_t(accessor.count) * std::size_t(width), 0.0);
    if (accessor.bufferView < 0)
        return values;
    const tinygltf::BufferView& view = model.bufferViews[std::size_t(accessor.bufferView)];
    const std::uint8_t* base = model.buffers[std::size_t(view.buffer)].data.data() + view.byteOffset + accessor.byteOffset;
    const std::uint64_t stride = elementStride(model, accessor);
    const int componentSize = tinygltf::GetComponentSizeInBytes(std::uint32_t(accessor.componentType));
    for (std::size_t e = 0; e < accessor.count; ++e)
        for (int c = 0; c < width; ++c)
            values[e * std::size_t(width) + std::size_t(c)] =
                component(base + e * stride + std::size_t(c * componentSize), accessor.componentType, accessor.normalized);
    return values;
}
