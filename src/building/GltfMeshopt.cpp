// EXT_meshopt_compression through meshoptimizer's decoders (Debian's libmeshoptimizer-dev):
// vertex attributes with their filters, triangle indices and index sequences.
#include "building/BuildingRead.h"
#include "building/GltfUnpack.h"
#include "building/GltfValue.h"

#include <meshoptimizer.h>

namespace {

// meshoptimizer's vertex codec spends at least two bits on sixteen bytes of one attribute
// byte: no stream unpacks to more than 64 times its size. A count past that is a lie, and
// nothing is allocated for it.
constexpr std::uint64_t MAX_MESHOPT_RATIO = 64;

struct MeshoptView {
    int buffer = -1;
    std::uint64_t offset = 0, length = 0, stride = 0, count = 0;
    std::string mode, filter;
};

std::uint64_t whole(const tinygltf::Value& object, const char* key)
{
    const double value = gltfNumber(object, key, -1, -1.0);
    return value >= 0 && value <= 1e15 && value == double(std::uint64_t(value)) ? std::uint64_t(value) : UINT64_MAX;
}

MeshoptView readView(const tinygltf::Value& extension)
{
    MeshoptView view;
    const std::uint64_t buffer = whole(extension, "buffer");
    view.buffer = buffer < 0x7fffffff ? int(buffer) : -1;
    view.offset = extension.Has("byteOffset") ? whole(extension, "byteOffset") : 0;
    view.length = whole(extension, "byteLength");
    view.stride = whole(extension, "byteStride");
    view.count = whole(extension, "count");
    view.mode = gltfString(extension, "mode");
    view.filter = extension.Has("filter") ? gltfString(extension, "filter") : "NONE";
    return view;
}

bool strideFits(const MeshoptView& v)
{
    if (v.mode == "ATTRIBUTES")
        return v.stride >= 4 && v.stride <= 256 && v.stride % 4 == 0;
    return (v.mode == "TRIANGLES" || v.mode == "INDICES") && (v.stride == 2 || v.stride == 4);
}

bool filterFits(const MeshoptView& v)
{
    if (v.filter == "NONE")
        return true;
    if (v.mode != "ATTRIBUTES")
        return false;
    return v.filter == "OCTAHEDRAL" ? v.stride == 4 || v.stride == 8
         : v.filter == "QUATERNION" ? v.stride == 8
                                    : v.filter == "EXPONENTIAL";
}

// The compressed stream's description against the file and the limits, before anything is allocated.
std::string checkView(const tinygltf::Model& model, const tinygltf::BufferView& view, const MeshoptView& v)
{
    if (v.buffer < 0 || std::size_t(v.buffer) >= model.buffers.size())
        return "names a compressed buffer the file does not have";
    const std::uint64_t size = model.buffers[std::size_t(v.buffer)].data.size();
    if (v.offset > size || v.length > size - v.offset)
        return "its compressed data reaches past the end of buffer " + std::to_string(v.buffer) + " (" +
               std::to_string(size) + " bytes)";
    if (!strideFits(v) || v.count == UINT64_MAX || (v.mode == "TRIANGLES" && v.count % 3 != 0))
        return "its compression mode " + v.mode + " does not fit its stride of " + std::to_string(v.stride) +
               " bytes and count of " + std::to_string(v.count);
    if (!filterFits(v))
        return "its meshopt filter " + v.filter + " does not fit its stride of " + std::to_string(v.stride) + " bytes";
    if (v.count > MAX_BUILDING_VERTICES)
        return "it holds " + std::to_string(v.count) + " elements, over the limit of " + std::to_string(MAX_BUILDING_VERTICES);
    const std::uint64_t bytes = v.count * v.stride;
    if (bytes != view.byteLength)
        return "its compressed data unpacks to " + std::to_string(bytes) + " bytes, but the view holds " +
               std::to_string(view.byteLength);
    if (bytes > MAX_MESHOPT_RATIO * v.length + 256)
        return "its " + std::to_string(v.length) + " bytes of compressed data cannot hold the " + std::to_string(bytes) +
               " bytes it claims";
    return "";
}

int decode(std::vector<unsigned char>& out, const MeshoptView& v, const unsigned char* in)
{
    if (v.mode == "TRIANGLES")
        return meshopt_decodeIndexBuffer(out.data(), v.count, v.stride, in, v.length);
    if (v.mode == "INDICES")
        return meshopt_decodeIndexSequence(out.data(), v.count, v.stride, in, v.length);
    const int result = meshopt_decodeVertexBuffer(out.data(), v.count, v.stride, in, v.length);
    if (result == 0 && v.filter == "OCTAHEDRAL")
        meshopt_decodeFilterOct(out.data(), v.count, v.stride);
    else if (result == 0 && v.filter == "QUATERNION")
        meshopt_decodeFilterQuat(out.data(), v.count, v.stride);
    else if (result == 0 && v.filter == "EXPONENTIAL")
        meshopt_decodeFilterExp(out.data(), v.count, v.stride);
    return result;
}

std::string unpackView(tinygltf::Model& model, std::size_t index, const tinygltf::Value& extension, Unpacked& unpacked)
{
    const MeshoptView v = readView(extension);
    std::string problem = checkView(model, model.bufferViews[index], v);
    if (!problem.empty())
        return problem;
    std::vector<unsigned char> out(std::size_t(v.count * v.stride));
    const unsigned char* in = model.buffers[std::size_t(v.buffer)].data.data() + v.offset;
    if (decode(out, v, in) != 0)
        return "its meshopt data is broken (" + v.mode + ", " + std::to_string(v.count) + " elements)";
    const int buffer = addUnpackedBuffer(model, unpacked, std::move(out));
    if (buffer < 0)
        return unpackedTooLarge();
    model.bufferViews[index].buffer = buffer;
    model.bufferViews[index].byteOffset = 0;
    return "";
}

}  // namespace

int addUnpackedBuffer(tinygltf::Model& model, Unpacked& unpacked, std::vector<unsigned char>&& bytes)
{
    unpacked.bytes += bytes.size();
    if (unpacked.bytes > MAX_BUILDING_FILE_BYTES)
        return -1;
    model.buffers.emplace_back();
    model.buffers.back().data = std::move(bytes);
    return int(model.buffers.size()) - 1;
}

std::string unpackedTooLarge()
{
    return "the file's compressed data unpacks to over " + std::to_string(MAX_BUILDING_FILE_BYTES) + " bytes, the limit";
}

std::string unpackMeshopt(tinygltf::Model& model, Unpacked& unpacked)
{
    for (std::size_t v = 0; v < model.bufferViews.size(); ++v) {
        const tinygltf::Value* extension = gltfExtension(model.bufferViews[v].extensions, "EXT_meshopt_compression");
        if (!extension)
            continue;
        const std::string problem = unpackView(model, v, *extension, unpacked);
        if (!problem.empty())
            return "buffer view " + std::to_string(v) + ": " + problem;
    }
    return "";
}
