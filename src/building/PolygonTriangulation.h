// A face of any number of corners cut into triangles by ear clipping on the plane it lies
// closest to, so that a concave face (an L-shaped floor) gives exactly its own area.
#pragma once

#include "math/Vec3.h"

#include <array>
#include <cstddef>
#include <vector>

// Faces with more corners are cut as a fan: ear clipping takes time growing with the cube of
// the corners, and no modeller exports such faces on purpose.
constexpr std::size_t MAX_CLIPPED_CORNERS = 256;

// Triangles as indices into `corners`, each in the face's own winding; n - 2 of them for a
// face of n >= 3 corners.
std::vector<std::array<std::size_t, 3>> triangulatePolygon(const std::vector<Vec3>& corners);
