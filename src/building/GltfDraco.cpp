// KHR_draco_mesh_compression through Draco's decoder (Debian's libdraco-dev): each compressed
// primitive's indices and attributes written out as plain 32-bit indices and floats, which its
// accessors then name.
#include "building/BuildingRead.h"
#include "building/GltfUnpack.h"
#include "building/GltfValue.h"

#include <draco/compression/decode.h>

#include <cstring>

namespace {

struct DracoPrimitive {
    tinygltf::Model& model;
    tinygltf::Primitive& primitive;
    draco::Mesh& mesh;
    Unpacked& unpacked;
};

// A new view of `values` (floats or 32-bit indices) that the accessor is made to read.
std::string pointAccessorAt(DracoPrimitive& p, int accessor, std::vector<unsigned char>&& bytes, int componentType,
                            std::size_t count)
{
    const int buffer = addUnpackedBuffer(p.model, p.unpacked, std::move(bytes));
    if (buffer < 0)
        return unpackedTooLarge();
    tinygltf::BufferView view;
    view.buffer = buffer;
    view.byteLength = p.model.buffers[std::size_t(buffer)].data.size();
    p.model.bufferViews.push_back(view);
    tinygltf::Accessor& a = p.model.accessors[std::size_t(accessor)];
    a.bufferView = int(p.model.bufferViews.size()) - 1;
    a.byteOffset = 0;
    a.componentType = componentType;
    a.normalized = false;
    a.count = count;
    return "";
}

std::string unpackIndices(DracoPrimitive& p)
{
    if (p.primitive.indices < 0 || std::size_t(p.primitive.indices) >= p.model.accessors.size())
        return "its Draco data needs an indices accessor the file does not have";
    const std::uint64_t faces = p.mesh.num_faces();
    if (faces * 3 > MAX_BUILDING_VERTICES)
        return "its Draco data holds " + std::to_string(faces) + " triangles, over the limit";
    std::vector<unsigned char> bytes(std::size_t(faces) * 12);
    for (std::uint32_t f = 0; f < faces; ++f) {
        const draco::Mesh::Face& face = p.mesh.face(draco::FaceIndex(f));
        for (int c = 0; c < 3; ++c) {
            const std::uint32_t index = face[c].value();
            std::memcpy(&bytes[std::size_t(f) * 12 + std::size_t(c) * 4], &index, 4);
        }
    }
    return pointAccessorAt(p, p.primitive.indices, std::move(bytes), TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT,
                           std::size_t(faces) * 3);
}

// Whether every point's value lies inside the attribute's own storage.
bool valuesInside(const draco::PointAttribute& attribute, std::uint32_t points)
{
    const std::uint64_t entries = attribute.size(), stride = std::uint64_t(attribute.byte_stride());
    if (!attribute.buffer() || stride == 0 || entries * stride > attribute.buffer()->data_size())
        return false;
    for (std::uint32_t i = 0; i < points; ++i)
        if (attribute.mapped_index(draco::PointIndex(i)).value() >= entries)
            return false;
    return true;
}

std::string unpackAttribute(DracoPrimitive& p, const std::string& name, int id)
{
    const auto named = p.primitive.attributes.find(name);
    if (named == p.primitive.attributes.end() || named->second < 0 || std::size_t(named->second) >= p.model.accessors.size())
        return "its Draco data has " + name + ", which the primitive names no accessor for";
    const int index = id < 0 ? -1 : p.mesh.GetAttributeIdByUniqueId(std::uint32_t(id));
    draco::PointAttribute* attribute = index >= 0 && index < p.mesh.num_attributes() ? p.mesh.attribute(index) : nullptr;
    const tinygltf::Accessor& accessor = p.model.accessors[std::size_t(named->second)];
    const int components = tinygltf::GetNumComponentsInType(std::uint32_t(accessor.type));
    const std::uint32_t points = p.mesh.num_points();
    if (!attribute || attribute->num_components() != components || points > MAX_BUILDING_VERTICES ||
        !valuesInside(*attribute, points))
        return "its Draco data has no " + std::to_string(components) + "-part attribute " + std::to_string(id) + " for " + name;
    if (accessor.normalized)
        attribute->set_normalized(true);
    std::vector<float> values(std::size_t(points) * std::size_t(components));
    for (std::uint32_t i = 0; i < points; ++i)
        if (!attribute->ConvertValue<float>(attribute->mapped_index(draco::PointIndex(i)), std::int8_t(components),
                                            &values[std::size_t(i) * std::size_t(components)]))
            return "its Draco data's " + name + " cannot be read as numbers";
    std::vector<unsigned char> bytes(values.size() * 4);
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return pointAccessorAt(p, named->second, std::move(bytes), TINYGLTF_COMPONENT_TYPE_FLOAT, points);
}

std::string unpackPrimitive(tinygltf::Model& model, tinygltf::Primitive& primitive, const tinygltf::Value& extension,
                            Unpacked& unpacked)
{
    const double view = gltfNumber(extension, "bufferView", -1, -1.0);
    if (!(view >= 0 && view < double(model.bufferViews.size())))
        return "its Draco data names a buffer view the file does not have";
    const tinygltf::BufferView& v = model.bufferViews[std::size_t(view)];
    draco::DecoderBuffer buffer;
    buffer.Init(reinterpret_cast<const char*>(model.buffers[std::size_t(v.buffer)].data.data() + v.byteOffset), v.byteLength);
    draco::Decoder decoder;
    auto decoded = decoder.DecodeMeshFromBuffer(&buffer);
    if (!decoded.ok() || !decoded.value())
        return "its Draco data cannot be decoded (" +
               (decoded.ok() ? std::string("no mesh") : decoded.status().error_msg_string()) + ")";
    std::unique_ptr<draco::Mesh> mesh = std::move(decoded).value();
    DracoPrimitive p{model, primitive, *mesh, unpacked};
    std::string problem = unpackIndices(p);
    const tinygltf::Value attributes = extension.Get("attributes");
    for (const std::string& name : attributes.IsObject() ? attributes.Keys() : std::vector<std::string>()) {
        const tinygltf::Value& id = attributes.Get(name);
        if (problem.empty())
            problem = unpackAttribute(p, name, id.IsInt() ? id.Get<int>() : -1);
    }
    return problem;
}

}  // namespace

std::string unpackDraco(tinygltf::Model& model, Unpacked& unpacked)
{
    for (std::size_t m = 0; m < model.meshes.size(); ++m)
        for (tinygltf::Primitive& primitive : model.meshes[m].primitives) {
            const tinygltf::Value* extension = gltfExtension(primitive.extensions, "KHR_draco_mesh_compression");
            const std::string problem = extension ? unpackPrimitive(model, primitive, *extension, unpacked) : "";
            if (!problem.empty())
                return "mesh " + std::to_string(m) + ": " + problem;
        }
    return "";
}
