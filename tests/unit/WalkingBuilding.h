// A small building of known sizes for the walking visitor, in our units (2.5 a metre): ground
// floor, an upper storey 2.8 m up reached by a stair of 0.175 m risers and by a 30 degree ramp,
// a 50 degree ramp, a 0.45 m ledge beside a 0.35 m step, and a thin wall with a 0.9 m doorway,
// a 0.5 m gap and a doorway only 1.7 m high. Each feature has its own lane along +z.
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
constexpr float LOW_DOOR_X = 31.0f;  // 0.9 m wide, 1.7 m high
constexpr float SOLID_X = 34.5f;    // no opening

// Three corners a triangle.
std::vector<Vec3> corners();
// The same as a user's building: one surface, its bounds, and a start on the ground floor.
Building asBuilding();

}  // namespace walking_building
