// Filling a building's surfaces, one per material, corner by corner, and telling which piece
// of the file each triangle is in.
#include "building/BuildingRead.h"

BuildingSurface& surfaceOf(Building& building, int material)
{
    for (BuildingSurface& surface : building.surfaces)
        if (surface.material == material)
            return surface;
    building.surfaces.emplace_back();
    building.surfaces.back().material = material;
    return building.surfaces.back();
}

void tagPiece(Building& building, BuildingPiece piece)
{
    const std::uint32_t index = std::uint32_t(building.pieces.size());
    building.pieces.push_back(std::move(piece));
    for (BuildingSurface& surface : building.surfaces)
        surface.pieces.resize(surface.positions.size() / 9, index);
}

bool isVolumeName(const std::string& name)
{
    return name.rfind("IfcSpace", 0) == 0 || name.rfind("IfcOpeningElement", 0) == 0;
}

void addCorner(BuildingSurface& surface, Vec3 position, Vec3 normal, float s, float t)
{
    surface.positions.insert(surface.positions.end(), {position.x, position.y, position.z});
    surface.normals.insert(surface.normals.end(), {normal.x, normal.y, normal.z});
    surface.texCoords.insert(surface.texCoords.end(), {s, t});
}

Vec3 faceNormal(Vec3 a, Vec3 b, Vec3 c)
{
    const Vec3 n = (b - a).cross(c - a);
    const float length = n.length();
    return length > 0.0f && std::isfinite(length) ? n / length : Vec3();
}
