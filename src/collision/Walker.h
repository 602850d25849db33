// The walking visitor in a user's building: a body shaped as Body.h says that stands on floors,
// climbs stairs and gentle slopes, ducks under low beams, falls where there is nothing under it
// and never passes through a wall, a floor or a ceiling of any soup of triangles.
#pragma once

#include "collision/Body.h"
#include "collision/TriangleGrid.h"

constexpr float GRAVITY = 9.81f * 2.5f;  // units per second per second

struct Visitor {
    Vec3 feet;               // the point between the feet, on the floor when standing
    float fallSpeed = 0.0f;  // units per second, downwards
    bool onFloor = false;
    float duck = 0.0f;       // how far the head is lowered under something low (0 upright)

    // Where the eye is: EYE_HEIGHT above the feet, less the duck.
    Vec3 eye() const { return feet + Vec3(0.0f, EYE_HEIGHT - duck, 0.0f); }
};

// Moves the visitor by `wish` (only x and z count: the walk this frame) over `seconds`: it
// slides along walls, steps up and down stairs, walks slopes it can, ducks where that lets it
// on and falls where nothing holds it. Long frames are taken in pieces of at most half the
// body's radius, so that no piece can pass a wall however thin. Allocates nothing.
void walkVisitor(Visitor& visitor, const TriangleGrid& grid, Vec3 wish, float seconds);

// The least duck step (0 upright) at which the body standing at `feet` reaches into nothing
// above its step height; -1 when it fits at none.
int fittingDuck(const TriangleGrid& grid, Vec3 feet);
inline bool bodyFits(const TriangleGrid& grid, Vec3 feet)
{
    return fittingDuck(grid, feet) >= 0;
}
// Whether a body of other parts (at most BODY_PARTS, heights above `feet`) reaches into nothing.
bool partsFit(const TriangleGrid& grid, Vec3 feet, const BodyPart* parts, int count);
// The highest floor under (x, z), or a crack's width beside it, between `top` and `bottom`, in
// `height`; false when none. What the visitor stands on.
bool standingFloor(const TriangleGrid& grid, float x, float z, float top, float bottom, float& height);

// Every floor to stand on in the column at (x, z) from `top` down to `bottom`, the highest first,
// each more than a step below the last; ends where the floors lie so far out that a float no
// longer tells a step below one from the floor itself.
template <typename Visit>
void forEachFloorDown(const TriangleGrid& grid, float x, float z, float top, float bottom, Visit visit)
{
    float floor;
    while (standingFloor(grid, x, z, top, bottom, floor)) {
        visit(floor);
        const float below = floor - STEP_HEIGHT - 1e-3f;
        if (!(below < floor))
            return;
        top = below;
    }
}
// The highest floor face right under (x, z) between `top` and `bottom`, in `height`; false when none.
bool floorBelow(const TriangleGrid& grid, float x, float z, float top, float bottom, float& height);
// A visitor put at `feet`: standing on the floor there when one is within a step above or
// below (as walking onto it would), else falling.
Visitor placeVisitor(const TriangleGrid& grid, Vec3 feet);
