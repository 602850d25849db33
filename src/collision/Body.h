// The visitor in a user's building, in one place: the shape of its body, the heights it steps
// and ducks, and what it stands on. The walker, the start, the character's place and the
// checker's reach report all ask these, so that a place judged clear for one is clear for all.
// Our units: 2.5 a metre.
#pragma once

#include "math/Vec3.h"

// The eye 1.6 m and the top of the head 1.8 m above the feet, standing upright.
constexpr float EYE_HEIGHT = 4.0f;
constexpr float HEAD_HEIGHT = 4.5f;
// A person is narrower at the legs than at the shoulders. Below the hips (1 m) the body is
// 0.34 m across, the width of a person's hips: on a winding stair the legs stand on a tread
// 0.12 m deep at its inner end without the riser two steps up in their way, and balusters
// 12 cm apart still stop them. From the hips to the head it is 0.56 m across, the shoulders'
// width and our hall's visitor: a 0.9 m doorway leaves 0.17 m on either side, a 0.5 m gap
// stops it, and the eye stays beyond the near plane of any wall.
constexpr float LEG_RADIUS = 0.425f;
constexpr float BODY_RADIUS = 0.7f;
constexpr float HIP_HEIGHT = 2.5f;
// Under a low beam or the edge of a ceiling over a stair the visitor ducks, as a person
// does, by up to 0.4 m: the head and shoulders down to 1.4 m, the eye to 1.2 m. A lintel at
// 1.7 m is ducked under; a table top at 1.3 m is not.
constexpr float MOST_DUCK = 1.0f;
constexpr int DUCK_STEPS = 4;  // tried in steps of 0.1 m

// The highest step taken without noticing (0.35 m): a stair's riser (up to 0.22 m) is, a
// 0.45 m ledge is not. Going down, the feet keep to a floor up to as far below, rather than
// hopping from tread to tread. The body above it is what walls stop.
constexpr float STEP_HEIGHT = 0.875f;
// Walls stop the body from just above its step height: a tread exactly a step up is no wall.
constexpr float BAND_GAP = 0.01f;

// A floor is any face whose slope is at most 45 degrees, whichever way it faces (modellers'
// faces point either way): ramps up to 45 degrees are walked, steeper ones stop the visitor
// as a wall does. The visitor stands on the highest floor under its feet or a crack's width
// (5 cm) beside them, so that the seam between two floor pieces a modeller left apart is no
// hole to step down into, not even onto an underside below it.
constexpr float FLOOR_UPRIGHT = 0.70710678f;
constexpr float CRACK = 0.125f;

// Whether the triangle with these corners is a floor.
inline bool isFloor(const Vec3* c)
{
    const Vec3 n = (c[1] - c[0]).cross(c[2] - c[0]);
    return std::fabs(n.y) >= FLOOR_UPRIGHT * n.length() && n.y != 0.0f;
}

// One round part of the body: from `low` to `high` above the feet, `radius` round.
struct BodyPart {
    float low, high, radius;
};
constexpr int BODY_PARTS = 2;

// The legs and the upper body of a visitor ducking by `duck` (0 upright, up to MOST_DUCK).
inline void bodyParts(float duck, BodyPart parts[BODY_PARTS])
{
    parts[0] = {STEP_HEIGHT + BAND_GAP, HIP_HEIGHT - duck, LEG_RADIUS};
    parts[1] = {HIP_HEIGHT - duck, HEAD_HEIGHT - duck, BODY_RADIUS};
}

// The duck of step `step` (0 upright to DUCK_STEPS, the deepest).
inline float duckOf(int step)
{
    return MOST_DUCK * static_cast<float>(step) / static_cast<float>(DUCK_STEPS);
}
