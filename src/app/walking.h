// Walking in a user's building: the index of its faces, built once at set-up, the visitor's
// body, and the frame step that carries the camera with it. In our own hall none of this runs.
#pragma once

#include "collision/Walker.h"

// Kept here rather than with the other globals: only a user's building has them.
extern TriangleGrid buildingFaces;
extern Visitor buildingVisitor;

// A visitor this far (10 m) below the building's lowest point has fallen out of it.
constexpr float FALL_OUT_DEPTH = 25.0f;
extern const char* const FELL_OUT_MESSAGE;

// Whether the user gave a building (--level) and it replaces our hall.
bool inBuilding();
// Once, at the end of the set-up of a user's building: indexes its faces, stands the visitor
// at the start, and turns solid walls on, which mean walking there.
void prepareWalking();
// The visitor back at the building's start (Home, and after a fall out of the building).
void resetVisitor();
// Solid walls switched on again: the visitor stands where the free camera is, if its body
// fits there; else it stays where it last walked and the camera goes back to it.
void visitorFromCamera();
// One frame of walking: the keys held give the walk along the view's horizontal direction,
// the visitor moves, and the eye follows its feet with the view point alike.
void walkInBuilding(float speedFactor);
