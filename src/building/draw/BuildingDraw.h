// The user's building on screen: each material's picture made into a texture once, the light
// baked into a colour per corner once, and then one array draw per material every frame (two for
// a material that glows: its emissive colour and picture added over the lit surface).
// Opaque and cut-out (MASK) materials are drawn with the solid scene, see-through (BLEND)
// ones after everything solid, farthest first, without writing depth.
#pragma once

#include "building/Building.h"
#include "platform/Gl.h"

#include <cstdint>
#include <vector>

struct BuildingDrawing {
    std::vector<GLuint> textures;                    // per material; 0: the material shows its colour alone
    std::vector<GLuint> glowTextures;                // per material: its emissive picture; 0: none
    std::vector<std::vector<std::uint8_t>> colours;  // per surface: RGBA per corner, base colour times light
    std::vector<int> blended;                        // the surfaces of BLEND materials, in drawing order
    std::vector<Vec3> middles;                       // per surface: the middle of its corners' bounds
    std::vector<float> distances;                    // per surface: scratch for the farthest-first order
    GLenum mode = GL_TRIANGLES;                      // GL_LINE_STRIP while wireframe is on

    // Uploads every material's picture (mipmapped, filtered as the switches say) and bakes the
    // light. Needs a current OpenGL context; the decoded pictures are not needed afterwards.
    void build(const Building& building, bool trilinear, bool mipmapping);
    // F4 and F5: the building's textures keep their mipmaps; only the filter changes.
    void setFiltering(bool trilinear, bool mipmapping) const;
    // OPAQUE and MASK materials, in the order of the surfaces.
    void drawSolid(const Building& building) const;
    // BLEND materials, the one farthest from the eye first. Allocates nothing.
    void drawSeeThrough(const Building& building, Vec3 eye);
    // The textures go back to OpenGL.
    void release();
};
