#include "building/GltfPrimitive.h"

#include "building/BuildingRead.h"
#include "building/GltfAccessor.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A primitive's vertices as the file holds them, read and checked.
struct PrimitiveData {
    int mode = TINYGLTF_MODE_TRIANGLES;
    std::vector<double> positions;       // x y z per vertex, in the file's units and axes
    std::vector<double> normals;         // x y z per vertex; empty when the file gives none for each vertex
    std::vector<double> uvs;             // u v per vertex; empty likewise
    std::vector<std::uint32_t> indices;  // the corners, in the order `mode` takes them
};

// How the node places the primitive.
struct Placement {
    const GltfMatrix& world;
    GltfMatrix normals;
    bool mirrored;
};

// A mode below 0 is glTF's default, triangles.
int modeOf(const tinygltf::Primitive& primitive)
{
    return primitive.mode < 0 ? TINYGLTF_MODE_TRIANGLES : primitive.mode;
}

int attribute(const tinygltf::Primitive& primitive, const char* name)
{
    const auto found = primitive.attributes.find(name);
    return found == primitive.attributes.end() ? -1 : found->second;
}

std::uint64_t triangleCount(std::uint64_t corners, int mode)
{
    if (mode == TINYGLTF_MODE_TRIANGLES)
        return corners / 3;
    return (mode == TINYGLTF_MODE_TRIANGLE_STRIP || mode == TINYGLTF_MODE_TRIANGLE_FAN) && corners >= 3 ? corners - 2 : 0;
}

std::uint64_t cornerCount(const tinygltf::Model& model, const tinygltf::Primitive& primitive)
{
    const int positions = attribute(primitive, "POSITION");
    if (primitive.indices >= 0)
        return model.accessors[std::size_t(primitive.indices)].count;
    return positions < 0 ? 0 : model.accessors[std::size_t(positions)].count;
}

std::string checkFloats(const tinygltf::Model& model, int accessor, const char* what, int width)
{
    const tinygltf::Accessor& a = model.accessors[std::size_t(accessor)];
    if (a.type != width || (width == 3 && a.componentType != TINYGLTF_COMPONENT_TYPE_FLOAT))
        return "accessor " + std::to_string(accessor) + " of " + what + " is not " +
               (width == 3 ? "three floats" : "two numbers") + " per vertex";
    if (a.bufferView < 0)
        return "accessor " + std::to_string(accessor) + " of " + what + " has no data";
    return "";
}

// The kinds of the attributes we read, before any of them is read.
std::string checkAttributes(const tinygltf::Model& model, const tinygltf::Primitive& primitive)
{
    std::string problem = checkFloats(model, attribute(primitive, "POSITION"), "positions", 3);
    const int normals = attribute(primitive, "NORMAL"), uvs = attribute(primitive, "TEXCOORD_0");
    if (problem.empty() && normals >= 0)
        problem = checkFloats(model, normals, "normals", 3);
    if (problem.empty() && uvs >= 0)
        problem = checkFloats(model, uvs, "texture coordinates", 2);
    return problem;
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

std::string readPrimitive(const tinygltf::Model& model, const tinygltf::Primitive& primitive, PrimitiveData& data)
{
    const int positions = attribute(primitive, "POSITION");
    const std::string problem = readPositions(model, positions, data.positions);
    if (!problem.empty())
        return problem;
    const std::uint64_t vertices = model.accessors[std::size_t(positions)].count;
    data.normals = readPerVertex(model, attribute(primitive, "NORMAL"), vertices, 3);
    data.uvs = readPerVertex(model, attribute(primitive, "TEXCOORD_0"), vertices, 2);
    return readIndices(model, primitive, vertices, data.indices);
}

Vec3 vec(const std::vector<double>& values, std::uint32_t i)
{
    return Vec3(float(values[std::size_t(i) * 3]), float(values[std::size_t(i) * 3 + 1]), float(values[std::size_t(i) * 3 + 2]));
}

// Strips alternate their winding so that every triangle keeps the first one's.
std::array<std::uint32_t, 3> triangleCorners(const std::vector<std::uint32_t>& i, int mode, std::size_t t)
{
    if (mode == TINYGLTF_MODE_TRIANGLES)
        return {i[3 * t], i[3 * t + 1], i[3 * t + 2]};
    if (mode == TINYGLTF_MODE_TRIANGLE_FAN)
        return {i[0], i[t + 1], i[t + 2]};
    return t % 2 == 0 ? std::array<std::uint32_t, 3>{i[t], i[t + 1], i[t + 2]}
                      : std::array<std::uint32_t, 3>{i[t + 1], i[t], i[t + 2]};
}

// The file's normal of the vertex through the node's normal matrix, else the triangle's own.
Vec3 cornerNormal(const PrimitiveData& data, const Placement& placement, std::uint32_t v, Vec3 flat)
{
    if (data.normals.empty())
        return flat;
    const Vec3 n = transformDirection(placement.normals, vec(data.normals, v));
    return n.length() > 1e-12f && std::isfinite(n.length()) ? n.normalized() : flat;
}

TexturePoint cornerUv(const PrimitiveData& data, const UvTransform& uv, std::uint32_t v)
{
    if (data.uvs.empty())
        return transformUv(uv, 0.0, 0.0);
    return transformUv(uv, data.uvs[std::size_t(v) * 2], data.uvs[std::size_t(v) * 2 + 1]);
}

void addTriangle(const PrimitiveData& data, const Placement& placement, const UvTransform& uv,
                 std::array<std::uint32_t, 3> corner, BuildingSurface& surface)
{
    if (placement.mirrored)
        std::swap(corner[1], corner[2]);
    std::array<Vec3, 3> p;
    for (std::size_t c = 0; c < 3; ++c)
        p[c] = transformPoint(placement.world, vec(data.positions, corner[c]));
    const Vec3 flat = faceNormal(p[0], p[1], p[2]);
    for (std::size_t c = 0; c < 3; ++c) {
        const TexturePoint st = cornerUv(data, uv, corner[c]);
        addCorner(surface, p[c], cornerNormal(data, placement, corner[c], flat), st.s, st.t);
    }
}

// Room for `more` values at once. A surface that many primitives fill (a chair placed a thousand
// times) grows at least twice over each time, so that it is not copied whole for every one.
void reserveMore(std::vector<float>& values, std::size_t more)
{
    if (values.size() + more > values.capacity())
        values.reserve(std::max(values.size() + more, values.capacity() * 2));
}

// Returns whether there was any triangle to add.
bool addTriangles(const PrimitiveData& data, const Placement& placement, const UvTransform& uv, BuildingSurface& surface)
{
    const std::uint64_t triangles = triangleCount(data.indices.size(), data.mode);
    reserveMore(surface.positions, std::size_t(triangles) * 9);
    reserveMore(surface.normals, std::size_t(triangles) * 9);
    reserveMore(surface.texCoords, std::size_t(triangles) * 6);
    for (std::uint64_t t = 0; t < triangles; ++t)
        addTriangle(data, placement, uv, triangleCorners(data.indices, data.mode, std::size_t(t)), surface);
    return triangles > 0;
}

}  // namespace

std::uint64_t primitiveTriangles(const tinygltf::Model& model, const tinygltf::Primitive& primitive)
{
    return triangleCount(cornerCount(model, primitive), modeOf(primitive));
}

std::string addPrimitive(const PrimitiveTarget& target, int mesh, const tinygltf::Primitive& primitive,
                         const GltfMatrix& world, bool& gave)
{
    PrimitiveData data;
    data.mode = modeOf(primitive);
    if (data.mode < TINYGLTF_MODE_TRIANGLES || data.mode > TINYGLTF_MODE_TRIANGLE_FAN || attribute(primitive, "POSITION") < 0)
        return "";  // points and lines are no surfaces
    std::string problem = checkAttributes(target.model, primitive);
    if (!problem.empty())
        return "mesh " + std::to_string(mesh) + ": " + problem;
    problem = readPrimitive(target.model, primitive, data);
    if (!problem.empty())
        return problem;
    const int material = primitive.material >= 0 ? primitive.material : int(target.building.materials.size()) - 1;
    const Placement placement{world, normalMatrix(world), mirrors(world)};
    if (addTriangles(data, placement, target.uv[std::size_t(material)], surfaceOf(target.building, material)))
        gave = true;
    return "";
}
