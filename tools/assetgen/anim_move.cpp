// Moving sequences: the run and crouched walk cycles, the jump and the back flip.
#include "animations.h"

#include <algorithm>

namespace {

// One leg of a stride at phase s (1 = fully forward), knee lifted on the way forward;
// the stride reaches further ahead than behind, as a runner's does.
void stride(Pose& p, Bone hip, Bone knee, Bone ankle, float s, float lift, float swing)
{
    p.rot[hip].y -= swing * s + 0.25f * swing;
    p.rot[knee].y += lift;
    p.rot[ankle].y -= 0.45f * (p.rot[hip].y + p.rot[knee].y) + 0.3f * swing * s;
}

Pose tucked(Pose p)
{
    for (auto [hip, knee, ankle] : {std::tuple{LHip, LKnee, LAnkle}, std::tuple{RHip, RKnee, RAnkle}}) {
        p.rot[hip].y = -75;
        p.rot[knee].y = 100;
        p.rot[ankle].y = -20;
    }
    p.rot[Spine].y = 15;
    return p;
}

Pose springy(Pose p, float bend)
{
    p.rot[Pelvis].y += 0.3f * bend;
    for (auto [hip, knee, ankle] : {std::tuple{LHip, LKnee, LAnkle}, std::tuple{RHip, RKnee, RAnkle}}) {
        p.rot[hip].y -= 1.3f * bend;
        p.rot[knee].y += 2.0f * bend;
        p.rot[ankle].y -= 1.0f * bend;
    }
    p.rot[Spine].y += 0.4f * bend;
    return p;
}

Pose armsUp(Pose p, float amount)
{
    p.rot[LShoulder] = p.rot[LShoulder] + Vec3{15, -70, 0} * amount;
    p.rot[LElbow].y -= 30 * amount;
    p.rot[RShoulder] = p.rot[RShoulder] + Vec3{-5, -40, 0} * amount;
    return p;
}

}  // namespace

Pose runCycle(float t)
{
    Pose p = stance();
    float s = wave(t, 1), c = wave(t, 1, 0.25f);
    p.rot[Pelvis].y = 6;
    p.rot[Pelvis].z = -6 * s;
    p.rot[Spine].y = 6;
    p.rot[Chest].z = 10 * s;
    p.rot[Neck].y = -5;
    p.rot[Head].y = -5;
    stride(p, LHip, LKnee, LAnkle, s, 20 + 45 * std::max(0.0f, c), 42);
    stride(p, RHip, RKnee, RAnkle, -s, 20 + 45 * std::max(0.0f, -c), 42);
    p.rot[LShoulder] = {12, 35 * s, 0};
    p.rot[LElbow].y = -70;
    p.rot[RShoulder].y = -22 - 14 * s;
    p.rot[RElbow].y = -62;
    p.rot[RHand].y = -8 + 14 * s;
    return p;
}

Pose crouchWalk(float t)
{
    Pose p = crouchStance();
    float s = wave(t, 1), c = wave(t, 1, 0.25f);
    for (auto [hip, knee, ankle, sign] : {std::tuple{LHip, LKnee, LAnkle, 1.0f}, std::tuple{RHip, RKnee, RAnkle, -1.0f}}) {
        p.rot[hip].y -= 18 * sign * s;
        p.rot[knee].y += 12 * std::max(0.0f, sign * c) - 8 * sign * s;
        p.rot[ankle].y = -(p.rot[Pelvis].y + p.rot[hip].y + p.rot[knee].y);
    }
    p.rot[Chest].z = 6 * s;
    p.rot[LShoulder].y += 12 * s;
    p.rot[Head].y += 2 * wave(t, 2);
    return p;
}

Pose jumpMove(float t)
{
    Pose ready = springy(stance(), 22);
    ready.rot[LShoulder].y += 25;
    Pose air = armsUp(tucked(stance()), 1);
    air.lift = 7;
    Pose falling = armsUp(springy(stance(), 8), 0.6f);
    falling.lift = 3.5f;
    Pose land = springy(stance(), 26);
    return sampleKeys({{0, stance()}, {0.17f, ready}, {0.45f, air}, {0.63f, falling}, {0.83f, land}}, t, true);
}

Pose flipMove(float t)
{
    Pose ready = armsUp(springy(stance(), 24), -0.3f);
    Pose up = armsUp(springy(stance(), 3), 1);
    up.lift = 5;
    up.bodyRot.y = -70;
    Pose over = tucked(armsUp(stance(), 0.6f));
    over.lift = 9;
    over.bodyRot.y = -180;
    Pose down = armsUp(springy(stance(), 6), 0.8f);
    down.lift = 4;
    down.bodyRot.y = -300;
    Pose land = springy(stance(), 24);
    land.bodyRot.y = -360;
    Pose end = stance();
    end.bodyRot.y = -360;
    return sampleKeys({{0, stance()}, {0.12f, ready}, {0.3f, up}, {0.48f, over}, {0.66f, down}, {0.82f, land}, {1, end}},
                      t, false);
}
