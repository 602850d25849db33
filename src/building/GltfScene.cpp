// A checked glTF model's default scene turned into building surfaces: every node placed by its
// transform (GltfTransform.h) and every triangle primitive of its meshes added (GltfPrimitive.h);
// its first camera, or a node named "start", marks where the visitor starts.
#include "building/BuildingRead.h"
#include "building/GltfCheck.h"
#include "building/GltfExtensions.h"
#include "building/GltfFile.h"
#include "building/GltfMaterials.h"
#include "building/GltfPrimitive.h"
#include "building/GltfUnpack.h"

#include <algorithm>

namespace {

struct Placed {
    int node;
    GltfMatrix world;
    bool start = false;  // the node is the start object or part of it (as its children are)
};

// Every node of the scene with its world matrix, depth first in the file's order.
std::string placeNodes(const tinygltf::Model& model, int scene, std::vector<Placed>& placed)
{
    std::vector<Placed> stack;
    const std::vector<int>& roots = model.scenes[std::size_t(scene)].nodes;
    for (auto root = roots.rbegin(); root != roots.rend(); ++root)
        stack.push_back({*root, GLTF_IDENTITY, false});
    while (!stack.empty()) {
        Placed at = stack.back();
        stack.pop_back();
        const tinygltf::Node& node = model.nodes[std::size_t(at.node)];
        at.world = multiply(at.world, localMatrix(node));
        at.start = at.start || isStartName(node.name);
        if (!allFinite(at.world))
            return "node " + std::to_string(at.node) + " has a transform that is not made of finite numbers";
        placed.push_back(at);
        if (std::uint64_t(placed.size()) > MAX_BUILDING_NODES)
            return "the scene places over " + std::to_string(MAX_BUILDING_NODES) + " nodes";
        for (auto child = node.children.rbegin(); child != node.children.rend(); ++child)
            stack.push_back({*child, at.world, at.start});
    }
    return "";
}

std::string checkTriangleCount(const tinygltf::Model& model, const std::vector<Placed>& placed)
{
    std::uint64_t total = 0;
    for (const Placed& at : placed) {
        const int mesh = model.nodes[std::size_t(at.node)].mesh;
        if (mesh < 0)
            continue;
        for (const tinygltf::Primitive& primitive : model.meshes[std::size_t(mesh)].primitives)
            total += primitiveTriangles(model, primitive);
        if (total > MAX_BUILDING_TRIANGLES)
            return "the scene holds over " + std::to_string(MAX_BUILDING_TRIANGLES) + " triangles, the limit";
    }
    return "";
}

void setMark(StartMark& mark, StartMark::Kind kind, const std::string& name, const GltfMatrix& world)
{
    mark.kind = kind;
    mark.name = name;
    mark.position = transformPoint(world, Vec3());
    mark.forward = transformDirection(world, Vec3(0.0f, 0.0f, -1.0f));
}

void markStart(const tinygltf::Model& model, const std::vector<Placed>& placed, StartMark& mark)
{
    for (const Placed& at : placed) {
        const tinygltf::Node& node = model.nodes[std::size_t(at.node)];
        if (node.camera >= 0) {
            setMark(mark, StartMark::Camera, node.name.empty() ? "camera " + std::to_string(node.camera) : node.name, at.world);
            return;
        }
    }
    for (const Placed& at : placed)
        if (isStartName(model.nodes[std::size_t(at.node)].name)) {
            setMark(mark, StartMark::Object, model.nodes[std::size_t(at.node)].name, at.world);
            return;
        }
}

std::string convertScene(const PrimitiveTarget& target, const std::vector<Placed>& placed)
{
    target.pointsAndLines = 0;
    std::vector<int> meshes;  // those that gave triangles
    for (const Placed& at : placed) {
        const tinygltf::Node& node = target.model.nodes[std::size_t(at.node)];
        if (node.mesh < 0 || at.start)
            continue;
        bool gave = false;
        for (const tinygltf::Primitive& primitive : target.model.meshes[std::size_t(node.mesh)].primitives) {
            const std::string problem = addPrimitive(target, node.mesh, primitive, at.world, gave);
            if (!problem.empty())
                return problem;
        }
        if (gave && std::find(meshes.begin(), meshes.end(), node.mesh) == meshes.end())
            meshes.push_back(node.mesh);
    }
    target.building.meshCount = int(meshes.size());
    if (target.pointsAndLines > 0)
        target.building.warnings.push_back("the file's points and lines (" + std::to_string(target.pointsAndLines) +
                                           (target.pointsAndLines == 1 ? " primitive" : " primitives") +
                                           ") are not shown: halvane shows triangles");
    return "";
}

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

// Compressed views first (the fallback buffers they replace hold no data), then the views the
// Draco streams lie in, then the Draco primitives, then everything else, unpacked.
std::string checkAndUnpack(tinygltf::Model& model)
{
    Unpacked unpacked;
    std::string problem = unpackMeshopt(model, unpacked);
    if (problem.empty())
        problem = checkGltfViews(model);
    if (problem.empty())
        problem = unpackDraco(model, unpacked);
    return problem.empty() ? checkGltfModel(model) : problem;
}

void warnOfUnknownExtensions(const tinygltf::Model& model, std::vector<std::string>& warnings)
{
    for (const std::string& extension : model.extensionsUsed)
        if (!knownGltfExtension(extension))
            warnings.push_back("the file uses the extension " + extension +
                               ", which halvane leaves out; what it adds is not shown");
}

}  // namespace

BuildingRead readGltfBuilding(const std::string& path, bool binary, bool)
{
    BuildingRead read;
    read.building.format = binary ? "glTF binary" : "glTF";
    GltfParse parse = parseGltfFile(path, binary);
    read.failure = parse.failure.empty() ? checkAndUnpack(parse.model) : parse.failure;
    if (!read.ok())
        return read;
    if (buildingScene(parse.model) < 0)
        addRootScene(parse.model);
    warnOfUnknownExtensions(parse.model, read.building.warnings);
    std::vector<MaterialUv> uv;
    read.building.materials = gltfMaterials(parse.model, parse.dataPictures, uv, read.building.warnings);
    std::vector<Placed> placed;
    read.failure = placeNodes(parse.model, buildingScene(parse.model), placed);
    if (read.ok())
        read.failure = checkTriangleCount(parse.model, placed);
    if (!read.ok())
        return read;
    markStart(parse.model, placed, read.mark);
    int pointsAndLines = 0;
    read.failure = convertScene({parse.model, read.building, uv, pointsAndLines}, placed);
    return read;
}
