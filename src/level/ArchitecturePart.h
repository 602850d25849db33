// The fixed architecture of the level (walls, ceiling): vertex and texture-coordinate arrays
// read from a text file and drawn from client-side arrays, one draw call per part.
#pragma once

#include "platform/Gl.h"

#include <vector>

struct ArchitecturePart {
    int vertexCount = 0;
    std::vector<float> vertices;   // x, y, z per vertex, packed for glVertexPointer
    std::vector<float> texCoords;  // u, v per vertex, packed for glTexCoordPointer

    // Reads the file, printing its progress; a file that cannot be used ends the process.
    void load(const char* path);
};

// Draws both parts with their textures in mode (GL_QUADS, or GL_LINE_STRIP for wireframe).
void drawArchitecture(const ArchitecturePart& walls, GLuint wallsTexture, const ArchitecturePart& ceiling,
                      GLuint ceilingTexture, GLenum mode);
