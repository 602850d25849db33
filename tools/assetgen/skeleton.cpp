// Rest joints, forward kinematics and linear blend skinning of the pilgrim.
#include "skeleton.h"

namespace {

struct Joint {
    Bone parent;
    Vec3 rest;  // height given above the floor, turned into file z below
};

const std::array<Joint, BoneCount> kJoints = {{
    {Pelvis, {0.0f, 0.0f, 14.8f}},
    {Pelvis, {0.0f, 0.0f, 17.3f}},
    {Spine, {0.0f, 0.0f, 20.3f}},
    {Chest, {-0.15f, 0.0f, 24.4f}},
    {Neck, {0.0f, 0.0f, 25.6f}},
    {Chest, {-0.2f, 3.2f, 23.6f}},
    {LShoulder, {-0.35f, 3.6f, 19.3f}},
    {LElbow, {-0.1f, 3.8f, 15.5f}},
    {Chest, {-0.2f, -3.2f, 23.6f}},
    {RShoulder, {-0.35f, -3.6f, 19.3f}},
    {RElbow, {-0.1f, -3.8f, 15.5f}},
    {Pelvis, {0.0f, 1.7f, 14.2f}},
    {LHip, {0.25f, 1.65f, 7.8f}},
    {LKnee, {-0.1f, 1.6f, 1.6f}},
    {Pelvis, {0.0f, -1.7f, 14.2f}},
    {RHip, {0.25f, -1.65f, 7.8f}},
    {RKnee, {-0.1f, -1.6f, 1.6f}},
}};

}  // namespace

Vec3 restJoint(Bone bone)
{
    Vec3 p = kJoints[bone].rest;
    return {p.x, p.y, p.z + kFloorZ};
}

SkeletonState solvePose(const Pose& pose)
{
    SkeletonState s;
    s[Pelvis].r = eulerDegrees(pose.bodyRot) * eulerDegrees(pose.rot[Pelvis]);
    s[Pelvis].t = restJoint(Pelvis) + pose.bodyShift;
    for (int b = 1; b < BoneCount; ++b) {
        const BoneTransform& parent = s[kJoints[b].parent];
        Vec3 offset = restJoint(Bone(b)) - restJoint(kJoints[b].parent);
        s[b].r = parent.r * eulerDegrees(pose.rot[b]);
        s[b].t = parent.t + parent.r * offset;
    }
    return s;
}

Vec3 skinVertex(const MeshVertex& v, const SkeletonState& state)
{
    Vec3 sum;
    for (int i = 0; i < kMaxInfluences; ++i) {
        float w = v.influences.weight[i];
        if (w == 0)
            continue;
        const BoneTransform& b = state[v.influences.bone[i]];
        sum = sum + (b.r * (v.pos - restJoint(Bone(v.influences.bone[i]))) + b.t) * w;
    }
    return sum;
}
