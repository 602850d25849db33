// Where the visitor starts in a user's building, and whether its body fits there.
#pragma once

#include "building/BuildingRead.h"

// Fills building.start from the file's camera, its object named "start", or else the clear place
// on the largest floor that sees the most of the level around its eye, looking along its longest
// clear line of sight (in that order). The building is in our units, its faces indexed.
void chooseStart(Building& building, const StartMark& mark);

// Whether the body of a visitor whose eye is at `eye` (standing upright) crosses a face even
// ducking as far as it can.
bool bodyBlocked(const Building& building, Vec3 eye);
