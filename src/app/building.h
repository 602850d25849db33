// The user's building in the program, in place of our hall: its set-up, where the visitor and
// the character start in it, how far the view reaches, and its two passes in the frame.
#pragma once

struct Building;

// Whether the user's building is shown; false without one (then everything is our hall's).
bool buildingShown();

// Makes the building's textures and light from the filled `building`, instead of loading our
// hall's textures and architecture files. Needs a current OpenGL context.
void setupBuilding();
// A building read while the program runs replaces our hall or the building shown: the old
// building's textures go back to OpenGL, then the start's set-up for a building, the visitor at
// its start. Needs a current OpenGL context.
void replaceBuilding(Building&& next);
// The character on the building's floor a few steps in front of the start, facing the visitor.
void standCharacterInBuilding();

// The far plane: 100 units in our hall; in a building, far enough to see all of it from
// anywhere in it (and from its start).
double farPlane();

// The opaque and cut-out surfaces, drawn where our hall's architecture is.
void drawBuildingSolid();
// The see-through surfaces, drawn after everything solid (the character and the rooms too).
void drawBuildingSeeThrough();

// The message of the room key '4' in a building.
extern const char* const ROOMS_ONLY_IN_HALL;
