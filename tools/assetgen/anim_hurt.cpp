// Being hit and dying: three flinches, a crouched flinch and four ways to fall.
#include "animations.h"

namespace {

Pose flinch(const Pose& base, const Pose& hurt, float t)
{
    return sampleKeys({{0, base}, {0.3f, hurt}, {0.65f, blend(base, hurt, 0.45f)}}, t, true);
}

Pose kneesGive(Pose p, float bend)
{
    p.rot[LHip].y -= bend;
    p.rot[RHip].y -= bend;
    p.rot[LKnee].y += 2 * bend;
    p.rot[RKnee].y += 2 * bend;
    p.rot[LAnkle].y -= bend;
    p.rot[RAnkle].y -= bend;
    return p;
}

}  // namespace

Pose painFront(float t)
{
    Pose hurt = kneesGive(stance(), 8);
    hurt.rot[Spine].y = -12;
    hurt.rot[Chest].y = -8;
    hurt.rot[Head].y = -16;
    hurt.rot[LShoulder] = {30, -20, 0};
    hurt.rot[LElbow].y = -45;
    hurt.bodyShift.x = -0.8f;
    return flinch(stance(), hurt, t);
}

Pose painSide(float t)
{
    Pose hurt = kneesGive(stance(), 5);
    hurt.rot[Pelvis].x = 6;
    hurt.rot[Spine].x = -12;
    hurt.rot[Chest].z = 16;
    hurt.rot[Head].x = -14;
    hurt.rot[LShoulder] = {10, -10, 0};
    hurt.rot[LElbow].y = -80;
    hurt.bodyShift.y = -0.7f;
    return flinch(stance(), hurt, t);
}

Pose painBelly(float t)
{
    Pose hurt = kneesGive(stance(), 12);
    hurt.rot[Spine].y = 22;
    hurt.rot[Chest].y = 14;
    hurt.rot[Head].y = 8;
    hurt.rot[LShoulder] = {5, -35, 0};
    hurt.rot[LElbow].y = -85;
    return flinch(stance(), hurt, t);
}

Pose crouchPain(float t)
{
    Pose hurt = crouchStance();
    hurt.rot[Spine].y -= 14;
    hurt.rot[Head].y -= 18;
    hurt.rot[LShoulder] = {35, -20, 0};
    return flinch(crouchStance(), hurt, t);
}

// From the crouch the pilgrim topples onto the left side, staff hand uppermost, and stays curled up.
Pose crouchDeath(float t)
{
    Pose fall = crouchStance();
    fall.bodyRot.x = -40;
    fall.rot[Head].x = -20;
    fall.rot[RShoulder] = {0, -45, 0};
    fall.rot[RHand] = {0, 20, 0};
    Pose lying = crouchStance();
    lying.bodyRot.x = -90;
    lying.rot[Spine].y = 25;
    lying.rot[Head] = {-10, 15, 0};
    lying.rot[LShoulder] = {10, -60, 0};
    lying.rot[RShoulder] = {0, -90, 30};  // the staff arm drops across in front of the chest
    lying.rot[RElbow] = {0, -20, 0};
    lying.rot[RHand] = {0, 20, 0};        // the staff lies along the body
    return sampleKeys({{0, crouchStance()}, {0.45f, fall}, {1, lying}}, t, false);
}

// Knees buckle, then the body falls back and lies on its back, arms flung out.
Pose deathBackward(float t)
{
    Pose buckle = kneesGive(stance(), 15);
    buckle.rot[Spine].y = -15;
    buckle.rot[Head].y = -25;
    buckle.rot[LShoulder] = {50, -40, 0};
    buckle.rot[RShoulder] = {-40, -60, 0};
    Pose falling = kneesGive(buckle, 5);
    falling.bodyRot.y = -50;
    Pose lying = kneesGive(stance(), 6);
    lying.bodyRot.y = -90;
    lying.rot[Head] = {0, -10, 25};
    lying.rot[LShoulder] = {75, 0, 0};
    lying.rot[LElbow].y = -10;
    lying.rot[RShoulder] = {-10, -5, 0};
    lying.rot[RElbow].y = -10;
    lying.rot[RHand] = {0, -75, 0};
    return sampleKeys({{0, stance()}, {0.3f, buckle}, {0.65f, falling}, {1, lying}}, t, false);
}

// Falls to the knees, then forward onto the face.
Pose deathForward(float t)
{
    Pose kneel = kneesGive(stance(), 45);
    kneel.rot[Spine].y = 15;
    kneel.rot[Head].y = 20;
    kneel.rot[LShoulder] = {15, -30, 0};
    Pose falling = kneel;
    falling.bodyRot.y = 45;
    falling.rot[LShoulder] = {20, -80, 0};
    Pose lying = kneesGive(stance(), 10);
    lying.bodyRot.y = 90;
    lying.rot[Head] = {0, -30, 30};
    lying.rot[LShoulder] = {20, -150, 0};
    lying.rot[RShoulder] = {-30, -140, 0};
    lying.rot[RElbow].y = -20;
    lying.rot[RHand] = {0, 70, 0};
    return sampleKeys({{0, stance()}, {0.35f, kneel}, {0.65f, falling}, {1, lying}}, t, false);
}

// Spins half round, crumples and falls onto the right side.
Pose deathSpin(float t)
{
    Pose turn = kneesGive(stance(), 10);
    turn.bodyRot.z = 45;
    turn.rot[Chest].z = 20;
    turn.rot[Head].z = 25;
    turn.rot[LShoulder] = {60, -10, 0};
    Pose crumple = kneesGive(turn, 30);
    crumple.bodyRot = {-30, 0, 80};
    crumple.rot[Spine].y = 20;
    Pose lying = kneesGive(stance(), 20);
    lying.bodyRot = {-90, 0, 90};
    lying.rot[Spine].x = -10;
    lying.rot[Head] = {-15, 10, 0};
    lying.rot[LShoulder] = {20, -60, 0};
    lying.rot[RHand] = {0, 80, 0};
    return sampleKeys({{0, stance()}, {0.3f, turn}, {0.6f, crumple}, {1, lying}}, t, false);
}
