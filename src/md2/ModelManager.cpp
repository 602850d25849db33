// Loading one character model with its skin into the next free slot.
#include "md2/ModelManager.h"

#include "texture/TextureManager.h"

#include <cstdio>
#include <utility>

namespace {

// The skin goes into the shared table, so that a texture rebuild re-filters it too;
// the model keeps the slot, whose OpenGL name the rebuild may change.
int loadSkin(TextureManager& textures, const char* skinPath)
{
    return textures.loadTexture(skinPath, true, true);
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
    Md2Model model = readModel(scale, modelPath);
    model.texture = loadSkin(textures, skinPath);
    return addModel(std::move(model));
}
