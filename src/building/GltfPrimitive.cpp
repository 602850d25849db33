#include "building/GltfPrimitive.h"

#include "building/BuildingRead.h"
#include "building/GltfVertices.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

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

std::uint64_t triangleCount(std::uint64_t corners, int mode)
{
    if (mode == TINYGLTF_MODE_TRIANGLES)
        return corners / 3;
    return (mode == TINYGLTF_MODE_TRIANGLE_STRIP || mode == TINYGLTF_MODE_TRIANGLE_FAN) && corners >= 3 ? corners - 2 : 0;
}

std::uint64_t cornerCount(const tinygltf::Model& model, const tinygltf::Primitive& primitive)
{
    const int positions = primitiveAttribute(primitive, "POSITION");
    if (primitive.indices >= 0)
        return model.accessors[std::size_t(primitive.indices)].count;
    return positions < 0 ? 0 : model.accessors[std::size_t(positions)].count;
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

TexturePoint cornerUv(const PrimitiveData& data, const PictureUv& uv, std::uint32_t v)
{
    const std::vector<double>& set = data.uvs[uv.set];
    if (set.empty())
        return transformUv(uv.transform, 0.0, 0.0);
    return transformUv(uv.transform, set[std::size_t(v) * 2], set[std::size_t(v) * 2 + 1]);
}

// What the corner carries beyond addCorner's: its vertex colour and emissive picture's coordinates.
void addCornerExtras(const PrimitiveData& data, const MaterialUv& uv, std::uint32_t v, BuildingSurface& surface)
{
    if (!data.colours.empty())
        for (std::size_t c = 0; c < 4; ++c)
            surface.colours.push_back(float(std::fmin(std::fmax(data.colours[std::size_t(v) * 4 + c], 0.0), 1.0)));
    if (uv.emissivePicture) {
        const TexturePoint st = cornerUv(data, uv.emissive, v);
        surface.emissiveTexCoords.insert(surface.emissiveTexCoords.end(), {st.s, st.t});
    }
}

void addTriangle(const PrimitiveData& data, const Placement& placement, const MaterialUv& uv,
                 std::array<std::uint32_t, 3> corner, BuildingSurface& surface)
{
    if (placement.mirrored)
        std::swap(corner[1], corner[2]);
    std::array<Vec3, 3> p;
    for (std::size_t c = 0; c < 3; ++c)
        p[c] = transformPoint(placement.world, vec(data.positions, corner[c]));
    const Vec3 flat = faceNormal(p[0], p[1], p[2]);
    for (std::size_t c = 0; c < 3; ++c) {
        const TexturePoint st = cornerUv(data, uv.base, corner[c]);
        addCorner(surface, p[c], cornerNormal(data, placement, corner[c], flat), st.s, st.t);
        addCornerExtras(data, uv, corner[c], surface);
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
bool addTriangles(const PrimitiveData& data, const Placement& placement, const MaterialUv& uv, BuildingSurface& surface)
{
    const std::uint64_t triangles = triangleCount(data.indices.size(), data.mode);
    // A surface whose corners have no colour of their own while others have gets white ones.
    const std::size_t corners = surface.positions.size() / 3;
    if (!data.colours.empty() && surface.colours.size() < corners * 4)
        surface.colours.resize(corners * 4, 1.0f);
    reserveMore(surface.positions, std::size_t(triangles) * 9);
    reserveMore(surface.normals, std::size_t(triangles) * 9);
    reserveMore(surface.texCoords, std::size_t(triangles) * 6);
    if (!data.colours.empty())
        reserveMore(surface.colours, std::size_t(triangles) * 12);
    if (uv.emissivePicture)
        reserveMore(surface.emissiveTexCoords, std::size_t(triangles) * 6);
    for (std::uint64_t t = 0; t < triangles; ++t)
        addTriangle(data, placement, uv, triangleCorners(data.indices, data.mode, std::size_t(t)), surface);
    if (!surface.colours.empty() && surface.colours.size() < surface.positions.size() / 3 * 4)
        surface.colours.resize(surface.positions.size() / 3 * 4, 1.0f);
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
    if (data.mode < TINYGLTF_MODE_TRIANGLES || data.mode > TINYGLTF_MODE_TRIANGLE_FAN) {
        ++target.pointsAndLines;  // no surfaces
        return "";
    }
    if (primitiveAttribute(primitive, "POSITION") < 0)
        return "";
    std::string problem = checkVertexAttributes(target.model, primitive);
    if (!problem.empty())
        return "mesh " + std::to_string(mesh) + ": " + problem;
    const int material = primitive.material >= 0 ? primitive.material : int(target.building.materials.size()) - 1;
    const MaterialUv& uv = target.uv[std::size_t(material)];
    const bool sets[2] = {uv.base.set == 0 || (uv.emissivePicture && uv.emissive.set == 0),
                          uv.base.set == 1 || (uv.emissivePicture && uv.emissive.set == 1)};
    problem = readPrimitiveData(target.model, primitive, sets, data);
    if (!problem.empty())
        return problem;
    const Placement placement{world, normalMatrix(world), mirrors(world)};
    if (addTriangles(data, placement, uv, surfaceOf(target.building, material)))
        gave = true;
    return "";
}
