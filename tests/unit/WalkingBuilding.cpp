#include "WalkingBuilding.h"

#include "building/BuildingFaces.h"

#include <cmath>

namespace walking_building {

namespace {

void quad(std::vector<Vec3>& out, Vec3 a, Vec3 b, Vec3 c, Vec3 d)
{
    out.insert(out.end(), {a, b, c, a, c, d});
}

// A floor or a ramp across x0..x1, rising from y0 at z0 to y1 at z1.
void slab(std::vector<Vec3>& out, float x0, float x1, float z0, float z1, float y0, float y1)
{
    quad(out, {x0, y0, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y0, z0});
}

// An upright face from (x0, z0) to (x1, z1), between heights y0 and y1.
void wall(std::vector<Vec3>& out, float x0, float z0, float x1, float z1, float y0, float y1)
{
    quad(out, {x0, y0, z0}, {x0, y1, z0}, {x1, y1, z1}, {x1, y0, z1});
}

void block(std::vector<Vec3>& out, float x0, float x1, float z0, float z1, float height)
{
    slab(out, x0, x1, z0, z1, height, height);
    wall(out, x0, z0, x1, z0, 0, height);
    wall(out, x0, z1, x1, z1, 0, height);
    wall(out, x0, z0, x0, z1, 0, height);
    wall(out, x1, z0, x1, z1, 0, height);
}

void stair(std::vector<Vec3>& out)
{
    const float riser = 0.175f * 2.5f, tread = 0.28f * 2.5f;
    const int steps = static_cast<int>(std::lround(UPPER / riser));
    for (int k = 1; k <= steps; ++k) {
        const float z = UPPER_FRONT - static_cast<float>(steps - k + 1) * tread;
        wall(out, 0, z, 2.5f, z, static_cast<float>(k - 1) * riser, static_cast<float>(k) * riser);
        slab(out, 0, 2.5f, z, z + tread, static_cast<float>(k) * riser, static_cast<float>(k) * riser);
    }
}

void ramp(std::vector<Vec3>& out, float x0, float degrees)
{
    const float length = UPPER / std::tan(degrees * 3.14159265f / 180.0f);
    slab(out, x0, x0 + 2.5f, UPPER_FRONT - length, UPPER_FRONT, 0, UPPER);
}

// The thin wall along z = WALL_Z with its three openings, each given by its middle and width.
void wallWithOpenings(std::vector<Vec3>& out)
{
    const float half[] = {0.45f * 2.5f, 0.25f * 2.5f, 0.45f * 2.5f};
    const float middle[] = {DOOR_X, GAP_X, LOW_DOOR_X};
    const float lintel[] = {5.0f, 5.0f, 1.3f * 2.5f};
    float x = 20.0f;
    for (int i = 0; i < 3; ++i) {
        wall(out, x, WALL_Z, middle[i] - half[i], WALL_Z, 0, 6);
        wall(out, middle[i] - half[i], WALL_Z, middle[i] + half[i], WALL_Z, lintel[i], 6);
        x = middle[i] + half[i];
    }
    wall(out, x, WALL_Z, 36.0f, WALL_Z, 0, 6);
}

}  // namespace

std::vector<Vec3> corners()
{
    std::vector<Vec3> out;
    slab(out, -5, 40, -5, 30, 0, 0);
    // The upper storey: two slabs with a seam between, over one underside, the ground floor's ceiling.
    for (float x0 : {-2.0f, SEAM_X + 0.125f})
        slab(out, x0, x0 < SEAM_X ? SEAM_X : 12.0f, UPPER_FRONT, 25, UPPER, UPPER);
    slab(out, -2.0f, 12.0f, 25, UPPER_FRONT, UPPER - 0.5f, UPPER - 0.5f);
    stair(out);
    ramp(out, 4.0f, 30.0f);
    ramp(out, 8.0f, 50.0f);
    block(out, 12.0f, 14.5f, 3.0f, 8.0f, 0.45f * 2.5f);
    block(out, 16.0f, 18.5f, 3.0f, 8.0f, 0.35f * 2.5f);
    wallWithOpenings(out);
    wall(out, CORNER_X, CORNER_Z - 6, CORNER_X, CORNER_Z, 0, 6);
    wall(out, CORNER_X, CORNER_Z, CORNER_X + 4, CORNER_Z, 0, 6);
    slab(out, ATTIC_X - 2, ATTIC_X + 2, ATTIC_Z0, ATTIC_Z1, ATTIC_HIGH, ATTIC_LOW);
    slab(out, TABLE_X - 2, TABLE_X + 2, TABLE_Z - 2, TABLE_Z + 2, 1.3f * 2.5f, 1.3f * 2.5f);
    return out;
}

Building asBuilding()
{
    Building building;
    // Two materials, every other triangle each, so that a surface's end is met more than once.
    building.surfaces.resize(2);
    building.low = Vec3(1e9f, 1e9f, 1e9f);
    building.high = Vec3(-1e9f, -1e9f, -1e9f);
    const std::vector<Vec3> all = corners();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Vec3& c = all[i];
        std::vector<float>& positions = building.surfaces[i / 3 % 2].positions;
        positions.insert(positions.end(), {c.x, c.y, c.z});
        building.low = Vec3(std::fmin(building.low.x, c.x), std::fmin(building.low.y, c.y), std::fmin(building.low.z, c.z));
        building.high = Vec3(std::fmax(building.high.x, c.x), std::fmax(building.high.y, c.y), std::fmax(building.high.z, c.z));
    }
    building.start.eye = Vec3(-3.0f, 4.0f, -3.0f);
    building.start.lookAt = Vec3(-3.0f, 4.0f, 10.0f);
    indexFaces(building);
    return building;
}

}  // namespace walking_building
