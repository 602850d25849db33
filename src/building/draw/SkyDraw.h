// The sky round a user's building: what shows through its windows and doorways and above it,
// light near the horizon and deeper blue overhead, in place of the black our hall has round it.
#pragma once

#include "math/Vec3.h"

// The colour of the sky in the direction that rises `up` (the sine of its angle over the
// horizon, -1 to 1), RGB 0 to 1: deepest straight up, palest at the horizon, a hazy grey below.
Vec3 skyColour(float up);

// The sky drawn round the eye first of all, writing no depth, so that all of the building and
// whatever ground the file models is drawn over it. Needs the view's matrix set.
void drawSky(Vec3 eye);
