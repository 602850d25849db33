// A small building of known sizes for the walking visitor, in our units (2.5 a metre): ground
// floor, an upper storey 2.8 m up reached by a stair of 0.175 m risers and by a 30 degree ramp,
// a 50 degree ramp, a 0.45 m ledge beside a 0.35 m step, and a thin wall with a 0.9 m doorway,
// a 0.5 m gap and an opening only 1.3 m high. Each feature has its own lane along +z. Behind
// them: a corner of two walls, an attic ceiling sloping down to 0.8 m and a table top at chest
// height.
#pragma once

#include "building/Building.h"

#include <vector>

namespace walking_building {

constexpr float UPPER = 7.0f;       // the upper storey's floor
constexpr float UPPER_FRONT = 12.5f;  // where it begins along z
constexpr float STAIR_X = 1.25f;    // the middle of each lane
constexpr float RAMP30_X = 5.25f;
constexpr float RAMP50_X = 9.25f;
constexpr float LEDGE_X = 13.25f;   // 0.45 m high from z = 3 to 8
constexpr float STEP_X = 17.25f;    // 0.35 m high from z = 3 to 8
constexpr float WALL_Z = 5.0f;      // the thin wall, from x = 20 to 36
constexpr float DOOR_X = 23.0f;     // 0.9 m wide
constexpr float GAP_X = 27.0f;      // 0.5 m wide
constexpr float LOW_DOOR_X = 31.0f;  // 0.9 m wide, 1.3 m high
constexpr float SOLID_X = 34.5f;    // no opening
constexpr float SEAM_X = 7.0f;      // the upper storey is two slabs 5 cm apart from here, over one underside
constexpr float CORNER_X = 22.0f, CORNER_Z = 20.0f;  // walls along z and along x meet here, open to +x, -z
constexpr float ATTIC_X = 28.0f;    // the middle of the attic, x 26..30: its ceiling
constexpr float ATTIC_Z0 = 14.0f, ATTIC_Z1 = 24.0f;  // falls from 2.4 m at z0 to 0.8 m at z1
constexpr float ATTIC_HIGH = 6.0f, ATTIC_LOW = 2.0f;
constexpr float TABLE_X = 33.0f, TABLE_Z = 16.0f;    // the middle of a table top 1.6 x 1.6 m, 1.3 m high

// Three corners a triangle.
std::vector<Vec3> corners();
// The same as a user's building: one surface, its bounds, its faces indexed, and a start on the
// ground floor.
Building asBuilding();

}  // namespace walking_building
