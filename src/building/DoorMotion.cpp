#include "building/DoorMotion.h"

#include "collision/Body.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float APPROACH = 2.0f * 2.5f;  // how far in front of a door walking at it opens it

float dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

float widestLeaf(const BuildingDoor& door)
{
    float widest = 0.0f;
    for (const DoorLeaf& leaf : door.leaves)
        widest = std::max(widest, leaf.width);
    return widest;
}

}  // namespace

bool wantsOpen(const BuildingDoor& door, Vec3 feet, Vec3 walk)
{
    const Vec3 to = feet - door.middle;
    if (to.y < -door.height || to.y > door.height)
        return false;
    const float along = dot(to, door.across), through = dot(to, door.normal);
    const float halfWidth = 0.5f * door.width + BODY_RADIUS;
    if (std::fabs(along) <= halfWidth && std::fabs(through) <= widestLeaf(door) + BODY_RADIUS)
        return true;
    // Walking at the door: towards its plane, crossing it within the opening.
    const float closing = -dot(walk, door.normal) * (through < 0.0f ? -1.0f : 1.0f);
    if (closing <= 0.0f || std::fabs(through) > APPROACH)
        return false;
    const float frames = std::fabs(through) / closing;
    return std::fabs(along + dot(walk, door.across) * frames) <= halfWidth;
}

void moveDoors(std::vector<BuildingDoor>& doors, Vec3 feet, Vec3 walk, float seconds)
{
    const float step = seconds / DOOR_OPENING_SECONDS;
    for (BuildingDoor& door : doors) {
        const bool wanted = wantsOpen(door, feet, walk);
        if (wanted && door.open == 0.0f)
            door.side = dot(feet - door.middle, door.normal) < 0.0f ? 1.0f : -1.0f;
        door.open = std::clamp(door.open + (wanted ? step : -step), 0.0f, 1.0f);
    }
}

LeafPose leafPose(const BuildingDoor& door, const DoorLeaf& leaf)
{
    LeafPose pose;
    // Smooth at both ends, as a door a hand pushes and a closer brings back.
    const float eased = door.open * door.open * (3.0f - 2.0f * door.open);
    if (leaf.slides) {
        pose.shift = leaf.across * (-eased * leaf.width);
        return pose;
    }
    // A turn about +Y by a carries `across` towards up x across: the leaf's free edge goes to
    // the door's side when that is where up x across points.
    const Vec3 turned(leaf.across.z, 0.0f, -leaf.across.x);
    pose.degrees = 90.0f * eased * (dot(turned, door.normal) * door.side < 0.0f ? -1.0f : 1.0f);
    return pose;
}
