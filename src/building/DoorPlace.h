// Whether what looks like a door stands where a door does: at the foot of a floor, between two
// places a person has room in, and, for a panel found by its shape alone, in an opening of a wall.
#pragma once

#include "building/Building.h"
#include "building/DoorShape.h"

// The triangles of one name, in groups that stand apart (a node "Doors" holding every door).
std::vector<std::vector<DoorTriangle>> apart(const std::vector<DoorTriangle>& triangles);

// Why a door told by its name stays shut ("its leaf is 0.45 m wide, ..."), or empty when it opens:
// leaves 0.3 to 1.4 m wide and 1.5 to 3 m high, together at least 0.6 m, with a floor within a
// step of their foot and room for a person on both sides.
std::string namedDoorFault(const Building& building, const DoorFound& found);

// Whether a panel found by its shape is a room's door: one leaf 0.6 to 1.4 m wide, 1.8 to 2.7 m
// high and at most 0.12 m thick, filling an opening of a wall (something beside both its edges
// and above it), with a floor within a step of its foot and room for a person on both sides.
// A wardrobe's door leads into no room; a cupboard's is too small; a garage's too wide.
bool panelDoorFits(const Building& building, const DoorFound& found);
