#include "collision/Walker.h"

#include "collision/ClipPolygon.h"

#include <algorithm>
#include <cmath>

namespace {

// Reaches smaller than this are rounding, not contact.
constexpr float TOUCH = 1e-4f;
// Pushing out again and again settles the body in a corner of two or three walls.
constexpr int PUSH_ROUNDS = 8;
// A frame is taken in at most this many pieces; a longer walk in one frame is cut short.
constexpr int MOST_PIECES = 512;
// The reach of a body whose middle stands in a wall: no push can free it.
constexpr float NO_ROOM = 1e30f;
constexpr int MOST_PLAN_CORNERS = 6;  // a triangle clipped by two planes keeps at most five

// Parts of a body placed with its feet at a height: each at its heights, and the box around them.
struct Stance {
    BodyPart parts[BODY_PARTS];
    int count = 0;
    float low = 0.0f, high = 0.0f, radius = 0.0f;

    Stance(float feet, const BodyPart* given, int n)
    {
        count = std::min(n, BODY_PARTS);
        for (int i = 0; i < count; ++i) {
            parts[i] = {given[i].low + feet, given[i].high + feet, given[i].radius};
            low = i == 0 ? parts[i].low : std::min(low, parts[i].low);
            high = i == 0 ? parts[i].high : std::max(high, parts[i].high);
            radius = std::max(radius, parts[i].radius);
        }
    }
};

// The visitor's own body with its feet at a height, ducking so far.
Stance visitorAt(float feet, float duck)
{
    BodyPart parts[BODY_PARTS];
    bodyParts(duck, parts);
    return Stance(feet, parts, BODY_PARTS);
}

struct Contact {
    float depth;     // how far the part reaches past the face: its radius less the distance
    float distance;  // from the body's middle line to the nearest point of the face's plan
    float dx, dz;    // from that point to the middle line
};

// The nearest point of a convex polygon's plan (x and z) to the point (x, z); distance 0 when
// the point lies within it.
Contact nearestInPlan(const Vec3* plan, int count, float x, float z)
{
    Contact best = {0.0f, NO_ROOM, 0.0f, 0.0f};
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
            best = {0.0f, distance, dx, dz};
    }
    if (left != right)
        best = {0.0f, 0.0f, 0.0f, 0.0f};
    return best;
}

// Where face t crosses the body's part, seen from above, if it comes within the part's radius
// of (x, z); false when it does not.
bool partContact(const Vec3* c, float x, float z, const BodyPart& part, Contact& contact)
{
    if (std::max({c[0].y, c[1].y, c[2].y}) < part.low || std::min({c[0].y, c[1].y, c[2].y}) > part.high ||
        std::max({c[0].x, c[1].x, c[2].x}) < x - part.radius || std::min({c[0].x, c[1].x, c[2].x}) > x + part.radius ||
        std::max({c[0].z, c[1].z, c[2].z}) < z - part.radius || std::min({c[0].z, c[1].z, c[2].z}) > z + part.radius)
        return false;
    Vec3 above[MOST_PLAN_CORNERS];
    Vec3 plan[MOST_PLAN_CORNERS];
    const int count = clipAt(above, clipAt(c, 3, part.low, true, above), part.high, false, plan);
    if (count == 0)
        return false;
    contact = nearestInPlan(plan, count, x, z);
    contact.depth = contact.distance > 0.0f ? part.radius - contact.distance : NO_ROOM;
    return contact.distance < part.radius;
}

// Calls visit(contact) for every face the body with its middle at (x, z) reaches into, once
// for each part that reaches it.
template <typename Visit>
void forEachContact(const TriangleGrid& grid, float x, float z, const Stance& stance, Visit visit)
{
    const Vec3 low(x - stance.radius, stance.low, z - stance.radius);
    const Vec3 high(x + stance.radius, stance.high, z + stance.radius);
    grid.forEachNear(low, high, [&](std::uint32_t t) {
        const Vec3* c = &grid.corners[static_cast<std::size_t>(t) * 3];
        for (int i = 0; i < stance.count; ++i) {
            Contact contact;
            if (partContact(c, x, z, stance.parts[i], contact))
                visit(contact);
        }
    });
}

// How far the body with its middle at (x, z) reaches into the deepest face it meets.
float reachAt(const TriangleGrid& grid, float x, float z, const Stance& stance)
{
    float deepest = 0.0f;
    forEachContact(grid, x, z, stance, [&](const Contact& contact) { deepest = std::max(deepest, contact.depth); });
    return deepest;
}

// One round of pushing the body straight away from the face it reaches deepest into; false
// when it touches none. The deepest first: a wall made of several triangles then pushes
// straight back from its plane, not sideways from the corner of one of its triangles. A face
// through the middle line leaves no side to push to; the reach decides.
bool pushOut(const TriangleGrid& grid, float& x, float& z, const Stance& stance)
{
    Contact deepest = {TOUCH, 0.0f, 0.0f, 0.0f};
    forEachContact(grid, x, z, stance, [&](const Contact& contact) {
        if (contact.distance > 0.0f && contact.depth > deepest.depth)
            deepest = contact;
    });
    if (deepest.depth <= TOUCH)
        return false;
    const float push = deepest.depth / deepest.distance;
    x += deepest.dx * push;
    z += deepest.dz * push;
    return true;
}

// The height of face t right above or below (x, z), if it is there.
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

// Where the feet of a visitor moving from `from` to `next` (x and z) are after dt seconds: on
// the floor within a step above or below while it walks, else falling, with exact kinematics
// for each piece so that the fall does not depend on how the frame is cut.
void settleHeight(const TriangleGrid& grid, const Visitor& from, Visitor& next, float dt)
{
    float floor;
    const float top = from.feet.y + STEP_HEIGHT + 1e-3f;
    if (from.onFloor && standingFloor(grid, next.feet.x, next.feet.z, top, from.feet.y - STEP_HEIGHT, floor)) {
        next.feet.y = floor;
        return;
    }
    const float drop = from.fallSpeed * dt + 0.5f * GRAVITY * dt * dt;
    if (standingFloor(grid, next.feet.x, next.feet.z, top, from.feet.y - drop, floor)) {
        next.feet.y = floor;
        next.fallSpeed = 0.0f;
        next.onFloor = true;
        return;
    }
    next.feet.y = from.feet.y - drop;
    next.fallSpeed = from.fallSpeed + GRAVITY * dt;
    next.onFloor = false;
}

// The body at `next`, ducking so far, pushed out of the walls at its height: where it ends
// and how deep it still reaches.
struct Pushed {
    float x, z, reach, moved;
};

Pushed pushedAt(const TriangleGrid& grid, const Visitor& next, float duck)
{
    const Stance stance = visitorAt(next.feet.y, duck);
    Pushed p = {next.feet.x, next.feet.z, 0.0f, 0.0f};
    for (int round = 0; round < PUSH_ROUNDS && pushOut(grid, p.x, p.z, stance); ++round) {
    }
    p.reach = reachAt(grid, p.x, p.z, stance);
    p.moved = std::hypot(p.x - next.feet.x, p.z - next.feet.z);
    return p;
}

// One piece of a frame: moved by (mx, mz), pushed out of the walls at its new height, upright
// or ducking, whichever the walls hold back least (upright where that is as good). Not taken
// (false) when the body would reach deeper into a face than `allowed`, its reach before.
bool takePiece(Visitor& visitor, const TriangleGrid& grid, float mx, float mz, float dt, float& allowed)
{
    Visitor next = visitor;
    next.feet.x += mx;
    next.feet.z += mz;
    settleHeight(grid, visitor, next, dt);
    Pushed best = {0.0f, 0.0f, 0.0f, NO_ROOM};
    for (int step = 0; step <= DUCK_STEPS && best.moved > TOUCH; ++step) {
        const Pushed p = pushedAt(grid, next, duckOf(step));
        if (p.reach <= allowed && p.moved < best.moved - TOUCH) {
            best = p;
            next.duck = duckOf(step);
        }
    }
    if (best.moved == NO_ROOM)
        return false;
    float floor;
    if (next.onFloor && best.moved > 0.0f &&
        standingFloor(grid, best.x, best.z, next.feet.y + STEP_HEIGHT, next.feet.y - STEP_HEIGHT, floor))
        next.feet.y = floor;
    next.feet.x = best.x;
    next.feet.z = best.z;
    const float reach = reachAt(grid, best.x, best.z, visitorAt(next.feet.y, next.duck));
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

bool standingFloor(const TriangleGrid& grid, float x, float z, float top, float bottom, float& height)
{
    bool found = false;
    const float offsets[5][2] = {{0.0f, 0.0f}, {CRACK, 0.0f}, {-CRACK, 0.0f}, {0.0f, CRACK}, {0.0f, -CRACK}};
    for (const auto& o : offsets) {
        float h;
        if (floorBelow(grid, x + o[0], z + o[1], top, bottom, h) && (!found || h > height)) {
            height = h;
            found = true;
        }
    }
    return found;
}

int fittingDuck(const TriangleGrid& grid, Vec3 feet)
{
    for (int step = 0; step <= DUCK_STEPS; ++step)
        if (reachAt(grid, feet.x, feet.z, visitorAt(feet.y, duckOf(step))) <= TOUCH)
            return step;
    return -1;
}

bool partsFit(const TriangleGrid& grid, Vec3 feet, const BodyPart* parts, int count)
{
    return reachAt(grid, feet.x, feet.z, Stance(feet.y, parts, count)) <= TOUCH;
}

Visitor placeVisitor(const TriangleGrid& grid, Vec3 feet)
{
    Visitor visitor;
    visitor.feet = feet;
    float floor;
    if (standingFloor(grid, feet.x, feet.z, feet.y + STEP_HEIGHT + 1e-3f, feet.y - STEP_HEIGHT, floor)) {
        visitor.feet.y = floor;
        visitor.onFloor = true;
    }
    visitor.duck = duckOf(std::max(0, fittingDuck(grid, visitor.feet)));
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
    const float piece = 0.5f * LEG_RADIUS;
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
    float allowed = std::max(TOUCH, reachAt(grid, visitor.feet.x, visitor.feet.z, visitorAt(visitor.feet.y, visitor.duck)));
    for (int i = 0; i < pieces; ++i) {
        // Held by a wall it cannot slide along, the body may still fall or stand; wedged
        // fast, it stops falling.
        if (!takePiece(visitor, grid, mx, mz, dt, allowed) && !takePiece(visitor, grid, 0.0f, 0.0f, dt, allowed))
            visitor.fallSpeed = 0.0f;
    }
}
