#include "building/GltfCheck.h"

#include "building/BuildingRead.h"
#include "building/GltfMaterials.h"
#include "building/GltfValue.h"

#include <cmath>

namespace {

using Count = std::uint64_t;

std::string named(const char* what, std::size_t index)
{
    return std::string(what) + " " + std::to_string(index);
}

bool inRange(int index, std::size_t size)
{
    return index >= 0 && std::size_t(index) < size;
}

}  // namespace

std::string checkGltfViews(const tinygltf::Model& model)
{
    for (std::size_t v = 0; v < model.bufferViews.size(); ++v) {
        const tinygltf::BufferView& view = model.bufferViews[v];
        if (!inRange(view.buffer, model.buffers.size()))
            return named("buffer view", v) + " names buffer " + std::to_string(view.buffer) + ", which the file does not have";
        const Count size = model.buffers[std::size_t(view.buffer)].data.size();
        const bool fits = Count(view.byteOffset) <= size && Count(view.byteLength) <= size - Count(view.byteOffset);
        if (!fits && gltfExtension(model.buffers[std::size_t(view.buffer)].extensions, "EXT_meshopt_compression"))
            return named("buffer view", v) + " reads buffer " + std::to_string(view.buffer) +
                   ", a fallback of EXT_meshopt_compression that holds no data";
        if (!fits)
            return named("buffer view", v) + " reaches past the end of buffer " + std::to_string(view.buffer) + " (" +
                   std::to_string(size) + " bytes)";
        if (view.byteStride != 0 && (view.byteStride < 4 || view.byteStride > 252))
            return named("buffer view", v) + " has a byte stride of " + std::to_string(view.byteStride);
    }
    return "";
}

namespace {

std::string checkAccessor(const tinygltf::Model& model, std::size_t a)
{
    const tinygltf::Accessor& accessor = model.accessors[a];
    if (accessor.sparse.isSparse)
        return named("accessor", a) + " is sparse, which halvane does not read";
    if (elementSize(accessor) == 0)
        return named("accessor", a) + " has an unknown component or element type";
    if (Count(accessor.count) > MAX_BUILDING_VERTICES)
        return named("accessor", a) + " holds " + std::to_string(accessor.count) + " elements, over the limit of " +
               std::to_string(MAX_BUILDING_VERTICES);
    if (accessor.bufferView < 0)
        return "";
    if (!inRange(accessor.bufferView, model.bufferViews.size()))
        return named("accessor", a) + " names buffer view " + std::to_string(accessor.bufferView) +
               ", which the file does not have";
    const tinygltf::BufferView& view = model.bufferViews[std::size_t(accessor.bufferView)];
    const Count stride = elementStride(model, accessor);
    const Count end = accessor.count == 0 ? 0 : Count(accessor.byteOffset) + stride * (Count(accessor.count) - 1) + elementSize(accessor);
    if (accessor.count != 0 && end > Count(view.byteLength))
        return named("accessor", a) + " reaches past the end of buffer view " + std::to_string(accessor.bufferView);
    return "";
}

std::string checkMeshes(const tinygltf::Model& model)
{
    for (std::size_t m = 0; m < model.meshes.size(); ++m)
        for (const tinygltf::Primitive& primitive : model.meshes[m].primitives) {
            for (const auto& attribute : primitive.attributes)
                if (!inRange(attribute.second, model.accessors.size()))
                    return named("mesh", m) + " names accessor " + std::to_string(attribute.second) +
                           " for " + attribute.first + ", which the file does not have";
            if (primitive.indices >= 0 && !inRange(primitive.indices, model.accessors.size()))
                return named("mesh", m) + " names accessor " + std::to_string(primitive.indices) +
                       " for its indices, which the file does not have";
            if (primitive.material >= 0 && !inRange(primitive.material, model.materials.size()))
                return named("mesh", m) + " names material " + std::to_string(primitive.material) +
                       ", which the file does not have";
        }
    return "";
}

std::string checkMaterials(const tinygltf::Model& model)
{
    if (Count(model.materials.size()) > MAX_BUILDING_MATERIALS)
        return std::to_string(model.materials.size()) + " materials, over the limit of " + std::to_string(MAX_BUILDING_MATERIALS);
    for (std::size_t t = 0; t < model.textures.size(); ++t)
        if (model.textures[t].source >= 0 && !inRange(model.textures[t].source, model.images.size()))
            return named("texture", t) + " names picture " + std::to_string(model.textures[t].source) +
                   ", which the file does not have";
    for (std::size_t m = 0; m < model.materials.size(); ++m)
        for (const int texture : {baseColourTexture(model.materials[m]).index, model.materials[m].emissiveTexture.index})
            if (texture >= 0 && !inRange(texture, model.textures.size()))
                return named("material", m) + " names texture " + std::to_string(texture) + ", which the file does not have";
    for (std::size_t i = 0; i < model.images.size(); ++i)
        if (model.images[i].bufferView >= 0 && !inRange(model.images[i].bufferView, model.bufferViews.size()))
            return named("picture", i) + " names buffer view " + std::to_string(model.images[i].bufferView) +
                   ", which the file does not have";
    return "";
}

// Depth first from every node with a colour per node: a node met again while its own
// descendants are walked closes a cycle. Kept on a list of our own, not the call stack, so that
// a chain of a million nodes cannot overflow it.
std::string checkNodeTree(const tinygltf::Model& model)
{
    const std::size_t count = model.nodes.size();
    if (Count(count) > MAX_BUILDING_NODES)
        return std::to_string(count) + " nodes, over the limit of " + std::to_string(MAX_BUILDING_NODES);
    std::vector<std::uint8_t> state(count, 0);  // 0 unseen, 1 on the path, 2 done
    std::vector<std::pair<std::size_t, std::size_t>> path;  // node, next child
    for (std::size_t root = 0; root < count; ++root) {
        if (state[root] != 0)
            continue;
        path.push_back({root, 0});
        state[root] = 1;
        while (!path.empty()) {
            auto& [node, next] = path.back();
            const tinygltf::Node& n = model.nodes[node];
            if (next == 0 && ((n.mesh >= 0 && !inRange(n.mesh, model.meshes.size())) ||
                              (n.camera >= 0 && !inRange(n.camera, model.cameras.size()))))
                return named("node", node) + " names a mesh or camera that the file does not have";
            if (next == n.children.size()) {
                state[node] = 2;
                path.pop_back();
                continue;
            }
            const int child = n.children[next++];
            if (!inRange(child, count))
                return named("node", node) + " names child " + std::to_string(child) + ", which the file does not have";
            if (state[std::size_t(child)] == 1)
                return "the node tree has a cycle: node " + std::to_string(child) + " is its own ancestor";
            if (state[std::size_t(child)] == 0) {
                state[std::size_t(child)] = 1;
                path.push_back({std::size_t(child), 0});
            }
        }
    }
    for (std::size_t s = 0; s < model.scenes.size(); ++s)
        for (int node : model.scenes[s].nodes)
            if (!inRange(node, count))
                return named("scene", s) + " names node " + std::to_string(node) + ", which the file does not have";
    return "";
}

}  // namespace

std::uint64_t elementSize(const tinygltf::Accessor& accessor)
{
    const int component = tinygltf::GetComponentSizeInBytes(std::uint32_t(accessor.componentType));
    const int components = tinygltf::GetNumComponentsInType(std::uint32_t(accessor.type));
    return component <= 0 || components <= 0 ? 0 : std::uint64_t(component) * std::uint64_t(components);
}

std::uint64_t elementStride(const tinygltf::Model& model, const tinygltf::Accessor& accessor)
{
    const std::size_t stride = model.bufferViews[std::size_t(accessor.bufferView)].byteStride;
    return stride != 0 ? stride : elementSize(accessor);
}

int buildingScene(const tinygltf::Model& model)
{
    if (inRange(model.defaultScene, model.scenes.size()))
        return model.defaultScene;
    return model.scenes.empty() ? -1 : 0;
}

std::string checkGltfModel(const tinygltf::Model& model)
{
    std::string problem;
    for (std::size_t a = 0; problem.empty() && a < model.accessors.size(); ++a)
        problem = checkAccessor(model, a);
    if (problem.empty())
        problem = checkMeshes(model);
    if (problem.empty())
        problem = checkMaterials(model);
    if (problem.empty())
        problem = checkNodeTree(model);
    return problem;
}
