// Frame building: each sequence is sampled evenly; loops and gestures stop one
// step short of their start so that playing on flows back into frame one.
#include "character_frames.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr float kStaffClearance = 0.15f;

// The staff and what hangs on it: parts named "staff...".
bool isCarried(const MeshPart& part) { return part.name.rfind("staff", 0) == 0; }

const MeshPart* partOf(const Mesh& mesh, int vertex)
{
    for (const MeshPart& part : mesh.parts)
        if (vertex >= part.firstVertex && vertex < part.firstVertex + part.vertexCount)
            return &part;
    return nullptr;
}

// The staff may swing below the feet's level in a strike; the body decides where the floor is.
bool isStaff(const Mesh& mesh, int vertex)
{
    const MeshPart* part = partOf(mesh, vertex);
    return part && isCarried(*part);
}

// Where the staff would go through the floor, the grip slides it up along its
// length (the staff's first and last vertices are its end points).
void keepStaffAboveFloor(const Mesh& mesh, std::vector<Vec3>& pos)
{
    float lowest = 1e9f;
    Vec3 axis;
    for (const MeshPart& part : mesh.parts) {
        if (!isCarried(part))
            continue;
        if (part.name == "staff")
            axis = normalize(pos[part.firstVertex + part.vertexCount - 1] - pos[part.firstVertex]);
        for (int i = part.firstVertex; i < part.firstVertex + part.vertexCount; ++i)
            lowest = std::min(lowest, pos[i].z);
    }
    float need = kFloorZ + kStaffClearance - lowest;
    if (need <= 0 || std::abs(axis.z) < 0.2f)
        return;
    Vec3 slide = axis * (need / axis.z);
    for (const MeshPart& part : mesh.parts)
        if (isCarried(part))
            for (int i = part.firstVertex; i < part.firstVertex + part.vertexCount; ++i)
                pos[i] = pos[i] + slide;
}

std::string frameName(const std::string& sequence, int index)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s%02d", sequence.c_str(), index + 1);
    return buf;
}

// The frame positions of one pose, lowest body point at the floor plus the pose's lift.
std::vector<Vec3> posedPositions(const Mesh& mesh, const Pose& pose)
{
    SkeletonState state = solvePose(pose);
    std::vector<Vec3> out;
    float lowest = 1e9f;
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
        out.push_back(skinVertex(mesh.vertices[i], state));
        if (!isStaff(mesh, int(i)))
            lowest = std::min(lowest, out.back().z);
    }
    float raise = kFloorZ + std::max(pose.lift, 0.0f) - lowest;
    for (Vec3& p : out)
        p.z += raise;
    keepStaffAboveFloor(mesh, out);
    return out;
}

}  // namespace

std::vector<Md2Frame> buildFrames(const Mesh& mesh, const std::vector<Sequence>& sequences)
{
    std::vector<Md2Frame> frames;
    for (const Sequence& seq : sequences)
        for (int i = 0; i < seq.frames; ++i) {
            float steps = float(seq.endsLying ? seq.frames - 1 : seq.frames);
            frames.push_back({frameName(seq.name, i), posedPositions(mesh, seq.pose(float(i) / steps))});
        }
    return frames;
}
