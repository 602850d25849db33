// The user's building in place of our hall (the scene userBuilding): what it is made of, how it
// is drawn and walked (building.cpp), and its walking visitor (walking.cpp).
#pragma once

#include "building/Building.h"
#include "building/draw/BuildingDraw.h"
#include "collision/Walker.h"

// The user's building (--level, or one dropped onto the page); empty while our hall is shown.
extern Building building;
// Its textures and baked light, made once when it is set up.
extern BuildingDrawing buildingDrawing;
// The index of its faces (building.faces, made when it was read), and the visitor's body that
// walks them.
extern TriangleGrid& buildingFaces;
extern Visitor buildingVisitor;

// A building read while the program runs replaces our hall or the building shown: the old
// building's textures go back to OpenGL, then the start's set-up for a building, the visitor at
// its start. Needs a current OpenGL context.
void replaceBuilding(Building&& next);

// The message of the room key '4' in a building.
extern const char* const ROOMS_ONLY_IN_HALL;

// A visitor this far (10 m) below the building's lowest point has fallen out of it.
constexpr float FALL_OUT_DEPTH = 25.0f;
extern const char* const FELL_OUT_MESSAGE;

// Once, at the end of the building's set-up: stands the visitor at the start, and turns solid
// walls on, which mean walking there.
void prepareWalking();
// The visitor back at the building's start (Home, and after a fall out of the building).
void resetVisitor();
// Solid walls switched on again: the visitor stands where the free camera is, if its body
// fits there; else it stays where it last walked and the camera goes back to it.
void visitorFromCamera();
// One frame of walking: the keys held give the walk along the view's horizontal direction,
// the visitor moves, and the eye follows its feet with the view point alike.
void walkInBuilding(float speedFactor);
