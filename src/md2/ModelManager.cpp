// Loading one character model with its skin into the next free slot.
#include "md2/ModelManager.h"

#include "data/LoadFailure.h"
#include "md2/Md2FileBytes.h"
#include "md2/Md2SkinSearch.h"
#include "texture/TextureManager.h"

#include <cstdio>
#include <utility>

namespace {

// The skin goes into the shared table, so that a texture rebuild re-filters it too;
// the model keeps the slot, whose OpenGL name the rebuild may change.
int loadSkin(TextureManager& textures, const char* skinPath)
{
    return textures.loadSkin(skinPath, true, true);
}

// The skin the model names, looked up in the bytes the model was read from.
std::string namedSkinOrEnd(const char* modelPath, const std::vector<std::uint8_t>& modelBytes)
{
    const SkinSearch search = findSkin(modelPath, modelBytes);
    if (!search.ok())
        endWithLoadFailure(search.failure);
    return search.found;
}

} // namespace

ModelManager::ModelManager(Quiet) : models{Md2Model(false), Md2Model(false)} {}

void ModelManager::announceSlots() const
{
    for (const Md2Model& model : models)
        std::printf("setting animationsequence %d\n", model.sequence);
}

int ModelManager::loadModel(Vec3 scale, const char* modelPath, const char* skinPath, TextureManager& textures)
{
    std::vector<std::uint8_t> bytes;
    Md2Model model = readModel(scale, modelPath, *skinPath ? nullptr : &bytes);
    const std::string skin = *skinPath ? std::string(skinPath) : namedSkinOrEnd(modelPath, bytes);
    model.texture = loadSkin(textures, skin.c_str());
    return addModel(std::move(model));
}
