// The frame's baseline: the picture halvane draws, drawn by the leanest means OpenGL 1.1
// allows: every vertex pre-transformed into world space once, one client-side vertex array per
// texture and primitive, one glDrawArrays each.
#pragma once

#include "platform/Gl.h"

#include <vector>

struct Batch {
    GLuint texture = 0;
    GLenum mode = GL_TRIANGLES;
    std::vector<float> positions;  // x, y, z per vertex, world space
    std::vector<float> texCoords;  // s, t per vertex
};

struct ReferenceScene {
    std::vector<Batch> batches;

    // Gathers what the program's globals would draw now (architecture, models, rooms).
    void build();
    // Clears, sets the camera and draws every batch; does not swap.
    void draw() const;
};
