// Pose arithmetic, keyframe sampling and the base postures.
#include "pose_kit.h"

#include <algorithm>

namespace {

Vec3 catmull(Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, float f)
{
    float f2 = f * f, f3 = f2 * f;
    return (p1 * 2 + (p2 - p0) * f + (p0 * 2 - p1 * 5 + p2 * 4 - p3) * f2 + (p1 * 3 - p0 - p2 * 3 + p3) * f3) *
           0.5f;
}

Pose catmullPose(const Pose& a, const Pose& b, const Pose& c, const Pose& d, float f)
{
    Pose p;
    for (int i = 0; i < BoneCount; ++i)
        p.rot[i] = catmull(a.rot[i], b.rot[i], c.rot[i], d.rot[i], f);
    p.bodyRot = catmull(a.bodyRot, b.bodyRot, c.bodyRot, d.bodyRot, f);
    p.bodyShift = catmull(a.bodyShift, b.bodyShift, c.bodyShift, d.bodyShift, f);
    p.lift = catmull({a.lift, 0, 0}, {b.lift, 0, 0}, {c.lift, 0, 0}, {d.lift, 0, 0}, f).x;
    return p;
}

}  // namespace

Pose blend(const Pose& a, const Pose& b, float f)
{
    return a + (b + a * -1.0f) * f;
}

Pose operator+(const Pose& base, const Pose& delta)
{
    Pose p = base;
    for (int i = 0; i < BoneCount; ++i)
        p.rot[i] = base.rot[i] + delta.rot[i];
    p.bodyRot = base.bodyRot + delta.bodyRot;
    p.bodyShift = base.bodyShift + delta.bodyShift;
    p.lift = base.lift + delta.lift;
    return p;
}

Pose operator*(const Pose& p, float s)
{
    Pose q;
    for (int i = 0; i < BoneCount; ++i)
        q.rot[i] = p.rot[i] * s;
    q.bodyRot = p.bodyRot * s;
    q.bodyShift = p.bodyShift * s;
    q.lift = p.lift * s;
    return q;
}

Pose sampleKeys(const std::vector<Key>& keys, float t, bool loops)
{
    int n = int(keys.size());
    int i = 0;
    while (i + 1 < n && keys[i + 1].time <= t)
        ++i;
    auto at = [&](int k) -> const Key& {
        if (loops)
            return keys[(k % n + n) % n];
        return keys[std::clamp(k, 0, n - 1)];
    };
    float t0 = keys[i].time;
    float t1 = i + 1 < n ? keys[i + 1].time : (loops ? 1.0f + keys[0].time : 1.0f);
    float f = t1 > t0 ? std::clamp((t - t0) / (t1 - t0), 0.0f, 1.0f) : 0.0f;
    return catmullPose(at(i - 1).pose, at(i).pose, at(i + 1).pose, at(i + 2).pose, f);
}

Pose stance()
{
    Pose p;
    p.rot[Spine] = {0, 2, 0};
    p.rot[Chest] = {0, 1, 0};
    p.rot[Neck] = {0, 4, 0};
    p.rot[Head] = {0, -4, 0};
    p.rot[RShoulder] = {-8, -22, 0};
    p.rot[RElbow] = {0, -58, 0};
    p.rot[RHand] = {8, -10, 0};
    p.rot[LShoulder] = {7, 4, 0};
    p.rot[LElbow] = {0, -14, 0};
    p.rot[LHand] = {0, -5, 0};
    p.rot[LHip] = {3, -2, 0};
    p.rot[LKnee] = {0, 4, 0};
    p.rot[LAnkle] = {-3, -2, 0};
    p.rot[RHip] = {-3, -2, 0};
    p.rot[RKnee] = {0, 4, 0};
    p.rot[RAnkle] = {3, -2, 0};
    return p;
}

Pose crouchStance()
{
    Pose p = stance();
    p.rot[Pelvis] = {0, 10, 0};
    p.rot[Spine] = {0, 14, 0};
    p.rot[Chest] = {0, 6, 0};
    p.rot[Neck] = {0, -10, 0};
    p.rot[Head] = {0, -12, 0};
    p.rot[LHip] = {8, -100, 0};
    p.rot[LKnee] = {0, 125, 0};
    p.rot[LAnkle] = {-8, -35, 0};
    p.rot[RHip] = {-8, -95, 0};
    p.rot[RKnee] = {0, 120, 0};
    p.rot[RAnkle] = {8, -35, 0};
    p.rot[RShoulder] = {-10, -35, 0};
    p.rot[RElbow] = {0, -40, 0};
    p.rot[RHand] = {5, -15, 0};
    p.rot[LShoulder] = {10, -30, 0};
    p.rot[LElbow] = {0, -50, 0};
    return p;
}
