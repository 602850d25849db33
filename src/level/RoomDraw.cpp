// Drawing a room: its store sent in immediate mode, textured through the texture table.
#include "level/Room.h"

#include "texture/TextureManager.h"

namespace {

// The OpenGL name behind the room's slot as the table holds it now (it changes when the textures
// are rebuilt); a slot that holds no texture draws untextured instead of reading past the table.
GLuint boundName(const TextureManager& textures, int slot)
{
    const bool filled = slot >= 0 && slot < textures.textureCount && slot < MAX_TEXTURES;
    return filled ? textures.allTextures[slot] : 0;
}

}  // namespace

void Room::draw(const TextureManager& textures) const
{
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glBindTexture(GL_TEXTURE_2D, boundName(textures, texture));
    glBegin(primitiveMode);
    int pair = 0;
    for (int k = 0; k + 3 < vertexCount; k += 4) {
        glNormal3fv(&vertices[k].x);
        for (int corner = 1; corner <= 3; ++corner) {
            glTexCoord2fv(cellTexCoords[pair]);
            pair = (pair + 1) % 6;
            glVertex3fv(&vertices[k + corner].x);
        }
    }
    glEnd();
    glPopMatrix();
}
