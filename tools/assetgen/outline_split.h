// Splits a convex floor outline into convex quads without dropping any of its
// corners, so that floor, ceiling and walls share every vertex where they meet
// and no pixel gaps open along the seams.
#pragma once

#include "level_mesh.h"

#include <array>
#include <vector>

using QuadOutline = std::array<Point, 4>;

// `corners` run counterclockwise seen from above and their count is even;
// corners on straight edges are allowed. The quads run counterclockwise too.
std::vector<QuadOutline> splitConvexOutline(const std::vector<Point>& corners);
