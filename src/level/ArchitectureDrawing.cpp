// Drawing the architecture parts straight from their arrays, in world coordinates.
#include "level/ArchitecturePart.h"

namespace {

void drawArrays(const ArchitecturePart& part, GLenum mode)
{
    glVertexPointer(3, GL_FLOAT, 0, part.vertices.data());
    glTexCoordPointer(2, GL_FLOAT, 0, part.texCoords.data());
    glDrawArrays(mode, 0, part.vertexCount);
}

}  // namespace

void drawArchitecture(const ArchitecturePart& walls, GLuint wallsTexture, const ArchitecturePart& ceiling,
                      GLuint ceilingTexture, GLenum mode)
{
    glBindTexture(GL_TEXTURE_2D, wallsTexture);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    drawArrays(walls, mode);
    glBindTexture(GL_TEXTURE_2D, ceilingTexture);
    drawArrays(ceiling, mode);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}
