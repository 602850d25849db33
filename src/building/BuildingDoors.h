// Closed doors in a user's building, told by their names or by their shape, whose leaves are
// taken out of the building's surfaces so that the visitor walks through their openings while
// they swing or slide open (DoorMotion.h). Runs once when the building is read.
#pragma once

#include "building/Building.h"

// Fills building.doors with every door found and building.shutDoors with what is named as a
// door but stays shut; indexes the faces again without the leaves when any were taken out.
// The building is in our units, its faces indexed.
void recognizeDoors(Building& building);
