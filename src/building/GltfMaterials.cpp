#include "building/GltfMaterials.h"

#include "building/GltfValue.h"
#include "picture/PictureReader.h"

#include <cmath>

namespace {

const char* const SPECULAR_GLOSSINESS = "KHR_materials_pbrSpecularGlossiness";

AlphaMode alphaMode(const std::string& mode)
{
    return mode == "MASK" ? AlphaMode::Mask : mode == "BLEND" ? AlphaMode::Blend : AlphaMode::Opaque;
}

// Where a material's picture goes, and how it is named in warnings.
struct PictureSlot {
    const BuildingMaterial& material;
    const char* what;  // "picture", "emissive picture"
    std::string& name;
    Image& image;
    bool alpha;
};

// A picture inside the file: its bytes from a checked buffer view, or from its data: URI.
void decodeInside(const tinygltf::Model& model, int source, const std::vector<std::vector<unsigned char>>& dataPictures,
                  PictureSlot& slot, std::vector<std::string>& warnings)
{
    const tinygltf::Image& picture = model.images[std::size_t(source)];
    const unsigned char* bytes = nullptr;
    std::size_t size = 0;
    if (picture.bufferView >= 0) {
        const tinygltf::BufferView& view = model.bufferViews[std::size_t(picture.bufferView)];
        bytes = model.buffers[std::size_t(view.buffer)].data.data() + view.byteOffset;
        size = view.byteLength;
    } else if (std::size_t(source) < dataPictures.size()) {
        bytes = dataPictures[std::size_t(source)].data();
        size = dataPictures[std::size_t(source)].size();
    }
    PictureDecode decoded;
    if (size == 0)
        decoded.reason = "it holds no bytes";
    else
        decoded = decodePictureBytes(bytes, size, slot.alpha);
    if (decoded.ok())
        slot.image = std::move(decoded.image);
    else
        warnings.push_back("the " + slot.name + " of material " + slot.material.name + " cannot be used (" +
                           decoded.reason + "); its surfaces show the material's colour");
}

// The coordinates set the picture takes: the first two are read.
int coordinateSet(const tinygltf::TextureInfo& info, PictureSlot& slot, std::vector<std::string>& warnings)
{
    if (info.texCoord == 0 || info.texCoord == 1)
        return info.texCoord;
    warnings.push_back("material " + slot.material.name + " takes its " + slot.what + " by texture coordinates " +
                       std::to_string(info.texCoord) + "; halvane reads the first two sets (export one or two UV maps)");
    return 0;
}

// The picture's name (and, inside the file, its image); the coordinates it takes.
PictureUv addPicture(const tinygltf::Model& model, const tinygltf::TextureInfo& info,
                     const std::vector<std::vector<unsigned char>>& dataPictures, PictureSlot slot,
                     std::vector<std::string>& warnings)
{
    PictureUv uv{0, uvTransform(info)};
    if (info.index < 0)
        return uv;
    uv.set = coordinateSet(info, slot, warnings);
    const int source = textureSource(model, info.index);
    if (source < 0) {
        warnings.push_back("the " + std::string(slot.what) + " of material " + slot.material.name +
                           " is KTX2 (Basis Universal) alone, which halvane cannot decode; its surfaces show the "
                           "material's colour (export PNG, JPEG or WebP pictures)");
        return uv;
    }
    const tinygltf::Image& picture = model.images[std::size_t(source)];
    if (picture.bufferView < 0 && !picture.uri.empty()) {
        slot.name = picture.uri;
        return uv;
    }
    slot.name = "embedded picture " + std::to_string(source) + (picture.name.empty() ? "" : " (" + picture.name + ")");
    decodeInside(model, source, dataPictures, slot, warnings);
    return uv;
}

float unitColour(double value)
{
    return std::isfinite(value) ? float(std::fmin(std::fmax(value, 0.0), 1.0)) : 1.0f;
}

// The emissive factor times KHR_materials_emissive_strength's strength (1 without it).
void setEmissive(const tinygltf::Material& source, BuildingMaterial& material)
{
    const tinygltf::Value* strength = gltfExtension(source.extensions, "KHR_materials_emissive_strength");
    const double times = strength ? gltfNumber(*strength, "emissiveStrength", -1, 1.0) : 1.0;
    for (std::size_t c = 0; c < 3 && c < source.emissiveFactor.size(); ++c) {
        const double glow = source.emissiveFactor[c] * times;
        material.emissive[c] = std::isfinite(glow) && glow > 0.0 ? float(std::fmin(glow, 1e6)) : 0.0f;
    }
}

BuildingMaterial material(const tinygltf::Material& source, std::size_t index)
{
    BuildingMaterial material;
    material.name = source.name.empty() ? "material " + std::to_string(index) : source.name;
    const std::vector<double> factor = baseColourFactor(source);
    for (std::size_t c = 0; c < 4 && c < factor.size(); ++c)
        material.baseColour[c] = unitColour(factor[c]);
    material.alphaMode = alphaMode(source.alphaMode);
    material.alphaCutoff = std::isfinite(source.alphaCutoff) ? float(source.alphaCutoff) : 0.5f;
    material.doubleSided = source.doubleSided;
    material.unlit = gltfExtension(source.extensions, "KHR_materials_unlit") != nullptr;
    setEmissive(source, material);
    return material;
}

}  // namespace

std::vector<double> baseColourFactor(const tinygltf::Material& material)
{
    const tinygltf::Value* specular = gltfExtension(material.extensions, SPECULAR_GLOSSINESS);
    if (!specular)
        return material.pbrMetallicRoughness.baseColorFactor;
    std::vector<double> factor(4);
    for (int c = 0; c < 4; ++c)
        factor[std::size_t(c)] = gltfNumber(*specular, "diffuseFactor", c, 1.0);
    return factor;
}

tinygltf::TextureInfo baseColourTexture(const tinygltf::Material& material)
{
    const tinygltf::Value* specular = gltfExtension(material.extensions, SPECULAR_GLOSSINESS);
    if (!specular)
        return material.pbrMetallicRoughness.baseColorTexture;
    tinygltf::TextureInfo info;
    if (!specular->Has("diffuseTexture"))
        return info;
    const tinygltf::Value& diffuse = specular->Get("diffuseTexture");
    const double index = gltfNumber(diffuse, "index", -1, -1.0), set = gltfNumber(diffuse, "texCoord", -1, 0.0);
    info.index = index >= 0 && index < 2e9 ? int(index) : -1;
    info.texCoord = set >= 0 && set < 2e9 ? int(set) : 0;
    const tinygltf::Value* transform = diffuse.Has("extensions") && diffuse.Get("extensions").IsObject()
                                           ? &diffuse.Get("extensions")
                                           : nullptr;
    if (transform && transform->Has("KHR_texture_transform"))
        info.extensions["KHR_texture_transform"] = transform->Get("KHR_texture_transform");
    return info;
}

int textureSource(const tinygltf::Model& model, int texture)
{
    const tinygltf::Texture& t = model.textures[std::size_t(texture)];
    const tinygltf::Value* webp = gltfExtension(t.extensions, "EXT_texture_webp");
    const double source = webp ? gltfNumber(*webp, "source", -1, -1.0) : -1.0;
    if (source >= 0 && source < double(model.images.size()))
        return int(source);
    return t.source;
}

std::vector<BuildingMaterial> gltfMaterials(const tinygltf::Model& model,
                                            const std::vector<std::vector<unsigned char>>& dataPictures,
                                            std::vector<MaterialUv>& coordinates, std::vector<std::string>& warnings)
{
    std::vector<BuildingMaterial> materials;
    for (std::size_t m = 0; m < model.materials.size(); ++m) {
        const tinygltf::Material& source = model.materials[m];
        materials.push_back(material(source, m));
        BuildingMaterial& made = materials.back();
        MaterialUv uv;
        const bool alpha = made.alphaMode != AlphaMode::Opaque;
        uv.base = addPicture(model, baseColourTexture(source), dataPictures,
                             {made, "picture", made.pictureName, made.image, alpha}, warnings);
        uv.emissive = addPicture(model, source.emissiveTexture, dataPictures,
                                 {made, "emissive picture", made.emissivePictureName, made.emissiveImage, false}, warnings);
        uv.emissivePicture = !made.emissivePictureName.empty();
        coordinates.push_back(uv);
    }
    BuildingMaterial plain;
    plain.name = "no material";
    materials.push_back(plain);
    coordinates.emplace_back();
    return materials;
}
