// A building from the file's units and axes into ours: metres times --level-scale, Z up turned
// to Y up, then 2.5 units per metre; its bounds; and a warning when its size suggests that the
// file is in another unit.
#pragma once

#include "building/BuildingLoader.h"
#include "building/BuildingRead.h"

// Empty, or the problem when a corner does not come out as a finite number.
std::string toOurUnits(BuildingRead& read, const BuildingOptions& options);

// The building's largest side in metres, from its bounds.
float sizeInMetres(const Building& building);
