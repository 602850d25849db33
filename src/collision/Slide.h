// Walking with solid walls: the visitor is an upright cylinder of a given radius that slides
// along the walls of a WallSet and never passes through one, however long the step.
#pragma once

#include "collision/WallSet.h"

// How far the visitor reaches into the nearest wall (0 when it touches none).
float deepestReach(const WallSet& walls, float x, float z, float radius);

// Where a visitor standing at `from` ends when it means to go to `to` (only x and z count; y
// is kept). Long steps are taken in pieces of at most half the radius, so that a piece that
// reaches into a wall, however thin, still ends on its near side; each piece is pushed back out
// of the walls it reaches into, which keeps the part of the step along a wall (sliding). A piece
// that cannot be freed, that would end on the far side of a wall, or whose way leads between a
// wall's end and another wall closer together than the body is wide (a slit), is not taken.
Vec3 slideVisitor(const WallSet& walls, Vec3 from, Vec3 to, float radius);

// The visitor's size. Our doorways (between the hall and the first chamber and between the
// chambers) are 2.83 units wide: their jambs stand 4 units apart along the diagonal partitions.
// A radius of a quarter of that leaves a person room to pass without aiming, and keeps the eye
// 0.7 from any wall, where a near plane of 0.35 cannot reach behind it.
constexpr float VISITOR_RADIUS = 0.7f;
// The band of the body that walls stop, from the eye (4 units above the floor): knee at 1,
// head at 4.5. Lower faces (a kerb) and higher ones (a lintel at 6 or 8) let it pass.
constexpr float KNEE_BELOW_EYE = 3.0f;
constexpr float HEAD_ABOVE_EYE = 0.5f;
