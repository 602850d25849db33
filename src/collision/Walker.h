// The walking visitor in a user's building: an upright body that stands on floors, climbs
// stairs and gentle slopes, falls where there is nothing under it and never passes through a
// wall, a floor or a ceiling of any soup of triangles.
#pragma once

#include "collision/TriangleGrid.h"

// The body, in our units (2.5 a metre). Its radius is our hall's VISITOR_RADIUS: 0.28 m
// leaves a 0.9 m doorway 0.17 m on either side, and keeps the eye beyond the near plane.
constexpr float BODY_RADIUS = 0.7f;
constexpr float EYE_HEIGHT = 4.0f;    // 1.6 m above the feet
constexpr float HEAD_HEIGHT = 4.5f;   // 1.8 m
// The highest step taken without noticing (0.35 m): a stair's riser is, a 0.45 m ledge is not.
// Going down, the feet keep to a floor up to as far below, rather than hopping from tread to tread.
constexpr float STEP_HEIGHT = 0.875f;
constexpr float GRAVITY = 9.81f * 2.5f;  // units per second per second
// A surface is a floor when its normal's upright part is at least cos 45 degrees: ramps up to
// 45 degrees are walked, steeper ones stop the visitor as a wall does.
constexpr float FLOOR_UPRIGHT = 0.70710678f;

struct Visitor {
    Vec3 feet;               // the point between the feet, on the floor when standing
    float fallSpeed = 0.0f;  // units per second, downwards
    bool onFloor = false;
};

// Moves the visitor by `wish` (only x and z count: the walk this frame) over `seconds`: it
// slides along walls, steps up and down stairs, walks slopes it can and falls where nothing
// holds it. Long frames are taken in pieces of at most half the body's radius, so that no
// piece can pass a wall however thin. Allocates nothing.
void walkVisitor(Visitor& visitor, const TriangleGrid& grid, Vec3 wish, float seconds);

// Whether the body standing at `feet` reaches into nothing above its step height.
bool bodyFits(const TriangleGrid& grid, Vec3 feet);
// The highest floor under (x, z) between `top` and `bottom`, in `height`; false when none.
bool floorBelow(const TriangleGrid& grid, float x, float z, float top, float bottom, float& height);
// A visitor put at `feet`: standing on the floor there when one is within a step above or
// below (as walking onto it would), else falling.
Visitor placeVisitor(const TriangleGrid& grid, Vec3 feet);
