#include "collision/RayCast.h"

#include <algorithm>
#include <cmath>

namespace {

float dot(Vec3 u, Vec3 v)
{
    return u.x * v.x + u.y * v.y + u.z * v.z;
}

// How far along `along` from `from` (0 to 1) the segment meets the triangle; -1 when it misses.
float crossing(const Vec3* c, Vec3 from, Vec3 along)
{
    const Vec3 e1 = c[1] - c[0];
    const Vec3 e2 = c[2] - c[0];
    const Vec3 p = along.cross(e2);
    const float det = dot(e1, p);
    if (std::fabs(det) < 1e-12f)
        return -1.0f;
    const Vec3 s = from - c[0];
    const float u = dot(s, p) / det;
    const Vec3 q = s.cross(e1);
    const float v = dot(along, q) / det;
    const float w = dot(e2, q) / det;
    if (u < 0.0f || v < 0.0f || u + v > 1.0f || w < 0.0f || w > 1.0f)
        return -1.0f;
    return w;
}

}  // namespace

// The segment is taken in pieces no longer than a cell, nearest first: every crossing lies in
// the box of the piece it is in, so once a crossing is nearer than the next piece, it is the first.
float firstHit(const TriangleGrid& grid, Vec3 from, Vec3 to)
{
    const Vec3 along = to - from;
    const float length = along.length();
    if (!std::isfinite(length))
        return 2.0f;
    const int pieces = std::max(1, static_cast<int>(std::ceil(length / grid.cellSize)));
    float nearest = 2.0f;
    for (int i = 0; i < pieces; ++i) {
        const float t0 = static_cast<float>(i) / static_cast<float>(pieces);
        if (nearest <= t0)
            break;
        const Vec3 a = from + along * t0, b = from + along * (static_cast<float>(i + 1) / static_cast<float>(pieces));
        const Vec3 low(std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z));
        const Vec3 high(std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z));
        grid.forEachNear(low, high, [&](std::uint32_t t) {
            const float w = crossing(&grid.corners[static_cast<std::size_t>(t) * 3], from, along);
            if (w >= 0.0f && w < nearest)
                nearest = w;
        });
    }
    return nearest;
}
