// Loading pictures into OpenGL texture objects, and rebuilding them all with new filtering.
#include "texture/TextureManager.h"

#include "picture/PictureReader.h"
#include "picture/TgaReader.h"
#include "texture/TextureFilter.h"

#include <cstdio>

namespace {

void upload(const Image& image, bool mipmapping)
{
    // By the format's name (GL_RGB), never by its count of components, which WebGL does not take.
    if (mipmapping)
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
    else
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
}

}  // namespace

const char* const TOO_MANY_TEXTURES = "Too many textures.";

TextureLoad TextureManager::loadTexture(const char* path, bool trilinear, bool mipmapping)
{
    if (textureCount >= MAX_TEXTURES)
        return {-1, TOO_MANY_TEXTURES};
    const TgaDecode decoded = readTga(path);
    if (!decoded.ok())
        return {-1, decoded.reason};
    anyPicture[textureCount] = false;
    return {addTexture(decoded.image, path, trilinear, mipmapping), ""};
}

TextureLoad TextureManager::loadSkin(const char* path, bool trilinear, bool mipmapping)
{
    if (textureCount >= MAX_TEXTURES)
        return {-1, TOO_MANY_TEXTURES};
    const PictureDecode decoded = readPicture(path);
    if (!decoded.ok())
        return {-1, decoded.reason};
    anyPicture[textureCount] = true;
    return {addTexture(decoded.image, path, trilinear, mipmapping), ""};
}

TextureLoad TextureManager::replaceSkin(int slot, const char* path, bool trilinear, bool mipmapping)
{
    TextureLoad load = loadSkin(path, trilinear, mipmapping);
    if (!load.ok() || slot < 0 || slot >= load.slot)
        return load;
    glDeleteTextures(1, &allTextures[slot]);
    allTextures[slot] = allTextures[load.slot];
    fileNames[slot] = fileNames[load.slot];
    anyPicture[slot] = anyPicture[load.slot];
    allTextures[load.slot] = 0;
    fileNames[load.slot].clear();
    textureCount = load.slot;
    load.slot = slot;
    return load;
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

std::string TextureManager::reloadAll(bool trilinear, bool mipmapping)
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
        const TextureLoad load = anyPicture[slot] ? loadSkin(name.c_str(), trilinear, mipmapping)
                                                  : loadTexture(name.c_str(), trilinear, mipmapping);
        if (!load.ok()) {
            reloading = false;
            return load.failure;
        }
    }
    reloading = false;
    return "";
}
