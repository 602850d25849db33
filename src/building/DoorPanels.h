// Panels that stand alone like a door's leaf, found among a building's triangles by their
// shape alone: a large upright face with a parallel one a panel's thickness behind it at most.
#pragma once

#include "building/Building.h"
#include "building/DoorShape.h"

// Each panel: the triangles that lie within it (its faces, edges and a handle), none of them
// among `taken` (per surface and triangle), which it marks. A panel's large faces are 0.6 to
// 1.4 m wide and 1.8 to 2.7 m high, and nothing of it reaches more than 0.12 m through.
std::vector<std::vector<DoorTriangle>> doorPanels(const Building& building, std::vector<std::vector<bool>>& taken);
