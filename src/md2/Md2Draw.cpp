// Drawing a model in immediate mode: its current frame, or a blend of two neighbouring
// frames, and optionally each vertex normal as a line.
#include "md2/Md2Model.h"
#include "texture/TextureManager.h"

#include <cstdio>

namespace {

GLuint skinName(const TextureManager& textures, int slot)
{
    if (slot < 0 || slot >= MAX_TEXTURES)
        return 0;
    return textures.allTextures[slot];
}

const ModelVertex* frameStart(const Md2Model& model, int frame)
{
    return model.sequenceFrames[model.sequence].data() + static_cast<std::size_t>(frame) * model.numVertices;
}

void sendTexCoord(const Md2Model& model, const ModelTriangle& triangle, int corner)
{
    const TexCoord& texCoord = model.texCoords[triangle.texCoordIndices[corner]];
    glTexCoord2f(texCoord.s, texCoord.t);
}

void drawFrame(const Md2Model& model, const ModelVertex* frame)
{
    glBegin(model.primitiveMode);
    for (const ModelTriangle& triangle : model.triangles) {
        for (int corner = 0; corner < 3; ++corner) {
            const ModelVertex& vertex = frame[triangle.vertexIndices[corner]];
            sendTexCoord(model, triangle, corner);
            glNormal3f(vertex.normal.x, vertex.normal.y, vertex.normal.z);
            glVertex3f(vertex.position.x, vertex.position.y, vertex.position.z);
        }
    }
    glEnd();
}

Vec3 blend(Vec3 current, Vec3 next, float w, float b)
{
    return Vec3(w * current.x + b * next.x, w * current.y + b * next.y, w * current.z + b * next.z);
}

void drawBlend(const Md2Model& model, const ModelVertex* current, const ModelVertex* next, float b)
{
    const float w = 1.0f - b;
    glBegin(model.primitiveMode);
    for (const ModelTriangle& triangle : model.triangles) {
        for (int corner = 0; corner < 3; ++corner) {
            const std::uint16_t i = triangle.vertexIndices[corner];
            const Vec3 normal = blend(current[i].normal, next[i].normal, w, b);
            const Vec3 position = blend(current[i].position, next[i].position, w, b);
            sendTexCoord(model, triangle, corner);
            glNormal3f(normal.x, normal.y, normal.z);
            glVertex3f(position.x, position.y, position.z);
        }
    }
    glEnd();
}

// Each line runs one model unit from the vertex along its normal.
void drawLightNormals(const Md2Model& model, const ModelVertex* frame)
{
    glBegin(GL_LINES);
    for (const ModelTriangle& triangle : model.triangles) {
        for (int corner = 0; corner < 3; ++corner) {
            const ModelVertex& vertex = frame[triangle.vertexIndices[corner]];
            const Vec3 tip = vertex.position + vertex.normal;
            glVertex3f(vertex.position.x, vertex.position.y, vertex.position.z);
            glVertex3f(tip.x, tip.y, tip.z);
        }
    }
    glEnd();
}

} // namespace

void Md2Model::draw(const TextureManager& textures)
{
    std::printf("going to draw animation sequence %d. frame %d.", sequence, static_cast<int>(framePosition));
    checkSequenceEnd();
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    glBindTexture(GL_TEXTURE_2D, skinName(textures, texture));
    glShadeModel(GL_SMOOTH);

    const int frame = static_cast<int>(framePosition);
    const float b = framePosition - static_cast<float>(frame);
    const ModelVertex* current = frameStart(*this, frame);
    if (b == 0.0f) {
        drawFrame(*this, current);
    } else {
        const int lastFrame = frameCounts[sequence] - 1;
        drawBlend(*this, current, frameStart(*this, frame + 1 <= lastFrame ? frame + 1 : lastFrame), b);
    }
    if (showLightNormals)
        drawLightNormals(*this, current);
    glPopMatrix();
}
