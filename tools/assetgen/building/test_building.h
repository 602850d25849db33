// The small test building: two storeys joined by a stair, two ramps, a ledge, a doorway, a
// glass pane, a textured and a plain wall, with known sizes. One source in code, written as a
// glTF binary file and as a Wavefront OBJ file with its .mtl, so that both readers can be held
// to the same triangles; the walking tests take its sizes from here. Beside it, the one-triangle
// glTF file that the tables of broken buildings change a field of.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_building {

// Sizes in metres, +Y up; the ground floor is at y = 0 and spans x 0..12, z 0..8.
constexpr float WIDTH = 12.0f;             // x
constexpr float DEPTH = 8.0f;              // z
constexpr float STOREY_HEIGHT = 2.8f;      // the upper floor's top
constexpr float WALL_HEIGHT = 5.6f;        // the outer walls, two storeys
constexpr float RISER = 0.175f;            // 16 risers make a storey
constexpr int RISERS = 16;
constexpr float TREAD = 0.28f;
constexpr float STAIR_START_X = 1.0f;      // the stair climbs along +x from here ...
constexpr float STAIR_Z0 = 0.5f, STAIR_Z1 = 1.5f;  // ... between these
constexpr float UPPER_FLOOR_X0 = STAIR_START_X + RISERS * TREAD;  // 5.48: the upper floor starts where the stair ends
constexpr float UPPER_FLOOR_Z1 = 3.0f;     // the upper floor covers x 5.48..12, z 0..3
constexpr float RAMP_HEIGHT = 1.0f;        // both ramps climb along +z from z = 3.5 to this height
constexpr float RAMP_Z0 = 3.5f;
constexpr float RAMP30_X0 = 1.0f, RAMP30_X1 = 3.0f;  // 30 degrees: 1.732 m long
constexpr float RAMP50_X0 = 4.0f, RAMP50_X1 = 6.0f;  // 50 degrees: 0.839 m long
constexpr float LEDGE_HEIGHT = 0.45f;      // a box x 8..10, z 3.5..5.5 (placed by a node's translation in glTF)
constexpr float LEDGE_X0 = 8.0f, LEDGE_Z0 = 3.5f, LEDGE_SIZE = 2.0f;
constexpr float INNER_WALL_Z = 6.5f;       // a wall across the ground floor ...
constexpr float DOOR_X0 = 5.55f, DOOR_WIDTH = 0.9f, DOOR_HEIGHT = 2.0f;  // ... with a doorway
constexpr float GLASS_X0 = 9.0f, GLASS_X1 = 11.0f, GLASS_Z = 7.5f, GLASS_Y0 = 0.5f, GLASS_Y1 = 2.0f;
constexpr float START_X = 2.0f, START_Z = 6.0f;  // an object named "start" on the floor, looking along -z

struct Point {
    float x, y, z;
};

// One flat face of any number of corners, counter-clockwise seen from its front. `fan` is a
// corner from which a fan of triangles covers the face (the glTF writer cuts it so; the OBJ
// file keeps the face whole, starting at corner 0).
struct Face {
    std::vector<Point> corners;
    int fan = 0;
};

struct Object {
    std::string name;
    std::string material;
    Point offset{0, 0, 0};  // where the object stands; its faces are around its own origin
    std::vector<Face> faces;
    bool relativeIndices = false;  // the OBJ file names its corners by negative indices
};

struct Material {
    std::string name;
    float colour[4];
    std::string picture;  // a file beside the building, or empty
    bool blend = false;
};

struct Source {
    std::vector<Material> materials;
    std::vector<Object> objects;
};

Source testBuilding();

// Sum of the faces' areas in square metres, and the number of triangles they make (n - 2 each),
// the "start" object left out.
double faceArea(const Source& source);
long triangleCount(const Source& source);

// The bytes of a glTF binary file: its 12-byte header, the JSON chunk (padded with spaces to a
// multiple of 4 bytes) and the BIN chunk.
std::vector<std::uint8_t> glbFile(std::string json, const std::vector<std::uint8_t>& bin);

// One triangle for tables of broken glTF files: the BIN chunk holds three positions (0 0 0),
// (x 0 0), (0 0 1) and three 32-bit indices 0, 1, `index`; the JSON names them, with `nodes`,
// further top-level members (`extra`, starting with a comma), the buffer and the positions' count.
std::vector<std::uint8_t> triangleBin(float x = 1.0f, std::uint32_t index = 2);
std::string triangleJson(const std::string& nodes = "[{\"mesh\":0}]", const std::string& extra = "",
                         const std::string& buffer = "{\"byteLength\":48}", const std::string& count = "3");

// Writes test-building.glb, test-building.obj, test-building.mtl and wall.png into `folder`
// (ending in a separator); false when a file cannot be written.
bool writeTestBuilding(const std::string& folder);

// The test building's glTF binary file written another way that shows the same: "specular-glossiness"
// (the older material extension's diffuse colour and picture), "vertex-colours" (white materials,
// every corner in the material's colour), "second-uv" (the picture takes the second set of
// texture coordinates, the first is of no use), "webp" (the picture is wall.webp, as
// EXT_texture_webp requires); or one that shows every surface at its own colour without the
// light: "unlit" (KHR_materials_unlit) and "emissive" (black materials glowing their colour at
// emissive strength 2, the glass unlit).
std::vector<std::uint8_t> testBuildingVariantGlb(const std::string& variant);
// The wall's picture, sixteen by sixteen RGB pixels of tiles with dark joints, top row first.
std::vector<unsigned char> wallPixels();
// The wall's picture as a lossless WebP file (wall.webp); not in the Windows build.
std::vector<std::uint8_t> wallWebp();

}  // namespace test_building
