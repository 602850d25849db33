// Lines of sight through a user's building: where a straight line from one point to another
// first meets a face, found through the grid of its faces.
#pragma once

#include "collision/TriangleGrid.h"

// How far along the segment from `from` to `to` (0 to 1) it first meets a face, from either
// side; a value above 1 when it meets none.
float firstHit(const TriangleGrid& grid, Vec3 from, Vec3 to);
