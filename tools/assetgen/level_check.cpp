// Geometry checks: convex cells, flat convex quads facing the right way, open
// floor round every room box, and the start and character on the floor.
#include "level_check.h"

#include "level_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct V3 {
    double x, y, z;
};

V3 sub(const Vertex& a, const Vertex& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

bool fail(const std::string& what)
{
    std::fprintf(stderr, "assetgen: level check failed: %s\n", what.c_str());
    return false;
}

double turn(Point a, Point b, Point c) { return (b.x - a.x) * (c.z - b.z) - (b.z - a.z) * (c.x - b.x); }

bool cellIsConvex(const Cell& c)
{
    std::size_t n = c.corners.size();
    if (n < 3 || c.edges.size() != n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        Point a = c.corners[i], b = c.corners[(i + 1) % n], d = c.corners[(i + 2) % n];
        if (std::hypot(b.x - a.x, b.z - a.z) < 1e-6 || turn(a, b, d) < -1e-9)
            return false;
    }
    return true;
}

// Flat, strictly convex, and wound so that its normal is returned.
bool quadNormal(const Quad& q, V3& normal)
{
    normal = cross(sub(q.p[1], q.p[0]), sub(q.p[2], q.p[0]));
    double len = std::sqrt(dot(normal, normal));
    if (len < 1e-9)
        return false;
    normal = {normal.x / len, normal.y / len, normal.z / len};
    if (std::fabs(dot(normal, sub(q.p[3], q.p[0]))) > 1e-3)
        return false;
    for (int i = 0; i < 4; ++i) {
        V3 c = cross(sub(q.p[(i + 1) % 4], q.p[i]), sub(q.p[(i + 2) % 4], q.p[(i + 1) % 4]));
        if (dot(c, normal) < 1e-9)
            return false;
    }
    return true;
}

// Does the segment a-b meet the rectangle [x0, x1] x [z0, z1]? (Liang-Barsky)
bool segmentHitsRect(Point a, Point b, double x0, double x1, double z0, double z1)
{
    double t0 = 0.0, t1 = 1.0;
    double d[2] = {b.x - a.x, b.z - a.z};
    double lo[2] = {x0 - a.x, z0 - a.z};
    double hi[2] = {x1 - a.x, z1 - a.z};
    for (int i = 0; i < 2; ++i) {
        if (std::fabs(d[i]) < 1e-12) {
            if (lo[i] > 0.0 || hi[i] < 0.0)
                return false;
            continue;
        }
        double ta = lo[i] / d[i], tb = hi[i] / d[i];
        t0 = std::max(t0, std::min(ta, tb));
        t1 = std::min(t1, std::max(ta, tb));
    }
    return t0 <= t1;
}

bool nearRoom(const Quad& q)
{
    for (int k = 1; k <= kRoomCount; ++k) {
        double lo = -kRoomStep * k - kRoomClearance;
        double hi = -kRoomStep * k + kRoomSize + kRoomClearance;
        for (int i = 0; i < 4; ++i) {
            Point a{q.p[i].x, q.p[i].z}, b{q.p[(i + 1) % 4].x, q.p[(i + 1) % 4].z};
            if (segmentHitsRect(a, b, lo, hi, lo, hi))
                return true;
        }
    }
    return false;
}

bool onFloor(const std::vector<Quad>& walls, Point p)
{
    for (const Quad& q : walls) {
        if (q.p[0].y != 0.0 || q.p[1].y != 0.0 || q.p[2].y != 0.0 || q.p[3].y != 0.0)
            continue;
        bool inside = true;
        for (int i = 0; i < 4 && inside; ++i) {
            const Vertex& a = q.p[i];
            const Vertex& b = q.p[(i + 1) % 4];
            // Floor quads run clockwise seen from above: inside is on the right.
            inside = (b.x - a.x) * (p.z - a.z) - (b.z - a.z) * (p.x - a.x) <= 1e-9;
        }
        if (inside)
            return true;
    }
    return false;
}

bool standable(const Layout& layout, const LevelMesh& mesh, Point p)
{
    for (const Pillar& pl : layout.pillars)
        if (std::fabs(p.x - pl.centre.x) <= pl.half && std::fabs(p.z - pl.centre.z) <= pl.half)
            return false;
    return onFloor(mesh.walls, p);
}

bool checkWallQuad(const Quad& q, std::size_t i)
{
    V3 n;
    std::string id = "walls.txt quad " + std::to_string(i);
    if (!quadNormal(q, n))
        return fail(id + " is not flat and convex");
    bool level = std::fabs(n.y) > 0.999;
    if (!level && std::fabs(n.y) > 1e-6)
        return fail(id + " is neither level nor upright");
    if (level && (n.y > 0.0) != (q.p[0].y == 0.0))
        return fail(id + ": only the floor may face up");
    if (q.p[0].y != 0.0 || !level)
        if (nearRoom(q))
            return fail(id + " stands within the clearance of a room");
    return true;
}

bool checkRoomsOpen(const Layout& layout, const LevelMesh& mesh)
{
    for (int k = 1; k <= kRoomCount; ++k)
        for (double dx = -kRoomClearance; dx <= kRoomSize + kRoomClearance; dx += 0.5)
            for (double dz = -kRoomClearance; dz <= kRoomSize + kRoomClearance; dz += 0.5)
                if (!standable(layout, mesh, {-kRoomStep * k + dx, -kRoomStep * k + dz}))
                    return fail("no open floor round room " + std::to_string(k));
    return true;
}

}  // namespace

bool checkLevel(const Layout& layout, const LevelMesh& mesh)
{
    for (std::size_t i = 0; i < layout.cells.size(); ++i)
        if (!cellIsConvex(layout.cells[i]))
            return fail("cell " + std::to_string(i) + " is not convex and counterclockwise");
    for (std::size_t i = 0; i < mesh.walls.size(); ++i)
        if (!checkWallQuad(mesh.walls[i], i))
            return false;
    for (const Quad& q : mesh.ceiling) {
        V3 n;
        if (!quadNormal(q, n) || n.y > -0.999 || q.p[0].y != kCeilingHeight)
            return fail("a ceiling quad is not flat, convex and facing down at the ceiling height");
    }
    if (!standable(layout, mesh, kStart) || !standable(layout, mesh, kCharacter))
        return fail("the start or the character is not on open floor");
    return checkRoomsOpen(layout, mesh);
}
