// Where the visitor starts in a user's building, and whether its body fits there. Runs once at
// load, so a plain walk over every triangle does.
#pragma once

#include "building/BuildingRead.h"

// The eye above the floor (1.6 m), the body's radius (0.28 m) and its height from the floor
// (1.8 m) in our units; the body is checked from 1 unit above the floor, clear of any step.
constexpr float START_EYE_HEIGHT = 4.0f;
constexpr float BODY_RADIUS = 0.7f;
constexpr float BODY_TOP = 4.5f;
constexpr float BODY_BOTTOM = 1.0f;

// Fills building.start from the file's camera, its object named "start", or a clear place on
// the lowest large floor near the middle (in that order). The building is in our units.
void chooseStart(Building& building, const StartMark& mark);

// Whether the body of a visitor whose eye is at `eye` crosses any triangle of the building.
bool bodyBlocked(const Building& building, Vec3 eye);
