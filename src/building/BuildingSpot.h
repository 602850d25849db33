// Where the character stands in the user's building: on a floor a few steps in front of where
// the visitor starts, in its sight and clear of walls, found with the visitor's own floor rule
// in the building's index of faces (no window needed).
#pragma once

#include "building/Building.h"

struct CharacterSpot {
    Vec3 feet;           // where its soles touch the floor
    bool clear = false;  // false: no clear spot was found and it stands straight ahead anyway
};

// Tries spots 5, 4, 3 and 2 units (2 m to 0.8 m) from the start's eye, straight ahead first and
// then up to 50 degrees to either side; takes the first with a floor under it (no higher than
// the eye, at most 1 m below the start's floor) where a body of the given radius and height
// touches no face above a step and the visitor sees its chest.
CharacterSpot characterSpot(const Building& building, float radius, float height);
