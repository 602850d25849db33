// The character's spot: a handful of tries, each tested with short segments against the few
// triangles near the start (copied once, so that a large building is walked through once).
#include "building/BuildingSpot.h"

#include <algorithm>
#include <vector>

namespace {

constexpr float EYE_ABOVE_FLOOR = 4.0f;   // the visitor's eye, 1.6 m
constexpr float LOWEST_BELOW_START = 2.5f;  // a floor up to 1 m below the start's still counts
constexpr float STEP = 0.9f;              // the lowest part of the body a step (0.35 m) may touch
constexpr float CHEST = 2.5f;
constexpr float STANDING = 0.7071f;       // the least upward part of a floor's unit normal (45 degrees)
const float DISTANCES[] = {5.0f, 4.0f, 3.0f, 2.0f};
const float ANGLES[] = {0.0f, 25.0f, -25.0f, 50.0f, -50.0f};

struct Corners {
    Vec3 a, b, c;
};

float dot(Vec3 u, Vec3 v)
{
    return u.x * v.x + u.y * v.y + u.z * v.z;
}

// Every triangle with a corner range that reaches into the box from low to high.
std::vector<Corners> trianglesIn(const Building& building, Vec3 low, Vec3 high)
{
    std::vector<Corners> found;
    for (const BuildingSurface& surface : building.surfaces) {
        const std::vector<float>& p = surface.positions;
        for (std::size_t i = 0; i + 8 < p.size(); i += 9) {
            const float* f = &p[i];
            if (std::max({f[0], f[3], f[6]}) < low.x || std::min({f[0], f[3], f[6]}) > high.x ||
                std::max({f[1], f[4], f[7]}) < low.y || std::min({f[1], f[4], f[7]}) > high.y ||
                std::max({f[2], f[5], f[8]}) < low.z || std::min({f[2], f[5], f[8]}) > high.z)
                continue;
            found.push_back({Vec3(f[0], f[1], f[2]), Vec3(f[3], f[4], f[5]), Vec3(f[6], f[7], f[8])});
        }
    }
    return found;
}

// How far along the segment (0 to 1) it meets the triangle, from either side; -1 when it misses.
float crossing(const Corners& t, Vec3 from, Vec3 to)
{
    const Vec3 along = to - from;
    const Vec3 e1 = t.b - t.a;
    const Vec3 e2 = t.c - t.a;
    const Vec3 p = along.cross(e2);
    const float det = dot(e1, p);
    if (std::fabs(det) < 1e-12f)
        return -1.0f;
    const Vec3 s = from - t.a;
    const float u = dot(s, p) / det;
    const Vec3 q = s.cross(e1);
    const float v = dot(along, q) / det;
    const float w = dot(e2, q) / det;
    if (u < 0.0f || v < 0.0f || u + v > 1.0f || w < 0.0f || w > 1.0f)
        return -1.0f;
    return w;
}

bool blocked(const std::vector<Corners>& near, Vec3 from, Vec3 to)
{
    for (const Corners& t : near)
        if (crossing(t, from, to) >= 0.0f)
            return true;
    return false;
}

bool floorIn(const std::vector<Corners>& near, Vec3 from, float depth, float& floorY)
{
    const Vec3 to = from - Vec3(0.0f, depth, 0.0f);
    float nearest = 2.0f;
    const Corners* hit = nullptr;
    for (const Corners& t : near) {
        const float w = crossing(t, from, to);
        if (w >= 0.0f && w < nearest) {
            nearest = w;
            hit = &t;
        }
    }
    if (!hit)
        return false;
    const Vec3 normal = (hit->b - hit->a).cross(hit->c - hit->a);
    const float length = normal.length();
    if (!(length > 0.0f) || std::fabs(normal.y) < STANDING * length)
        return false;
    floorY = from.y - nearest * depth;
    return true;
}

// The body a radius round, from just above a step to the head, and the visitor's view of its chest.
bool clearAt(const std::vector<Corners>& near, Vec3 feet, Vec3 eye, float radius, float height)
{
    const Vec3 centre(feet.x, 0.0f, feet.z);
    if (blocked(near, eye, Vec3(feet.x, feet.y + CHEST, feet.z)) ||
        blocked(near, Vec3(feet.x, feet.y + STEP, feet.z), Vec3(feet.x, feet.y + height, feet.z)))
        return false;
    for (float y : {feet.y + STEP, feet.y + CHEST, feet.y + height})
        for (int k = 0; k < 8; ++k) {
            const float a = 0.7853982f * float(k);
            const Vec3 middle(feet.x, y, feet.z);
            if (blocked(near, middle, middle + Vec3(radius * std::cos(a), 0.0f, radius * std::sin(a))))
                return false;
        }
    return true;
}

Vec3 aheadOf(const BuildingStart& start)
{
    Vec3 ahead(start.lookAt.x - start.eye.x, 0.0f, start.lookAt.z - start.eye.z);
    const float length = ahead.length();
    return length > 1e-6f && std::isfinite(length) ? ahead / length : Vec3(0.0f, 0.0f, -1.0f);
}

}  // namespace

CharacterSpot characterSpot(const Building& building, float radius, float height)
{
    const Vec3 eye = building.start.eye;
    const Vec3 ahead = aheadOf(building.start);
    const float reach = DISTANCES[0] + radius + 0.1f;
    const float depth = EYE_ABOVE_FLOOR + LOWEST_BELOW_START;
    const std::vector<Corners> near = trianglesIn(building, eye - Vec3(reach, depth + 0.1f, reach),
                                                  eye + Vec3(reach, height + 0.1f, reach));
    CharacterSpot spot;
    spot.feet = eye + ahead * DISTANCES[0] - Vec3(0.0f, EYE_ABOVE_FLOOR, 0.0f);
    bool floorSeen = false;
    for (float distance : DISTANCES)
        for (float degrees : ANGLES) {
            const float a = degrees * 0.01745329f;
            const Vec3 way(ahead.x * std::cos(a) - ahead.z * std::sin(a), 0.0f, ahead.x * std::sin(a) + ahead.z * std::cos(a));
            Vec3 feet = eye + way * distance;
            if (!floorIn(near, feet, depth, feet.y))
                continue;
            if (clearAt(near, feet, eye, radius, height)) {
                spot.feet = feet;
                spot.clear = true;
                return spot;
            }
            if (!floorSeen)
                spot.feet = feet;
            floorSeen = true;
        }
    return spot;
}
