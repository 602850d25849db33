// Doors swinging or sliding open as the visitor walks into them, and closing once it is past
// and clear of them: half a second each way.
#pragma once

#include "building/Building.h"

// Half a second from shut to open.
constexpr float DOOR_OPENING_SECONDS = 0.5f;

// Whether the visitor with its feet at `feet`, walking by `walk` this frame, wants the door
// open: it stands where the door's leaves sweep, or it walks towards the door's opening from
// at most 2 m in front of it.
bool wantsOpen(const BuildingDoor& door, Vec3 feet, Vec3 walk);

// Every door a frame of `seconds` further: opening while wanted, closing otherwise. A shut door
// that starts to open picks the side away from the visitor.
void moveDoors(std::vector<BuildingDoor>& doors, Vec3 feet, Vec3 walk, float seconds);

// Where a leaf of the door stands now, as a turn about its hinge (degrees about +Y, as
// glRotatef takes it) and a shift (a sliding leaf).
struct LeafPose {
    float degrees = 0.0f;
    Vec3 shift;
};
LeafPose leafPose(const BuildingDoor& door, const DoorLeaf& leaf);
