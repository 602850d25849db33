// Loading pictures into OpenGL texture objects, and rebuilding them all with new filtering.
#include "texture/TextureManager.h"

#include "data/LoadFailure.h"
#include "picture/PictureReader.h"
#include "picture/TgaReader.h"
#include "texture/TextureFilter.h"

#include <cstdio>

namespace {

void upload(const Image& image, bool mipmapping)
{
#ifdef __EMSCRIPTEN__
    // WebGL knows a texture's format only by name (GL_RGB), never by its count of components.
    if (!mipmapping)
        return glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
#endif
    if (mipmapping)
        gluBuild2DMipmaps(GL_TEXTURE_2D, image.components, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                          image.pixels.data());
    else
        glTexImage2D(GL_TEXTURE_2D, 0, image.components, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image.pixels.data());
}

}  // namespace

int TextureManager::loadTexture(const char* path, bool trilinear, bool mipmapping)
{
    if (textureCount >= MAX_TEXTURES)
        endWithLoadFailure("Too many textures.\n");
    const TgaDecode decoded = readTga(path);
    if (!decoded.ok())
        endWithLoadFailure(decoded.reason);
    anyPicture[textureCount] = false;
    return addTexture(decoded.image, path, trilinear, mipmapping);
}

int TextureManager::loadSkin(const char* path, bool trilinear, bool mipmapping)
{
    if (textureCount >= MAX_TEXTURES)
        endWithLoadFailure("Too many textures.\n");
    const PictureDecode decoded = readPicture(path);
    if (!decoded.ok())
        endWithLoadFailure(decoded.reason);
    anyPicture[textureCount] = true;
    return addTexture(decoded.image, path, trilinear, mipmapping);
}

int TextureManager::addTexture(const Image& image, const char* path, bool trilinear, bool mipmapping)
{
    fileNames[textureCount] = path;
    glGenTextures(1, &allTextures[textureCount]);
    glBindTexture(GL_TEXTURE_2D, allTextures[textureCount]);
    std::printf("binding texture: id = %d", int(allTextures[textureCount]));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    std::printf("binding... allTextures[%d] = %d\n", textureCount, int(allTextures[textureCount]));
    ++textureCount;

    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minificationFilter(trilinear, mipmapping));
    upload(image, mipmapping);
    return textureCount - 1;
}

void TextureManager::reloadAll(bool trilinear, bool mipmapping)
{
    const int slots = textureCount;
    textureCount = 0;
    reloading = true;
    std::printf("\nreloading:\n");
    glDeleteTextures(slots, allTextures);
    for (int slot = 0; slot < slots; ++slot) {
        // A copy, because the load overwrites the slot's name with the path it is given.
        const std::string name = fileNames[slot];
        std::printf("%s:\n", name.c_str());
        if (anyPicture[slot])
            loadSkin(name.c_str(), trilinear, mipmapping);
        else
            loadTexture(name.c_str(), trilinear, mipmapping);
    }
    reloading = false;
}
