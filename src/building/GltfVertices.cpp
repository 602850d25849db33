#include "building/GltfVertices.h"

#include "building/GltfAccessor.h"

#include <cmath>

namespace {

// Floats, or the integers KHR_mesh_quantization allows (normalized or not); never 32-bit integers.
bool quantizable(int componentType)
{
    return componentType == TINYGLTF_COMPONENT_TYPE_FLOAT || componentType == TINYGLTF_COMPONENT_TYPE_BYTE ||
           componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE || componentType == TINYGLTF_COMPONENT_TYPE_SHORT ||
           componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT;
}

std::string checkNumbers(const tinygltf::Model& model, int accessor, const char* what, int width)
{
    const tinygltf::Accessor& a = model.accessors[std::size_t(accessor)];
    const bool wide = width == 4 ? a.type == 3 || a.type == 4 : a.type == width;
    if (!wide || !quantizable(a.componentType))
        return "accessor " + std::to_string(accessor) + " of " + what + " is not " + (width == 3 ? "three" : width == 2 ? "two" : "three or four") +
               " numbers per vertex";
    if (a.bufferView < 0)
        return "accessor " + std::to_string(accessor) + " of " + what + " has no data";
    return "";
}

std::string readPositions(const tinygltf::Model& model, int accessor, std::vector<double>& positions)
{
    positions = readAccessor(model, model.accessors[std::size_t(accessor)], 3);
    for (std::size_t i = 0; i < positions.size(); ++i)
        if (!std::isfinite(positions[i]))
            return "accessor " + std::to_string(accessor) + " holds a position that is not a finite number (vertex " +
                   std::to_string(i / 3) + ")";
    return "";
}

// An attribute that gives each vertex its value; nothing when it is missing or has another count.
std::vector<double> readPerVertex(const tinygltf::Model& model, int accessor, std::uint64_t vertices, int width)
{
    if (accessor < 0 || model.accessors[std::size_t(accessor)].count != vertices)
        return {};
    return readAccessor(model, model.accessors[std::size_t(accessor)], width);
}

// COLOR_0 as RGBA: an RGB colour is opaque.
std::vector<double> readColours(const tinygltf::Model& model, int accessor, std::uint64_t vertices)
{
    if (accessor < 0 || model.accessors[std::size_t(accessor)].type == 4)
        return readPerVertex(model, accessor, vertices, 4);
    const std::vector<double> rgb = readPerVertex(model, accessor, vertices, 3);
    std::vector<double> rgba;
    rgba.reserve(rgb.size() / 3 * 4);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        rgba.insert(rgba.end(), {rgb[i], rgb[i + 1], rgb[i + 2], 1.0});
    return rgba;
}

// The primitive's indices, each checked against the vertices; without an accessor, every vertex in order.
std::string readIndices(const tinygltf::Model& model, const tinygltf::Primitive& primitive, std::uint64_t vertices,
                        std::vector<std::uint32_t>& indices)
{
    if (primitive.indices < 0) {
        indices.resize(std::size_t(vertices));
        for (std::size_t i = 0; i < indices.size(); ++i)
            indices[i] = std::uint32_t(i);
        return "";
    }
    const tinygltf::Accessor& a = model.accessors[std::size_t(primitive.indices)];
    const bool integer = a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE ||
                         a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT ||
                         a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
    if (a.type != TINYGLTF_TYPE_SCALAR || !integer || a.bufferView < 0)
        return "accessor " + std::to_string(primitive.indices) + " of indices is not unsigned whole numbers";
    const std::vector<double> values = readAccessor(model, a, 1);
    indices.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] >= double(vertices))
            return "index " + std::to_string(std::uint64_t(values[i])) + " in accessor " + std::to_string(primitive.indices) +
                   " is past the " + std::to_string(vertices) + " vertices it indexes";
        indices[i] = std::uint32_t(values[i]);
    }
    return "";
}

}  // namespace

int primitiveAttribute(const tinygltf::Primitive& primitive, const char* name)
{
    const auto found = primitive.attributes.find(name);
    return found == primitive.attributes.end() ? -1 : found->second;
}

std::string checkVertexAttributes(const tinygltf::Model& model, const tinygltf::Primitive& primitive)
{
    const struct {
        const char* name;
        const char* what;
        int width;
    } attributes[] = {{"POSITION", "positions", 3}, {"NORMAL", "normals", 3}, {"TEXCOORD_0", "texture coordinates", 2},
                      {"TEXCOORD_1", "texture coordinates", 2}, {"COLOR_0", "vertex colours", 4}};
    for (const auto& a : attributes) {
        const int accessor = primitiveAttribute(primitive, a.name);
        const std::string problem = accessor < 0 ? "" : checkNumbers(model, accessor, a.what, a.width);
        if (!problem.empty())
            return problem;
    }
    return "";
}

std::string readPrimitiveData(const tinygltf::Model& model, const tinygltf::Primitive& primitive, const bool sets[2],
                              PrimitiveData& data)
{
    const int positions = primitiveAttribute(primitive, "POSITION");
    const std::string problem = readPositions(model, positions, data.positions);
    if (!problem.empty())
        return problem;
    const std::uint64_t vertices = model.accessors[std::size_t(positions)].count;
    data.normals = readPerVertex(model, primitiveAttribute(primitive, "NORMAL"), vertices, 3);
    const char* names[2] = {"TEXCOORD_0", "TEXCOORD_1"};
    for (int set = 0; set < 2; ++set)
        if (sets[set])
            data.uvs[set] = readPerVertex(model, primitiveAttribute(primitive, names[set]), vertices, 2);
    data.colours = readColours(model, primitiveAttribute(primitive, "COLOR_0"), vertices);
    return readIndices(model, primitive, vertices, data.indices);
}
