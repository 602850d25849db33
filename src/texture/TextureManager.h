// The table of every texture the scene uses: slots that keep their index across
// rebuilds while the OpenGL name behind a slot may change.
#pragma once

#include "platform/Gl.h"
#include "picture/Image.h"

#include <string>

constexpr int MAX_TEXTURES = 20;

struct TextureManager {
    int textureCount = 0;
    GLuint allTextures[MAX_TEXTURES] = {};
    bool reloading = false;
    std::string fileNames[MAX_TEXTURES];
    // Slots filled by loadSkin, which a rebuild reads again as any picture format.
    bool anyPicture[MAX_TEXTURES] = {};

    // Reads the TGA file, creates its texture object (left bound) and returns its slot.
    // A file that cannot be used, or a full table, ends the process with a message.
    int loadTexture(const char* path, bool trilinear, bool mipmapping);
    // The same for a character's skin, which may be a PCX, TGA, PNG, JPEG or BMP picture.
    int loadSkin(const char* path, bool trilinear, bool mipmapping);

    // Deletes every texture object and builds each slot again from its file with the new filtering.
    void reloadAll(bool trilinear, bool mipmapping);

private:
    int addTexture(const Image& image, const char* path, bool trilinear, bool mipmapping);
};
