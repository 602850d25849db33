// Idle loops: standing (breathing, weight shift, a glance aside) and crouching.
#include "animations.h"

#include <tuple>

namespace {

// Weight moves from one foot to the other; the free knee softens.
void shiftWeight(Pose& p, float s)
{
    p.bodyShift.y += 0.5f * s;
    p.rot[Pelvis].x += 2.5f * s;
    p.rot[Spine].x -= 1.5f * s;
    p.rot[Chest].x -= 1.0f * s;
    p.rot[LHip].x -= 4.0f * s;
    p.rot[RHip].x -= 4.0f * s;
    p.rot[LAnkle].x += 1.5f * s;
    p.rot[RAnkle].x += 1.5f * s;
    for (auto [hip, knee, ankle, free] : {std::tuple{LHip, LKnee, LAnkle, 1 - s}, std::tuple{RHip, RKnee, RAnkle, 1 + s}}) {
        p.rot[hip].y -= 1.5f * free;
        p.rot[knee].y += 3.0f * free;
        p.rot[ankle].y -= 1.5f * free;
    }
}

void breathe(Pose& p, float b)
{
    p.rot[Spine].y -= 0.8f * b;
    p.rot[Chest].y -= 1.4f * b;
    p.rot[Neck].y += 1.0f * b;
    p.rot[LShoulder].x += 1.0f * b;
    p.rot[RShoulder].x -= 0.6f * b;
}

}  // namespace

Pose standIdle(float t)
{
    Pose p = stance();
    breathe(p, wave(t, 3));
    shiftWeight(p, wave(t, 1));
    p.rot[Neck].z += 5 * wave(t, 1, 0.15f);
    p.rot[Head].z += 20 * wave(t, 1, 0.15f);
    p.rot[Head].y += 3 * wave(t, 2, 0.3f);
    p.rot[LShoulder].y += 6 * wave(t, 1, 0.3f);
    p.rot[LElbow].y -= 4 * wave(t, 2, 0.1f) + 4;
    p.rot[RShoulder].y += 1.5f * wave(t, 1, 0.6f);
    return p;
}

Pose crouchIdle(float t)
{
    Pose p = crouchStance();
    breathe(p, wave(t, 2));
    p.rot[Head].z += 18 * wave(t, 1);
    p.rot[Chest].z += 4 * wave(t, 1, 0.1f);
    p.rot[LElbow].y -= 5 * wave(t, 1, 0.25f);
    return p;
}
