#include "collision/Walker.h"

#include "collision/ClipPolygon.h"

#include <algorithm>
#include <cmath>

namespace {

// Reaches smaller than this are rounding, not contact.
constexpr float TOUCH = 1e-4f;
// Pushing out again and again settles the body in a corner of two or three walls.
constexpr int PUSH_ROUNDS = 8;
// What walls stop is the body above its step height: a tread exactly a step up is no wall.
constexpr float BAND_GAP = 0.01f;
// A floor is looked for this far (5 cm) around the feet when there is none right under them,
// so that the seam between two floor pieces a modeller left apart is no hole to fall into.
constexpr float CRACK = 0.125f;
// A frame is taken in at most this many pieces; a longer walk in one frame is cut short.
constexpr int MOST_PIECES = 512;
// The reach of a body whose middle stands in a wall: no push can free it.
constexpr float NO_ROOM = 1e30f;
constexpr int MOST_PLAN_CORNERS = 6;  // a triangle clipped by two planes keeps at most five

struct Band {
    float low, high;
};

// The heights walls stop for a body standing at `feet`: from above the step height to the head.
Band bandAt(float feet)
{
    return {feet + STEP_HEIGHT + BAND_GAP, feet + HEAD_HEIGHT};
}

struct Contact {
    float distance;  // from the body's middle line to the nearest point of the face's plan
    float dx, dz;    // from that point to the middle line
};

// The nearest point of a convex polygon's plan (x and z) to the point (x, z); distance 0 when
// the point lies within it.
Contact nearestInPlan(const Vec3* plan, int count, float x, float z)
{
    Contact best = {NO_ROOM, 0.0f, 0.0f};
    bool left = false, right = false;
    for (int i = 0; i < count; ++i) {
        const Vec3& a = plan[i];
        const Vec3& b = plan[(i + 1) % count];
        const float ex = b.x - a.x, ez = b.z - a.z;
        const float side = ex * (z - a.z) - ez * (x - a.x);
        left = left || side > 0.0f;
        right = right || side < 0.0f;
        const float lengthSquared = ex * ex + ez * ez;
        float t = lengthSquared > 0.0f ? ((x - a.x) * ex + (z - a.z) * ez) / lengthSquared : 0.0f;
        t = std::min(1.0f, std::max(0.0f, t));
        const float dx = x - (a.x + ex * t), dz = z - (a.z + ez * t);
        const float distance = std::sqrt(dx * dx + dz * dz);
        if (distance < best.distance)
            best = {distance, dx, dz};
    }
    if (left != right)
        best = {0.0f, 0.0f, 0.0f};
    return best;
}

// Where face t crosses the band, seen from above, if it comes within the body's radius of
// (x, z) there; false when it does not.
bool contactWith(const TriangleGrid& grid, std::uint32_t t, float x, float z, Band band, Contact& contact)
{
    const Vec3* c = &grid.corners[static_cast<std::size_t>(t) * 3];
    if (std::max({c[0].y, c[1].y, c[2].y}) < band.low || std::min({c[0].y, c[1].y, c[2].y}) > band.high ||
        std::max({c[0].x, c[1].x, c[2].x}) < x - BODY_RADIUS || std::min({c[0].x, c[1].x, c[2].x}) > x + BODY_RADIUS ||
        std::max({c[0].z, c[1].z, c[2].z}) < z - BODY_RADIUS || std::min({c[0].z, c[1].z, c[2].z}) > z + BODY_RADIUS)
        return false;
    Vec3 above[MOST_PLAN_CORNERS];
    Vec3 plan[MOST_PLAN_CORNERS];
    const int count = clipAt(above, clipAt(c, 3, band.low, true, above), band.high, false, plan);
    if (count == 0)
        return false;
    contact = nearestInPlan(plan, count, x, z);
    return contact.distance < BODY_RADIUS;
}

Vec3 boxLow(float x, float z, Band band, float margin)
{
    return Vec3(x - margin, band.low, z - margin);
}

Vec3 boxHigh(float x, float z, Band band, float margin)
{
    return Vec3(x + margin, band.high, z + margin);
}

// How far the body with its middle at (x, z) reaches into the deepest face it meets.
float reachAt(const TriangleGrid& grid, float x, float z, Band band)
{
    float deepest = 0.0f;
    grid.forEachNear(boxLow(x, z, band, BODY_RADIUS), boxHigh(x, z, band, BODY_RADIUS), [&](std::uint32_t t) {
        Contact contact;
        if (contactWith(grid, t, x, z, band, contact))
            deepest = std::max(deepest, contact.distance > 0.0f ? BODY_RADIUS - contact.distance : NO_ROOM);
    });
    return deepest;
}

// One round of pushing the body straight away from the face it reaches deepest into; false
// when it touches none. The deepest first: a wall made of several triangles then pushes
// straight back from its plane, not sideways from the corner of one of its triangles. A face
// through the middle line leaves no side to push to; the reach decides.
bool pushOut(const TriangleGrid& grid, float& x, float& z, Band band)
{
    Contact deepest = {BODY_RADIUS - TOUCH, 0.0f, 0.0f};
    grid.forEachNear(boxLow(x, z, band, BODY_RADIUS), boxHigh(x, z, band, BODY_RADIUS), [&](std::uint32_t t) {
        Contact contact;
        if (contactWith(grid, t, x, z, band, contact) && contact.distance > 0.0f && contact.distance < deepest.distance)
            deepest = contact;
    });
    if (deepest.distance >= BODY_RADIUS - TOUCH)
        return false;
    const float push = (BODY_RADIUS - deepest.distance) / deepest.distance;
    x += deepest.dx * push;
    z += deepest.dz * push;
    return true;
}

bool isFloor(const Vec3* c)
{
    const Vec3 n = (c[1] - c[0]).cross(c[2] - c[0]);
    return std::fabs(n.y) >= FLOOR_UPRIGHT * n.length();
}

// The height of floor face t right above or below (x, z), if it is there.
bool heightOn(const Vec3* c, float x, float z, float& height)
{
    const float ux = c[1].x - c[0].x, uz = c[1].z - c[0].z;
    const float vx = c[2].x - c[0].x, vz = c[2].z - c[0].z;
    const float area = ux * vz - vx * uz;
    if (area == 0.0f)
        return false;
    const float px = x - c[0].x, pz = z - c[0].z;
    const float u = (px * vz - vx * pz) / area;
    const float v = (ux * pz - px * uz) / area;
    // A point on the edge two faces share belongs to both: no seam is a hole.
    constexpr float EDGE = -1e-5f;
    if (u < EDGE || v < EDGE || u + v > 1.0f - EDGE)
        return false;
    height = c[0].y + u * (c[1].y - c[0].y) + v * (c[2].y - c[0].y);
    return true;
}

// The highest floor under (x, z), or one a crack's width beside it.
bool floorUnder(const TriangleGrid& grid, float x, float z, float top, float bottom, float& height)
{
    if (floorBelow(grid, x, z, top, bottom, height))
        return true;
    bool found = false;
    const float offsets[4][2] = {{CRACK, 0.0f}, {-CRACK, 0.0f}, {0.0f, CRACK}, {0.0f, -CRACK}};
    for (const auto& o : offsets) {
        float h;
        if (floorBelow(grid, x + o[0], z + o[1], top, bottom, h) && (!found || h > height)) {
            height = h;
            found = true;
        }
    }
    return found;
}

// Where the feet of a visitor moving from `from` to `next` (x and z) are after dt seconds: on
// the floor within a step above or below while it walks, else falling, with exact kinematics
// for each piece so that the fall does not depend on how the frame is cut.
void settleHeight(const TriangleGrid& grid, const Visitor& from, Visitor& next, float dt)
{
    float floor;
    const float top = from.feet.y + STEP_HEIGHT + 1e-3f;
    if (from.onFloor && floorUnder(grid, next.feet.x, next.feet.z, top, from.feet.y - STEP_HEIGHT, floor)) {
        next.feet.y = floor;
        return;
    }
    const float drop = from.fallSpeed * dt + 0.5f * GRAVITY * dt * dt;
    if (floorUnder(grid, next.feet.x, next.feet.z, top, from.feet.y - drop, floor)) {
        next.feet.y = floor;
        next.fallSpeed = 0.0f;
        next.onFloor = true;
        return;
    }
    next.feet.y = from.feet.y - drop;
    next.fallSpeed = from.fallSpeed + GRAVITY * dt;
    next.onFloor = false;
}

// One piece of a frame: moved by (mx, mz), pushed out of the walls at its new height. Not
// taken (false) when the body would reach deeper into a face than `allowed`, its reach before.
bool takePiece(Visitor& visitor, const TriangleGrid& grid, float mx, float mz, float dt, float& allowed)
{
    Visitor next = visitor;
    next.feet.x += mx;
    next.feet.z += mz;
    settleHeight(grid, visitor, next, dt);
    float x = next.feet.x, z = next.feet.z;
    for (int round = 0; round < PUSH_ROUNDS && pushOut(grid, x, z, bandAt(next.feet.y)); ++round) {
    }
    float floor;
    if (next.onFloor && (x != next.feet.x || z != next.feet.z) &&
        floorUnder(grid, x, z, next.feet.y + STEP_HEIGHT, next.feet.y - STEP_HEIGHT, floor))
        next.feet.y = floor;
    next.feet.x = x;
    next.feet.z = z;
    const float reach = reachAt(grid, x, z, bandAt(next.feet.y));
    if (reach > allowed)
        return false;
    allowed = std::max(TOUCH, reach);
    visitor = next;
    return true;
}

}  // namespace

bool floorBelow(const TriangleGrid& grid, float x, float z, float top, float bottom, float& height)
{
    bool found = false;
    grid.forEachNear(Vec3(x, bottom, z), Vec3(x, top, z), [&](std::uint32_t t) {
        const Vec3* c = &grid.corners[static_cast<std::size_t>(t) * 3];
        float h;
        if (isFloor(c) && heightOn(c, x, z, h) && h >= bottom && h <= top && (!found || h > height)) {
            height = h;
            found = true;
        }
    });
    return found;
}

bool bodyFits(const TriangleGrid& grid, Vec3 feet)
{
    return reachAt(grid, feet.x, feet.z, bandAt(feet.y)) <= TOUCH;
}

Visitor placeVisitor(const TriangleGrid& grid, Vec3 feet)
{
    Visitor visitor;
    visitor.feet = feet;
    float floor;
    if (floorUnder(grid, feet.x, feet.z, feet.y + STEP_HEIGHT + 1e-3f, feet.y - STEP_HEIGHT, floor)) {
        visitor.feet.y = floor;
        visitor.onFloor = true;
    }
    return visitor;
}

void walkVisitor(Visitor& visitor, const TriangleGrid& grid, Vec3 wish, float seconds)
{
    if (!(seconds > 0.0f) || !std::isfinite(seconds))
        return;
    const bool usable = std::isfinite(wish.x) && std::isfinite(wish.z);
    float mx = usable ? wish.x : 0.0f;
    float mz = usable ? wish.z : 0.0f;
    const float length = std::sqrt(mx * mx + mz * mz);
    const float piece = 0.5f * BODY_RADIUS;
    if (length > MOST_PIECES * piece) {
        mx *= MOST_PIECES * piece / length;
        mz *= MOST_PIECES * piece / length;
    }
    const float fall = (visitor.fallSpeed + GRAVITY * seconds) * seconds;
    const float needed = std::ceil(std::max(length, fall) / piece);
    const int pieces = needed < 1.0f ? 1 : needed > MOST_PIECES ? MOST_PIECES : static_cast<int>(needed);
    const float dt = seconds / static_cast<float>(pieces);
    mx /= static_cast<float>(pieces);
    mz /= static_cast<float>(pieces);
    float allowed = std::max(TOUCH, reachAt(grid, visitor.feet.x, visitor.feet.z, bandAt(visitor.feet.y)));
    for (int i = 0; i < pieces; ++i) {
        // Held by a wall it cannot slide along, the body may still fall or stand; wedged
        // fast, it stops falling.
        if (!takePiece(visitor, grid, mx, mz, dt, allowed) && !takePiece(visitor, grid, 0.0f, 0.0f, dt, allowed))
            visitor.fallSpeed = 0.0f;
    }
}
