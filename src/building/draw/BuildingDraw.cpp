// Drawing the user's building from client arrays, one glDrawArrays per material, with the
// state each material needs set before its draw and the program's own state put back after.
#include "building/draw/BuildingDraw.h"

#include "building/BuildingLight.h"
#include "texture/TextureFilter.h"

#include <algorithm>

namespace {

bool usable(const Image& image)
{
    const std::uint64_t bytes = std::uint64_t(image.width) * std::uint64_t(image.height) * std::uint64_t(image.components);
    return (image.components == 3 || image.components == 4) && image.width > 0 && image.height > 0 &&
           bytes == image.pixels.size();
}

// Always with mipmaps (GLU also brings a picture larger than OpenGL takes down to size), so that
// F5 only has to change the filter.
GLuint uploadPicture(const Image& image, bool trilinear, bool mipmapping)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minificationFilter(trilinear, mipmapping));
    const GLenum format = image.components == 4 ? GL_RGBA : GL_RGB;
    gluBuild2DMipmaps(GL_TEXTURE_2D, GLint(format), image.width, image.height, format, GL_UNSIGNED_BYTE,
                      image.pixels.data());
    return name;
}

Vec3 middleOf(const std::vector<float>& positions)
{
    if (positions.size() < 3)
        return Vec3();
    Vec3 low(positions[0], positions[1], positions[2]);
    Vec3 high = low;
    for (std::size_t i = 3; i + 2 < positions.size(); i += 3) {
        low.set(std::min(low.x, positions[i]), std::min(low.y, positions[i + 1]), std::min(low.z, positions[i + 2]));
        high.set(std::max(high.x, positions[i]), std::max(high.y, positions[i + 1]), std::max(high.z, positions[i + 2]));
    }
    return (low + high) * 0.5f;
}

const BuildingMaterial* materialOf(const Building& building, const BuildingSurface& surface)
{
    if (surface.material < 0 || std::size_t(surface.material) >= building.materials.size())
        return nullptr;
    return &building.materials[std::size_t(surface.material)];
}

// The material's own state: its texture or none, its cut-out, its sides.
void beginMaterial(const BuildingMaterial& material, GLuint texture, bool textured)
{
    if (textured) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glEnable(GL_TEXTURE_2D);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    } else {
        glDisable(GL_TEXTURE_2D);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    if (material.alphaMode == AlphaMode::Mask) {
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GEQUAL, material.alphaCutoff);
    } else {
        glDisable(GL_ALPHA_TEST);
    }
    // The program culls what is clockwise on screen, which for counter-clockwise front faces
    // is exactly their backs: one-sided materials need nothing more.
    if (material.doubleSided)
        glDisable(GL_CULL_FACE);
    else
        glEnable(GL_CULL_FACE);
}

bool glows(const BuildingMaterial& material)
{
    return material.emissive[0] > 0.0f || material.emissive[1] > 0.0f || material.emissive[2] > 0.0f;
}

// The emissive colour (times its picture) added over what the surface's own draw left, where it
// left it: light can only brighten. The blending and depth writes of the pass it is part of (the
// solid one or the see-through one) are put back after.
void drawGlow(const BuildingSurface& surface, const BuildingMaterial& material, GLuint texture, std::size_t corners,
              GLenum mode, bool seeThrough)
{
    const bool textured = texture != 0 && surface.emissiveTexCoords.size() == corners * 2;
    beginMaterial(material, texture, textured);
    if (textured)
        glTexCoordPointer(2, GL_FLOAT, 0, surface.emissiveTexCoords.data());
    glDisableClientState(GL_COLOR_ARRAY);
    glColor4f(std::min(material.emissive[0], 1.0f), std::min(material.emissive[1], 1.0f), std::min(material.emissive[2], 1.0f), 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glDepthMask(GL_FALSE);
    glDrawArrays(mode, 0, GLsizei(corners));
    glEnableClientState(GL_COLOR_ARRAY);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (!seeThrough) {
        glDepthMask(GL_TRUE);
        glDisable(GL_BLEND);
    }
}

// The state the rest of the program draws with, as the set-up left it.
void endBuilding()
{
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glDisable(GL_ALPHA_TEST);
    glAlphaFunc(GL_ALWAYS, 0.0f);
}

}  // namespace

void BuildingDrawing::build(const Building& building, bool trilinear, bool mipmapping)
{
    textures.assign(building.materials.size(), 0);
    glowTextures.assign(building.materials.size(), 0);
    for (std::size_t m = 0; m < building.materials.size(); ++m) {
        if (usable(building.materials[m].image))
            textures[m] = uploadPicture(building.materials[m].image, trilinear, mipmapping);
        if (usable(building.materials[m].emissiveImage) && glows(building.materials[m]))
            glowTextures[m] = uploadPicture(building.materials[m].emissiveImage, trilinear, mipmapping);
    }
    colours.clear();
    middles.clear();
    blended.clear();
    static const BuildingMaterial plain;
    for (std::size_t s = 0; s < building.surfaces.size(); ++s) {
        const BuildingSurface& surface = building.surfaces[s];
        const BuildingMaterial* material = materialOf(building, surface);
        colours.push_back(bakeLight(surface, material ? *material : plain));
        middles.push_back(middleOf(surface.positions));
        if (material && material->alphaMode == AlphaMode::Blend)
            blended.push_back(int(s));
    }
    distances.assign(building.surfaces.size(), 0.0f);
}

void BuildingDrawing::setFiltering(bool trilinear, bool mipmapping) const
{
    for (const std::vector<GLuint>* list : {&textures, &glowTextures})
        for (GLuint texture : *list) {
            if (texture == 0)
                continue;
            glBindTexture(GL_TEXTURE_2D, texture);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minificationFilter(trilinear, mipmapping));
        }
}

namespace {

void drawSurface(const Building& building, const BuildingDrawing& drawing, std::size_t s, bool seeThrough)
{
    const BuildingSurface& surface = building.surfaces[s];
    const BuildingMaterial* material = materialOf(building, surface);
    const std::size_t corners = surface.positions.size() / 3;
    if (!material || corners == 0 || drawing.colours[s].size() != corners * 4)
        return;
    const GLuint texture = drawing.textures[std::size_t(surface.material)];
    const bool textured = texture != 0 && surface.texCoords.size() == corners * 2;
    beginMaterial(*material, texture, textured);
    glVertexPointer(3, GL_FLOAT, 0, surface.positions.data());
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, drawing.colours[s].data());
    if (textured)
        glTexCoordPointer(2, GL_FLOAT, 0, surface.texCoords.data());
    glDrawArrays(drawing.mode, 0, GLsizei(corners));
    if (glows(*material))
        drawGlow(surface, *material, drawing.glowTextures[std::size_t(surface.material)], corners, drawing.mode, seeThrough);
}

}  // namespace

void BuildingDrawing::drawSolid(const Building& building) const
{
    if (colours.size() != building.surfaces.size())
        return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    for (std::size_t s = 0; s < building.surfaces.size(); ++s) {
        const BuildingMaterial* material = materialOf(building, building.surfaces[s]);
        if (material && material->alphaMode != AlphaMode::Blend)
            drawSurface(building, *this, s, false);
    }
    endBuilding();
}

void BuildingDrawing::drawSeeThrough(const Building& building, Vec3 eye)
{
    if (blended.empty() || colours.size() != building.surfaces.size())
        return;
    for (int s : blended) {
        const Vec3 d = middles[std::size_t(s)] - eye;
        distances[std::size_t(s)] = d.x * d.x + d.y * d.y + d.z * d.z;
    }
    std::sort(blended.begin(), blended.end(),
              [this](int a, int b) { return distances[std::size_t(a)] > distances[std::size_t(b)]; });
    // Glass lets through what lies behind it, and hides nothing that the next glass would show.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    for (int s : blended)
        drawSurface(building, *this, std::size_t(s), true);
    endBuilding();
    glDepthMask(GL_TRUE);
    glBlendFunc(GL_ONE, GL_ZERO);
    glDisable(GL_BLEND);
}

void BuildingDrawing::release()
{
    for (std::vector<GLuint>* list : {&textures, &glowTextures}) {
        for (GLuint& texture : *list)
            if (texture != 0)
                glDeleteTextures(1, &texture);
        list->clear();
    }
}
