// Which extensions the program reads, read off the file's JSON before tinygltf sees it.
#include "building/GltfExtensions.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>

namespace {

using Json = nlohmann::json;

constexpr std::array<const char*, 8> KNOWN = {
    "KHR_texture_transform",   "KHR_mesh_quantization",     "EXT_meshopt_compression",  "KHR_draco_mesh_compression",
    "KHR_materials_pbrSpecularGlossiness", "KHR_materials_unlit", "KHR_materials_emissive_strength", "EXT_texture_webp"};

// What a person can do about an extension we do not read.
std::string whatToDo(const std::string& name)
{
    if (name == "KHR_texture_basisu")
        return ", whose KTX2 (Basis Universal) pictures halvane cannot decode (export PNG, JPEG or WebP pictures: "
               "gltfpack without -tc)";
    return ", which halvane does not read (export without it)";
}

// Only the members the preflight looks at are kept while the whole text is parsed (a .gltf's
// buffers may hold its data as text, which is copied once).
Json topMembers(const char* json, std::size_t size)
{
    const Json::parser_callback_t keep = [](int depth, Json::parse_event_t event, Json& parsed) {
        return depth != 1 || event != Json::parse_event_t::key || parsed == "extensionsRequired" || parsed == "buffers" ||
               parsed == "meshes" || parsed == "accessors";
    };
    return Json::parse(json, json + size, keep, false);
}

bool emptyFallback(const Json& buffer)
{
    if (!buffer.is_object() || buffer.contains("uri"))
        return false;
    const auto extensions = buffer.find("extensions");
    if (extensions == buffer.end() || !extensions->is_object())
        return false;
    const auto meshopt = extensions->find("EXT_meshopt_compression");
    return meshopt != extensions->end() && meshopt->is_object() && meshopt->value("fallback", false) == true;
}

// Calls `visit` with the Draco stream's buffer view and the accessor of the indices of each
// compressed primitive whose indices accessor has no buffer view.
template <typename Visit>
void forDracoIndicesWithoutView(const Json& top, Visit visit)
{
    const auto meshes = top.find("meshes"), accessors = top.find("accessors");
    if (meshes == top.end() || !meshes->is_array() || accessors == top.end() || !accessors->is_array())
        return;
    for (const Json& mesh : *meshes) {
        const auto primitives = mesh.is_object() ? mesh.find("primitives") : mesh.end();
        if (!mesh.is_object() || primitives == mesh.end() || !primitives->is_array())
            continue;
        for (const Json& primitive : *primitives) {
            const Json draco = primitive.is_object() ? primitive.value("extensions", Json::object()) : Json();
            const Json view = draco.is_object() ? draco.value("KHR_draco_mesh_compression", Json::object()).value("bufferView", Json())
                                                : Json();
            const Json indices = primitive.is_object() ? primitive.value("indices", Json()) : Json();
            if (!view.is_number_unsigned() || !indices.is_number_unsigned() || indices.get<std::size_t>() >= accessors->size())
                continue;
            const Json& accessor = (*accessors)[indices.get<std::size_t>()];
            if (accessor.is_object() && !accessor.contains("bufferView"))
                visit(view.get<std::size_t>(), indices.get<std::size_t>());
        }
    }
}

}  // namespace

bool knownGltfExtension(const std::string& name)
{
    return std::any_of(KNOWN.begin(), KNOWN.end(), [&name](const char* known) { return name == known; });
}

GltfPreflight preflightGltfJson(const char* json, std::size_t size)
{
    GltfPreflight preflight;
    const Json top = topMembers(json, size);
    if (!top.is_object())
        return preflight;  // tinygltf names what is wrong with the text
    const auto required = top.find("extensionsRequired");
    if (required != top.end() && required->is_array())
        for (const Json& name : *required)
            if (name.is_string() && !knownGltfExtension(name.get<std::string>())) {
                preflight.failure =
                    "the file requires the extension " + name.get<std::string>() + whatToDo(name.get<std::string>());
                return preflight;
            }
    const auto buffers = top.find("buffers");
    bool rewrite = buffers != top.end() && buffers->is_array() && std::any_of(buffers->begin(), buffers->end(), emptyFallback);
    forDracoIndicesWithoutView(top, [&rewrite](std::size_t, std::size_t) { rewrite = true; });
    if (!rewrite)
        return preflight;
    Json whole = Json::parse(json, json + size, nullptr, false);
    for (Json& buffer : whole["buffers"])
        if (emptyFallback(buffer)) {
            buffer["byteLength"] = 1;
            buffer["uri"] = "data:application/octet-stream;base64,AA==";
        }
    // tinygltf refuses indices without a view; the Draco stream's view stands in until
    // the stream is decoded into a view of their own.
    forDracoIndicesWithoutView(top, [&whole](std::size_t view, std::size_t accessor) {
        whole["accessors"][accessor]["bufferView"] = view;
    });
    preflight.json = whole.dump();
    return preflight;
}
