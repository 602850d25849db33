#include "building/BuildingStart.h"

#include "data/FileSearch.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

struct Corners {
    Vec3 p[3];
};

template <typename Visit>
void forEachTriangle(const Building& building, Visit visit)
{
    for (const BuildingSurface& surface : building.surfaces)
        for (std::size_t i = 0; i + 8 < surface.positions.size(); i += 9) {
            const float* f = surface.positions.data() + i;
            visit(Corners{{Vec3(f[0], f[1], f[2]), Vec3(f[3], f[4], f[5]), Vec3(f[6], f[7], f[8])}});
        }
}

// The height where a vertical line through (x, z) meets the triangle, or NaN when it misses.
float heightAt(const Corners& t, float x, float z)
{
    const Vec3 &a = t.p[0], &b = t.p[1], &c = t.p[2];
    const float d = (b.z - c.z) * (a.x - c.x) + (c.x - b.x) * (a.z - c.z);
    if (std::fabs(d) < 1e-12f)
        return NAN;
    const float u = ((b.z - c.z) * (x - c.x) + (c.x - b.x) * (z - c.z)) / d;
    const float v = ((c.z - a.z) * (x - c.x) + (a.x - c.x) * (z - c.z)) / d;
    if (u < 0.0f || v < 0.0f || u + v > 1.0f)
        return NAN;
    return u * a.y + v * b.y + (1.0f - u - v) * c.y;
}

// The highest surface at or below `from`; NaN when there is none.
float floorUnder(const Building& building, Vec3 from)
{
    float best = NAN;
    forEachTriangle(building, [&](const Corners& t) {
        const float y = heightAt(t, from.x, from.z);
        if (y <= from.y && !(y <= best))
            best = y;
    });
    return best;
}

// The triangle cut to the slab low <= y <= high, as a polygon.
std::vector<Vec3> clipToSlab(const Corners& t, float low, float high)
{
    std::vector<Vec3> polygon(t.p, t.p + 3);
    for (int side = 0; side < 2; ++side) {
        std::vector<Vec3> kept;
        const auto inside = [&](Vec3 p) { return side == 0 ? p.y >= low : p.y <= high; };
        const float plane = side == 0 ? low : high;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Vec3 a = polygon[i], b = polygon[(i + 1) % polygon.size()];
            if (inside(a))
                kept.push_back(a);
            if (inside(a) != inside(b))
                kept.push_back(a + (b - a) * ((plane - a.y) / (b.y - a.y)));
        }
        polygon.swap(kept);
    }
    return polygon;
}

float distanceToSegment(float px, float pz, Vec3 a, Vec3 b)
{
    const float dx = b.x - a.x, dz = b.z - a.z;
    const float length = dx * dx + dz * dz;
    const float t = length > 0.0f ? std::clamp(((px - a.x) * dx + (pz - a.z) * dz) / length, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - (a.x + t * dx), pz - (a.z + t * dz));
}

// Whether the vertical cylinder crosses the triangle: the part of the triangle inside the
// cylinder's height, seen from above, comes nearer its axis than its radius.
bool cylinderCrosses(const Corners& t, Vec3 axis, float low, float high, float radius)
{
    const float minY = std::min({t.p[0].y, t.p[1].y, t.p[2].y}), maxY = std::max({t.p[0].y, t.p[1].y, t.p[2].y});
    if (maxY < low || minY > high)
        return false;
    for (int k : {0, 2}) {
        const float lo = std::min({(&t.p[0].x)[k], (&t.p[1].x)[k], (&t.p[2].x)[k]});
        const float hi = std::max({(&t.p[0].x)[k], (&t.p[1].x)[k], (&t.p[2].x)[k]});
        const float centre = (&axis.x)[k];
        if (hi < centre - radius || lo > centre + radius)
            return false;
    }
    const std::vector<Vec3> polygon = clipToSlab(t, low, high);
    if (polygon.empty())
        return false;
    bool inside = polygon.size() >= 3;
    float sign = 0.0f;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Vec3 a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        if (distanceToSegment(axis.x, axis.z, a, b) < radius)
            return true;
        const float side = (b.x - a.x) * (axis.z - a.z) - (b.z - a.z) * (axis.x - a.x);
        if (side != 0.0f && sign != 0.0f && (side > 0.0f) != (sign > 0.0f))
            inside = false;
        if (side != 0.0f)
            sign = side;
    }
    return inside && sign != 0.0f;
}

Vec3 horizontal(Vec3 v)
{
    const Vec3 flat(v.x, 0.0f, v.z);
    return flat.length() > 1e-6f ? flat.normalized() : Vec3(0.0f, 0.0f, -1.0f);
}

Vec3 middleOf(const Building& building)
{
    return (building.low + building.high) * 0.5f;
}

// The height of the lowest floor that holds at least a quarter of the area of the largest
// floor, floors being surfaces facing up enough to stand on, grouped by half units of height.
float lowestLargeFloor(const Building& building)
{
    std::map<long, float> area;
    forEachTriangle(building, [&](const Corners& t) {
        const Vec3 n = (t.p[1] - t.p[0]).cross(t.p[2] - t.p[0]);
        const float length = n.length();
        if (length > 0.0f && n.y > 0.7f * length)
            area[std::lround((t.p[0].y + t.p[1].y + t.p[2].y) / 3.0f * 2.0f)] += length * 0.5f;
    });
    float largest = 0.0f;
    for (const auto& level : area)
        largest = std::max(largest, level.second);
    for (const auto& level : area)
        if (level.second >= largest * 0.25f)
            return float(level.first) * 0.5f;
    return NAN;
}

// Places on rings around the middle, nearest first, until one where the floor is at the level
// and the body fits.
bool findClearPlace(const Building& building, float level, Vec3& eye)
{
    const Vec3 middle = middleOf(building);
    const float reach = std::max(building.high.x - building.low.x, building.high.z - building.low.z) * 0.5f;
    const int rings = 8;
    for (int ring = 0; ring <= rings; ++ring) {
        const float radius = reach * float(ring) / float(rings);
        const int points = ring == 0 ? 1 : 8 * ring;
        for (int i = 0; i < points; ++i) {
            const float angle = 6.2831853f * float(i) / float(points);
            const Vec3 at(middle.x + radius * std::cos(angle), level + START_EYE_HEIGHT, middle.z + radius * std::sin(angle));
            const float floor = floorUnder(building, at);
            if (!(std::fabs(floor - level) <= 0.5f))
                continue;
            const Vec3 candidate(at.x, floor + START_EYE_HEIGHT, at.z);
            if (!bodyBlocked(building, candidate)) {
                eye = candidate;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool bodyBlocked(const Building& building, Vec3 eye)
{
    const float floor = eye.y - START_EYE_HEIGHT;
    bool blocked = false;
    forEachTriangle(building, [&](const Corners& t) {
        blocked = blocked || cylinderCrosses(t, eye, floor + BODY_BOTTOM, floor + BODY_TOP, BODY_RADIUS);
    });
    return blocked;
}

void chooseStart(Building& building, const StartMark& mark)
{
    BuildingStart& start = building.start;
    const Vec3 middle = middleOf(building);
    if (mark.kind == StartMark::Camera) {
        start.eye = mark.position;
        start.lookAt = mark.position + (mark.forward.length() > 0.0f ? mark.forward.normalized() : Vec3(0, 0, -1));
        start.reason = "the first camera of the scene, '" + mark.name + "'";
        return;
    }
    if (mark.kind == StartMark::Object) {
        const float floor = floorUnder(building, mark.position + Vec3(0.0f, 1.0f, 0.0f));
        start.eye = Vec3(mark.position.x, (std::isnan(floor) ? mark.position.y : floor) + START_EYE_HEIGHT, mark.position.z);
        const Vec3 look = mark.forward.length() > 0.0f ? horizontal(mark.forward) : horizontal(middle - start.eye);
        start.lookAt = start.eye + look;
        start.reason = "the object named '" + mark.name + "', standing on the floor under it" +
                       (std::isnan(floor) ? " (none found: at its own height)" : "");
        return;
    }
    const float level = lowestLargeFloor(building);
    Vec3 eye(middle.x, (std::isnan(level) ? building.low.y : level) + START_EYE_HEIGHT, middle.z);
    if (!std::isnan(level) && findClearPlace(building, level, eye))
        start.reason = "a clear place on the lowest large floor, near the building's middle";
    else
        start.reason = std::isnan(level) ? "the building's middle (it has no floor to stand on)"
                                         : "the middle of the lowest large floor (no clear place found near it)";
    start.eye = eye;
    start.lookAt = eye + horizontal(middle - eye);
}

bool isStartName(const std::string& name)
{
    return lowerCase(name) == "start";
}
