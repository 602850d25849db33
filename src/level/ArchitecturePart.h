// The fixed architecture of the level (walls, ceiling): vertex and texture-coordinate arrays
// read from a text file and drawn from client-side arrays, one draw call per part.
#pragma once

#include "platform/Gl.h"

#include <string>
#include <vector>

struct ArchitecturePart {
    int vertexCount = 0;
    std::vector<float> vertices;   // x, y, z per vertex, packed for glVertexPointer
    std::vector<float> texCoords;  // u, v per vertex, packed for glTexCoordPointer

    // Reads the file, printing its progress. Returns the one line a file that cannot be used is
    // refused with (the part then stays empty), or an empty line when it was read.
    std::string load(const char* path);
};

// Draws both parts with their textures in mode (GL_QUADS, or GL_LINE_STRIP for wireframe).
void drawArchitecture(const ArchitecturePart& walls, GLuint wallsTexture, const ArchitecturePart& ceiling,
                      GLuint ceilingTexture, GLenum mode);
