// The way back to where the walk began.
#pragma once

// Home: the camera back where and how the scene set-up placed it, and whatever the scene shown
// keeps of the visitor (in a user's building, the walking visitor back at the start too).
void returnHome();
