// A user's building (--level), as read from a glTF or OBJ file: its surfaces in our units, one
// vertex array per material, ready to be drawn with one array draw each and walked on. Reading
// it needs no window; drawing it does, and is apart (building/draw).
#pragma once

#include "math/Vec3.h"
#include "picture/Image.h"

#include <string>
#include <vector>

// Our units per metre: the eye stands 4 units (1.6 m) above the floor.
constexpr float UNITS_PER_METRE = 2.5f;

enum class AlphaMode { Opaque, Mask, Blend };

struct BuildingMaterial {
    std::string name;
    float baseColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};  // the base colour factor, RGBA
    // The picture as the file names it (a path, or "embedded picture 3"), empty when there is
    // none; `image` is empty when it is missing or broken, and the surface then shows its colour.
    std::string pictureName;
    std::string pictureFound;  // the file it was found as, empty when embedded or missing
    Image image;               // RGB or RGBA (components 3 or 4), rows bottom to top
    AlphaMode alphaMode = AlphaMode::Opaque;
    float alphaCutoff = 0.5f;
    bool doubleSided = false;
    // Shown at its colour without the building's light (glTF's KHR_materials_unlit).
    bool unlit = false;
    // The glow added over the lit colour and never darkened: the emissive factor times its
    // strength (KHR_materials_emissive_strength, so above 1 where the file says so), times the
    // emissive picture where there is one (named, found and decoded as the base colour's).
    float emissive[3] = {0.0f, 0.0f, 0.0f};
    std::string emissivePictureName;
    std::string emissivePictureFound;
    Image emissiveImage;
};

// Every triangle of one material, three corners each, counter-clockwise seen from the front.
struct BuildingSurface {
    int material = 0;
    std::vector<float> positions;  // x y z per corner, in our units, +Y up
    std::vector<float> normals;    // unit normal per corner (flat where the file had none)
    std::vector<float> texCoords;  // s t per corner, the material's texture transform applied
    // R G B A per corner, 0..1, which the base colour is multiplied by (glTF's COLOR_0); empty
    // when the file gives none.
    std::vector<float> colours;
    // s t per corner for the emissive picture, from the set and transform it names; empty when
    // the material has no emissive picture.
    std::vector<float> emissiveTexCoords;
};

// Where the visitor starts and why: the eye and the point it looks at, in our units.
struct BuildingStart {
    Vec3 eye;
    Vec3 lookAt;
    std::string reason;  // "the first camera of the scene, 'Camera'", ...
};

struct Building {
    std::string format;  // "glTF binary", "glTF", "Wavefront OBJ"
    int meshCount = 0;   // meshes (glTF) or objects and groups (OBJ) that gave triangles
    std::vector<BuildingMaterial> materials;
    std::vector<BuildingSurface> surfaces;
    Vec3 low, high;      // the bounds of every corner, in our units
    BuildingStart start;
    std::vector<std::string> warnings;  // one line each, with what to do
};
