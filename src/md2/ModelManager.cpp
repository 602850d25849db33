// Loading one character model with its skin into a slot: the next free one, or in place of a model.
#include "md2/ModelManager.h"

#include "md2/Md2SkinSearch.h"
#include "texture/TextureManager.h"

#include <cstdio>
#include <utility>

namespace {

// The skin given, or the one the model names, looked up in the bytes the model was read from.
SkinSearch skinOf(const char* modelPath, const char* skinPath, const std::vector<std::uint8_t>& modelBytes)
{
    if (!*skinPath)
        return findSkin(modelPath, modelBytes);
    SkinSearch given;
    given.found = skinPath;
    return given;
}

} // namespace

ModelManager::ModelManager(Quiet) : models{Md2Model(false), Md2Model(false)} {}

void ModelManager::announceSlots() const
{
    for (const Md2Model& model : models)
        std::printf("setting animationsequence %d\n", model.sequence);
}

ModelLoad ModelManager::loadModel(Vec3 scale, const char* modelPath, const char* skinPath, TextureManager& textures)
{
    return loadInto(modelCount, -1, scale, modelPath, skinPath, textures);
}

ModelLoad ModelManager::replaceModel(int slot, int skinSlot, Vec3 scale, const char* modelPath, const char* skinPath,
                                     TextureManager& textures)
{
    if (slot < 0 || slot >= modelCount)
        return {-1, "no model in slot " + std::to_string(slot) + " to replace"};
    return loadInto(slot, skinSlot, scale, modelPath, skinPath, textures);
}

ModelLoad ModelManager::loadInto(int slot, int skinSlot, Vec3 scale, const char* modelPath, const char* skinPath,
                                 TextureManager& textures)
{
    std::vector<std::uint8_t> bytes;
    ModelRead read = readModelAs(slot, scale, modelPath, *skinPath ? nullptr : &bytes);
    if (!read.ok())
        return {-1, read.failure};
    const SkinSearch skin = skinOf(modelPath, skinPath, bytes);
    if (!skin.ok())
        return {-1, skin.failure};
    // The skin goes into the shared table, so that a texture rebuild re-filters it too;
    // the model keeps the slot, whose OpenGL name the rebuild may change.
    const TextureLoad texture = textures.replaceSkin(skinSlot, skin.found.c_str(), true, true);
    if (!texture.ok())
        return {-1, texture.failure};
    read.model.texture = texture.slot;
    return putModel(slot, std::move(read.model));
}
