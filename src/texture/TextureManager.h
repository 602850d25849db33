// The table of every texture the scene uses: slots that keep their index across
// rebuilds while the OpenGL name behind a slot may change.
#pragma once

#include "platform/Gl.h"
#include "picture/Image.h"

#include <string>

constexpr int MAX_TEXTURES = 20;

// The slot a picture was loaded into, or the one line it is refused with.
struct TextureLoad {
    int slot = -1;
    std::string failure;

    bool ok() const { return failure.empty(); }
};

struct TextureManager {
    int textureCount = 0;
    GLuint allTextures[MAX_TEXTURES] = {};
    bool reloading = false;
    std::string fileNames[MAX_TEXTURES];
    // Slots filled by loadSkin, which a rebuild reads again as any picture format.
    bool anyPicture[MAX_TEXTURES] = {};

    // Reads the TGA file, creates its texture object (left bound) and fills the next slot. A
    // file that cannot be used, or a full table, is refused and the table stays as it was.
    TextureLoad loadTexture(const char* path, bool trilinear, bool mipmapping);
    // The same for a character's skin, which may be a PCX, TGA, PNG, JPEG or BMP picture.
    TextureLoad loadSkin(const char* path, bool trilinear, bool mipmapping);
    // A skin in place of the one in `slot`: loaded as loadSkin loads it, it then takes that slot
    // over and the old texture goes back to OpenGL, so that one skin after another never fills
    // the table. Where `slot` holds no texture (-1) the skin keeps the next slot.
    TextureLoad replaceSkin(int slot, const char* path, bool trilinear, bool mipmapping);

    // Deletes every texture object and builds each slot again from its file with the new
    // filtering. A file that can no longer be used stops the rebuild: its line is returned
    // (empty when every slot was rebuilt) and the table then holds the slots before it.
    std::string reloadAll(bool trilinear, bool mipmapping);

private:
    int addTexture(const Image& image, const char* path, bool trilinear, bool mipmapping);
};
