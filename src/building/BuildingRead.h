// What the glTF and OBJ readers hand to the steps every building takes (units, pictures,
// start): the building still in the file's own units and axes, and the mark of the start.
#pragma once

#include "building/Building.h"

#include <cstdint>
#include <string>

// Limits on what a file may ask for, checked before anything is allocated for it: a million
// triangles of a large building take about 100 MB; sixteen times that is more than a
// walk-through needs and still fits a desktop's memory.
constexpr std::uint64_t MAX_BUILDING_TRIANGLES = 16000000;
constexpr std::uint64_t MAX_BUILDING_VERTICES = 48000000;
constexpr std::uint64_t MAX_BUILDING_MATERIALS = 4096;
constexpr std::uint64_t MAX_BUILDING_NODES = 1000000;
constexpr std::uint64_t MAX_BUILDING_FILE_BYTES = 2000000000;

// A camera, or an object named "start", as the file places it (file units and axes).
struct StartMark {
    enum Kind { None, Camera, Object } kind = None;
    std::string name;
    Vec3 position;
    Vec3 forward;  // where it looks; zero: towards the building's middle
};

// Whether an object's name, any letter case, is "start": it marks the start and is not drawn.
bool isStartName(const std::string& name);

struct BuildingRead {
    Building building;
    StartMark mark;
    std::string failure;  // the problem, without the file's name

    bool ok() const { return failure.empty(); }
};

BuildingRead readGltfBuilding(const std::string& path, bool binary, bool announce);
BuildingRead readObjBuilding(const std::string& path, bool announce);

// The surface of `material`, made when the first triangle of that material comes.
BuildingSurface& surfaceOf(Building& building, int material);
// The triangles added since the last piece was tagged are piece `piece`, appended to the building.
void tagPiece(Building& building, BuildingPiece piece);
// Whether a node or object of this name is a room's volume or an opening's (IFC's IfcSpace and
// IfcOpeningElement as converters write them), not a surface: it is left out.
bool isVolumeName(const std::string& name);
// Appends one corner.
void addCorner(BuildingSurface& surface, Vec3 position, Vec3 normal, float s, float t);
// The unit normal of the triangle, counter-clockwise seen from the front; zero when it has no area.
Vec3 faceNormal(Vec3 a, Vec3 b, Vec3 c);

// The first line of what a parsing library says when it gives up (tinygltf's and tinyobjloader's
// messages span lines), without trailing blanks; `otherwise` when that line is empty.
std::string libraryFailure(const std::string& message, const char* otherwise);
