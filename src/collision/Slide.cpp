#include "collision/Slide.h"

#include <algorithm>
#include <cmath>

namespace {

// Pushing out again and again settles a visitor in a corner of two or three walls.
constexpr int PUSH_ROUNDS = 4;
// Reaches smaller than this are rounding, not contact.
constexpr float TOUCH = 1e-4f;

struct Closest {
    float dx, dz;  // from the nearest point of the segment to the visitor
    float distanceSquared;
};

Closest closestTo(const WallSegment& s, float x, float z)
{
    const float ex = s.bx - s.ax, ez = s.bz - s.az;
    const float lengthSquared = ex * ex + ez * ez;
    float t = lengthSquared > 0.0f ? ((x - s.ax) * ex + (z - s.az) * ez) / lengthSquared : 0.0f;
    t = std::min(1.0f, std::max(0.0f, t));
    const float dx = x - (s.ax + ex * t), dz = z - (s.az + ez * t);
    return {dx, dz, dx * dx + dz * dz};
}

// One round of pushing the visitor straight away from every wall it reaches into; false when
// it touched none.
bool pushOut(const WallSet& walls, float& x, float& z, float radius)
{
    bool pushed = false;
    for (const WallSegment& s : walls.segments) {
        const Closest c = closestTo(s, x, z);
        if (c.distanceSquared >= (radius - TOUCH) * (radius - TOUCH))
            continue;
        const float distance = std::sqrt(c.distanceSquared);
        // Standing on the wall's very line leaves no side to push to; the crossing test decides.
        if (distance <= 0.0f)
            continue;
        const float push = (radius - distance) / distance;
        x += c.dx * push;
        z += c.dz * push;
        pushed = true;
    }
    return pushed;
}

float side(float ax, float az, float bx, float bz, float px, float pz)
{
    return (bx - ax) * (pz - az) - (bz - az) * (px - ax);
}

// Whether the way from (x0, z0) to (x1, z1) passes through the segment.
bool crosses(const WallSegment& s, float x0, float z0, float x1, float z1)
{
    const float d0 = side(s.ax, s.az, s.bx, s.bz, x0, z0);
    const float d1 = side(s.ax, s.az, s.bx, s.bz, x1, z1);
    const float e0 = side(x0, z0, x1, z1, s.ax, s.az);
    const float e1 = side(x0, z0, x1, z1, s.bx, s.bz);
    return ((d0 < 0.0f && d1 >= 0.0f) || (d0 > 0.0f && d1 <= 0.0f)) && ((e0 < 0.0f) != (e1 < 0.0f));
}

bool crossesAny(const WallSet& walls, float x0, float z0, float x1, float z1)
{
    for (const WallSegment& s : walls.segments)
        if (crosses(s, x0, z0, x1, z1))
            return true;
    return false;
}

// Whether the way from (x0, z0) to (x1, z1) passes between the end of a wall and another wall
// that stand closer together than the body is wide. Both ends of a piece may be clear of the
// walls and the way between them still lead through such a slit, when a piece reaches past it.
bool squeezesThrough(const WallSet& walls, float x0, float z0, float x1, float z1, float radius)
{
    const float narrow = 2.0f * (radius - TOUCH);
    for (const WallSegment& s : walls.segments)
        for (const bool first : {true, false}) {
            const float px = first ? s.ax : s.bx, pz = first ? s.az : s.bz;
            // A way through a slit passes one of its sides within the radius.
            if (closestTo({x0, z0, x1, z1}, px, pz).distanceSquared >= radius * radius)
                continue;
            for (const WallSegment& other : walls.segments) {
                const Closest c = closestTo(other, px, pz);
                if (c.distanceSquared > 0.0f && c.distanceSquared < narrow * narrow &&
                    crosses({px, pz, px - c.dx, pz - c.dz}, x0, z0, x1, z1))
                    return true;
            }
        }
    return false;
}

}  // namespace

float deepestReach(const WallSet& walls, float x, float z, float radius)
{
    float deepest = 0.0f;
    for (const WallSegment& s : walls.segments) {
        const Closest c = closestTo(s, x, z);
        if (c.distanceSquared < radius * radius)
            deepest = std::max(deepest, radius - std::sqrt(c.distanceSquared));
    }
    return deepest;
}

Vec3 slideVisitor(const WallSet& walls, Vec3 from, Vec3 to, float radius)
{
    const float dx = to.x - from.x, dz = to.z - from.z;
    const float length = std::sqrt(dx * dx + dz * dz);
    if (!(length > 0.0f) || !(radius > 0.0f))
        return from;
    const int pieces = static_cast<int>(std::ceil(length / (0.5f * radius)));
    float x = from.x, z = from.z;
    // A visitor already reaching into a wall (solid walls switched on beside one) may leave it,
    // but never go deeper.
    float allowed = std::max(TOUCH, deepestReach(walls, x, z, radius));
    for (int i = 0; i < pieces; ++i) {
        float nx = x + dx / static_cast<float>(pieces), nz = z + dz / static_cast<float>(pieces);
        for (int round = 0; round < PUSH_ROUNDS && pushOut(walls, nx, nz, radius); ++round) {
        }
        const float reach = deepestReach(walls, nx, nz, radius);
        // A visitor already reaching into a wall (switched on inside a slit, say) may leave by
        // either side; slits hold for a visitor clear of the walls.
        if (reach > allowed || crossesAny(walls, x, z, nx, nz) ||
            (allowed <= TOUCH && squeezesThrough(walls, x, z, nx, nz, radius)))
            break;
        allowed = std::max(TOUCH, reach);
        x = nx;
        z = nz;
    }
    return Vec3(x, from.y, z);
}
