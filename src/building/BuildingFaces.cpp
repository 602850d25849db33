#include "building/BuildingFaces.h"

// Every corner of every surface, three to a triangle, counted before anything is allocated.
void indexFaces(Building& building)
{
    std::size_t count = 0;
    for (const BuildingSurface& surface : building.surfaces)
        count += surface.positions.size() / 9 * 3;
    std::vector<Vec3> corners;
    corners.reserve(count);
    for (const BuildingSurface& surface : building.surfaces)
        for (std::size_t i = 0; i < surface.positions.size() / 9 * 9; i += 3) {
            const float* p = &surface.positions[i];
            corners.push_back(Vec3(p[0], p[1], p[2]));
        }
    building.faces.build(std::move(corners));
}
