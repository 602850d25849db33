// Gestures and strikes: the staff blow (standing and crouched), raising the hat
// brim, brandishing the staff, waving and pointing with the free left hand.
#include "animations.h"

#include <algorithm>

namespace {

// Rises from 0 to 1 over the first fifth and falls back over the last fifth.
float envelope(float t)
{
    auto ease = [](float x) {
        x = std::clamp(x, 0.0f, 1.0f);
        return x * x * (3 - 2 * x);
    };
    return ease(t / 0.22f) * ease((1 - t) / 0.22f);
}

Pose windUp(Pose p)
{
    p.rot[RShoulder] = {-12, -150, 0};
    p.rot[RElbow] = {0, -50, 0};
    p.rot[RHand] = {0, 20, 0};
    p.rot[Chest].z -= 18;
    p.rot[Spine].y -= 6;
    p.rot[Head].z += 10;
    p.rot[LShoulder] = {20, -20, 0};
    return p;
}

Pose blow(Pose p)
{
    p.rot[RShoulder] = {-8, -70, 0};
    p.rot[RElbow] = {0, -10, 0};
    p.rot[RHand] = {0, 20, 0};
    p.rot[Chest].z += 12;
    p.rot[Spine].y += 16;
    p.rot[Head].y -= 12;
    p.rot[LShoulder] = {15, 30, 0};
    return p;
}

Pose strikeLegs(Pose p)
{
    p.rot[RHip].y -= 22;
    p.rot[RKnee].y += 25;
    p.rot[RAnkle].y -= 5;
    p.rot[LHip].y += 12;
    p.rot[LKnee].y += 8;
    p.rot[LAnkle].y -= 18;
    return p;
}

}  // namespace

Pose staffStrike(float t)
{
    Pose up = windUp(stance());
    Pose hit = strikeLegs(blow(stance()));
    return sampleKeys({{0, stance()}, {0.3f, up}, {0.55f, hit}, {0.78f, blend(hit, stance(), 0.5f)}}, t, true);
}

Pose crouchStrike(float t)
{
    Pose up = windUp(crouchStance());
    Pose hit = blow(crouchStance());
    return sampleKeys({{0, crouchStance()}, {0.3f, up}, {0.55f, hit}, {0.78f, blend(hit, crouchStance(), 0.5f)}},
                      t, true);
}

// The left hand lifts to the hat brim and the pilgrim bows a little.
Pose hatSalute(float t)
{
    Pose p = stance();
    Pose touch = p;
    touch.rot[LShoulder] = {25, -105, -20};
    touch.rot[LElbow] = {0, -115, 0};
    touch.rot[LHand] = {0, -20, 0};
    Pose bow = touch;
    bow.rot[Pelvis].y += 8;
    bow.rot[Spine].y += 14;
    bow.rot[Chest].y += 8;
    bow.rot[Head].y += 14;
    bow.rot[LHip].y -= 8;
    return sampleKeys({{0, p}, {0.28f, touch}, {0.5f, bow}, {0.7f, touch}}, t, true);
}

// The staff goes up high, held level over the hat, and shakes while the head
// tips back in a laugh.
Pose staffTaunt(float t)
{
    Pose p = stance();
    Pose raised = p;
    raised.rot[RShoulder] = {-20, -165, 0};
    raised.rot[RElbow] = {0, -15, 0};
    raised.rot[RHand] = {0, 0, 0};
    raised.rot[Head].y = -18;
    raised.rot[Neck].y = -6;
    raised.rot[Spine].y = -4;
    raised.rot[LShoulder] = {30, 5, 0};
    raised.rot[LElbow] = {0, -70, 30};
    float e = envelope(t);
    Pose out = blend(p, raised, e);
    out.rot[RShoulder].x += 10 * e * wave(t, 3);
    out.rot[Chest].z += 5 * e * wave(t, 3, 0.25f);
    out.rot[Head].y += 6 * e * wave(t, 6);
    return out;
}

Pose handWave(float t)
{
    Pose p = stance();
    Pose raised = p;
    raised.rot[LShoulder] = {125, -20, 0};
    raised.rot[LElbow] = {35, -15, 0};
    raised.rot[Head].x = 6;
    raised.rot[Chest].z = 5;
    float e = envelope(t);
    Pose out = blend(p, raised, e);
    out.rot[LElbow].x += 28 * e * wave(t, 2.5f);
    return out;
}

Pose handPoint(float t)
{
    Pose p = stance();
    Pose aim = p;
    aim.rot[LShoulder] = {8, -88, -10};
    aim.rot[LElbow] = {0, -4, 0};
    aim.rot[LHand] = {0, -10, 0};
    aim.rot[Chest].z = 10;
    aim.rot[Head].z = -8;
    aim.rot[Head].y = 4;
    float e = envelope(t);
    Pose out = blend(p, aim, e);
    out.rot[LShoulder].z += 4 * e * wave(t, 1);
    return out;
}
