// The index of a building's faces, made once when it is read.
#pragma once

#include "building/Building.h"

// Fills building.faces from every triangle of its surfaces.
void indexFaces(Building& building);
