// A checked glTF model's default scene turned into building surfaces: every node's transform,
// every triangle mode, indices, normals (flat where the file has none) and first texture
// coordinates; its first camera, or a node named "start", marks where the visitor starts.
#include "building/BuildingRead.h"
#include "building/GltfCheck.h"
#include "building/GltfFile.h"
#include "building/GltfMaterials.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

using Matrix = std::array<double, 16>;  // column major, as glTF stores it

constexpr Matrix IDENTITY = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

Matrix multiply(const Matrix& a, const Matrix& b)
{
    Matrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                r[std::size_t(col * 4 + row)] += a[std::size_t(k * 4 + row)] * b[std::size_t(col * 4 + k)];
    return r;
}

Matrix localMatrix(const tinygltf::Node& node)
{
    if (node.matrix.size() == 16) {
        Matrix m;
        std::copy(node.matrix.begin(), node.matrix.end(), m.begin());
        return m;
    }
    const auto at = [](const std::vector<double>& v, std::size_t i, double otherwise) { return i < v.size() ? v[i] : otherwise; };
    const double qx = at(node.rotation, 0, 0), qy = at(node.rotation, 1, 0), qz = at(node.rotation, 2, 0), qw = at(node.rotation, 3, 1);
    const double sx = at(node.scale, 0, 1), sy = at(node.scale, 1, 1), sz = at(node.scale, 2, 1);
    Matrix m = {(1 - 2 * (qy * qy + qz * qz)) * sx, 2 * (qx * qy + qz * qw) * sx, 2 * (qx * qz - qy * qw) * sx, 0,
                2 * (qx * qy - qz * qw) * sy, (1 - 2 * (qx * qx + qz * qz)) * sy, 2 * (qy * qz + qx * qw) * sy, 0,
                2 * (qx * qz + qy * qw) * sz, 2 * (qy * qz - qx * qw) * sz, (1 - 2 * (qx * qx + qy * qy)) * sz, 0,
                at(node.translation, 0, 0), at(node.translation, 1, 0), at(node.translation, 2, 0), 1};
    return m;
}

Vec3 transformPoint(const Matrix& m, Vec3 p)
{
    return Vec3(float(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12]), float(m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13]),
                float(m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]));
}

Vec3 transformDirection(const Matrix& m, Vec3 d)
{
    return Vec3(float(m[0] * d.x + m[4] * d.y + m[8] * d.z), float(m[1] * d.x + m[5] * d.y + m[9] * d.z),
                float(m[2] * d.x + m[6] * d.y + m[10] * d.z));
}

// Normals go through the inverse transpose: the cofactors of the upper 3 x 3, which differ from
// it by the determinant's factor only (the normal is made unit length afterwards).
Matrix normalMatrix(const Matrix& m)
{
    const auto a = [&m](int row, int col) { return m[std::size_t(col * 4 + row)]; };
    Matrix n{};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const int r1 = (row + 1) % 3, r2 = (row + 2) % 3, c1 = (col + 1) % 3, c2 = (col + 2) % 3;
            n[std::size_t(col * 4 + row)] = a(r1, c1) * a(r2, c2) - a(r1, c2) * a(r2, c1);
        }
    n[15] = 1;
    return n;
}

double determinant(const Matrix& m)
{
    return m[0] * (m[5] * m[10] - m[9] * m[6]) - m[4] * (m[1] * m[10] - m[9] * m[2]) + m[8] * (m[1] * m[6] - m[5] * m[2]);
}

bool finite(const Matrix& m)
{
    for (double v : m)
        if (!std::isfinite(v))
            return false;
    return true;
}

double component(const unsigned char* p, int type, bool normalized)
{
    switch (type) {
    case TINYGLTF_COMPONENT_TYPE_FLOAT: { float f; std::memcpy(&f, p, 4); return f; }
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return normalized ? p[0] / 255.0 : p[0];
    case TINYGLTF_COMPONENT_TYPE_BYTE: return normalized ? std::fmax(std::int8_t(p[0]) / 127.0, -1.0) : std::int8_t(p[0]);
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: { std::uint16_t v; std::memcpy(&v, p, 2); return normalized ? v / 65535.0 : v; }
    case TINYGLTF_COMPONENT_TYPE_SHORT: { std::int16_t v; std::memcpy(&v, p, 2); return normalized ? std::fmax(v / 32767.0, -1.0) : v; }
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: { std::uint32_t v; std::memcpy(&v, p, 4); return v; }
    default: return 0.0;
    }
}

// The accessor's elements, `width` numbers each; the accessor was checked against its view.
std::vector<double> readAccessor(const tinygltf::Model& model, const tinygltf::Accessor& accessor, int width)
{
    std::vector<double> values(std::size_t(accessor.count) * std::size_t(width), 0.0);
    if (accessor.bufferView < 0)
        return values;
    const tinygltf::BufferView& view = model.bufferViews[std::size_t(accessor.bufferView)];
    const unsigned char* base = model.buffers[std::size_t(view.buffer)].data.data() + view.byteOffset + accessor.byteOffset;
    const std::uint64_t stride = elementStride(model, accessor);
    const int componentSize = tinygltf::GetComponentSizeInBytes(std::uint32_t(accessor.componentType));
    for (std::size_t e = 0; e < accessor.count; ++e)
        for (int c = 0; c < width; ++c)
            values[e * std::size_t(width) + std::size_t(c)] =
                component(base + e * stride + std::size_t(c * componentSize), accessor.componentType, accessor.normalized);
    return values;
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

struct Placed {
    int node;
    Matrix world;
};

class SceneConverter {
public:
    SceneConverter(const tinygltf::Model& model, BuildingRead& read, const std::vector<UvTransform>& uv)
        : model_(model), read_(read), uv_(uv)
    {
    }

    // Every node of the scene with its world matrix, depth first in the file's order.
    std::string place(int scene)
    {
        std::vector<Placed> stack;
        const std::vector<int>& roots = model_.scenes[std::size_t(scene)].nodes;
        for (auto root = roots.rbegin(); root != roots.rend(); ++root)
            stack.push_back({*root, IDENTITY});
        while (!stack.empty()) {
            Placed at = stack.back();
            stack.pop_back();
            const tinygltf::Node& node = model_.nodes[std::size_t(at.node)];
            at.world = multiply(at.world, localMatrix(node));
            if (!finite(at.world))
                return "node " + std::to_string(at.node) + " has a transform that is not made of finite numbers";
            placed_.push_back(at);
            if (std::uint64_t(placed_.size()) > MAX_BUILDING_NODES)
                return "the scene places over " + std::to_string(MAX_BUILDING_NODES) + " nodes";
            for (auto child = node.children.rbegin(); child != node.children.rend(); ++child)
                stack.push_back({*child, at.world});
        }
        return "";
    }

    std::string countTriangles() const
    {
        std::uint64_t total = 0;
        for (const Placed& at : placed_) {
            const int mesh = model_.nodes[std::size_t(at.node)].mesh;
            if (mesh < 0)
                continue;
            for (const tinygltf::Primitive& primitive : model_.meshes[std::size_t(mesh)].primitives)
                total += triangleCount(cornerCount(model_, primitive), primitive.mode);
            if (total > MAX_BUILDING_TRIANGLES)
                return "the scene holds over " + std::to_string(MAX_BUILDING_TRIANGLES) + " triangles, the limit";
        }
        return "";
    }

    void markStart()
    {
        for (const Placed& at : placed_) {
            const tinygltf::Node& node = model_.nodes[std::size_t(at.node)];
            if (node.camera >= 0 && read_.mark.kind != StartMark::Camera) {
                setMark(StartMark::Camera, node.name.empty() ? "camera " + std::to_string(node.camera) : node.name, at.world);
                return;
            }
        }
        for (const Placed& at : placed_)
            if (isStartName(model_.nodes[std::size_t(at.node)].name)) {
                setMark(StartMark::Object, model_.nodes[std::size_t(at.node)].name, at.world);
                return;
            }
    }

    std::string convert()
    {
        std::vector<int> meshes;
        for (const Placed& at : placed_) {
            const tinygltf::Node& node = model_.nodes[std::size_t(at.node)];
            if (node.mesh < 0 || isStartName(node.name))
                continue;
            bool gave = false;
            for (const tinygltf::Primitive& primitive : model_.meshes[std::size_t(node.mesh)].primitives) {
                const std::string problem = convertPrimitive(node.mesh, primitive, at.world, gave);
                if (!problem.empty())
                    return problem;
            }
            if (gave && std::find(meshes.begin(), meshes.end(), node.mesh) == meshes.end())
                meshes.push_back(node.mesh);
        }
        read_.building.meshCount = int(meshes.size());
        return "";
    }

private:
    void setMark(StartMark::Kind kind, const std::string& name, const Matrix& world)
    {
        read_.mark.kind = kind;
        read_.mark.name = name;
        read_.mark.position = transformPoint(world, Vec3());
        read_.mark.forward = transformDirection(world, Vec3(0.0f, 0.0f, -1.0f));
    }

    std::string checkFloats(int accessor, const char* what, int width) const
    {
        const tinygltf::Accessor& a = model_.accessors[std::size_t(accessor)];
        if (a.type != width || (width == 3 && a.componentType != TINYGLTF_COMPONENT_TYPE_FLOAT))
            return "accessor " + std::to_string(accessor) + " of " + what + " is not " +
                   (width == 3 ? "three floats" : "two numbers") + " per vertex";
        if (a.bufferView < 0)
            return "accessor " + std::to_string(accessor) + " of " + what + " has no data";
        return "";
    }

    std::string readIndices(const tinygltf::Primitive& primitive, std::uint64_t vertices, std::vector<std::uint32_t>& indices) const
    {
        if (primitive.indices < 0) {
            indices.resize(std::size_t(vertices));
            for (std::size_t i = 0; i < indices.size(); ++i)
                indices[i] = std::uint32_t(i);
            return "";
        }
        const tinygltf::Accessor& a = model_.accessors[std::size_t(primitive.indices)];
        const bool integer = a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE ||
                             a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT ||
                             a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
        if (a.type != TINYGLTF_TYPE_SCALAR || !integer || a.bufferView < 0)
            return "accessor " + std::to_string(primitive.indices) + " of indices is not unsigned whole numbers";
        const std::vector<double> values = readAccessor(model_, a, 1);
        indices.resize(values.size());
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i] >= double(vertices))
                return "index " + std::to_string(std::uint64_t(values[i])) + " in accessor " +
                       std::to_string(primitive.indices) + " is past the " + std::to_string(vertices) + " vertices it indexes";
            indices[i] = std::uint32_t(values[i]);
        }
        return "";
    }

    std::string convertPrimitive(int mesh, const tinygltf::Primitive& primitive, const Matrix& world, bool& gave)
    {
        const int mode = primitive.mode < 0 ? TINYGLTF_MODE_TRIANGLES : primitive.mode;
        const int positionAccessor = attribute(primitive, "POSITION");
        if (mode < TINYGLTF_MODE_TRIANGLES || mode > TINYGLTF_MODE_TRIANGLE_FAN || positionAccessor < 0)
            return "";  // points and lines are no surfaces
        std::string problem = checkFloats(positionAccessor, "positions", 3);
        const int normalAccessor = attribute(primitive, "NORMAL");
        const int uvAccessor = attribute(primitive, "TEXCOORD_0");
        if (problem.empty() && normalAccessor >= 0)
            problem = checkFloats(normalAccessor, "normals", 3);
        if (problem.empty() && uvAccessor >= 0)
            problem = checkFloats(uvAccessor, "texture coordinates", 2);
        if (!problem.empty())
            return "mesh " + std::to_string(mesh) + ": " + problem;
        const tinygltf::Accessor& positionsOf = model_.accessors[std::size_t(positionAccessor)];
        const std::vector<double> positions = readAccessor(model_, positionsOf, 3);
        for (std::size_t i = 0; i < positions.size(); ++i)
            if (!std::isfinite(positions[i]))
                return "accessor " + std::to_string(positionAccessor) + " holds a position that is not a finite number (vertex " +
                       std::to_string(i / 3) + ")";
        const std::uint64_t vertices = positionsOf.count;
        const std::vector<double> normals = normalAccessor >= 0 && model_.accessors[std::size_t(normalAccessor)].count == vertices
                                                ? readAccessor(model_, model_.accessors[std::size_t(normalAccessor)], 3)
                                                : std::vector<double>();
        const std::vector<double> uvs = uvAccessor >= 0 && model_.accessors[std::size_t(uvAccessor)].count == vertices
                                            ? readAccessor(model_, model_.accessors[std::size_t(uvAccessor)], 2)
                                            : std::vector<double>();
        std::vector<std::uint32_t> indices;
        problem = readIndices(primitive, vertices, indices);
        if (!problem.empty())
            return problem;
        const int material = primitive.material >= 0 ? primitive.material : int(read_.building.materials.size()) - 1;
        const Matrix normalWorld = normalMatrix(world);
        const bool mirrored = determinant(world) < 0;
        const UvTransform& uv = uv_[std::size_t(material)];
        const std::uint64_t triangles = triangleCount(indices.size(), mode);
        BuildingSurface& target = surfaceOf(read_.building, material);
        target.positions.reserve(target.positions.size() + std::size_t(triangles) * 9);
        target.normals.reserve(target.normals.size() + std::size_t(triangles) * 9);
        target.texCoords.reserve(target.texCoords.size() + std::size_t(triangles) * 6);
        for (std::uint64_t t = 0; t < triangles; ++t) {
            std::array<std::uint32_t, 3> corner = triangleCorners(indices, mode, std::size_t(t));
            if (mirrored)
                std::swap(corner[1], corner[2]);
            std::array<Vec3, 3> p;
            for (int c = 0; c < 3; ++c)
                p[std::size_t(c)] = transformPoint(world, vec(positions, corner[std::size_t(c)]));
            const Vec3 flat = faceNormal(p[0], p[1], p[2]);
            BuildingSurface& surface = surfaceOf(read_.building, material);
            for (int c = 0; c < 3; ++c) {
                const std::uint32_t v = corner[std::size_t(c)];
                Vec3 normal = flat;
                if (!normals.empty()) {
                    const Vec3 n = transformDirection(normalWorld, vec(normals, v));
                    if (n.length() > 1e-12f && std::isfinite(n.length()))
                        normal = n.normalized();
                }
                const double u = uvs.empty() ? 0.0 : uvs[std::size_t(v) * 2], w = uvs.empty() ? 0.0 : uvs[std::size_t(v) * 2 + 1];
                const double s = uv.m[0] * u + uv.m[1] * w + uv.m[2], tt = uv.m[3] * u + uv.m[4] * w + uv.m[5];
                addCorner(surface, p[std::size_t(c)], normal, float(s), float(1.0 - tt));  // glTF's v runs down the picture
            }
            gave = true;
        }
        return "";
    }

    static Vec3 vec(const std::vector<double>& values, std::uint32_t i)
    {
        return Vec3(float(values[std::size_t(i) * 3]), float(values[std::size_t(i) * 3 + 1]), float(values[std::size_t(i) * 3 + 2]));
    }

    // Strips alternate their winding so that every triangle keeps the first one's.
    static std::array<std::uint32_t, 3> triangleCorners(const std::vector<std::uint32_t>& i, int mode, std::size_t t)
    {
        if (mode == TINYGLTF_MODE_TRIANGLES)
            return {i[3 * t], i[3 * t + 1], i[3 * t + 2]};
        if (mode == TINYGLTF_MODE_TRIANGLE_FAN)
            return {i[0], i[t + 1], i[t + 2]};
        return t % 2 == 0 ? std::array<std::uint32_t, 3>{i[t], i[t + 1], i[t + 2]}
                          : std::array<std::uint32_t, 3>{i[t + 1], i[t], i[t + 2]};
    }

    const tinygltf::Model& model_;
    BuildingRead& read_;
    const std::vector<UvTransform>& uv_;
    std::vector<Placed> placed_;
};

// A file without scenes still shows its nodes that are nobody's child.
void addRootScene(tinygltf::Model& model)
{
    std::vector<bool> child(model.nodes.size(), false);
    for (const tinygltf::Node& node : model.nodes)
        for (int c : node.children)
            child[std::size_t(c)] = true;
    tinygltf::Scene scene;
    for (std::size_t n = 0; n < model.nodes.size(); ++n)
        if (!child[n])
            scene.nodes.push_back(int(n));
    model.scenes.push_back(scene);
}

}  // namespace

BuildingRead readGltfBuilding(const std::string& path, bool binary, bool)
{
    BuildingRead read;
    read.building.format = binary ? "glTF binary" : "glTF";
    GltfParse parse = parseGltfFile(path, binary);
    read.failure = parse.failure.empty() ? checkGltfModel(parse.model) : parse.failure;
    if (!read.ok())
        return read;
    if (buildingScene(parse.model) < 0)
        addRootScene(parse.model);
    for (const std::string& extension : parse.model.extensionsUsed)
        if (!knownGltfExtension(extension))
            read.building.warnings.push_back("the file uses the extension " + extension +
                                             ", which halvane leaves out; what it adds is not shown");
    std::vector<UvTransform> uv;
    read.building.materials = gltfMaterials(parse.model, parse.dataPictures, uv, read.building.warnings);
    SceneConverter converter(parse.model, read, uv);
    read.failure = converter.place(buildingScene(parse.model));
    if (read.ok())
        read.failure = converter.countTriangles();
    if (!read.ok())
        return read;
    converter.markStart();
    read.failure = converter.convert();
    return read;
}
