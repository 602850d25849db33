// A strictly convex outline becomes a fan of quads. An outline with corners on
// straight edges gets a ring of quads along its border round a core: the core
// is the outline shrunk to half towards its centre, with the points of each
// straight edge bowed slightly outwards so that the core is strictly convex.
#include "outline_split.h"

#include <cmath>

namespace {

constexpr double kBow = 0.2;  // outward bow of a core edge, relative to its length

bool straightAt(const std::vector<Point>& c, std::size_t i)
{
    std::size_t n = c.size();
    Point a = c[(i + n - 1) % n], b = c[i], d = c[(i + 1) % n];
    return std::fabs((b.x - a.x) * (d.z - b.z) - (b.z - a.z) * (d.x - b.x)) < 1e-9;
}

std::vector<QuadOutline> fan(const std::vector<Point>& c)
{
    std::vector<QuadOutline> quads;
    for (std::size_t i = 1; i + 2 < c.size(); i += 2)
        quads.push_back({c[0], c[i], c[i + 1], c[i + 2]});
    return quads;
}

// The core point of corner i: halfway to the centre, then bowed outwards by
// a parabola over the straight edge that the corner lies on.
Point corePoint(const std::vector<Point>& c, std::size_t i, Point centre)
{
    std::size_t n = c.size();
    std::size_t a = i, b = (i + 1) % n;
    while (straightAt(c, a))
        a = (a + n - 1) % n;
    while (straightAt(c, b))
        b = (b + 1) % n;
    double len = std::hypot(c[b].x - c[a].x, c[b].z - c[a].z);
    double t = std::hypot(c[i].x - c[a].x, c[i].z - c[a].z) / len;
    double bow = a == i ? 0.0 : kBow * t * (1.0 - t) * 0.5 * len;
    double nx = (c[b].z - c[a].z) / len, nz = -(c[b].x - c[a].x) / len;
    return {centre.x + (c[i].x - centre.x) * 0.5 + nx * bow,
            centre.z + (c[i].z - centre.z) * 0.5 + nz * bow};
}

}  // namespace

std::vector<QuadOutline> splitConvexOutline(const std::vector<Point>& corners)
{
    std::size_t n = corners.size();
    bool straight = false;
    for (std::size_t i = 0; i < n; ++i)
        straight = straight || straightAt(corners, i);
    if (!straight)
        return fan(corners);

    Point centre{0.0, 0.0};
    for (Point p : corners) {
        centre.x += p.x / double(n);
        centre.z += p.z / double(n);
    }
    std::vector<Point> core;
    for (std::size_t i = 0; i < n; ++i)
        core.push_back(corePoint(corners, i, centre));
    std::vector<QuadOutline> quads = fan(core);
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t j = (i + 1) % n;
        quads.push_back({corners[i], corners[j], core[j], core[i]});
    }
    return quads;
}
