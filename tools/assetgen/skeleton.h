// The pilgrim's skeleton: joints in the rest pose (file units, x forward, y left,
// z up, soles on the floor at kFloorZ), poses as joint rotations, and skinning.
#pragma once

#include "mesh.h"

#include <array>

// The program puts the model origin 4 world units (0.15 per file unit) above the floor.
constexpr float kFloorZ = -4.0f / 0.15f;

enum Bone {
    Pelvis, Spine, Chest, Neck, Head,
    LShoulder, LElbow, LHand, RShoulder, RElbow, RHand,
    LHip, LKnee, LAnkle, RHip, RKnee, RAnkle,
    BoneCount
};

// Joint rotations (roll about x, pitch about y, yaw about z, degrees) relative
// to the parent, plus a turn and shift of the whole body about the pelvis.
struct Pose {
    std::array<Vec3, BoneCount> rot{};
    Vec3 bodyRot;
    Vec3 bodyShift;
    float lift = 0;  // height of the lowest point above the floor (jumps)
};

struct BoneTransform {
    Mat3 r;
    Vec3 t;
};
using SkeletonState = std::array<BoneTransform, BoneCount>;

Vec3 restJoint(Bone bone);
SkeletonState solvePose(const Pose& pose);
Vec3 skinVertex(const MeshVertex& v, const SkeletonState& state);
