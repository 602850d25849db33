#include "building/GltfMaterials.h"

#include "picture/StbPicture.h"

#include <cmath>

namespace {

AlphaMode alphaMode(const std::string& mode)
{
    return mode == "MASK" ? AlphaMode::Mask : mode == "BLEND" ? AlphaMode::Blend : AlphaMode::Opaque;
}

// A picture inside the file: its bytes from a checked buffer view, or from its data: URI.
void decodeInside(const tinygltf::Model& model, int source, const std::vector<std::vector<unsigned char>>& dataPictures,
                  BuildingMaterial& material, std::vector<std::string>& warnings)
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
    const bool alpha = material.alphaMode != AlphaMode::Opaque;
    PictureDecode decoded;
    if (size == 0)
        decoded.reason = "it holds no bytes";
    else
        decoded = decodeStbPicture(bytes, size, alpha);
    if (decoded.ok())
        material.image = std::move(decoded.image);
    else
        warnings.push_back("the " + material.pictureName + " of material " + material.name + " cannot be used (" +
                           decoded.reason + "); its surfaces show the material's colour");
}

void addPicture(const tinygltf::Model& model, const tinygltf::TextureInfo& info,
                const std::vector<std::vector<unsigned char>>& dataPictures, BuildingMaterial& material,
                std::vector<std::string>& warnings)
{
    const int source = info.index < 0 ? -1 : model.textures[std::size_t(info.index)].source;
    if (source < 0)
        return;
    const tinygltf::Image& picture = model.images[std::size_t(source)];
    if (info.texCoord != 0)
        warnings.push_back("material " + material.name + " takes its picture by texture coordinates " +
                           std::to_string(info.texCoord) + "; halvane uses the first set (export one UV map)");
    if (picture.bufferView < 0 && !picture.uri.empty()) {
        material.pictureName = picture.uri;
        return;
    }
    material.pictureName = "embedded picture " + std::to_string(source) + (picture.name.empty() ? "" : " (" + picture.name + ")");
    decodeInside(model, source, dataPictures, material, warnings);
}

}  // namespace

std::vector<BuildingMaterial> gltfMaterials(const tinygltf::Model& model,
                                            const std::vector<std::vector<unsigned char>>& dataPictures,
                                            std::vector<UvTransform>& transforms, std::vector<std::string>& warnings)
{
    std::vector<BuildingMaterial> materials;
    for (std::size_t m = 0; m < model.materials.size(); ++m) {
        const tinygltf::Material& source = model.materials[m];
        BuildingMaterial material;
        material.name = source.name.empty() ? "material " + std::to_string(m) : source.name;
        const std::vector<double>& factor = source.pbrMetallicRoughness.baseColorFactor;
        for (std::size_t c = 0; c < 4 && c < factor.size(); ++c)
            material.baseColour[c] = std::isfinite(factor[c]) ? float(std::fmin(std::fmax(factor[c], 0.0), 1.0)) : 1.0f;
        material.alphaMode = alphaMode(source.alphaMode);
        material.alphaCutoff = std::isfinite(source.alphaCutoff) ? float(source.alphaCutoff) : 0.5f;
        material.doubleSided = source.doubleSided;
        addPicture(model, source.pbrMetallicRoughness.baseColorTexture, dataPictures, material, warnings);
        transforms.push_back(uvTransform(source.pbrMetallicRoughness.baseColorTexture));
        materials.push_back(std::move(material));
    }
    BuildingMaterial plain;
    plain.name = "no material";
    materials.push_back(plain);
    transforms.emplace_back();
    return materials;
}
